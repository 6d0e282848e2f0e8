#pragma once

#include "model/poi.h"
#include "windows/input/dialogvalueasker.h"
#include "windows/reactions/reactantimages.h"
#include "windows/reactions/reactionhover.h"
#include "windows/reactions/reactionrenderer.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>
#include <string>

class Animation;
class Preferences;
class QMenu;
class ReactionWindowHost;
class UndoRecorder;
class ValueAsker;
class Vreactor;

// The reaction system window, where the user builds the reaction system with
// the mouse: double-click to add, drag from a component's ring to connect,
// drag objects to move them, drag on empty space to select a region, click
// on a value to edit it, right-click for local menus. The drawing is
// rendered into an off-screen surface that the window copies and scrolls.
// Every edit is recorded with its undo label after it was applied.
class TFreactions : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr const char* baseCaption = "Reaction System";

    TFreactions(Vreactor& system, Preferences& preferences, Animation& animation,
                UndoRecorder& undo, ReactionWindowHost& host, QWidget* parent = nullptr);

    // Replaces the value input dialog (tests answer in its place).
    void setValueAsker(ValueAsker& asker) { asker_ = &asker; }

    // Chooses the component images for the colour scheme.
    void chooseImages();
    // Sizes the surface to the window and the drawing, sets the scroll
    // ranges and repaints in full.
    void resizeSurface();
    // Renders the whole surface again and shows it.
    void repaintSurface();
    // Back to the base caption.
    void resetTitle();

    // The local menu for the current state and hover target; the caller
    // owns it. Empty while a region is being selected.
    QMenu* buildLocalMenu();

    // The point of the drawing under a point of the window's viewport.
    Poi drawingPoint(QPoint viewportPoint) const;

    // The drawing as a picture sized to its objects: to a file whose type
    // the suffix gives (PNG, SVG, PDF), or to the clipboard as an image.
    bool saveDrawing(const QString& fileName);
    void copyDrawing();
    // Where "Save Drawing..." asks for the file name; a save dialog unless
    // replaced. An empty name cancels.
    std::function<QString()> chooseDrawingFile;

    const QImage& surface() const { return surface_; }
    const ReactantImages& images() const { return images_; }

    // Interaction state, in drawing coordinates.
    WindowState state = WindowState::idle;
    HoverTarget target;
    Poi mousePoint;
    // The press point, which is also the anchor of a move.
    Poi pressPoint;
    Poi lastPoint;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void classify();
    void setState(WindowState newState);
    void refreshTitle();
    void click();
    void finishMove();
    void finishRegion();
    void finishConnection();
    void moveStep();
    // Scrolls so that as much of the rectangle (drawing coordinates) as fits
    // is visible.
    void scrollToShow(const QRect& area);
    // Renders in full but shows only the area (drawing coordinates).
    void repaintArea(const QRect& area);
    void updateScrollRanges();

    // Value clicks.
    void editValue();
    void renameComponent(int component);
    // Renames to `name` when the model accepts it; a name in use is refused
    // with a message. True when renamed or refused for good.
    bool tryRename(const std::string& oldName, const std::string& name);
    void editConcentration(int component);
    void editRateConstant(int reaction, bool backward);
    void editOrder(int reaction, int j);

    // Local menus.
    QMenu* componentMenu(int component);
    QMenu* reactionMenu(int reaction);
    QMenu* namesMenu(int component);
    QMenu* concentrationMenu(int component);
    QMenu* rateConstantMenu(int reaction, bool backward);
    QMenu* entryMenu(int reaction, int j);
    void fillGeometryMenu(QMenu* menu, int reaction);
    void addDrawingItems(QMenu* menu);
    void saveDrawingAs();
    void chooseAnimated(double* parameter);
    void record(const std::string& label);

    Vreactor& system_;
    Preferences& preferences_;
    Animation& animation_;
    UndoRecorder& undo_;
    ReactionWindowHost& host_;
    DialogValueAsker dialogAsker_;
    ValueAsker* asker_;
    ReactantImages images_;
    ReactionRenderer renderer_;
    QImage surface_;
    QCursor connectionCursor_;
    // A left press arms a click on its release; the second press of a
    // double-click does not.
    bool clickArmed_ = false;
};
