#pragma once

#include "foundation/text.h"

#include <string>

// What the History window and the session menu see of the undo history:
// the recorded states by label, the current one, and a jump to any of them.
class History_abstract {
public:
    // Number of recorded states.
    virtual int count() const = 0;
    // Label of state i; empty outside the history.
    virtual std::string label(int i) const = 0;
    // Index of the state the session currently equals; -1 when empty.
    virtual int current() const = 0;
    virtual int maxLevels() const = 0;
    // Clamped to 0..100; drops the oldest states beyond the new limit.
    virtual void setLevels(int n) = 0;
    // Replaces the session by state i and applies it; an index outside the
    // history does nothing. False when nothing happened.
    virtual bool goTo(int i) = 0;
    virtual ~History_abstract() = default;

    History_abstract() = default;
    History_abstract(const History_abstract&) = delete;
    History_abstract& operator=(const History_abstract&) = delete;

    // The first state (a new or opened session) cannot be undone.
    bool canUndo() const { return current() >= 1; }
    bool canRedo() const { return current() < count() - 1; }

    // "Undo - <label of the edit undone>" when enabled, else "Undo".
    std::string undoCaption() const;
    // "Redo - <label of the edit redone>" when enabled, else "Redo".
    std::string redoCaption() const;

    // The labels of all states, oldest first, for the History window's list.
    Text_ levelLabels() const;
};
