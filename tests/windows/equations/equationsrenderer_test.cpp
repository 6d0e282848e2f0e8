#include "windows/equations/equationsrenderer.h"

#include "session/preferences.h"
#include "windows/equations/equationslook.h"
#include "windows/windowtest.h"

namespace {

constexpr int clean = Preferences::equationsClean;

struct Rendering {
    QImage image;
    EquationsScroll scroll;
    EquationsArrows arrows;
};

// The lines, then as many empty ones, on a page of the size, scrolled.
Rendering render(const EquationsRenderer& renderer, std::initializer_list<const char*> lines,
                 int emptyLines = 0, QSize size = {300, 400}, int position = 0) {
    Text_ text;
    for (const char* line : lines)
        text.add(line);
    for (int i = 0; i < emptyLines; ++i)
        text.add("");
    Rendering r;
    r.image = QImage(size, QImage::Format_RGB32);
    r.image.fill(Qt::magenta);
    r.scroll.position = position;
    renderer.render(r.image, text, r.scroll, r.arrows);
    return r;
}

// The longest run of pixels of exactly that colour in row y, as [first, last].
std::pair<int, int> longestRun(const QImage& image, int y, const QColor& colour) {
    std::pair<int, int> best{0, -1};
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool on = x < image.width() && image.pixelColor(x, y) == colour;
        if (on && start < 0) start = x;
        if (!on && start >= 0) {
            if (x - 1 - start > best.second - best.first) best = {start, x - 1};
            start = -1;
        }
    }
    return best;
}

// The bounding box of every pixel that is neither the page colour nor a
// notebook rule.
QRect ink(const QImage& image, const QColor& page) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c != page && c != ruleColour) box |= QRect(x, y, 1, 1);
        }
    return box;
}

} // namespace

TEST(EquationsRenderer, ReactionArrowsAndFractions) {
    for (bool large : {false, true}) {
        const EquationsRenderer renderer(clean, 0, large, false);
        const QColor text = renderer.colours.text;
        const int lh = large ? 24 : 14, head = large ? 6 : 4;
        const Rendering r =
            render(renderer, {"", "        A <%arf> B", "        A <%arr> B", "        A <%arb> B",
                              "<%cmp>        <%ddt> [A] = 0"});
        for (int line : {1, 2, 3}) { // a bar of 21 pixels with the heads the arrow has
            const int m = line * lh + lh / 2;
            const auto [first, last] = longestRun(r.image, m, text);
            EXPECT_EQ(last - first, 20) << line;
            for (int dy : {-head, head}) {
                EXPECT_EQ(r.image.pixelColor(last - head, m + dy) == text, line != 2) << line;
                EXPECT_EQ(r.image.pixelColor(first + head, m + dy) == text, line != 1) << line;
            }
        }
        // "d" above the fraction bar and the wider "dt" below it.
        const int m = 4 * lh + lh / 2;
        const auto [first, last] = longestRun(r.image, m, text);
        EXPECT_GE(last - first, large ? 14 : 9);
        EXPECT_GT(ink(r.image.copy(first, m + 1, last - first + 1, lh), paperColour).width(),
                  ink(r.image.copy(first, m - lh, last - first + 1, lh), paperColour).width());
    }
}
