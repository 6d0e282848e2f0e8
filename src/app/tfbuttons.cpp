#include "app/tfbuttons.h"

#include "app/speedbarhost.h"
#include "windows/common/buttonlook.h"
#include "windows/common/menufill.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <utility>
#include <vector>

namespace {

constexpr int buttonLeft = 8;
constexpr int buttonWidth = 88;
constexpr int buttonHeight = 16;

// "Play": its size, its left edge, and its top this far above the bottom.
constexpr int playLeft = 31;
constexpr int playWidth = 43;
constexpr int playHeight = 21;
constexpr int playBottomOffset = 34;

QRect playArea(int clientHeight) {
    return {playLeft, clientHeight - playBottomOffset, playWidth, playHeight};
}

} // namespace

TFbuttons::TFbuttons(SpeedBarHost& host, QWidget* parent)
    : QWidget(parent), popup_presets(new QMenu(this)), popup_recent(new QMenu(this)), host_(host) {
    setWindowTitle(QString::fromLatin1(caption));
    setFont(uiFont(captionPixels));
    setFixedSize(clientWidth, clientHeight);

    Bnew = addButton("New", 16);
    Bopen = addButton("Open", 48);
    Bpresets = addButton("Presets", 64);
    Brecent = addButton("Recent", 80);
    Bundo = addButton("Undo", 112);
    Bredo = addButton("Redo", 128);
    Bhistory = addButton("History", 144);
    Bequations = addButton("Equations", 176);
    Banimate = addButton("Animation", 208);
    applyWindowColours(this);
    playRect = playArea(clientHeight);

    connect(Bnew, &QToolButton::clicked, this, [this] { host_.newSession(); });
    connect(Bopen, &QToolButton::clicked, this, [this] { host_.openSession(); });
    connect(Bpresets, &QToolButton::clicked, this, &TFbuttons::popUpPresets);
    connect(Brecent, &QToolButton::clicked, this, &TFbuttons::popUpRecent);
    connect(Bundo, &QToolButton::clicked, this, [this] { host_.undo(); });
    connect(Bredo, &QToolButton::clicked, this, [this] { host_.redo(); });
    connect(Bhistory, &QToolButton::clicked, this, [this] { host_.showHistory(); });
    connect(Bequations, &QToolButton::clicked, this, [this] { host_.showEquations(); });
    connect(Banimate, &QToolButton::clicked, this, &TFbuttons::toggleAnimationWindow);
}

QToolButton* TFbuttons::addButton(const char* text, int top) {
    auto* button = new QToolButton(this);
    button->setText(QString::fromLatin1(text));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(buttonLeft, top, buttonWidth, buttonHeight);
    return button;
}

void TFbuttons::popUpPresets() {
    // The items are kept as they were listed: the folder may change while
    // the menu is open.
    std::vector<PresetItem> items = host_.presets();
    Text_ names;
    for (const PresetItem& item : items)
        names.add(item.caption);
    fillMenuFromList(popup_presets, names, [this, items = std::move(items)](int i) {
        if (i >= 0 && i < static_cast<int>(items.size())) host_.openPreset(items[i]);
    });
    if (!names.empty()) popup_presets->popup(QCursor::pos());
}

void TFbuttons::popUpRecent() {
    const Text_ files = host_.recentFiles();
    fillMenuFromList(popup_recent, files, [this](int i) { host_.openRecent(i); });
    if (!files.empty()) popup_recent->popup(QCursor::pos());
}

void TFbuttons::toggleAnimationWindow() {
    if (host_.animationWindowVisible())
        host_.closeAnimationWindow();
    else
        host_.showAnimationWindow();
}

void TFbuttons::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, width(), height());
    playRect = paintSwitch(painter, playArea(height()), QString::fromLatin1(playCaption),
                           host_.animationRunning());
}

void TFbuttons::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !playRect.contains(event->position().toPoint()))
        return;
    host_.togglePlay();
    update();
}
