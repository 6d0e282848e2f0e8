#include "session/history_abstract.h"

std::string History_abstract::undoCaption() const {
    return canUndo() ? "Undo - " + label(current()) : "Undo";
}

std::string History_abstract::redoCaption() const {
    return canRedo() ? "Redo - " + label(current() + 1) : "Redo";
}

Text_ History_abstract::levelLabels() const {
    Text_ result(count(), 1);
    for (int i = 0; i < count(); ++i)
        result.add(label(i));
    return result;
}
