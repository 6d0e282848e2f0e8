#include "windows/switches/tfreactionswitches.h"

#include "engine/reactor.h"
#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "session/undorecorder.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int clientWidth = 280;
constexpr int clientHeight = 236;
constexpr int margin = 12;
constexpr int labelTop = 14;
constexpr int listTop = 32;
constexpr int listWidth = 150;
constexpr int buttonWidth = 96;
constexpr int buttonHeight = 25;
constexpr int buttonPitch = 31;

constexpr double defaultStep = 0;
constexpr int defaultLaw = -1;

} // namespace

TFreactionSwitches::TFreactionSwitches(Vreactor& system, int reaction, bool backward,
                                       const Reactor& reactor, const Animation& animation,
                                       UndoRecorder& undo, QWidget* parent)
    : QDialog(parent), Lswitches(new QLabel(QStringLiteral("Switch on/off at:"), this)),
      LBswitches(new QListWidget(this)), Bnew(new QPushButton(QStringLiteral("New"), this)),
      Bchange(new QPushButton(QStringLiteral("Change"), this)),
      Bdelete(new QPushButton(QStringLiteral("Delete"), this)),
      BdeleteAll(new QPushButton(QStringLiteral("Delete All"), this)), system_(system),
      reaction_(reaction), backward_(backward), reactor_(reactor), animation_(animation),
      undo_(undo), dialogAsker_(this), asker_(&dialogAsker_) {
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    Lswitches->setGeometry(margin, labelTop, listWidth, 16);
    LBswitches->setGeometry(margin, listTop, listWidth, clientHeight - listTop - margin - 4);
    LBswitches->setSelectionMode(QAbstractItemView::SingleSelection);
    int top = listTop;
    for (QPushButton* b : {Bnew, Bchange, Bdelete, BdeleteAll}) {
        b->setGeometry(clientWidth - margin - buttonWidth, top, buttonWidth, buttonHeight);
        b->setAutoDefault(false);
        top += buttonPitch;
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{Lswitches, LBswitches, Bnew, Bchange, Bdelete, BdeleteAll})
        w->setFont(uiFont(captionPixels));
    applyWindowColours(this);

    connect(Bnew, &QPushButton::clicked, this, &TFreactionSwitches::newSwitch);
    connect(Bchange, &QPushButton::clicked, this, &TFreactionSwitches::changeSwitch);
    connect(Bdelete, &QPushButton::clicked, this, &TFreactionSwitches::deleteSwitch);
    connect(BdeleteAll, &QPushButton::clicked, this, &TFreactionSwitches::deleteAll);
    refresh();
}

Llist<ReactionSwitch>* TFreactionSwitches::switches() {
    if (reaction_ < 0 || reaction_ >= system_.reactions.count()) return nullptr;
    Vreaction& r = system_.reactions[reaction_];
    return backward_ ? &r.switchesBack : &r.switches;
}

int TFreactionSwitches::selectedRow() const {
    // The list's current line without a selection is only where the focus
    // frame stands.
    const QList<QListWidgetItem*> selected = LBswitches->selectedItems();
    return selected.isEmpty() ? -1 : LBswitches->row(selected.first());
}

void TFreactionSwitches::refresh() {
    LBswitches->clear();
    if (const Llist<ReactionSwitch>* list = switches())
        for (const ReactionSwitch& s : *list)
            LBswitches->addItem(fromCp1252(formatNumber(s.at)));
}

void TFreactionSwitches::newSwitch() {
    Llist<ReactionSwitch>* list = switches();
    if (!list) return;
    ReactionSwitch added;
    added.at = reactor_.simulationTime * 0.5;
    list->add(added);
    refresh();
    broadcast(systemChanged);
    LBswitches->setCurrentRow(LBswitches->count() - 1);
    undo_.pushUndo("Add reaction switch", false);
    changeSwitch();
}

void TFreactionSwitches::changeSwitch() {
    Llist<ReactionSwitch>* list = switches();
    const int row = selectedRow();
    if (!list || row < 0 || row >= list->count()) return;
    const auto changed = [this] {
        if (!animation_.isAnimating()) broadcast(parametersChanged);
    };
    if (asker_->askNumber("Reaction switch at", &(*list)[row].at, changed, 0,
                          reactor_.simulationTime, defaultStep, defaultLaw) != 2)
        return;
    undo_.pushUndo("Change reaction switch", false);
    refresh();
    LBswitches->setCurrentRow(row);
}

void TFreactionSwitches::deleteSwitch() {
    Llist<ReactionSwitch>* list = switches();
    const int row = selectedRow();
    if (!list || row < 0 || row >= list->count()) return;
    // The later switches move up one place whatever the list's removal rule.
    for (int k = row; k < list->last(); ++k)
        (*list)[k] = (*list)[k + 1];
    list->remove(list->last());
    refresh();
    broadcast(systemChanged);
    undo_.pushUndo("Delete reaction switch", false);
}

void TFreactionSwitches::deleteAll() {
    Llist<ReactionSwitch>* list = switches();
    if (!list) return;
    list->clear();
    refresh();
    broadcast(systemChanged);
    undo_.pushUndo("Delete reaction switches", false);
}

void TFreactionSwitches::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
}

void TFreactionSwitches::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, width(), height());
}

void showReactionSwitches(QWidget* parent, Vreactor& system, int reaction, bool backward,
                          const Reactor& reactor, const Animation& animation, UndoRecorder& undo) {
    TFreactionSwitches dialog(system, reaction, backward, reactor, animation, undo, parent);
    dialog.exec();
}
