// Hostile measurement tables: each one is loaded or refused as its row says,
// through the harness of the measurement fuzz target, which checks that a
// loaded table keeps its limits, gives finite plot ranges, stands a fit
// iteration and saves with the session, and that a refused one shows its
// message and changes nothing. Past fuzzing findings are replayed the same way.
#include "measurementharness.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string hostileFolder = std::string(VELUMBRA_TEST_DATA) + "/hostile/";
const std::string findingsFolder = std::string(VELUMBRA_TEST_DATA) + "/fuzz-regressions/";

bool isTable(const std::filesystem::path& file) {
    return file.extension() == ".txt";
}

std::string header(int columns) {
    std::string text = "time";
    for (int i = 1; i < columns; ++i)
        text += i == 1 ? "\tA" : "\tc" + std::to_string(i);
    return text + "\n";
}

// Tables too large to keep in the repository.
std::string generated(const std::string& name) {
    if (name == "100000-character-line") return "time\tA\n0\t" + std::string(100000, '7') + "\n";
    if (name == "101-columns") return header(101) + "0\t1\n";
    if (name == "102-columns") return header(102) + "0\t1\n";
    if (name == "100001-rows") {
        std::string text = "time\tA\n";
        for (int i = 0; i <= Measurements::maxRows; ++i)
            text += "1\t1\n";
        return text;
    }
    ADD_FAILURE() << "no generator for " << name;
    return std::string();
}

std::string bytesOf(const std::string& name) {
    if (std::filesystem::exists(hostileFolder + name)) return readFileBytes(hostileFolder + name);
    return generated(name);
}

constexpr auto loaded = ReaderHarness::Outcome::opened;
constexpr auto refused = ReaderHarness::Outcome::refused;

struct HostileTable {
    std::string name;
    ReaderHarness::Outcome outcome;
    // Part of the one message shown (the refusal, or the ignored columns).
    std::string message;
    // A loaded table's columns and rows.
    std::vector<std::string> columns;
    int rows = 0;
};

std::vector<HostileTable> hostileTables() {
    using Names = std::vector<std::string>;
    return {
        {"table-empty.txt", refused, "The file holds no header line.", {}},
        {"table-header-only.txt", refused, "The file holds no measured column or no row.", {}},
        {"table-binary.txt", refused, "Line 3, column 1", {}},
        {"100000-character-line",
         refused,
         "\"7777777777777777777777777777777777777...\" is not",
         {}},
        {"101-columns", loaded, "are ignored: c2, c3, c4, c5, c6, c7, c8, c9, c10, c11 and 89 more",
         Names{"A"}, 1},
        {"102-columns", refused, "Line 1: more than 101 columns.", {}},
        {"100001-rows", refused, "Line 100002: more than 100000 rows.", {}},
        {"table-nan.txt", refused, "Line 3, column 2 (\"A\"): \"nan\" is not a finite number.", {}},
        {"table-inf.txt", refused, "Line 3, column 2 (\"A\"): \"inf\" is not a finite number.", {}},
        {"table-1e400.txt", refused, "\"1e400\" is not a finite number.", {}},
        {"table-minus-zero.txt", loaded, "", Names{"A"}, 2},
        {"table-decimal-comma-tab.txt", loaded, "", Names{"A"}, 2},
        {"table-decimal-comma-semicolon.txt", loaded, "", Names{"A"}, 2},
        {"table-decimal-comma-comma.txt",
         refused,
         "Line 2, column 3 (\"\"): the header has no such column.",
         {}},
        {"table-time-repeats.txt", loaded, "", Names{"A"}, 4},
        {"table-time-backwards.txt",
         refused,
         "Line 4, column 1 (\"time\"): the time goes backwards.",
         {}},
        {"table-duplicate-names.txt",
         refused,
         "Line 1, column 4 (\"A\"): the name appears twice.",
         {}},
        {"table-other-component.txt", loaded, "Columns that name no component are ignored: C",
         Names{"A"}, 2},
    };
}

TEST(HostileTables, EachIsLoadedOrRefusedAsExpected) {
    TempDir dir;
    std::vector<std::string> covered;
    for (const HostileTable& t : hostileTables()) {
        SCOPED_TRACE(t.name);
        covered.push_back(t.name);
        MeasurementHarness harness(dir.path());
        const MeasurementHarness::TableRun run = harness.measurements(bytesOf(t.name));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
        const std::string shown = run.messages.empty() ? "" : run.messages[0];
        ASSERT_EQ(run.outcome, t.outcome) << shown;
        EXPECT_NE(shown.find(t.message), std::string::npos) << shown;
        EXPECT_LT(shown.size(), 2000u) << "a message stays readable";
        EXPECT_EQ(run.loaded.names, t.columns);
        EXPECT_EQ(run.loaded.rowCount(), t.rows);
    }
    for (const auto& entry : std::filesystem::directory_iterator(hostileFolder)) {
        if (!isTable(entry.path())) continue;
        const std::string name = entry.path().filename().string();
        EXPECT_NE(std::find(covered.begin(), covered.end(), name), covered.end()) << name;
    }
}

// Each table that once broke a rule under the fuzzer stays fixed.
TEST(HostileTables, PastFuzzingFindingsBreakNoRule) {
    TempDir dir;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(findingsFolder)) {
        if (!isTable(entry.path())) continue;
        SCOPED_TRACE(entry.path().filename().string());
        MeasurementHarness harness(dir.path());
        (void)harness.measurements(readFileBytes(entry.path().string()));
        EXPECT_EQ(harness.problems, std::vector<std::string>());
        ++replayed;
    }
    if (replayed == 0) GTEST_SKIP() << "no table findings yet";
}

} // namespace
