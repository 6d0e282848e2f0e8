#include "windows/input/tfinputfield.h"

#include "foundation/numberformat.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"
#include "windows/input/dialogplacement.h"
#include "windows/input/draglaw.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <cstdlib>

namespace {

// Client area and controls, in pixels.
constexpr QSize clientSize(257, 98);
constexpr QRect valueRect(8, 8, 167, 22);
constexpr QRect okRect(177, 8, 28, 22);
constexpr QRect cancelRect(206, 8, 43, 22);
constexpr QRect padRect(8, 35, 241, 40);
constexpr QRect sensitivityLabelRect(8, 78, 60, 17);
constexpr QRect sliderRect(70, 78, 179, 17);
// The short dialog ends this far below the Cancel button and opens this much
// lower, so that its text field comes to lie under the pointer.
constexpr int shortBottomMargin = 11;
constexpr int shortDownShift = 31;
// Tahoma 8 points at 96 dots per inch.
constexpr int dialogFontPixels = 11;

constexpr double padShade = 0.87;
// A pointer that has moved this far over the pad is a drag, not a click.
constexpr int armDistance = 3;
constexpr int sliderMaximum = 1000;
constexpr int sliderStart = 500;
// The longest text a line edit holds.
constexpr double longestText = 32767;

QToolButton* flatButton(const QString& caption, const QRect& rect, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(rect);
    return button;
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

Qt::WindowFlags dialogFlags(const QString& title) {
    return title.isEmpty() ? Qt::Tool | Qt::FramelessWindowHint : Qt::Tool;
}

} // namespace

TFinputField::TFinputField(const QString& title, QWidget* parent)
    : QDialog(parent, dialogFlags(title)) {
    setWindowTitle(title);
    setFont(uiFont(dialogFontPixels));
    setFixedSize(clientSize);

    Evalue = new QLineEdit(this);
    Evalue->setGeometry(valueRect);
    Bok = flatButton(QStringLiteral("OK"), okRect, this);
    Bcancel = flatButton(QStringLiteral("Cancel"), cancelRect, this);

    sensor = new QLabel(QStringLiteral("<<< TOUCH PAD >>>"), this);
    sensor->setGeometry(padRect);
    sensor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sensor->setAlignment(Qt::AlignCenter);
    sensor->setCursor(Qt::PointingHandCursor);
    sensor->setMouseTracking(true);
    sensor->setAutoFillBackground(true);

    Lsens = new QLabel(QStringLiteral("Sensitivity"), this);
    Lsens->setGeometry(sensitivityLabelRect);
    Lsens->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sensMod = new QSlider(Qt::Horizontal, this);
    sensMod->setGeometry(sliderRect);
    sensMod->setRange(0, sliderMaximum);
    sensMod->setValue(sliderStart);
    sensMod->setFocusPolicy(Qt::NoFocus);

    applyWindowColours(this);
    QPalette pad = sensor->palette();
    pad.setColor(QPalette::Window, scaleColour(palette().color(QPalette::Window), padShade));
    sensor->setPalette(pad);

    connect(Evalue, &QLineEdit::textEdited, this, [this] { edited = changed = true; });
    connect(Bok, &QToolButton::clicked, this, [this] {
        if (edited) applyText();
        acceptValue();
    });
    connect(Bcancel, &QToolButton::clicked, this, &TFinputField::reject);
    Evalue->installEventFilter(this);
    sensor->installEventFilter(this);
}

void TFinputField::setTarget(double* value) {
    if (!value) return;
    mode = realMode;
    numberTarget = value;
    numberOriginal = *value;
}

void TFinputField::setTarget(std::int32_t* value) {
    if (!value) return;
    mode = integerMode;
    intTarget = value;
    intOriginal = *value;
}

void TFinputField::setTarget(std::string* value) {
    if (!value) return;
    mode = textMode;
    textTarget = value;
    textOriginal = *value;
}

void TFinputField::placeUnderPointer(QPoint pointer, const QRect& clientArea) {
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->availableGeometry() : QRect();
    // Before it is shown the dialog knows no frame of its own; the whole
    // frame must fit, not only the client area.
    const QSize outer = size().grownBy(expectedFrameMargins(this, parentWidget()));
    move(dialogPosition(pointer, outer, clientArea, screenArea));
}

void TFinputField::keepFrameOnScreen() {
    const QScreen* current = screen();
    if (!current) return;
    const QRect frame = frameGeometry();
    const QPoint inside = keptInside(frame.topLeft(), frame.size(), current->availableGeometry());
    if (inside != frame.topLeft()) move(inside);
}

int TFinputField::outcome() const {
    bool differs = false;
    if (mode == textMode) differs = *textTarget != textOriginal;
    if (mode == realMode) differs = !sameNumber(*numberTarget, numberOriginal);
    if (mode == integerMode) differs = *intTarget != intOriginal;
    if (differs) return 2;
    return pending ? 0 : 1;
}

void TFinputField::reject() {
    if (pending && changed) restore();
    QDialog::reject();
}

void TFinputField::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (opened_) return;
    opened_ = true;
    if (numeric()) working = lastNotified = targetValue();
    if (mode == textMode)
        Evalue->setMaxLength(static_cast<int>(clampInto(std::trunc(maxValue), 0, longestText)));
    if (step < 0 || mode == textMode) shorten();
    // The window system tells the real frame once the dialog is up.
    QTimer::singleShot(0, this, &TFinputField::keepFrameOnScreen);
    showValue();
    Evalue->selectAll();
    Evalue->setFocus();
    step = DragLaw::pixelStep(step, logarithmic, minValue, maxValue, sensor->width());
}

void TFinputField::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!(windowFlags() & Qt::FramelessWindowHint)) return;
    // Without a title bar the dialog still needs an edge against what lies behind.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TFinputField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Evalue && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            returnPressed(key->modifiers() & Qt::ControlModifier);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    if (watched == sensor) {
        const auto x = [event] {
            return static_cast<QMouseEvent*>(event)->position().toPoint().x();
        };
        switch (event->type()) {
        case QEvent::MouseMove:
            pointerMoved(x(), static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressed(x());
            event->accept();
            return true;
        case QEvent::MouseButtonRelease:
            released(x(), static_cast<QMouseEvent*>(event)->button());
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

double TFinputField::targetValue() const {
    if (mode == realMode) return *numberTarget;
    if (mode == integerMode) return *intTarget;
    return 0;
}

void TFinputField::showValue() {
    if (mode == textMode) Evalue->setText(fromCp1252(*textTarget));
    if (mode == realMode) Evalue->setText(fromCp1252(formatNumber(*numberTarget)));
    if (mode == integerMode) Evalue->setText(fromCp1252(formatInt(*intTarget)));
}

void TFinputField::parseText() {
    const std::string text = toCp1252(Evalue->text());
    edited = false;
    if (mode == textMode) {
        *textTarget = text;
    } else if (mode == realMode) {
        const double value = parseDouble(text);
        if (minValue <= value && value <= maxValue)
            *numberTarget = value;
        else
            showValue();
    } else if (mode == integerMode) {
        const std::int32_t value = parseInt(text);
        if (minValue <= value && value <= maxValue)
            *intTarget = value;
        else
            showValue();
    }
}

void TFinputField::notify() {
    if (!numeric() || sameNumber(targetValue(), lastNotified)) return;
    if (onChange) onChange();
    lastNotified = targetValue();
    changed = true;
}

void TFinputField::applyText() {
    parseText();
    showValue();
    notify();
    showValue();
}

void TFinputField::acceptValue() {
    pending = false;
    accept();
}

void TFinputField::restore() {
    if (!changed) return;
    if (mode == textMode) *textTarget = textOriginal;
    if (mode == realMode) *numberTarget = numberOriginal;
    if (mode == integerMode) *intTarget = intOriginal;
    showValue();
    notify();
    showValue();
    changed = false;
}

void TFinputField::shorten() {
    sensor->hide();
    Lsens->hide();
    sensMod->hide();
    setFixedSize(clientSize.width(), Bcancel->geometry().bottom() + 1 + shortBottomMargin);
    move(pos() + QPoint(0, shortDownShift));
}

void TFinputField::pointerMoved(int x, bool leftHeld) {
    if (firstX == -1) {
        firstX = x;
        return;
    }
    if (std::abs(x - firstX) > armDistance) armed = true;
    if (!armed || !leftHeld || !numeric()) return;
    if (lastX == -1) {
        lastX = x;
        return;
    }
    if (x == lastX) return;
    const int dx = x - lastX;
    lastX = x;

    const DragLaw law{adaptive, logarithmic, step, minValue, maxValue};
    working = law.drag(working, dx, sensitivityFactor(sensMod->value()));
    if (mode == integerMode)
        *intTarget = nearestInt32(working);
    else
        *numberTarget = working;
    // The caller gets the value as displayed; working keeps full precision.
    showValue();
    parseText();
    notify();
    showValue();
    edited = false;
}

void TFinputField::pressed(int x) {
    lastX = downX = x;
    if (edited) parseText();
    working = targetValue();
}

void TFinputField::released(int x, Qt::MouseButton button) {
    const bool accepting = button == Qt::RightButton || (x == downX && armed);
    armed = true;
    if (!accepting) return;
    if (edited) applyText();
    acceptValue();
}

void TFinputField::returnPressed(bool ctrl) {
    applyText();
    if (!ctrl) acceptValue();
}
