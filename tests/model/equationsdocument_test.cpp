#include "model/equationsdocument.h"

#include "model/vreactor.h"
#include "support/lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A reaction system from a description. Objects are names separated by
// blanks: "A'" is a shortcut of A, "A*" a constant A. Reactions read like
// "2A+B<>C" with ">" forward, "<" backward, "<>" both and "|" inactive;
// entries name objects as written.
Vreactor build(const std::string& objects, const std::vector<std::string>& reactions) {
    Vreactor reactor;
    std::vector<std::string> tokens;
    std::istringstream in(objects);
    for (std::string token; in >> token; tokens.push_back(token)) {
        Vcomponent c(token.substr(0, token.find_first_of("'*")), 0, 0);
        c.shortcut = token.back() == '\'';
        c.constant = token.back() == '*';
        reactor.components.add(c);
    }
    for (const std::string& text : reactions) {
        const size_t arrow = text.find_first_of("<>|");
        const size_t right = text.find_first_not_of("<>|", arrow);
        const std::string mode = text.substr(arrow, right - arrow);
        Vreaction r;
        r.active = mode == ">" || mode == "<>";
        r.activeBack = mode == "<" || mode == "<>";
        for (int port : {-1, 1}) {
            std::istringstream side(port < 0 ? text.substr(0, arrow)
                                             : text.substr(std::min(right, text.size())));
            for (std::string entry; std::getline(side, entry, '+');) {
                Reactant e;
                const size_t name = entry.find_first_not_of("0123456789");
                e.order = name > 0 ? std::stoi(entry.substr(0, name)) : 1;
                e.index = static_cast<int>(
                    std::find(tokens.begin(), tokens.end(), entry.substr(name)) - tokens.begin());
                e.port = port;
                r.reactants.add(e);
            }
        }
        reactor.reactions.add(r);
    }
    return reactor;
}

// The right-hand side of the equation of the named component, as readable
// text (the tags themselves are pinned by the whole document).
std::string rhs(const Vreactor& reactor, const std::string& name, bool grouped) {
    const std::string head = "<%cmp>        <%ddt> [" + name + "] = ";
    for (const std::string& line : generateEquations(reactor, {false, grouped}))
        if (line.compare(0, head.size(), head) == 0) {
            const std::string text = readableEquations(textOf({line.substr(head.size())}));
            return text.substr(0, text.size() - 1);
        }
    return "(no equation)";
}

// Inactive reactions keep their number but are left out, a backward one shows
// its own arrow and constant; animation marks follow the value, a constant is
// marked after them.
TEST(EquationsDocument, WholeDocument) {
    Vreactor reactor = build("A B C D* A'", {"2A<>B", "B>C", "A|C", "C<2A'", ">B"});
    reactor.components[0].initialConcentration = 1;
    reactor.components[0].animate = true;
    reactor.components[3].initialConcentration = 1e-5;
    reactor.components[3].animate = true;
    reactor.reactions[0].rateConstant = 0.5;
    reactor.reactions[0].rateConstantBack = 0.25;
    reactor.reactions[0].animateBack = true;
    reactor.reactions[1].rateConstant = 1500;
    const std::vector<std::string> expected = {
        "",
        "        <%equ>1.        2A <%arb> B",
        "",
        "        <%equ>2.        B <%arf> C",
        "",
        "        <%equ>4.        C <%arr> 2A",
        "",
        "        <%equ>5.         <%arf> B",
        "",
        "",
        "<%cmp>        <%ddt> [A] = -(2k<%sub>1<%nor>+2k<%sub>-4<%nor>)[A]<%sup>2<%nor> + "
        "2k<%sub>-1<%nor>[B]",
        "",
        "<%cmp>        <%ddt> [B] = k<%sub>1<%nor>[A]<%sup>2<%nor> - "
        "(k<%sub>-1<%nor>+k<%sub>2<%nor>)[B] + k<%sub>5<%nor>",
        "",
        "<%cmp>        <%ddt> [C] = k<%sub>-4<%nor>[A]<%sup>2<%nor> + k<%sub>2<%nor>[B]",
        "",
        "<%cmp>        <%ddt> [D] = 0",
        "",
        "",
        "        k<%sub>1<%nor> = 0.5        k<%sub>-1<%nor> = 0.25 \xB1 animation",
        "        k<%sub>2<%nor> = 1.5e+3",
        "        k<%sub>-4<%nor> = 1",
        "        k<%sub>5<%nor> = 1",
        "",
        "        [A]<%sub>0<%nor> = 1 \xB1 animation",
        "        [B]<%sub>0<%nor> = 0",
        "        [C]<%sub>0<%nor> = 0",
        "        [D]<%sub>0<%nor> = 1e-5 \xB1 animation = constant",
    };
    EXPECT_EQ(linesOf(generateEquations(reactor, {true, true})), expected);
    // Without the scheme the equations follow the first line.
    EXPECT_EQ(generateEquations(reactor, {false, true})[1], expected[10]);
    EXPECT_EQ(linesOf(generateEquations(Vreactor(), {true, true})),
              (std::vector<std::string>{"", ""}));
}

TEST(EquationsDocument, RightHandSidesGroupedAndUngrouped) {
    const struct {
        const char* objects;
        std::vector<std::string> reactions;
        const char* component;
        std::string grouped, ungrouped; // an empty ungrouped text: as grouped
    } cases[] = {
        {"A B C", {"A+B>C"}, "A", "-k1[A][B]", ""},
        {"A* B", {"A>B"}, "A", "0", ""}, // constant, even when consumed
        {"A B C", {"A>B", "A>C"}, "A", "-(k1+k2)[A]", "-k1[A] - k2[A]"},
        {"A B", {"A+B>2A"}, "A", "k1[A][B]", ""},       // autocatalysis: net +1
        {"A B C A'", {"A'+B>C"}, "A", "-k1[A][B]", ""}, // a shortcut counts as A
        {"A B", {"A|B"}, "A", "0", ""},
        {"A B", {"A<B"}, "A", "k-1[B]", ""},
        {"A X Y", {"A+X>A+Y"}, "A", "0", ""}, // a catalyst cancels out
        // Groups in the order in which their products first occur.
        {"A B C",
         {"A>B", "B>A", "A<>C"},
         "A",
         "-(k1+k3)[A] + k2[B] + k-3[C]",
         "-k1[A] + k2[B] - k3[A] + k-3[C]"},
        // Mixed signs: not all negative, so the sum keeps its own signs.
        {"A B C", {"C>A", "A>B", "A>2A"}, "A", "k1[C] + (-k2+k3)[A]", "k1[C] - k2[A] + k3[A]"},
        {"A B C", {"B>A", "2A>C"}, "A", "k1[B] - 2k2[A]^2", ""},
        // All negative, with one entry summing to 0 and one written.
        {"A B C", {"A+B>C", "A+B>A"}, "A", "-k1[A][B]", ""},
        // A side without species runs at the bare rate constant; grouping
        // keeps that term.
        {"A", {">A", ">2A"}, "A", "(k1+2k2)", "k1 + 2k2"},
    };
    for (const auto& c : cases) {
        const Vreactor reactor = build(c.objects, c.reactions);
        const std::string& ungrouped = c.ungrouped.empty() ? c.grouped : c.ungrouped;
        const std::string what = std::string(c.objects) + " / " + c.component;
        EXPECT_EQ(rhs(reactor, c.component, true), c.grouped) << what;
        EXPECT_EQ(rhs(reactor, c.component, false), ungrouped) << what;
    }
}

TEST(EquationsDocument, EntriesOutsideTheListAndHugeOrdersAreSafe) {
    Vreactor reactor = build("A", {"A+A>", "<A+A"});
    for (Vreaction& r : reactor.reactions)
        for (Reactant& e : r.reactants)
            e.order = INT_MAX;
    reactor.reactions[0].reactants.add(Reactant{});
    reactor.reactions[0].reactants[2].index = 7;
    const std::string product = "[A]^2147483647[A]^2147483647";
    // Both directions share the product; grouped coefficients saturate.
    EXPECT_EQ(rhs(reactor, "A", true), "-(2147483647k1+2147483647k-2)" + product);
    EXPECT_EQ(rhs(reactor, "A", false), "-4294967294k1" + product + " - 4294967294k-2" + product);
    EXPECT_EQ(generateEquations(reactor, {true, true})[1],
              "        <%equ>1.        2147483647A + 2147483647A <%arf> ");
}

TEST(EquationsDocument, ReadableAndTaggedText) {
    const Text_ lines =
        textOf({"", "        <%equ>1.        2A <%arb> B",
                "        <%equ>2.        B <%arr> C + A <%arf> D",
                "<%cmp>        <%ddt> [A] = -2k<%sub>1<%nor>[A]<%sup>2<%nor> + 2k<%sub>-1<%nor>[B]",
                "        k<%sub>1<%nor> = 0.5 \xB1 animation        k<%sub>-1<%nor> = 0.25",
                "        [A]<%sub>0<%nor> = 1", "<%ddt>x", "<%unk> [A"});
    EXPECT_EQ(readableEquations(lines), "\n"
                                        "1.        2A <-> B\n"
                                        "2.        B <- C + A -> D\n"
                                        "d[A]/dt = -2k1[A]^2 + 2k-1[B]\n"
                                        "k1 = 0.5 \xB1 animation        k-1 = 0.25\n"
                                        "[A]0 = 1\n"
                                        "d/dtx\n"
                                        "<%unk> [A\n");
    EXPECT_EQ(taggedEquations(lines).substr(0, 37), "\n        <%equ>1.        2A <%arb> B\n");
    EXPECT_EQ(taggedEquations(Text_()), "");
}

} // namespace
