#include "session/kineticsview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(KineticsView, WritesEveryKeyWithItsDefault) {
    KineticsView view;
    ASSERT_TRUE(view.save(KineticsView::sectionName, ""));
    EXPECT_EQ(std::vector<std::string>(view.lines.begin(), view.lines.end()),
              (std::vector<std::string>{"<kinetics view>", "     auto refresh=true",
                                        "     auto y=true", "     log y=false", "     mag y=3",
                                        "     min y=0", "     max y=1", "     auto x=true",
                                        "     log x=false", "     mag x=3", "     min x=0",
                                        "     max x=1", "     time stripes=30",
                                        "     extended detail=false", "</kinetics view>"}));
}

} // namespace
