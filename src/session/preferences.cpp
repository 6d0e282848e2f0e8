#include "session/preferences.h"

#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "session/programfiles.h"

Preferences::Preferences(const std::string& settingsDirectory)
    : fileName(settingsDirectory.empty() ? std::string()
                                         : programFile(settingsDirectory, preferencesFileName)) {
    declareTable();
    // A missing or unreadable file leaves the defaults; it is created on exit.
    if (!fileName.empty()) (void)load(blockName, fileName);
    applyNumberFormat();
}

Preferences::~Preferences() {
    (void)save();
}

void Preferences::declareTable() {
    addCategory("General");
    addInt(&floatingPointPrecision, "Floating point precision on user interface [digits]", 3)
        .setRange(minPrecision, maxPrecision);
    addBool(&alwaysUseFloatingPointFormat, "Always use floating point format (on UI)", false);
    addBool(&warningOnSessionDelete, "Warning on session delete", true);
    addBool(&rememberLastRun, "Remember last run", false);

    addCategory("Reaction system view");
    addBool(&displayPositionSensitiveInfo, "Display position sensitive info", true);
    addBool(&colorCodeArrowsOnlyInReversibleReactions,
            "Color code arrows only in reversible reactions", false);
    addBool(&showPossibleDestinations, "Show possible destinations when connecting", true);
    addBool(&colorIndicationOnComponent, "Color indication on component", true);
    addBool(&largeFontForComponentNames, "Large font for component names", false);
    addBool(&largeFontForParameters, "Large font for parameters", false);
    addInt(&componentStyle, "Component style", componentCone).setChoices("Minimalist|Cone|Button");
    addInt(&colorSchemeSystem, "Color scheme#system", systemDefault)
        .setChoices("Default|Mystery|Open-air reactions");

    addCategory("Equations view");
    addBool(&displayReactionScheme, "Display reaction scheme", true);
    addBool(&groupIdenticalConcentrationTerms, "Group identical concentration terms", true);
    addBool(&equationsLargeFont, "Large font", false);
    addInt(&equationsStyle, "Style", equationsNotebook).setChoices("Clean|Notebook|System");

    addCategory("Reaction kinetics view");
    addBool(&kineticsLargeLabels, "Large labels", false);
    addInt(&colorSchemeKinetics, "Color scheme#kinetics", kineticsDefault)
        .setChoices("Default|High contrast");
}

bool Preferences::save() {
    const bool saved = TextStream::save(blockName, fileName);
    lines.clear();
    return saved;
}

void Preferences::apply() {
    applyNumberFormat();
    broadcast(preferencesChanged);
}

void Preferences::applyNumberFormat() const {
    numberPrecision = floatingPointPrecision;
    alwaysScientific = alwaysUseFloatingPointFormat;
}
