#include "windows/equations/equationsrenderer.h"

#include "session/preferences.h"
#include "windows/equations/equationslook.h"

#include <QImage>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

constexpr int clean = Preferences::equationsClean;
constexpr int notebook = Preferences::equationsNotebook;
constexpr int systemStyle = Preferences::equationsSystem;

Text_ textOf(std::initializer_list<const char*> lines) {
    Text_ text;
    for (const char* line : lines)
        text.add(line);
    return text;
}

Text_ emptyLines(int n) {
    Text_ text;
    for (int i = 0; i < n; ++i)
        text.add("");
    return text;
}

struct Rendering {
    QImage image;
    EquationsScroll scroll;
    EquationsArrows arrows;
};

Rendering render(const Text_& lines, const EquationsRenderer& renderer, QSize size = {300, 400},
                 int position = 0) {
    Rendering r;
    r.image = QImage(size, QImage::Format_RGB32);
    r.image.fill(Qt::magenta);
    r.scroll.position = position;
    renderer.render(r.image, lines, r.scroll, r.arrows);
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

TEST(EquationsRenderer, PageOfEachStyle) {
    struct Probe {
        int x, y;
        QColor expected;
    };
    struct Case {
        int style, scheme;
        bool large;
        int position;
        std::vector<Probe> probes;
    };
    const QColor grey = notebookBackground, white = paperColour, rule = ruleColour;
    const Case cases[] = {
        {clean, Preferences::systemMystery, false, 0, {{2, 2, white}, {299, 399, white}}},
        {systemStyle, Preferences::systemDefault, false, 0, {{2, 2, Qt::black}}},
        {systemStyle, Preferences::systemMystery, false, 0, {{2, 2, QColor(16, 32, 54)}}},
        {systemStyle, Preferences::systemOpenAir, false, 0, {{299, 399, QColor(190, 190, 160)}}},
        // Margins, a hole on every second line (from the first), rules at line tops.
        {notebook,
         Preferences::systemDefault,
         false,
         0,
         {{2, 2, grey},
          {3, 300, grey},
          {10, 3, grey},
          {10, 10, white},
          {200, 21, rule},
          {200, 22, white},
          {200, 35, rule},
          {26, 14, grey},
          {30, 14, grey},
          {32, 14, white},
          {26, 28, white},
          {26, 42, grey}}},
        {notebook,
         Preferences::systemDefault,
         true,
         0,
         {{39, 19, grey}, {47, 19, grey}, {49, 19, white}, {39, 43, white}, {200, 31, rule}}},
        // Scrolled by 10: the top margin scrolls away, the left one stays.
        {notebook,
         Preferences::systemDefault,
         false,
         10,
         {{10, 2, white}, {3, 2, grey}, {26, 4, grey}, {200, 11, rule}, {200, 21, white}}},
    };
    for (const Case& c : cases) {
        const EquationsRenderer renderer(c.style, c.scheme, c.large, false);
        const Rendering r = render(emptyLines(60), renderer, {300, 400}, c.position);
        for (const Probe& p : c.probes)
            EXPECT_EQ(r.image.pixelColor(p.x, p.y), p.expected)
                << c.style << " " << c.large << " " << c.position << " at " << p.x << "," << p.y;
    }
}

TEST(EquationsRenderer, DocumentHeightAndScrollBarVisibility) {
    struct Case {
        int style;
        bool large;
        int lines;
        int height;
    };
    const Case cases[] = {
        {clean, false, 10, 12 * 14},
        {systemStyle, true, 10, 12 * 24},
        {notebook, false, 10, 21 + 12 * 14},
        {notebook, true, 3, 31 + 5 * 24},
    };
    for (const Case& c : cases) {
        const EquationsRenderer renderer(c.style, 0, c.large, false);
        EXPECT_EQ(renderer.documentHeight(c.lines), c.height);
        for (int page : {c.height, c.height - 1}) {
            const Rendering r = render(emptyLines(c.lines), renderer, {200, page});
            EXPECT_EQ(r.scroll.documentHeight, c.height);
            EXPECT_EQ(r.scroll.pageHeight, page);
            EXPECT_EQ(r.scroll.shown(), page < c.height) << c.style << " " << page;
        }
    }
}

TEST(EquationsRenderer, ScrollBarFrameAndThumb) {
    // 40 lines of 14 pixels and two more: a document of 588 pixels on a page
    // of 200. The bar spans x 282..291 and y 16..183; the thumb's span is 164.
    struct Case {
        int style, scheme;
        int position, clampedTo;
        int thumbTop, thumbBottom; // inclusive
        QColor frame, thumb, page;
    };
    const Case cases[] = {
        // 18 + 164 * 100 / 588 = 45 and 18 + 164 * 300 / 588 = 101 (exclusive)
        {clean, 0, 100, 100, 45, 100, plainScrollFrame, plainScrollThumb, paperColour},
        // Past the end: kept at 588 - 200, and the thumb ends 2 above the bottom.
        {systemStyle, Preferences::systemMystery, 10000, 388, 126, 181, QColor(72, 112, 160),
         QColor(152, 200, 255), QColor(16, 32, 54)},
        {systemStyle, Preferences::systemOpenAir, -5, 0, 18, 72, QColor(136, 136, 112),
         QColor(255, 255, 217), QColor(190, 190, 160)},
    };
    for (const Case& c : cases) {
        const EquationsRenderer renderer(c.style, c.scheme, false, false);
        const Rendering r = render(emptyLines(40), renderer, {300, 200}, c.position);
        EXPECT_EQ(r.scroll.position, c.clampedTo);
        EXPECT_EQ(r.scroll.bar, QRect(QPoint(282, 16), QPoint(291, 183)));
        const QImage& im = r.image;
        for (QPoint frame : {QPoint(282, 100), QPoint(291, 100), QPoint(286, 16), QPoint(286, 183)})
            EXPECT_EQ(im.pixelColor(frame), c.frame) << frame.x() << "," << frame.y();
        for (QPoint thumb : {QPoint(284, c.thumbTop), QPoint(290, c.thumbBottom)})
            EXPECT_EQ(im.pixelColor(thumb), c.thumb) << thumb.x() << "," << thumb.y();
        // Between frame and thumb the page shows.
        for (QPoint gap : {QPoint(287, c.thumbTop - 1), QPoint(287, c.thumbBottom + 1),
                           QPoint(283, (c.thumbTop + c.thumbBottom) / 2)})
            EXPECT_EQ(im.pixelColor(gap), c.page) << gap.x() << "," << gap.y();
    }
    // A document that fits has no bar.
    const Rendering fits = render(emptyLines(5), EquationsRenderer(clean, 0, false, false));
    EXPECT_FALSE(fits.scroll.shown());
    EXPECT_EQ(fits.image.pixelColor(282, 100), paperColour);
}

TEST(EquationsRenderer, SortArrowsOnMarkedLines) {
    const Text_ lines = textOf({
        "",
        "        <%equ>1.        A <%arf> B",
        "",
        "        <%equ>3.        B <%arf> C",
        "",
        "<%cmp>        <%ddt> [A] = 0",
        "",
        "<%cmp>        <%ddt> [B] = 0",
        "",
        "<%cmp>        <%ddt> [C] = 0",
    });
    const QColor orange = sortArrowColour;
    {
        const Rendering r = render(lines, EquationsRenderer(clean, 0, false, true));
        // Line 1: top 14, middle 21.
        EXPECT_EQ(r.arrows.reactionUp.count(), 2);
        EXPECT_EQ(r.arrows.reactionUp[0], QRect(QPoint(12, 15), QPoint(22, 20)));
        EXPECT_EQ(r.arrows.reactionDown[0], QRect(QPoint(12, 22), QPoint(22, 27)));
        EXPECT_EQ(r.arrows.reactionOfLine[0], 0);
        EXPECT_EQ(r.arrows.reactionOfLine[1], 2);
        EXPECT_EQ(r.arrows.componentUp.count(), 3);
        EXPECT_EQ(r.arrows.componentDown[2], QRect(QPoint(12, 134), QPoint(22, 139)));
        struct Probe {
            int x, y;
            bool arrow;
        };
        const Probe probes[] = {
            {17, 19, false}, {17, 23, true},  {12, 20, false},  {17, 47, true},
            {17, 51, false}, {17, 75, false}, {17, 79, true},   {17, 103, true},
            {17, 107, true}, {17, 131, true}, {17, 135, false},
        };
        for (const Probe& p : probes)
            EXPECT_EQ(r.image.pixelColor(p.x, p.y) == orange, p.arrow) << p.x << "," << p.y;
    }
    {
        // Large metrics and the notebook origin move the arrows along.
        const Rendering r = render(lines, EquationsRenderer(notebook, 0, true, true));
        EXPECT_EQ(r.arrows.reactionUp[1],
                  QRect(QPoint(31 + 12, 31 + 72 + 6), QPoint(31 + 22, 31 + 72 + 11)));
        EXPECT_EQ(r.image.pixelColor(31 + 17, 31 + 72 + 10), orange);
    }
    const Rendering plain = render(lines, EquationsRenderer(clean, 0, false, false));
    EXPECT_TRUE(plain.arrows.reactionUp.empty());
    EXPECT_TRUE(plain.arrows.componentDown.empty());
    EXPECT_TRUE(plain.arrows.reactionOfLine.empty());
    EXPECT_NE(plain.image.pixelColor(17, 23), orange);
}

TEST(EquationsRenderer, FractionBarAndReactionArrowsInEachStyle) {
    const Text_ lines = textOf({
        "",
        "        A <%arf> B",
        "        A <%arr> B",
        "        A <%arb> B",
        "",
        "<%cmp>        <%ddt> [A] = 0",
    });
    struct Case {
        int style, scheme;
        bool large;
    };
    const Case cases[] = {
        {clean, 0, false},
        {notebook, 0, false},
        {notebook, 0, true},
        {systemStyle, Preferences::systemDefault, false},
        {systemStyle, Preferences::systemMystery, true},
        {systemStyle, Preferences::systemOpenAir, false},
    };
    for (const Case& c : cases) {
        const EquationsRenderer renderer(c.style, c.scheme, c.large, false);
        const Rendering r = render(lines, renderer, {400, 300});
        const QColor text = renderer.colours.text;
        const int lh = c.large ? 24 : 14, head = c.large ? 6 : 4;
        const int top = c.style == notebook ? lh + 7 : 0;
        for (int line : {1, 2, 3}) {
            const int m = top + line * lh + lh / 2;
            const auto [first, last] = longestRun(r.image, m, text);
            EXPECT_EQ(last - first, 20) << c.style << " line " << line;
            const bool right = line != 2, left = line != 1;
            for (int dy : {-head, head}) {
                EXPECT_EQ(r.image.pixelColor(last - head, m + dy) == text, right)
                    << c.style << " line " << line;
                EXPECT_EQ(r.image.pixelColor(first + head, m + dy) == text, left)
                    << c.style << " line " << line;
            }
        }
        const int m = top + 5 * lh + lh / 2;
        const auto [first, last] = longestRun(r.image, m, text);
        EXPECT_GE(last - first, c.large ? 14 : 9) << c.style;
        // "d" above the bar and "dt" below it.
        const QColor page = renderer.colours.page;
        const QRect above = ink(r.image.copy(first, m - lh, last - first + 1, lh), page);
        const QRect below = ink(r.image.copy(first, m + 1, last - first + 1, lh), page);
        EXPECT_FALSE(above.isEmpty()) << c.style;
        EXPECT_GT(below.width(), above.width()) << c.style;
    }
}

TEST(EquationsRenderer, SuperscriptsAndSubscriptsAreSmallAndShifted) {
    for (bool large : {false, true}) {
        const EquationsRenderer renderer(clean, 0, large, false);
        auto inkOf = [&](const char* line) {
            return ink(render(textOf({"", line}), renderer, {100, 200}).image, paperColour);
        };
        const QRect normal = inkOf("8"), sup = inkOf("<%sup>8"), sub = inkOf("<%sub>8");
        EXPECT_LT(sup.height(), normal.height()) << large;
        EXPECT_EQ(sub.height(), sup.height()) << large;
        EXPECT_LT(sup.center().y(), normal.center().y()) << large;
        EXPECT_GT(sub.center().y(), normal.center().y()) << large;
        // Superscripts and subscripts step 1 pixel right; normal text steps
        // 1 more, or 1 back in large metrics.
        EXPECT_EQ(sup.left(), sub.left());
        const QRect back = inkOf("<%sub><%nor>8");
        EXPECT_EQ(back, normal.translated(large ? 0 : 2, 0)) << large;
        EXPECT_EQ(inkOf("<%sup>"), QRect()) << large;
    }
}

TEST(EquationsRenderer, LineMarkersAreNotDrawn) {
    const EquationsRenderer renderer(clean, 0, false, false);
    const Rendering r = render(textOf({"<%cmp>", "<%equ>", "", "<%xyz>"}), renderer, {200, 200});
    const QRect markers = ink(r.image.copy(0, 0, 200, 42), paperColour);
    EXPECT_TRUE(markers.isEmpty());
    // An unknown tag is plain text.
    EXPECT_FALSE(ink(r.image.copy(0, 42, 200, 14), paperColour).isEmpty());
}

} // namespace
