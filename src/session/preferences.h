#pragma once

#include "model/modelsettings.h"
#include "session/autooptions.h"

#include <cstdint>
#include <string>

// The program's preferences: one table of options whose variables the rest of
// the program reads directly. Read from "prefs.cfg" in the settings
// directory on construction and written back there on destruction.
class Preferences : public AutoOptions {
public:
    static constexpr const char* blockName = "Velumbra Preferences";
    static constexpr std::int32_t minPrecision = 3;
    static constexpr std::int32_t maxPrecision = 6;

    // Values of the choice options.
    enum ComponentStyle { componentMinimalist, componentCone, componentButton };
    enum SystemColorScheme { systemDefault, systemMystery, systemOpenAir };
    enum EquationsStyle { equationsClean, equationsNotebook, equationsSystem };
    enum KineticsColorScheme { kineticsDefault, kineticsHighContrast };

    // Declares the table, loads "prefs.cfg" from `settingsDirectory` and sets
    // the number format from it (without a broadcast: nobody listens yet).
    // An empty directory gives the defaults, and nothing is read or written.
    explicit Preferences(const std::string& settingsDirectory);
    // Saves "prefs.cfg".
    ~Preferences() override;

    // Writes the variables to `fileName`; false when the file could not be
    // written (the previous file then stays as it was).
    [[nodiscard]] bool save();

    // Sets `numberPrecision` and `alwaysScientific` from the variables and
    // broadcasts `preferencesChanged`.
    void apply() override;

    // Sets `numberPrecision` and `alwaysScientific` only; also what a session
    // save returns to after writing with its own precision.
    void applyNumberFormat() const;

    std::string fileName;

    // The values the reaction system reads; the rows below of the same names
    // are these fields.
    ModelSettings modelSettings;

    // "General"
    std::int32_t floatingPointPrecision = 3;
    bool alwaysUseFloatingPointFormat = false;
    bool warningOnSessionDelete = true;
    bool rememberLastRun = false;
    // "Reaction system view"
    bool displayPositionSensitiveInfo = true;
    bool colorCodeArrowsOnlyInReversibleReactions = false;
    bool& showPossibleDestinations = modelSettings.showDestinations;
    bool colorIndicationOnComponent = true;
    bool& largeFontForComponentNames = modelSettings.largeNameFont;
    bool& largeFontForParameters = modelSettings.largeParameterFont;
    std::int32_t componentStyle = componentCone;
    std::int32_t colorSchemeSystem = systemDefault;
    // "Equations view"
    bool displayReactionScheme = true;
    bool groupIdenticalConcentrationTerms = true;
    bool equationsLargeFont = false;
    std::int32_t equationsStyle = equationsNotebook;
    // "Reaction kinetics view"
    bool kineticsLargeLabels = false;
    std::int32_t colorSchemeKinetics = kineticsDefault;

private:
    void declareTable();
};
