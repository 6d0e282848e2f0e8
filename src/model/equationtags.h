#pragma once

#include <cstddef>

// The markup of the equations text: plain text with embedded tags, each
// exactly `tagLength` characters long.
namespace EquationTag {

inline constexpr std::size_t tagLength = 6;

// Line markers, removed where they stand; sort mode puts move arrows on the
// marked lines.
inline constexpr const char* reactionLine = "<%equ>";
inline constexpr const char* componentLine = "<%cmp>";
// Text level of what follows.
inline constexpr const char* superscript = "<%sup>";
inline constexpr const char* subscript = "<%sub>";
inline constexpr const char* normal = "<%nor>";
// The d/dt operator, set as a fraction.
inline constexpr const char* ddt = "<%ddt>";
// Reaction arrows: forward only, backward only, both directions.
inline constexpr const char* arrowForward = "<%arf>";
inline constexpr const char* arrowBackward = "<%arr>";
inline constexpr const char* arrowBoth = "<%arb>";

// Every line that carries text starts with it; sort arrows are drawn inside.
inline constexpr const char* indent = "        ";

} // namespace EquationTag
