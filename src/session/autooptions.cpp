#include "session/autooptions.h"

#include "session/programfiles.h"

AutoOption& AutoOptions::declare(const std::string& key) {
    AutoOption& entry =
        optionCount < maxOptions ? options[static_cast<size_t>(optionCount++)] : spare;
    entry = AutoOption();
    entry.key = key;
    return entry;
}

AutoOption& AutoOptions::addCategory(const std::string& name) {
    AutoOption& entry = declare(name);
    entry.stringDefault = AutoOption::categoryMarker;
    return entry;
}

AutoOption& AutoOptions::addLabel(const std::string& text) {
    AutoOption& entry = declare(text);
    entry.stringDefault = AutoOption::labelMarker;
    return entry;
}

AutoOption& AutoOptions::addBool(bool* target, const std::string& key, bool defaultValue) {
    AutoOption& entry = declare(key);
    entry.boolTarget = target;
    entry.boolDefault = defaultValue;
    entry.reset();
    return entry;
}

AutoOption& AutoOptions::addInt(std::int32_t* target, const std::string& key,
                                std::int32_t defaultValue) {
    AutoOption& entry = declare(key);
    entry.intTarget = target;
    entry.intDefault = defaultValue;
    entry.reset();
    return entry;
}

AutoOption& AutoOptions::addString(std::string* target, const std::string& key,
                                   const std::string& defaultValue) {
    AutoOption& entry = declare(key);
    entry.stringTarget = target;
    entry.stringDefault = defaultValue;
    entry.reset();
    return entry;
}

void AutoOptions::resetAll() {
    for (int i = 0; i < optionCount; ++i)
        option(i).reset();
}

void AutoOptions::clampAll() {
    for (int i = 0; i < optionCount; ++i)
        option(i).clamp();
}

void AutoOptions::saveAll() {
    for (int i = 0; i < optionCount; ++i)
        option(i).takeSnapshot();
}

void AutoOptions::restoreAll() {
    for (int i = 0; i < optionCount; ++i)
        option(i).restoreSnapshot();
}

bool AutoOptions::anyChanged() const {
    for (int i = 0; i < optionCount; ++i)
        if (option(i).differsFromSnapshot()) return true;
    return false;
}

bool AutoOptions::load(const std::string& blockName, const std::string& fileName) {
    resetAll();
    const bool loaded = fitsConfigFileLimit(fileName) && TextStream::load(blockName, fileName);
    if (!loaded) resetAll();
    clampAll();
    // The file's lines are needed only while reading.
    lines.clear();
    return loaded;
}

void AutoOptions::exchange() {
    for (int i = 0; i < optionCount; ++i) {
        AutoOption& entry = option(i);
        if (entry.boolTarget) exchangeBool(entry.key, *entry.boolTarget);
        if (entry.intTarget) exchangeInt(entry.key, *entry.intTarget);
        if (entry.stringTarget) exchangeString(entry.key, *entry.stringTarget);
    }
}
