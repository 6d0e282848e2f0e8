#pragma once

#include "foundation/llist.h"

#include <cstdint>
#include <string>

// One row of an option table: a category header, a plain label, or an option
// bound to a variable elsewhere (yes/no, number, choice or text). The kind
// follows from which target is set.
class AutoOption {
public:
    enum Kind { category, label, yesNo, number, choice, text };

    static constexpr const char* categoryMarker = "<@@@> OPTIONCATEGORY <@@@>";
    static constexpr const char* labelMarker = "<@@@> OPTIONLABEL <@@@>";

    Kind kind() const;
    bool hasTarget() const { return boolTarget || intTarget || stringTarget; }

    // Limits the number to min..max (given in either order) and clamps it.
    AutoOption& setRange(std::int32_t min, std::int32_t max);
    // Makes the number a choice among names separated by "|", its value the
    // index of the chosen name; clamps it.
    AutoOption& setChoices(const std::string& namesSeparatedByBar);

    // Variable back to its default, then clamped.
    void reset();
    // A ranged number into its range; a choice into 0..last index.
    void clamp();
    void takeSnapshot();
    void restoreSnapshot();
    bool differsFromSnapshot() const;

    // The value as the dialog shows it: "true"/"false", the choice's name,
    // the decimal number or the text; empty for rows without a target.
    std::string valueText() const;

    // The dialog's clicks: a yes/no option toggles, a choice moves to the
    // next name (after the last back to the first), a ranged number moves by
    // `delta` within its range. Other kinds are left alone.
    void toggle();
    void nextChoice();
    void stepBy(std::int32_t delta);

    std::string key;
    bool* boolTarget = nullptr;
    bool boolDefault = false;
    bool boolSaved = false;
    std::int32_t* intTarget = nullptr;
    std::int32_t intDefault = 0;
    std::int32_t intSaved = 0;
    std::int32_t minValue = 0;
    std::int32_t maxValue = 100;
    bool hasRange = false;
    std::string* stringTarget = nullptr;
    std::string stringDefault;
    std::string stringSaved;
    Llist<std::string> choices;
};

// The row label of a key: the part before the first "#", so that two keys
// that must differ in the file ("Color scheme#system", "Color scheme#kinetics")
// read alike in the dialog.
std::string optionLabel(const std::string& key);
