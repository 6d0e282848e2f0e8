#include "windows/options/tfautooptions.h"

#include "session/autooptions.h"
#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int margin = 8;
constexpr int firstRowTop = 9;
constexpr int labelWidth = 250;
constexpr int valueWidth = 100;
constexpr int rowsWidth = labelWidth + valueWidth;
constexpr int categoryBarWidth = rowsWidth * 7 / 10;
constexpr int textInset = 4;
constexpr int stepButtonWidth = 16;
constexpr int buttonWidth = 80;
constexpr int buttonHeight = 24;
constexpr int buttonGap = 4;
// Below the rows: the buttons' gap above them and the space they take.
constexpr int buttonsTopGap = 20;
constexpr int belowRows = 64;

constexpr double valueShade = 1.14;
constexpr double categoryShade = 0.85;
constexpr double boxLightEdge = 1.3;
constexpr double boxDarkEdge = 0.75;

void paintBox(QPainter& painter, const QRect& rect, const QColor& fill) {
    painter.fillRect(rect, fill);
    painter.setPen(scaleColour(fill, boxDarkEdge));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(scaleColour(fill, boxLightEdge));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void drawText(QPainter& painter, const QRect& rect, int flags, const QString& text, bool bold) {
    painter.setFont(uiFont(captionPixels, bold));
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(textInset, 0, -textInset, 0),
                     flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

} // namespace

TFautoOptions::TFautoOptions(AutoOptions& table, const std::string& title, bool live,
                             QWidget* parent)
    : QDialog(parent), options_(table), live_(live) {
    setWindowTitle(title.empty() ? QStringLiteral("Options") : fromCp1252(title));
    layOut();
    applyWindowColours(this);
    render();
}

void TFautoOptions::layOut() {
    rows.clear();
    int top = firstRowTop;
    const auto addRow = [&](int option) {
        rows.push_back({option, QRect(margin, top, rowsWidth, rowHeight)});
        top += rowHeight;
    };
    for (int i = 0; i < options_.optionCount; ++i) {
        if (options_.option(i).kind() == AutoOption::category && !rows.empty()) addRow(-1);
        addRow(i);
    }
    const int rowsHeight = rowHeight * static_cast<int>(rows.size());
    const int buttonsTop = firstRowTop + rowsHeight + buttonsTopGap;
    const int buttonsRight = margin + rowsWidth;
    cancelRect = QRect(buttonsRight - buttonWidth, buttonsTop, buttonWidth, buttonHeight);
    okRect = cancelRect.translated(-(buttonWidth + buttonGap), 0);
    resetRect = okRect.translated(-(buttonWidth + buttonGap), 0);
    setFixedSize(clientWidth, margin + rowsHeight + belowRows);
}

QRect TFautoOptions::valueRect(const Row& row) {
    return QRect(row.rect.left() + labelWidth, row.rect.top() + 1, valueWidth,
                 row.rect.height() - 2);
}

QRect TFautoOptions::plusRect(const Row& row) {
    const QRect box = valueRect(row);
    return QRect(box.left() + box.width() - stepButtonWidth, box.top(), stepButtonWidth,
                 box.height());
}

QRect TFautoOptions::minusRect(const Row& row) {
    return plusRect(row).translated(-stepButtonWidth, 0);
}

void TFautoOptions::render() {
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(windowColour);
    QPainter painter(&image_);
    paintFrame(painter, width(), height());
    for (const Row& row : rows) {
        if (row.option < 0) continue;
        const AutoOption& option = options_.option(row.option);
        const QString label = fromCp1252(optionLabel(option.key));
        switch (option.kind()) {
        case AutoOption::category: {
            const QRect bar(row.rect.left(), row.rect.top() + 1, categoryBarWidth,
                            row.rect.height() - 2);
            painter.fillRect(bar, scaleColour(windowColour, categoryShade));
            drawText(painter, bar, Qt::AlignLeft, label, true);
            break;
        }
        case AutoOption::label:
            drawText(painter, row.rect, Qt::AlignLeft, label, false);
            break;
        default: {
            // A label too long for its column ends in an ellipsis.
            const QRect labelRect(row.rect.left(), row.rect.top(), labelWidth, row.rect.height());
            const QString shown =
                QFontMetrics(uiFont(captionPixels))
                    .elidedText(label, Qt::ElideRight, labelWidth - 2 * textInset);
            drawText(painter, labelRect, Qt::AlignLeft, shown, false);
            const QRect box = valueRect(row);
            paintBox(painter, box, scaleColour(windowColour, valueShade));
            QRect textArea = box;
            if (option.kind() == AutoOption::number && option.hasRange) {
                paintButton(painter, minusRect(row), QStringLiteral("-"));
                paintButton(painter, plusRect(row), QStringLiteral("+"));
                textArea.setRight(minusRect(row).left() - 1);
            }
            drawText(painter, textArea, Qt::AlignLeft, fromCp1252(option.valueText()), false);
            break;
        }
        }
    }
    paintButton(painter, resetRect, QStringLiteral("Reset"));
    paintButton(painter, okRect, QStringLiteral("Ok"));
    paintButton(painter, cancelRect, QStringLiteral("Cancel"));
}

void TFautoOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (snapshotTaken_) return;
    snapshotTaken_ = true;
    options_.saveAll();
    render();
    update();
}

void TFautoOptions::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, image_);
}

void TFautoOptions::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) clickAt(event->position().toPoint());
}

void TFautoOptions::clickAt(QPoint p) {
    if (resetRect.contains(p)) {
        options_.resetAll();
        changed();
        return;
    }
    if (okRect.contains(p)) {
        accept();
        return;
    }
    if (cancelRect.contains(p)) {
        reject();
        return;
    }
    for (const Row& row : rows) {
        if (row.option < 0 || !row.rect.contains(p)) continue;
        AutoOption& option = options_.option(row.option);
        switch (option.kind()) {
        case AutoOption::yesNo:
            option.toggle();
            break;
        case AutoOption::choice:
            option.nextChoice();
            break;
        case AutoOption::number:
            if (!option.hasRange) return;
            if (minusRect(row).contains(p))
                option.stepBy(-1);
            else if (plusRect(row).contains(p))
                option.stepBy(1);
            else
                return;
            break;
        default:
            return;
        }
        changed();
        return;
    }
}

void TFautoOptions::changed() {
    render();
    update();
    if (live_) options_.apply();
}

void TFautoOptions::done(int result) {
    if (snapshotTaken_ && options_.anyChanged()) {
        if (result == Accepted) {
            if (!live_) options_.apply();
        } else {
            options_.restoreAll();
            if (live_) options_.apply();
        }
    }
    QDialog::done(result);
}

bool showOptionsDialog(AutoOptions& table, const std::string& title, bool live, QWidget* parent) {
    TFautoOptions dialog(table, title, live, parent);
    return dialog.exec() == QDialog::Accepted;
}
