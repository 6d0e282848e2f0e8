#include "session/autooption.h"

#include "foundation/numberformat.h"

#include <algorithm>

AutoOption::Kind AutoOption::kind() const {
    if (boolTarget) return yesNo;
    if (intTarget) return choices.empty() ? number : choice;
    if (stringTarget) return text;
    return stringDefault == labelMarker ? label : category;
}

AutoOption& AutoOption::setRange(std::int32_t min, std::int32_t max) {
    minValue = std::min(min, max);
    maxValue = std::max(min, max);
    hasRange = true;
    clamp();
    return *this;
}

AutoOption& AutoOption::setChoices(const std::string& namesSeparatedByBar) {
    choices.clear();
    size_t start = 0;
    for (;;) {
        const size_t bar = namesSeparatedByBar.find('|', start);
        choices.add(namesSeparatedByBar.substr(start, bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    clamp();
    return *this;
}

void AutoOption::reset() {
    if (boolTarget) *boolTarget = boolDefault;
    if (intTarget) *intTarget = intDefault;
    if (stringTarget) *stringTarget = stringDefault;
    clamp();
}

void AutoOption::clamp() {
    if (!intTarget) return;
    if (hasRange) *intTarget = std::clamp(*intTarget, minValue, maxValue);
    if (!choices.empty()) *intTarget = std::clamp(*intTarget, 0, choices.last());
}

void AutoOption::takeSnapshot() {
    if (boolTarget) boolSaved = *boolTarget;
    if (intTarget) intSaved = *intTarget;
    if (stringTarget) stringSaved = *stringTarget;
}

void AutoOption::restoreSnapshot() {
    if (boolTarget) *boolTarget = boolSaved;
    if (intTarget) *intTarget = intSaved;
    if (stringTarget) *stringTarget = stringSaved;
}

bool AutoOption::differsFromSnapshot() const {
    return (boolTarget && *boolTarget != boolSaved) || (intTarget && *intTarget != intSaved) ||
           (stringTarget && *stringTarget != stringSaved);
}

std::string AutoOption::valueText() const {
    switch (kind()) {
    case yesNo:
        return *boolTarget ? "true" : "false";
    case number:
        return formatInt(*intTarget);
    case choice:
        return choices.at(*intTarget);
    case text:
        return *stringTarget;
    default:
        return {};
    }
}

void AutoOption::toggle() {
    if (boolTarget) *boolTarget = !*boolTarget;
}

void AutoOption::nextChoice() {
    if (kind() != choice) return;
    *intTarget = *intTarget >= choices.last() ? 0 : std::max(0, *intTarget + 1);
}

void AutoOption::stepBy(std::int32_t delta) {
    if (kind() != number || !hasRange) return;
    // In 64 bits, so that a step from the edge of the 32-bit range cannot overflow.
    const std::int64_t stepped = std::int64_t{*intTarget} + delta;
    *intTarget = static_cast<std::int32_t>(std::clamp<std::int64_t>(stepped, minValue, maxValue));
}

std::string optionLabel(const std::string& key) {
    return key.substr(0, key.find('#'));
}
