#include "windows/equations/tfequations.h"

#include "foundation/eventreceiver.h"
#include "model/equationsdocument.h"
#include "model/equationslatex.h"
#include "model/vreactor.h"
#include "session/preferences.h"
#include "session/undorecorder.h"
#include "windows/common/cp1252.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

// Initial size; the main window's default arrangement sets the real one.
constexpr int initialWidth = 348;
constexpr int initialHeight = 480;

} // namespace

TFequations::TFequations(Vreactor& reactor, Preferences& preferences, UndoRecorder& undo,
                         QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), reactor_(reactor),
      preferences_(preferences), undo_(undo), localMenu_(new QMenu(this)) {
    setWindowTitle(caption);
    setMinimumSize(minimumSide, minimumSide);
    resize(initialWidth, initialHeight);
    // The whole client area is painted from the off-screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    localMenu_->addAction(copyEquationsLabel, this, &TFequations::copyEquations);
    localMenu_->addAction(copyLatexLabel, this, &TFequations::copyEquationsAsLatex);
}

void TFequations::rebuild(bool resetScroll) {
    if (!isVisible()) return;
    if (resetScroll) scroll.position = 0;
    render();
    update();
}

void TFequations::render() {
    Text_ lines = generateEquations(reactor_, {preferences_.displayReactionScheme,
                                               preferences_.groupIdenticalConcentrationTerms});
    const QSize size = this->size().expandedTo(QSize(1, 1));
    // A drag on a rate constant or an animation changes no text: the image
    // stays when nothing that it shows has changed.
    const RenderedLook look{preferences_.equationsStyle,
                            preferences_.colorSchemeSystem,
                            preferences_.equationsLargeFont,
                            sortMode,
                            size,
                            scroll.position,
                            scroll.dragging};
    if (rendered_ && look == renderedLook_ && lines == renderedLines_) return;
    const EquationsRenderer renderer(preferences_.equationsStyle, preferences_.colorSchemeSystem,
                                     preferences_.equationsLargeFont, sortMode);
    if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
    renderer.render(image_, lines, scroll, arrows);
    // The look after the paint, which keeps the scroll position in range.
    renderedLook_ = look;
    renderedLook_.scrollPosition = scroll.position;
    renderedLines_ = std::move(lines);
    rendered_ = true;
}

void TFequations::copyEquations() {
    const Text_ lines =
        generateEquations(reactor_, {preferences_.displayReactionScheme,
                                     preferences_.groupIdenticalConcentrationTerms});
    QApplication::clipboard()->setText(fromCp1252(readableEquations(lines)));
}

void TFequations::copyEquationsAsLatex() {
    QApplication::clipboard()->setText(
        fromCp1252(latexEquations(reactor_, {preferences_.displayReactionScheme,
                                             preferences_.groupIdenticalConcentrationTerms})));
}

void TFequations::paintEvent(QPaintEvent*) {
    render();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TFequations::resizeEvent(QResizeEvent*) {
    rebuild(false);
}

void TFequations::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    if (scroll.shown() && scroll.bar.contains(p)) {
        scroll.dragging = true;
        scroll.dragTo(p.y());
        rebuild(false);
        return;
    }
    if (sortMode) sortAt(p);
}

void TFequations::mouseMoveEvent(QMouseEvent* event) {
    if (!scroll.dragging || !(event->buttons() & Qt::LeftButton)) return;
    scroll.dragTo(event->position().toPoint().y());
    rebuild(false);
}

void TFequations::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) scroll.dragging = false;
}

void TFequations::contextMenuEvent(QContextMenuEvent* event) {
    localMenu_->popup(event->globalPos());
}

// An arrow exchanges its line's item with the neighbouring line's. Reaction
// lines name their reactions, which need not be adjacent: inactive reactions
// have no line.
bool TFequations::sortAt(QPoint p) {
    const int reactionLines = arrows.reactionOfLine.count();
    for (int i = 0; i < reactionLines; ++i) {
        const int other = arrows.reactionUp[i].contains(p)     ? i - 1
                          : arrows.reactionDown[i].contains(p) ? i + 1
                                                               : -1;
        if (other < 0 || other >= reactionLines) continue;
        if (!reactor_.exchangeReactions(arrows.reactionOfLine[i], arrows.reactionOfLine[other]))
            return false;
        sorted(sortReactionsLabel);
        return true;
    }
    const int componentLines = arrows.componentUp.count();
    for (int i = 0; i < componentLines; ++i) {
        const int other = arrows.componentUp[i].contains(p)     ? i - 1
                          : arrows.componentDown[i].contains(p) ? i + 1
                                                                : -1;
        if (other < 0 || other >= componentLines) continue;
        if (!reactor_.exchangeComponents(i, other)) return false;
        sorted(sortComponentsLabel);
        return true;
    }
    return false;
}

void TFequations::sorted(const char* undoLabel) {
    broadcast(systemChanged);
    undo_.pushUndo(undoLabel, true);
    rebuild(false);
}
