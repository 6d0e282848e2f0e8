#pragma once

#include "session/undorecorder.h"

#include <string>
#include <vector>

// Keeps the labels of the undo levels an edit records, with their merge flags.
struct RecordingUndo : UndoRecorder {
    void pushUndo(const std::string& label, bool merge) override {
        labels.push_back(label);
        merges.push_back(merge);
        if (merge) ++merged;
    }
    std::vector<std::string> labels;
    std::vector<bool> merges;
    int merged = 0;
};
