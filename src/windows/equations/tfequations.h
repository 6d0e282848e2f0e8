#pragma once

#include "windows/equations/equationsrenderer.h"
#include "windows/equations/equationsscroll.h"

#include <QImage>
#include <QWidget>

class Preferences;
class QMenu;
class UndoRecorder;
class Vreactor;

// The equations window: a floating tool window that stays on top and shows
// the reaction system as mathematics, generated from the model at every
// paint and typeset again only when its text or look changed. In sort mode,
// arrows on the reaction and component lines move them up and down. A right
// click offers "Copy Equations" and "Copy Equations as LaTeX".
class TFequations : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* caption = "Equations";
    static constexpr int minimumSide = 100;
    static constexpr const char* sortReactionsLabel = "Sort reactions";
    static constexpr const char* sortComponentsLabel = "Sort components";
    static constexpr const char* copyEquationsLabel = "Copy Equations";
    static constexpr const char* copyLatexLabel = "Copy Equations as LaTeX";

    TFequations(Vreactor& reactor, Preferences& preferences, UndoRecorder& undo,
                QWidget* parent = nullptr);

    // Regenerates and paints the text, then repaints the window; returns to
    // the top first with resetScroll. Nothing happens while the window is
    // hidden.
    void rebuild(bool resetScroll);

    // The equations as readable plain text on the clipboard.
    void copyEquations();
    // The equations as a LaTeX fragment on the clipboard.
    void copyEquationsAsLatex();

    // The last rendering, as copied to the window.
    const QImage& image() const { return image_; }

    // Sort mode is on while the main menu's sort item is checked; the menu
    // command sets it and rebuilds.
    bool sortMode = false;
    EquationsScroll scroll;
    EquationsArrows arrows;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void render();
    // Acts on a sort arrow at p; false when there is none.
    bool sortAt(QPoint p);
    void sorted(const char* undoLabel);

    Vreactor& reactor_;
    Preferences& preferences_;
    UndoRecorder& undo_;
    QImage image_;
    QMenu* localMenu_;
    // What the image shows.
    struct RenderedLook {
        int style;
        int scheme;
        bool large;
        bool sortMode;
        QSize size;
        int scrollPosition;
        bool dragging;
        bool operator==(const RenderedLook&) const = default;
    };
    bool rendered_ = false;
    RenderedLook renderedLook_{};
    Text_ renderedLines_;
};
