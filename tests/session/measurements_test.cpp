#include "session/measurements.h"

#include "session/reactorsession.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

Measurements sampleTable() {
    Measurements m;
    m.timeName = "t [s]";
    m.names = {"A", "weightedObservation"};
    m.times = {0, 0.5, 0.5, 2};
    const double gap = std::nan("");
    m.values = {{1, 1.0 / 3.0, gap, 2.5e-7}, {gap, -4, 1e12, 0}};
    return m;
}

TEST(Measurements, ASessionWithMeasurementsSavesAndReadsBackEqual) {
    TempDir dir;
    ReactorSession written;
    addComponent(written.vReactor, "A", 1);
    written.measurements = sampleTable();
    ASSERT_TRUE(written.save(dir.file("m.vsn"), 3));
    const std::string bytes = readFileBytes(dir.file("m.vsn"));
    // The sixth section, after the animation, in the stream's own syntax.
    EXPECT_NE(bytes.find("     </animation>\r\n     <measurements>\r\n"
                         "          columns=t [s]\tA\tweightedObservation\r\n"
                         "          row=0\t1\t\r\n"
                         "          row=0.5\t0.3333333333333\t-4\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("</measurements>\r\n</Velumbra Session>\r\n"), std::string::npos);

    ReactorSession read;
    ASSERT_TRUE(read.open(dir.file("m.vsn")));
    Measurements expected = sampleTable();
    expected.values[0][1] = 0.3333333333333; // as the file holds it
    EXPECT_TRUE(read.measurements == expected);
    ASSERT_TRUE(read.save(dir.file("again.vsn"), 3));
    EXPECT_EQ(readFileBytes(dir.file("again.vsn")), bytes);
}

// A damaged section is repaired: what cannot be read is dropped, the rest kept.
TEST(Measurements, ADamagedSectionIsRepaired) {
    const struct {
        const char* title;
        std::string section;
        std::string names;
        std::vector<double> times;
        int values;
    } cases[] = {
        {"no header", "row=0\t1\n", "", {}, 0},
        {"header without columns", "columns=time\nrow=0\n", "", {}, 0},
        {"bad cells become missing",
         "columns=time\tA\tB\nrow=0\tx\t2\nrow=1\tnan\n",
         "A,B,",
         {0, 1},
         1},
        {"bad and backward times dropped",
         "columns=time\tA\nrow=x\t1\nrow=2\t1\nrow=1\t1\nrow=inf\t1\n",
         "A,",
         {2},
         1},
        {"repeated and empty names dropped",
         "columns=time\tA\t\tA\tB\nrow=0\t1\t2\t3\t4\n",
         "A,B,",
         {0},
         2},
        {"surplus cells ignored", "columns=time\tA\nrow=0\t1\t2\t3\n", "A,", {0}, 1},
        {"no rows", "columns=time\tA\n", "", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ReactorSession s;
        s.lines.clear();
        std::istringstream in("<Velumbra Session>\n<measurements>\n" + c.section +
                              "</measurements>\n</Velumbra Session>\n");
        for (std::string line; std::getline(in, line);)
            s.lines.add(line);
        ASSERT_TRUE(s.load(ReactorSession::blockName, ""));
        std::string names;
        for (const std::string& name : s.measurements.names)
            names += name + ",";
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(s.measurements.times, c.times);
        EXPECT_EQ(s.measurements.valueCount(), c.values);
        for (const auto& column : s.measurements.values)
            EXPECT_EQ(column.size(), s.measurements.times.size());
    }
}

} // namespace
