#pragma once

#include <QRect>
#include <QWidget>

class QMenu;
class QToolButton;
class SpeedBarHost;

// The speed bar: a narrow child window of the main window with flat buttons
// for the most used commands, pop-up menus of the presets and the recent
// files, and the animation's "Play" switch. The main window frames it with
// close and minimise boxes and repaints it when the session, the system or a
// name changed, so that "Play" follows the animation.
class TFbuttons : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* caption = "Speedbar ";
    static constexpr const char* playCaption = "Play";
    static constexpr int clientWidth = 106;
    static constexpr int clientHeight = 259;

    explicit TFbuttons(SpeedBarHost& host, QWidget* parent = nullptr);

    // Refill the menus and pop them up at the mouse pointer.
    void popUpPresets();
    void popUpRecent();
    // Shows the animation window, or closes it when it is visible.
    void toggleAnimationWindow();

    QToolButton* Bnew;
    QToolButton* Bopen;
    QToolButton* Bpresets;
    QToolButton* Brecent;
    QToolButton* Bundo;
    QToolButton* Bredo;
    QToolButton* Bhistory;
    QToolButton* Bequations;
    QToolButton* Banimate;
    QMenu* popup_presets;
    QMenu* popup_recent;
    // Where "Play" was painted last.
    QRect playRect;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QToolButton* addButton(const char* text, int top);

    SpeedBarHost& host_;
};
