#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Measurements;
class Vreactor;

// Reading a table of measurements: a header line, then one line per row; the
// first column is time, every other column is named by a unique component or
// "weightedObservation". Tab, comma or semicolon separate the cells (the
// first of them found in the header); the decimal point is "." and, with tab
// or semicolon, also ","; an empty cell is missing; lines starting with "#"
// are comments; the text is UTF-8 or Windows-1252, lines end in LF or CR LF.
namespace MeasurementFile {

inline constexpr std::uintmax_t maxFileBytes = 50u * 1024u * 1024u;

// The table in `bytes`, all columns kept. False with `error` naming the line
// and column of the first fault; `table` is untouched then.
bool parse(const std::string& bytes, Measurements& table, std::string& error);

// Drops the columns that name no unique component of `system` (nor the
// weighted observation) and lists them in `ignored`. False with `error` when
// no column remains; `table` is untouched then.
bool keepModelColumns(Measurements& table, const Vreactor& system,
                      std::vector<std::string>& ignored, std::string& error);

// The whole import of a file: size, reading, parsing, matching. On failure
// `message` is the text to show and `table` is untouched; on success
// `message` names the ignored columns, if any.
bool read(const std::string& fileName, const Vreactor& system, Measurements& table,
          std::string& message);

} // namespace MeasurementFile
