#pragma once

#include "foundation/llist.h"
#include "foundation/text.h"
#include "windows/equations/equationslook.h"
#include "windows/equations/equationsscroll.h"

#include <QFont>
#include <QRect>

#include <array>

#include <string>

class QImage;
class QPainter;

// The sort arrows of the last paint, one entry per marked line in line
// order; empty outside sort mode.
struct EquationsArrows {
    void clear();

    Llist<QRect> reactionUp;
    Llist<QRect> reactionDown;
    Llist<QRect> componentUp;
    Llist<QRect> componentDown;
    // The reaction (from 0) that each reaction line shows; -1 when the line
    // names none.
    Llist<int> reactionOfLine;
};

// Typesets the equations markup (see model/equationtags.h) into an image:
// the page of the style, the text with subscripts, superscripts, d/dt
// fractions and reaction arrows, the sort arrows in sort mode and the scroll
// bar when the document is taller than the image.
class EquationsRenderer {
public:
    // Style and scheme take the values of the preferences.
    EquationsRenderer(int equationsStyle, int systemScheme, bool largeMetrics, bool withSortArrows);

    // Paints over the whole image. The scroll position is first kept within
    // the document; the document and page heights and the bar are set from
    // this paint, and the arrows recorded.
    void render(QImage& image, const Text_& lines, EquationsScroll& scroll,
                EquationsArrows& arrows) const;

    // Height of the document: its origin, the lines and two more.
    int documentHeight(int lineCount) const;

    const int style;
    const bool large;
    const bool sortMode;
    const EquationsMetrics metrics;
    const EquationsColours colours;

private:
    // Where the first line starts on an unscrolled page.
    QPoint origin() const;
    void paintPage(QPainter& painter, QSize size, int scrollPosition) const;
    void paintLine(QPainter& painter, std::string line, int x, int y, EquationsArrows& arrows,
                   int reactionLines, int componentLines) const;
    void paintText(QPainter& painter, const std::string& line, int x, int y) const;
    void paintSortArrows(QPainter& painter, const QRect& up, const QRect& down, bool showUp,
                         bool showDown) const;
    void paintReactionArrow(QPainter& painter, int x, int middle, bool left, bool right) const;
    void paintScrollBar(QPainter& painter, QSize size, EquationsScroll& scroll) const;

    QFont normalFont_;
    QFont smallFont_;
    // The advance of each single-byte character in the normal and the small
    // font, measured once (-1 until then): measuring shapes the text anew.
    mutable std::array<std::array<int, 256>, 2> advances_;
};
