#pragma once

#include "foundation/llist.h"
#include "model/reactionswitch.h"
#include "windows/input/dialogvalueasker.h"

#include <QDialog>

class Animation;
class QLabel;
class QListWidget;
class QPushButton;
class Reactor;
class UndoRecorder;
class ValueAsker;
class Vreactor;

// The modal dialog that edits the switching times of one direction of one
// reaction, in place: a list of the times in the order they were added and
// the buttons "New", "Change", "Delete" and "Delete All". Every edit is
// recorded and recomputes the kinetics through the change notification.
class TFreactionSwitches : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* caption = "Reaction Switches";

    // Edits the backward switches of the reaction when `backward` is set,
    // else the forward ones. New switches start at half the reactor's
    // simulation time.
    TFreactionSwitches(Vreactor& system, int reaction, bool backward, const Reactor& reactor,
                       const Animation& animation, UndoRecorder& undo, QWidget* parent = nullptr);

    // Replaces the value input dialog (tests answer in its place).
    void setValueAsker(ValueAsker& asker) { asker_ = &asker; }

    // The edited list; null when the reaction no longer exists.
    Llist<ReactionSwitch>* switches();

    // The selected line, -1 for none.
    int selectedRow() const;

    // Lists the switches again, one line each.
    void refresh();

    // The buttons.
    void newSwitch();
    void changeSwitch();
    void deleteSwitch();
    void deleteAll();

    QLabel* Lswitches;
    QListWidget* LBswitches;
    QPushButton* Bnew;
    QPushButton* Bchange;
    QPushButton* Bdelete;
    QPushButton* BdeleteAll;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Vreactor& system_;
    const int reaction_;
    const bool backward_;
    const Reactor& reactor_;
    const Animation& animation_;
    UndoRecorder& undo_;
    DialogValueAsker dialogAsker_;
    ValueAsker* asker_;
};

// Runs the dialog modally on the forward or backward switches of a reaction
// and destroys it; the main window calls it for the reaction system window.
// The caller broadcasts drawingChanged afterwards, so that the reaction's
// label shows whether it has switches.
void showReactionSwitches(QWidget* parent, Vreactor& system, int reaction, bool backward,
                          const Reactor& reactor, const Animation& animation, UndoRecorder& undo);
