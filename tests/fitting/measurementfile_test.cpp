#include "fitting/measurementfile.h"

#include "session/measurements.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

Vreactor abSystem() {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0);
    addComponent(v, "\xC4th", 0); // "Äth" in Windows-1252
    return v;
}

std::string cells(const Measurements& m) {
    std::string text = m.timeName;
    for (const std::string& name : m.names)
        text += "|" + name;
    for (int r = 0; r < m.rowCount(); ++r) {
        text += "/" + std::to_string(m.times[static_cast<size_t>(r)]);
        for (const auto& column : m.values) {
            const double v = column[static_cast<size_t>(r)];
            text += "|" + (std::isnan(v) ? std::string("-") : std::to_string(v));
        }
    }
    return text;
}

TEST(MeasurementFile, ReadsTheSeparatorsDecimalMarksAndLineEndsItAccepts) {
    const struct {
        const char* title;
        std::string bytes;
        std::string table;
    } cases[] = {
        {"exported kinetics, tab and CR LF", "time\tA\tB\r\n0\t1\t0\r\n5e-1\t6.5e-1\t3.5e-1\r\n",
         "time|A|B/0.000000|1.000000|0.000000/0.500000|0.650000|0.350000"},
        {"comma, comments, blank lines, missing cells",
         "# lab book\nt,A,B\n\n0,1,\n1,,0.25\n# end\n",
         "t|A|B/0.000000|1.000000|-/1.000000|-|0.250000"},
        {"semicolon with decimal comma", "time;A\n0,5;1,25\n", "time|A/0.500000|1.250000"},
        {"tab with decimal comma, short row", "time\tA\tB\n0,5\t2\n",
         "time|A|B/0.500000|2.000000|-"},
        {"UTF-8 name becomes Windows-1252", "\xEF\xBB\xBFtime\t\xC3\x84th\n0\t1\n",
         "time|\xC4th/0.000000|1.000000"},
        {"Windows-1252 name kept", "time\t\xC4th\n0\t1\n", "time|\xC4th/0.000000|1.000000"},
        {"equal times, trailing empty cell", "time\tA\n1\t1\t\n1\t2\n",
         "time|A/1.000000|1.000000/1.000000|2.000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Measurements m;
        std::string error;
        ASSERT_TRUE(MeasurementFile::parse(c.bytes, m, error)) << error;
        EXPECT_EQ(cells(m), c.table);
    }
}

// Each hostile table is refused with the line and column of its fault, and
// the table given stays as it was.
TEST(MeasurementFile, RefusesBadTablesNamingTheLineAndColumn) {
    // More cases, through the whole import, are in the hostile tables.
    const struct {
        const char* title;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"not a number", "time\tA\n0\t1\n1\tx1\n",
         "Line 3, column 2 (\"A\"): \"x1\" is not a finite number."},
        {"time not finite", "time\tA\ninf\t1\n",
         "Line 2, column 1 (\"time\"): \"inf\" is not a finite number."},
        {"time missing", "time\tA\n\t1\n", "Line 2, column 1 (\"time\"): the time is missing."},
        {"unnamed column", "time\t\tA\n", "Line 1, column 2 (\"\"): the column has no name."},
        {"time column only", "time\n0\n", "The file holds no measured column or no row."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Measurements m;
        m.names = {"kept"};
        m.times = {1};
        m.values = {{2}};
        const Measurements before = m;
        std::string error;
        EXPECT_FALSE(MeasurementFile::parse(c.bytes, m, error));
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(m == before);
    }
}

TEST(MeasurementFile, KeepsTheColumnsOfTheModelAndNamesTheOthers) {
    TempDir dir;
    const Vreactor v = abSystem();
    const struct {
        const char* title;
        std::string bytes;
        bool ok;
        std::string columns;
        std::string message;
    } cases[] = {
        {"unknown columns ignored", "time\tA\tX\tweightedObservation\tY\n0\t1\t2\t3\t4\n", true,
         "A,weightedObservation,", "Columns that name no component are ignored: X, Y"},
        {"no usable column", "time\tX\n0\t1\n", false, "",
         "No column is named after a component or \"weightedObservation\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const std::string file = dir.file("m.txt");
        std::ofstream(file, std::ios::binary) << c.bytes;
        Measurements m;
        std::string message;
        EXPECT_EQ(MeasurementFile::read(file, v, m, message), c.ok);
        std::string columns;
        for (const std::string& name : m.names)
            columns += name + ",";
        EXPECT_EQ(columns, c.columns);
        EXPECT_EQ(message,
                  c.ok ? c.message : "Failed to read measurements: " + file + "\n" + c.message);
    }
}

TEST(MeasurementFile, RefusesFilesTooLargeOrUnreadable) {
    TempDir dir;
    const std::string big = dir.file("big.txt");
    {
        std::ofstream out(big, std::ios::binary);
        out << "time\tA\n0\t1\n";
    }
    // A sparse file: the size is what counts, not the content.
    std::filesystem::resize_file(big, MeasurementFile::maxFileBytes + 1);
    const struct {
        std::string file;
        std::string reason;
    } cases[] = {
        {big, "The file is larger than 50 MB."},
        {dir.file("missing.txt"), "The file cannot be read."},
        {dir.path(), "The file cannot be read."},
    };
    for (const auto& c : cases) {
        Measurements m;
        std::string message;
        EXPECT_FALSE(MeasurementFile::read(c.file, abSystem(), m, message));
        EXPECT_EQ(message, "Failed to read measurements: " + c.file + "\n" + c.reason);
        EXPECT_TRUE(m.empty());
    }
}

} // namespace
