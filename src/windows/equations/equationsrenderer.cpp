#include "windows/equations/equationsrenderer.h"

#include "model/equationtags.h"
#include "session/preferences.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowlook.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdint>

namespace {

using namespace EquationTag;

bool tagAt(const std::string& line, size_t i, const char* tag) {
    return line.compare(i, tagLength, tag) == 0;
}

// Removes the first occurrence of the tag; false when there is none.
bool takeTag(std::string& line, const char* tag, size_t& at) {
    at = line.find(tag);
    if (at == std::string::npos) return false;
    line.erase(at, tagLength);
    return true;
}

// The reaction number written right after the marker, from 0; -1 without one.
int reactionIndexAt(const std::string& line, size_t at) {
    std::int64_t number = 0;
    size_t i = at;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && number <= INT32_MAX)
        number = number * 10 + (line[i++] - '0');
    if (i == at || number < 1 || number > INT32_MAX) return -1;
    return static_cast<int>(number - 1);
}

int countLines(const Text_& lines, const char* tag) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [tag](const std::string& l) {
        return l.find(tag) != std::string::npos;
    }));
}

} // namespace

void EquationsArrows::clear() {
    reactionUp.clear();
    reactionDown.clear();
    componentUp.clear();
    componentDown.clear();
    reactionOfLine.clear();
}

EquationsRenderer::EquationsRenderer(int equationsStyle, int systemScheme, bool largeMetrics,
                                     bool withSortArrows)
    : style(equationsStyle), large(largeMetrics), sortMode(withSortArrows),
      metrics(largeMetrics ? largeEquationsMetrics : normalEquationsMetrics),
      colours(equationsColours(equationsStyle, systemScheme)),
      normalFont_(uiFont(metrics.normalPixels)), smallFont_(uiFont(metrics.smallPixels)) {
    for (auto& font : advances_)
        font.fill(-1);
}

QPoint EquationsRenderer::origin() const {
    if (style != Preferences::equationsNotebook) return {0, 0};
    const int shift = metrics.lineHeight + notebookMargin;
    return {shift, shift};
}

int EquationsRenderer::documentHeight(int lineCount) const {
    return origin().y() + (lineCount + 2) * metrics.lineHeight;
}

void EquationsRenderer::render(QImage& image, const Text_& lines, EquationsScroll& scroll,
                               EquationsArrows& arrows) const {
    scroll.documentHeight = documentHeight(lines.count());
    scroll.pageHeight = image.height();
    scroll.clamp();
    arrows.clear();

    QPainter painter(&image);
    paintPage(painter, image.size(), scroll.position);
    const int reactionLines = countLines(lines, reactionLine);
    const int componentLines = countLines(lines, componentLine);
    const QPoint start = origin();
    for (int i = 0; i < lines.count(); ++i)
        paintLine(painter, lines[i], start.x(),
                  start.y() - scroll.position + i * metrics.lineHeight, arrows, reactionLines,
                  componentLines);
    paintScrollBar(painter, image.size(), scroll);
}

void EquationsRenderer::paintPage(QPainter& painter, QSize size, int scrollPosition) const {
    if (style != Preferences::equationsNotebook) {
        painter.fillRect(QRect(QPoint(0, 0), size), colours.page);
        return;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), notebookBackground);
    const int lh = metrics.lineHeight;
    const int pageTop = notebookMargin - scrollPosition;
    const int firstVisible = std::max(0, -pageTop / lh - 1);
    painter.fillRect(QRect(QPoint(notebookMargin, std::max(pageTop, 0)),
                           QPoint(size.width() - 1, size.height() - 1)),
                     paperColour);
    painter.setPen(ruleColour);
    for (int k = std::max(1, firstVisible); pageTop + k * lh < size.height(); ++k)
        painter.drawLine(notebookMargin, pageTop + k * lh, size.width() - 1, pageTop + k * lh);
    const int holeX = static_cast<int>((lh + notebookMargin) * holeCentreFactor);
    const int radius = static_cast<int>(lh * holeRadiusFactor);
    painter.setPen(Qt::NoPen);
    painter.setBrush(notebookBackground);
    for (int k = firstVisible - firstVisible % 2; pageTop + k * lh < size.height(); k += 2)
        painter.drawEllipse(QPoint(holeX, pageTop + k * lh + lh / 2), radius, radius);
    painter.setBrush(Qt::NoBrush);
}

void EquationsRenderer::paintLine(QPainter& painter, std::string line, int x, int y,
                                  EquationsArrows& arrows, int reactionLines,
                                  int componentLines) const {
    const int middle = y + metrics.lineHeight / 2;
    size_t at = 0;
    const bool reaction = takeTag(line, reactionLine, at);
    const bool component = !reaction && takeTag(line, componentLine, at);
    if (sortMode && (reaction || component)) {
        Llist<QRect>& ups = reaction ? arrows.reactionUp : arrows.componentUp;
        Llist<QRect>& downs = reaction ? arrows.reactionDown : arrows.componentDown;
        const int left = x + sortArrowOffset, right = left + sortArrowWidth;
        const QRect up(QPoint(left, middle - sortArrowFar), QPoint(right, middle - sortArrowNear));
        const QRect down(QPoint(left, middle + sortArrowNear),
                         QPoint(right, middle + sortArrowFar));
        const int i = ups.count();
        paintSortArrows(painter, up, down, i > 0,
                        i < (reaction ? reactionLines : componentLines) - 1);
        ups.add(up);
        downs.add(down);
        if (reaction) arrows.reactionOfLine.add(reactionIndexAt(line, at));
    }
    paintText(painter, line, x, y);
}

void EquationsRenderer::paintSortArrows(QPainter& painter, const QRect& up, const QRect& down,
                                        bool showUp, bool showDown) const {
    painter.setPen(sortArrowColour);
    painter.setBrush(sortArrowColour);
    if (showUp)
        painter.drawPolygon(
            QPolygon({up.bottomLeft(), up.bottomRight(), QPoint(up.center().x(), up.top())}));
    if (showDown)
        painter.drawPolygon(
            QPolygon({down.topLeft(), down.topRight(), QPoint(down.center().x(), down.bottom())}));
    painter.setBrush(Qt::NoBrush);
}

// Walks the text: tags change the level, the fraction and the arrows are
// drawn, and every other character stands alone, centred on the level.
void EquationsRenderer::paintText(QPainter& painter, const std::string& line, int x, int y) const {
    const EquationsMetrics& mx = metrics;
    const int middle = y + mx.lineHeight / 2;
    // Windows-1252 gives one character per byte, so indices agree.
    const QString text = fromCp1252(line);
    const QFontMetrics normalMetrics(normalFont_), smallMetrics(smallFont_);
    bool small = false;
    int centre = middle - 1;
    painter.setPen(colours.text);
    auto drawAt = [&](int left, int top, const QString& s, const QFontMetrics& fm) {
        painter.drawText(QPoint(left, top + fm.ascent()), s);
    };
    size_t i = 0;
    while (i < line.size()) {
        if (tagAt(line, i, superscript) || tagAt(line, i, subscript)) {
            centre =
                middle - 1 + (tagAt(line, i, superscript) ? -mx.superscriptRise : mx.subscriptDrop);
            x += 1;
            small = true;
        } else if (tagAt(line, i, normal)) {
            centre = middle - 1;
            small = false;
            x += mx.normalStep;
        } else if (tagAt(line, i, ddt)) {
            painter.setFont(small ? smallFont_ : normalFont_);
            const QFontMetrics& fm = small ? smallMetrics : normalMetrics;
            drawAt(x + 2, y - mx.ddtRise, QStringLiteral("d"), fm);
            painter.drawLine(x, middle, x + mx.ddtBarLength, middle);
            drawAt(x, y + mx.ddtDrop, QStringLiteral("dt"), fm);
            x += mx.ddtAdvance;
        } else if (tagAt(line, i, arrowForward) || tagAt(line, i, arrowBackward) ||
                   tagAt(line, i, arrowBoth)) {
            x += reactionArrowGap;
            paintReactionArrow(painter, x, middle, !tagAt(line, i, arrowForward),
                               !tagAt(line, i, arrowBackward));
            x += reactionArrowAdvance;
        } else {
            const QFontMetrics& fm = small ? smallMetrics : normalMetrics;
            const QString character(text[static_cast<qsizetype>(i)]);
            painter.setFont(small ? smallFont_ : normalFont_);
            drawAt(x, centre - fm.height() / 2, character, fm);
            int& advance = advances_[small ? 1 : 0][static_cast<unsigned char>(line[i])];
            if (advance < 0) advance = fm.horizontalAdvance(character);
            x += advance;
            ++i;
            continue;
        }
        i += tagLength;
    }
}

void EquationsRenderer::paintReactionArrow(QPainter& painter, int x, int middle, bool left,
                                           bool right) const {
    const int head = metrics.arrowHead;
    const int end = x + reactionArrowLength;
    painter.setPen(colours.text);
    painter.drawLine(x, middle, end, middle);
    if (right) {
        painter.drawLine(end, middle, end - head, middle - head);
        painter.drawLine(end, middle, end - head, middle + head);
    }
    if (left) {
        painter.drawLine(x, middle, x + head, middle - head);
        painter.drawLine(x, middle, x + head, middle + head);
    }
}

void EquationsRenderer::paintScrollBar(QPainter& painter, QSize size,
                                       EquationsScroll& scroll) const {
    scroll.bar = QRect();
    if (scroll.pageHeight >= scroll.documentHeight) return;
    const int left = size.width() - scrollBarLeftInset;
    const int right = size.width() - scrollBarRightInset;
    const int top = scrollBarEndInset;
    const int bottom = size.height() - scrollBarEndInset;
    if (right <= left || bottom <= top) return;
    scroll.bar = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    painter.setPen(colours.scrollFrame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(left, top, right - 1 - left, bottom - 1 - top));

    const std::int64_t span = bottom - top - 2 * scrollThumbInset;
    const auto thumbAt = [&](std::int64_t position) {
        return static_cast<int>(top + scrollThumbInset + span * position / scroll.documentHeight);
    };
    const int thumbTop = thumbAt(scroll.position);
    const int thumbBottom = std::min(thumbAt(std::int64_t{scroll.position} + scroll.pageHeight),
                                     bottom - scrollThumbInset);
    if (thumbBottom > thumbTop)
        painter.fillRect(
            QRect(QPoint(left + scrollThumbInset, thumbTop), QPoint(right - 2, thumbBottom - 1)),
            colours.scrollThumb);
}
