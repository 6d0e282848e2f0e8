#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;

// The small modal dialog through which the user enters a number, an integer
// or a text. A touch pad lets a horizontal drag change a number
// continuously; every change reaches the caller's target at once and is
// announced through onChange, so the caller can follow the drag live.
class TFinputField : public QDialog {
    Q_OBJECT
public:
    enum Mode { textMode = 0, realMode = 1, integerMode = 2, noMode = 3 };

    // An empty title gives a dialog without title bar.
    explicit TFinputField(const QString& title, QWidget* parent = nullptr);

    // Sets the mode and the caller's value, and keeps a copy of it as the
    // opening value.
    void setTarget(double* value);
    void setTarget(std::int32_t* value);
    void setTarget(std::string* value);

    // Opens the dialog under the pointer, inside the client area (screen
    // coordinates) and the screen. Call before showing it.
    void placeUnderPointer(QPoint pointer, const QRect& clientArea);

    // 2 when the target differs from its opening value, else 1 when the
    // value was accepted, 0 when the dialog was cancelled.
    int outcome() const;

    // Cancel: puts the opening value back when it was changed, then closes.
    void reject() override;

    QLineEdit* Evalue;
    QToolButton* Bok;
    QToolButton* Bcancel;
    QLabel* sensor;
    QLabel* Lsens;
    QSlider* sensMod;

    int mode = noMode;
    bool adaptive = false;
    std::function<void()> onChange;
    std::string* textTarget = nullptr;
    std::string textOriginal;
    double* numberTarget = nullptr;
    double numberOriginal = 0;
    double minValue = 0;
    // In text mode the maximum length of the text.
    double maxValue = 0;
    std::int32_t* intTarget = nullptr;
    std::int32_t intOriginal = 0;
    bool changed = false;
    bool pending = true;
    int firstX = -1;
    bool armed = false;
    bool edited = false;
    int lastX = -1;
    int downX = -1;
    double working = 0;
    double lastNotified = 0;
    // Drag step per pixel once shown; a negative step hides the touch pad.
    double step = 0;
    bool logarithmic = false;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool numeric() const { return mode == realMode || mode == integerMode; }
    double targetValue() const;
    void showValue();
    void parseText();
    void notify();
    void applyText();
    void acceptValue();
    void restore();
    void shorten();
    // Moves the dialog back onto the screen when its frame passes an edge.
    void keepFrameOnScreen();
    void pointerMoved(int x, bool leftHeld);
    void pressed(int x);
    void released(int x, Qt::MouseButton button);
    void returnPressed(bool ctrl);

    bool opened_ = false;
};
