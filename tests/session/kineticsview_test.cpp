#include "session/kineticsview.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(KineticsView, OptionalKeysAreWrittenOnlyWhenSetAndReadBack) {
    KineticsView view;
    view.referenceSolution = true;
    view.reactionRates = true;
    view.yScale = KineticsView::inverseConcentration;
    ASSERT_TRUE(view.save(KineticsView::sectionName, ""));
    const std::vector<std::string> written(view.lines.begin(), view.lines.end());
    ASSERT_GE(written.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(written.end() - 4, written.end()),
              (std::vector<std::string>{"     reference solution=true", "     reaction rates=true",
                                        "     y scale=2", "</kinetics view>"}));
    KineticsView read;
    read.lines = view.lines;
    ASSERT_TRUE(read.load(KineticsView::sectionName, ""));
    EXPECT_TRUE(read == view);

    // Each alone, and an unknown scale falls back to the concentration.
    for (const auto& [line, reference, rates, scale] :
         std::vector<std::tuple<std::string, bool, bool, int>>{
             {"reference solution=true", true, false, 0},
             {"reaction rates=true", false, true, 0},
             {"y scale=1", false, false, 1},
             {"y scale=7", false, false, 0}}) {
        KineticsView one;
        one.lines.add("<kinetics view>");
        one.lines.add(line);
        one.lines.add("</kinetics view>");
        ASSERT_TRUE(one.load(KineticsView::sectionName, ""));
        EXPECT_EQ(std::tuple(one.referenceSolution, one.reactionRates, int(one.yScale)),
                  std::tuple(reference, rates, scale))
            << line;
    }
}

} // namespace
