#include "batchfixture.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class BatchFitTest : public BatchTest {
protected:
    // A <-> B, then B -> C; one second in steps of 0.001.
    std::string reactionSession(const std::string& name, double k1, double kBack, double k2,
                                double timeStep = 0.001) {
        ReactorSession s;
        const int a = addComponent(s.vReactor, "A", 1);
        const int b = addComponent(s.vReactor, "B", 0);
        const int c = addComponent(s.vReactor, "C", 0);
        addReaction(s.vReactor, {{a, 1, -1}, {b, 1, +1}}, k1, true, kBack, true);
        addReaction(s.vReactor, {{b, 1, -1}, {c, 1, +1}}, k2);
        s.reactor.simulationTime = 1;
        s.reactor.timeResolution = timeStep;
        EXPECT_TRUE(s.save(dir.file(name), 3));
        return dir.file(name);
    }

    // NAME -> value and standard error text, from the output lines.
    static std::vector<std::vector<std::string>> fields(const std::string& out) {
        std::vector<std::vector<std::string>> lines;
        std::istringstream in(out);
        std::string line;
        while (std::getline(in, line)) {
            std::vector<std::string> cells;
            std::istringstream split(line);
            std::string cell;
            while (std::getline(split, cell, '\t'))
                cells.push_back(cell);
            lines.push_back(cells);
        }
        return lines;
    }
};

// The kinetics command's own table is read back as measurements, and the
// fit returns the values that produced it.
TEST_F(BatchFitTest, FitsTheValuesBehindAnExportedTable) {
    const std::string truth = reactionSession("truth.vsn", 2, 0.5, 3);
    ASSERT_EQ(run("kinetics " + truth + " --all -o " + dir.file("data.dat")).status, 0);
    const std::string start = reactionSession("start.vsn", 1, 1, 1);

    const Outcome r =
        run("fit " + start + " --data " + dir.file("data.dat") + " -o " + dir.file("fitted.vsn"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "ok\n");
    const auto lines = fields(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    const std::vector<std::pair<std::string, double>> expected = {
        {"k1", 2}, {"k-1", 0.5}, {"k2", 3}};
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 3u);
        EXPECT_EQ(lines[i][0], expected[i].first);
        EXPECT_NEAR(std::stod(lines[i][1]) / expected[i].second, 1, 1e-6);
        EXPECT_NE(lines[i][1].find("e"), std::string::npos) << "scientific form";
    }
    EXPECT_EQ(lines[3][0], "SSR");
    EXPECT_EQ(lines[4], (std::vector<std::string>{"points", "3003"}));

    // The saved session carries the values and the data: fitting it again
    // needs no file and starts where the first fit ended.
    const std::string saved = readFileBytes(dir.file("fitted.vsn"));
    EXPECT_NE(saved.find("<measurements>"), std::string::npos);
    const Outcome again = run("fit " + dir.file("fitted.vsn") + " --fit k2,[A]0");
    EXPECT_EQ(again.status, 0) << again.err;
    const auto refit = fields(again.out);
    ASSERT_GE(refit.size(), 2u);
    EXPECT_EQ(refit[1][0], "[A]0");
    EXPECT_NEAR(std::stod(refit[1][1]), 1, 1e-6);
}

TEST_F(BatchFitTest, ExitStatusesForBadInput) {
    const std::string session = reactionSession("s.vsn", 1, 1, 1);
    writeFileBytes(dir.file("good.txt"), "time,A\n0,1\n0.5,0.6\n1,0.5\n");
    writeFileBytes(dir.file("bad.txt"), "time,A\n0,1\n0.5,zero\n");
    writeFileBytes(dir.file("huge.txt"), "time,A\n0,1\n0.5,-1e200\n1,0.5\n");
    const std::string tiny = reactionSession("tiny.vsn", 1, 1, 1, 1e-12);
    const struct {
        std::string arguments;
        int status;
        std::string errorStart;
    } cases[] = {
        {"fit", 2, "Usage:"},
        {"fit " + session + " --bogus", 2, "Usage:"},
        {"fit " + session + " --data " + dir.file("good.txt") + " --fit k1,k9", 2,
         "Unknown parameter: k9\nUsage:"},
        {"fit " + session + " --data " + dir.file("good.txt") + " --fit k1,k1", 2,
         "Unknown parameter: k1\n"},
        {"fit " + dir.file("missing.vsn"), 1, "Failed to open session: "},
        {"fit " + session, 1, "The session holds no measurements"},
        {"fit " + session + " --data " + dir.file("bad.txt"), 1,
         "Failed to read measurements: " + dir.file("bad.txt") +
             "\nLine 3, column 2 (\"A\"): \"zero\" is not a finite number."},
        {"fit " + session + " --data " + dir.file("huge.txt"), 1,
         "The sum of squared residuals at the start values is not finite"},
        {"fit " + tiny + " --data " + dir.file("good.txt"), 3, "Too many iterations!\n"},
        {"fit " + session + " --data " + dir.file("good.txt") + " -o " + dir.file("no/s.vsn"), 1,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err.substr(0, c.errorStart.size()), c.errorStart);
    }
}

} // namespace
