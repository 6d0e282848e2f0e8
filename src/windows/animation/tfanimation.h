#pragma once

#include "foundation/llist.h"
#include "windows/animation/animationrow.h"
#include "windows/animation/parinfo.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>

class Animation;
class QComboBox;
class QLabel;
class UndoRecorder;
class Vreactor;

// The parameter animation window: chooses the animated parameter from a
// list of every rate constant and initial concentration, shows its value,
// edits the motion with four value fields and starts and stops the
// animation with "Play". The animation itself steps from the main window's
// idle loop. A small window that stays on top, centred on the screen when
// first shown.
class TFanimation : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* caption = "Parameter Animation";
    static constexpr const char* optionsUndoLabel = "Change parameter animation options";
    static constexpr const char* toggleUndoLabel = "Toggle parameter animation";
    static constexpr const char* changeUndoLabel = "Change animated parameter";

    TFanimation(Vreactor& system, Animation& animation, UndoRecorder& undo,
                QWidget* parent = nullptr);

    // Fills the parameter list from the reaction system and selects the
    // animated parameter, or else the entry selected before, or else the
    // first; then shows the value and repaints.
    void rebuild();
    // Prints the value of the animated parameter, or without an animation of
    // the selected entry.
    void showValue();
    // What "Play" does, here and on the speed bar: toggles the animation of
    // the selected entry, rebuilds, updates the equations, repaints the
    // speed bar and records "Toggle parameter animation".
    void togglePlay();

    bool isAnimating() const;
    // The selected entry's parameter; null when the list is empty.
    double* selectedParameter();

    // Supplied by the main window.
    std::function<void()> updateEquations;
    std::function<void()> repaintSpeedBar;

    // The last rendering, as copied to the window.
    const QImage& image() const { return image_; }
    // The area the value is printed in.
    QRect valueArea() const;

    QLabel* Lparameter;
    QComboBox* CBpar;
    QLabel* Lvalue;
    Llist<ParInfo> parameters;
    std::string selectedLabel;
    std::string valueText;
    AnimationRowRects rects;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void entryChosen(int index);
    void render();
    void renderValue();

    Vreactor& system_;
    Animation& animation_;
    UndoRecorder& undo_;
    QImage image_;
    // Set while the list is filled, so that its change signals are ignored.
    bool updating_ = false;
    bool placed_ = false;
};
