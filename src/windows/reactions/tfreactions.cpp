#include "windows/reactions/tfreactions.h"

#include "foundation/eventreceiver.h"
#include "model/vreactor.h"
#include "session/preferences.h"
#include "session/undorecorder.h"
#include "windows/reactions/reactiondecisions.h"
#include "windows/reactions/reactionwindowhost.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <memory>

namespace {

QRect toRect(const Poi_Extent& extent) {
    return QRect(QPoint(extent.minimum().x, extent.minimum().y),
                 QPoint(extent.maximum().x, extent.maximum().y));
}

} // namespace

TFreactions::TFreactions(Vreactor& system, Preferences& preferences, Animation& animation,
                         UndoRecorder& undo, ReactionWindowHost& host, QWidget* parent)
    : QAbstractScrollArea(parent), system_(system), preferences_(preferences),
      animation_(animation), undo_(undo), host_(host), dialogAsker_(this), asker_(&dialogAsker_),
      renderer_(preferences, images_), connectionCursor_(ReactantImages::connectionCursor()) {
    setWindowTitle(QString::fromLatin1(baseCaption));
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    chooseImages();
    resizeSurface();
}

void TFreactions::chooseImages() {
    images_.choose(preferences_.colorSchemeSystem);
}

void TFreactions::updateScrollRanges() {
    const QSize client = viewport()->size();
    const QSize drawing = drawingSize(client, system_.extent());
    horizontalScrollBar()->setRange(0, drawing.width() - client.width());
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setRange(0, drawing.height() - client.height());
    verticalScrollBar()->setPageStep(client.height());
}

void TFreactions::resizeSurface() {
    const QSize size = surfaceSize(viewport()->size(), system_.extent());
    if (surface_.size() != size) surface_ = QImage(size, QImage::Format_RGB32);
    updateScrollRanges();
    repaintSurface();
}

void TFreactions::repaintSurface() {
    if (surface_.isNull()) return;
    QPainter painter(&surface_);
    renderer_.draw(painter, system_, surface_.rect());
    painter.end();
    viewport()->update();
}

void TFreactions::repaintArea(const QRect& area) {
    if (surface_.isNull()) return;
    QPainter painter(&surface_);
    renderer_.draw(painter, system_, surface_.rect());
    painter.end();
    viewport()->update(
        area.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

void TFreactions::resetTitle() {
    setWindowTitle(QString::fromLatin1(baseCaption));
}

Poi TFreactions::drawingPoint(QPoint viewportPoint) const {
    return {viewportPoint.x() + horizontalScrollBar()->value(),
            viewportPoint.y() + verticalScrollBar()->value()};
}

void TFreactions::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPoint offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    // The surface is never smaller than the window, unless it could not be made.
    if (surface_.isNull()) painter.fillRect(viewport()->rect(), Qt::black);
    painter.drawImage(offset, surface_);
    painter.translate(offset);
    if (state == WindowState::selectingRegion)
        ReactionRenderer::drawRegion(painter, system_.regionStart, system_.regionEnd);
    const int source = system_.connectSource;
    if (state == WindowState::connecting && source >= 0 && source < system_.components.count())
        ReactionRenderer::drawRubberLine(painter, system_.components[source].pos, mousePoint);
}

void TFreactions::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    resizeSurface();
}

void TFreactions::scrollContentsBy(int, int) {
    viewport()->update();
}

void TFreactions::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        host_.deleteObjects();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// --- Hover ---

void TFreactions::classify() {
    const HoverTarget hovered = classifyHover(system_, mousePoint);
    const bool changed = hovered.state != state;
    target = hovered;
    state = hovered.state;
    if (changed) {
        if (state == WindowState::overValue || state == WindowState::overObject)
            viewport()->setCursor(Qt::PointingHandCursor);
        else if (state == WindowState::overConnector)
            viewport()->setCursor(connectionCursor_);
        else
            viewport()->setCursor(Qt::ArrowCursor);
    }
    refreshTitle();
}

void TFreactions::setState(WindowState newState) {
    state = newState;
    refreshTitle();
}

void TFreactions::refreshTitle() {
    if (!preferences_.displayPositionSensitiveInfo) return;
    const std::string hint = positionHint(system_, state, target);
    QString title = QString::fromLatin1(baseCaption);
    if (!hint.empty()) title += QStringLiteral(" - ") + QString::fromLatin1(hint);
    if (windowTitle() != title) setWindowTitle(title);
}

// --- Mouse ---

void TFreactions::mousePressEvent(QMouseEvent* event) {
    mousePoint = pressPoint = lastPoint = drawingPoint(event->position().toPoint());
    clickArmed_ = event->button() == Qt::LeftButton;
    if (state == WindowState::menuShown) {
        if (system_.nothingSelected()) state = WindowState::idle;
        return;
    }
    if (event->button() == Qt::RightButton) {
        if (state == WindowState::selectingRegion) return;
        std::unique_ptr<QMenu> menu(buildLocalMenu());
        state = WindowState::menuShown;
        menu->exec(event->globalPosition().toPoint());
        state = WindowState::menuShown;
        return;
    }
    if (event->button() == Qt::LeftButton && state == WindowState::overValue) editValue();
}

void TFreactions::mouseMoveEvent(QMouseEvent* event) {
    const Poi p = drawingPoint(event->position().toPoint());
    if (p == mousePoint) return;
    mousePoint = p;
    const bool left = event->buttons().testFlag(Qt::LeftButton);
    const QRect mouseRect(mousePoint.x, mousePoint.y, 1, 1);

    if (left && state == WindowState::overNothing) {
        system_.deselectAll();
        system_.regionStart = system_.regionEnd = pressPoint;
        setState(WindowState::selectingRegion);
        viewport()->update();
    } else if (state == WindowState::selectingRegion) {
        system_.regionEnd = mousePoint;
        scrollToShow(mouseRect);
        viewport()->update();
    } else if (left && state == WindowState::overObject) {
        if (target.isComponent() && target.index >= 0 && target.index < system_.components.count())
            system_.components[target.index].selected = true;
        if (target.isReaction() && target.index >= 0 && target.index < system_.reactions.count())
            system_.reactions[target.index].selected = true;
        setState(WindowState::movingObjects);
        broadcast(drawingChanged);
    } else if (state == WindowState::movingObjects) {
        moveStep();
    } else if (left && state == WindowState::overConnector) {
        system_.setConnectSource(target.index);
        setState(WindowState::connecting);
        broadcast(drawingChanged);
    } else if (state == WindowState::connecting) {
        scrollToShow(mouseRect);
        viewport()->update();
    } else {
        classify();
    }
    lastPoint = mousePoint;
}

void TFreactions::moveStep() {
    system_.moveSelected(mousePoint - pressPoint);
    pressPoint = mousePoint;
    const QRect changed = toRect(system_.moveExtent);
    // The surface grows when the selection leaves it, so that it can be
    // scrolled to; otherwise only the changed area is shown again.
    if (changed.right() >= surface_.width() || changed.bottom() >= surface_.height())
        resizeSurface();
    else
        repaintArea(changed);
    scrollToShow(toRect(system_.selectionExtent()));
}

void TFreactions::mouseReleaseEvent(QMouseEvent* event) {
    mousePoint = drawingPoint(event->position().toPoint());
    if (event->button() != Qt::LeftButton) return;
    if (clickArmed_) click();
    clickArmed_ = false;
    switch (state) {
    case WindowState::movingObjects:
        finishMove();
        break;
    case WindowState::selectingRegion:
        finishRegion();
        break;
    case WindowState::connecting:
        finishConnection();
        break;
    default:
        break;
    }
}

void TFreactions::click() {
    if (state == WindowState::overObject) {
        if (target.isComponent() && target.index >= 0 && target.index < system_.components.count())
            system_.components[target.index].selected ^= true;
        else if (target.isReaction() && target.index >= 0 &&
                 target.index < system_.reactions.count())
            system_.reactions[target.index].selected ^= true;
        else
            return;
        broadcast(drawingChanged);
    } else if (state == WindowState::overNothing) {
        system_.deselectAll();
    }
}

void TFreactions::finishMove() {
    if (system_.useGrid) system_.snapToGrid(false);
    setState(WindowState::idle);
    system_.deselectAll();
    resizeSurface();
    record("Move");
}

void TFreactions::finishRegion() {
    const auto [low, high] = normalisedRegion(system_.regionStart, system_.regionEnd);
    system_.regionStart = low;
    system_.regionEnd = high;
    system_.selectRegion();
    // A drag that follows moves the selection; no single object is meant.
    target = {WindowState::overObject, HoverTarget::componentType, -1, 0};
    setState(WindowState::overObject);
    repaintSurface();
}

void TFreactions::finishConnection() {
    const DropTarget drop = findDropTarget(system_, mousePoint);
    if (drop.found && drop.onComponent) {
        if (system_.connectComponents(drop.index)) record("New 1-1 reaction");
    } else if (drop.found) {
        if (system_.connect(drop.index, 1, drop.side)) record("Connect to reaction");
    }
    system_.setConnectSource(-1);
    setState(WindowState::idle);
    broadcast(drawingChanged);
}

void TFreactions::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePoint = drawingPoint(event->position().toPoint());
    clickArmed_ = false;
    if (event->button() != Qt::LeftButton || state != WindowState::overNothing) return;
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        if (system_.addReaction(mousePoint)) record("New reaction");
    } else if (system_.addComponent(mousePoint)) {
        record("New component");
    }
    setState(WindowState::idle);
}

void TFreactions::scrollToShow(const QRect& area) {
    const auto show = [](QScrollBar* bar, int low, int high, int visible) {
        int first = bar->value();
        if (high >= first + visible) first = high - visible + 1;
        if (low < first) first = low;
        bar->setValue(first);
    };
    show(horizontalScrollBar(), area.left(), area.right(), viewport()->width());
    show(verticalScrollBar(), area.top(), area.bottom(), viewport()->height());
}

void TFreactions::record(const std::string& label) {
    undo_.pushUndo(label, false);
}
