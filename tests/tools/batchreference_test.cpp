#include "batchfixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::vector<double>> rowsOf(const std::string& table) {
    std::vector<std::vector<double>> rows;
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line); // the header
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<double> row;
        for (double v; fields >> v;)
            row.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

TEST_F(BatchTest, ReferenceWritesTheSameTableFromTheReferenceSolution) {
    const std::string session = writeSession("s.vsn");
    const Outcome r = run("kinetics " + session + " --all --reference --rates");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "time\tA\tB\tv1");
    const auto rows = rowsOf(r.out);
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u);
        const double a = std::exp(-row[0]);
        EXPECT_NEAR(row[1], a, 1e-9);
        EXPECT_NEAR(row[2], 1 - a, 1e-9);
        EXPECT_EQ(row[3], row[1]) << "the rate comes from the reference's concentrations";
    }
    EXPECT_EQ(r.err.substr(0, 16), "reference\nsteps:");
    EXPECT_NE(r.err.find("\ncalc time:"), std::string::npos);
    EXPECT_EQ(r.err.find("iterations"), std::string::npos) << r.err;
}

TEST_F(BatchTest, ReferenceFailureIsRefused) {
    // 2A -> 3A: d[A]/dt = [A]^2 reaches infinity at t = 1, the Euler steps only later.
    ReactorSession s;
    const int a = addComponent(s.vReactor, "A", 1);
    addReaction(s.vReactor, {{a, 2, -1}, {a, 3, 1}}, 1);
    s.reactor.simulationTime = 3;
    s.reactor.timeResolution = 0.01;
    ASSERT_TRUE(s.save(dir.file("up.vsn"), 3));
    const Outcome r = run("kinetics " + dir.file("up.vsn") + " --reference");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, 18), "reference failed: ") << r.err;
}

} // namespace
