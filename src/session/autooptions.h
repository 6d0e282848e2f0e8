#pragma once

#include "foundation/textstream.h"
#include "session/autooption.h"

#include <array>
#include <cstdint>
#include <string>

// A table of options bound to variables elsewhere, loaded and saved as one
// block of "key=value" lines in table order, and edited by a dialog built
// from the table.
//
// The entries point at variables, usually fields of the derived table, so a
// table is neither copied nor moved: a copy would still point into the
// original.
class AutoOptions : public TextStream {
public:
    static constexpr int maxOptions = 100;

    AutoOptions() = default;
    ~AutoOptions() override = default;
    AutoOptions(const AutoOptions&) = delete;
    AutoOptions& operator=(const AutoOptions&) = delete;

    // Declarations, in the order of the rows and of the file. Each one sets
    // its variable to the default at once. Past `maxOptions` declarations go
    // to `spare`, which is neither saved nor shown.
    AutoOption& addCategory(const std::string& name);
    AutoOption& addLabel(const std::string& text);
    AutoOption& addBool(bool* target, const std::string& key, bool defaultValue);
    AutoOption& addInt(std::int32_t* target, const std::string& key, std::int32_t defaultValue);
    AutoOption& addString(std::string* target, const std::string& key,
                          const std::string& defaultValue);

    // The declared rows, 0..optionCount - 1; any other index gives `spare`.
    AutoOption& option(int i) { return i >= 0 && i < optionCount ? options[index(i)] : spare; }
    const AutoOption& option(int i) const {
        return i >= 0 && i < optionCount ? options[index(i)] : spare;
    }

    void resetAll();
    void clampAll();
    // Snapshot of every variable (taken when the dialog opens), its restore,
    // and whether any variable differs from it.
    void saveAll();
    void restoreAll();
    bool anyChanged() const;

    // Defaults first; then the block's values, clamped. A file that cannot be
    // read, or one too large to be a settings file, leaves the defaults and
    // gives false. Keys missing from the block keep their defaults.
    [[nodiscard]] bool load(const std::string& blockName, const std::string& fileName);
    // (Writing is TextStream::save with the block name and file name.)

    // Called after the variables changed through the dialog; the program's
    // table makes the change take effect.
    virtual void apply() {}

    void exchange() override;

    AutoOption spare;
    std::array<AutoOption, maxOptions> options;
    int optionCount = 0;

private:
    static size_t index(int i) { return static_cast<size_t>(i); }
    AutoOption& declare(const std::string& key);
};
