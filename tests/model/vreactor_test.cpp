#include "model/vreactor.h"

#include "support/reactorfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using VreactorTest = ReactorFixture;

// A, a shortcut of A and B; a reaction with every field set and a default
// one. Every stored value differs somewhere from its default, so a key that is
// not read back, or written under another name or out of order, changes the
// saved text. "as x" and "animate" are written only when true, and a shortcut
// writes neither its values nor its colour.
const std::string sample =
    "<vReactor>|use grid=false|show grid=true|<component>|name=A|shortcut=false|"
    "initial concentration=0.25|constant=true|weight=-2.5|color=1193046|monitor=false|as x=true|"
    "animate=true|<pos>|x=56|y=112|</pos>|</component>|<component>|name=A|shortcut=true|<pos>|"
    "x=300|y=40|</pos>|</component>|<component>|name=B|shortcut=false|initial concentration=1.5e-3|"
    "constant=false|weight=1|color=16777215|monitor=true|<pos>|x=400|y=80|</pos>|</component>|"
    "<reaction>|active=false|active back=true|rate constant=12.5|rate constant back=3e-7|"
    "<reaction switch>|at=1.5|</reaction switch>|<reaction switch>|at=2.5|</reaction switch>|"
    "<reaction switch back>|at=0|</reaction switch back>|<reactant>|index=0|order=2|port=-1|"
    "align=true|</reactant>|<reactant>|index=1|order=1|port=1|align=false|</reactant>|<reactant>|"
    "index=2|order=3|port=1|align=false|</reactant>|Geometry=-3|<pos>|x=150|y=90|</pos>|"
    "</reaction>|<reaction>|active=true|active back=false|rate constant=1|rate constant back=1|"
    "Geometry=-1|<pos>|x=500|y=500|</pos>|</reaction>|</vReactor>|";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST_F(VreactorTest, SessionFormRoundTripsWithoutRepairs) {
    // The animated parameter once on a component, once on a backward rate constant.
    const std::string variants[] = {sample,
                                    replaced(replaced(sample, "animate=true|", ""), "Geometry=-3|",
                                             "Geometry=-3|animate B=true|")};
    for (const std::string& text : variants) {
        Vreactor read;
        for (size_t from = 0, to; (to = text.find('|', from)) != std::string::npos; from = to + 1)
            read.lines.add(text.substr(from, to - from));
        ASSERT_TRUE(read.load("vReactor", ""));
        const RepairReport report = read.repair();
        EXPECT_FALSE(report.refused());
        EXPECT_EQ(report.repairs, 0);
        ASSERT_TRUE(read.save("vReactor", ""));
        std::string saved;
        for (const std::string& line : read.lines)
            saved += line.substr(line.find_first_not_of(' ')) + "|";
        EXPECT_EQ(saved, text);
        read.receive(sessionReplaced);
        EXPECT_EQ(read.components[1].color, 0x123456);
    }
}

} // namespace
