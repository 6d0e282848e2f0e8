#pragma once

#include <string>

// Where every edit is recorded after it was applied: the program captures the
// session and pushes it onto the undo history under `label`. With `merge`, an
// edit of the same label right before is replaced, so a run of them leaves one
// undo level.
class UndoRecorder {
public:
    virtual ~UndoRecorder() = default;
    virtual void pushUndo(const std::string& label, bool merge) = 0;
};
