#pragma once

#include "foundation/llist.h"
#include "session/history_abstract.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

inline constexpr int maxHistoryLevels = 100;

// The undo history: complete copies of the session, oldest first, each under
// the label of the edit that produced it. Memory stays bounded by the level
// count: a push beyond it drops the oldest state.
//
// `T` is the session type; `restore` puts a recorded state back in place (the
// owner copies it into its session and applies that to the program's current
// objects). It is called by undo, redo and goTo, never by push, and must not
// change the history itself.
template <typename T> class History : public History_abstract {
public:
    using Restore = std::function<void(const T& state)>;

    explicit History(Restore restoreState, int levels = maxHistoryLevels, int initialCapacity = 0,
                     int growStep = 1)
        : states(initialCapacity, growStep, true), labels(initialCapacity, growStep, true),
          restore(std::move(restoreState)), maxLevels_(std::clamp(levels, 0, maxHistoryLevels)) {}

    // Records a copy of `session` as the newest state. With `merge` and the
    // same label as the current state, the current state is replaced, so a
    // run of such edits leaves one undo step. States after the current one
    // (the redo branch) are dropped.
    void push(const T& session, const std::string& label, bool merge);

    // push, then set `session.modified` once the history holds more than
    // one state. The stored copy keeps the flag as it was before the edit, so
    // undoing back to the first state clears it again.
    void record(T& session, const std::string& label, bool merge) {
        push(session, label, merge);
        if (count() > 1) session.modified = true;
    }

    void clear() {
        states.clear();
        labels.clear();
        currentIndex = -1;
    }

    // Step back or forward one state and restore it; false when there is
    // nothing to undo or redo.
    bool undo() { return canUndo() && goTo(currentIndex - 1); }
    bool redo() { return canRedo() && goTo(currentIndex + 1); }

    bool goTo(int i) override;

    int count() const override { return states.count(); }
    std::string label(int i) const override {
        return i >= 0 && i < labels.count() ? labels[i] : std::string();
    }
    int current() const override { return currentIndex; }
    int maxLevels() const override { return maxLevels_; }
    void setLevels(int n) override;

    // Read them freely; change them only through the operations above, which
    // keep both lists the same length and `currentIndex` inside them.
    Llist<T> states;
    Llist<std::string> labels;
    int currentIndex = -1;
    Restore restore;

private:
    void dropOldest() {
        states.remove(0);
        labels.remove(0);
        currentIndex = std::max(-1, currentIndex - 1);
    }

    int maxLevels_;
};

template <typename T>
void History<T>::push(const T& session, const std::string& label, bool merge) {
    if (merge && currentIndex >= 0 && labels[currentIndex] == label) {
        states.remove(currentIndex);
        labels.remove(currentIndex);
        --currentIndex;
    }
    if (currentIndex < states.last()) {
        states.resize(currentIndex + 1);
        labels.resize(currentIndex + 1);
    }
    // With 0 levels the history still keeps the current state, nothing older.
    while (count() > 0 && count() >= std::max(1, maxLevels_))
        dropOldest();
    states.add(session);
    labels.add(label);
    currentIndex = states.last();
}

template <typename T> bool History<T>::goTo(int i) {
    if (i < 0 || i >= count()) return false;
    currentIndex = i;
    if (restore) restore(states[i]);
    return true;
}

template <typename T> void History<T>::setLevels(int n) {
    maxLevels_ = std::clamp(n, 0, maxHistoryLevels);
    while (count() > maxLevels_)
        dropOldest();
}
