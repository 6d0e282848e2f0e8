#include "app/tfmain.h"

#include "app/applicationtitle.h"
#include "app/helpfiles.h"
#include "app/menustate.h"
#include "app/newobjectplacement.h"
#include "app/tfabout.h"
#include "foundation/messagesink.h"
#include "session/program.h"
#include "windows/common/cp1252.h"
#include "windows/equations/tfequations.h"
#include "windows/export/tfexport.h"
#include "windows/history/tfhistory.h"
#include "windows/input/askvalue.h"
#include "windows/options/tfautooptions.h"

#include <QFileInfo>
#include <QUrl>

namespace {

// The bounds of every bulk value the System menu asks for.
constexpr double minBulkValue = 0;
constexpr double maxBulkValue = 1e100;

} // namespace

void TFmain::record(const char* undoLabel) {
    program.pushUndo(undoLabel, false);
    updateIdleLoop();
}

void TFmain::newSession() {
    sessionCommands.newSession();
}

void TFmain::openSession() {
    sessionCommands.open();
}

void TFmain::saveSession() {
    sessionCommands.save();
}

void TFmain::saveSessionAs() {
    sessionCommands.saveAs();
}

void TFmain::openPreset(int index) {
    if (index < 0 || index >= static_cast<int>(presetItems.size())) return;
    // Copied: opening may rebuild the list.
    const PresetItem preset = presetItems[static_cast<size_t>(index)];
    sessionCommands.openPreset(preset);
}

void TFmain::openRecent(int index) {
    sessionCommands.openRecent(index);
}

void TFmain::undo() {
    program.undo();
}

void TFmain::redo() {
    program.redo();
}

void TFmain::showHistory() {
    TFhistory dialog(program.history, this);
    dialog.exec();
}

void TFmain::showPreferences() {
    preferencesDialogOpen = true;
    showOptionsDialog(program.preferences, "Preferences", true, this);
    preferencesDialogOpen = false;
}

Poi TFmain::placement(bool reaction) const {
    return localMenuPoint ? *localMenuPoint : newObjectPlacement(program.vReactor, reaction);
}

void TFmain::newComponent() {
    if (!program.vReactor.addComponent(placement(false))) return;
    record("New component");
    program.vReactor.deselectAll();
}

void TFmain::newReaction() {
    if (!program.vReactor.addReaction(placement(true))) return;
    record("New reaction");
    program.vReactor.deselectAll();
}

void TFmain::selectAll() {
    program.vReactor.selectAll();
}

void TFmain::invertSelection() {
    program.vReactor.invertSelection();
}

void TFmain::setReactionsActive(bool active) {
    program.vReactor.setActive(active);
    record(active ? "Activate reactions" : "Deactivate reactions");
}

void TFmain::setRateConstantsToOne() {
    program.vReactor.setRateConstants(1, false);
    record("Set rate constants");
}

void TFmain::askRateConstants(bool multiply) {
    double value = 1;
    const int result = askNumber(multiply ? "Multiply rate constants by" : "Set rate constants to",
                                 &value, nullptr, minBulkValue, maxBulkValue, -1, -1, this);
    // Setting acts on any accepted value; multiplying by an unchanged 1 does nothing.
    if (result == 0 || (multiply && result != 2)) return;
    program.vReactor.setRateConstants(value, multiply);
    record(multiply ? "Multiply rate constants" : "Set rate constants");
}

void TFmain::setConcentrations(double value) {
    program.vReactor.setInitialConcentrations(value, false);
    record("Set concentrations");
}

void TFmain::askConcentrations(bool multiply) {
    double value = 1;
    const int result =
        askNumber(multiply ? "Multiply initial concentrations by" : "Set initial concentrations to",
                  &value, nullptr, minBulkValue, maxBulkValue, -1, -1, this);
    if (result == 0 || (multiply && result != 2)) return;
    program.vReactor.setInitialConcentrations(value, multiply);
    record(multiply ? "Multiply concentrations" : "Set concentrations");
}

void TFmain::defineConcentrationsByResult() {
    program.vReactor.defineConcentrationsByResult(program.reactor.concentrations);
    record("Define concentrations by result");
}

void TFmain::setConcentrationsConstant(bool constant) {
    program.vReactor.setConstant(constant);
    record(constant ? "Set concentrations constant" : "Set concentrations free");
}

void TFmain::setArrowGeometry(int mode) {
    program.vReactor.setGeometry(mode);
    record("Change arrow geometry");
}

void TFmain::deleteReactionSwitches() {
    program.vReactor.deleteReactionSwitchesOfSelected();
    record("Delete reaction switches");
}

void TFmain::deleteReactions() {
    program.vReactor.deleteSelected(true);
    record("Delete reactions");
}

void TFmain::deleteObjects() {
    program.vReactor.deleteSelected(false);
    record("Delete objects");
}

void TFmain::deleteAll() {
    program.vReactor.deleteAll();
    record("Delete all");
}

void TFmain::setGrid(int mode) {
    Vreactor& system = program.vReactor;
    setGridMode(system, mode);
    if (system.useGrid)
        system.snapToGrid(true);
    else
        broadcast(drawingChanged);
    record("Change grid mode");
}

void TFmain::toggleSortMode() {
    if (sortAction->isChecked() && equationsWindow->isHidden()) showFloatingWindow(equationsWindow);
    rebuildEquations(false);
}

void TFmain::exportKinetics() {
    TFexport dialog(program, exportTable, {}, this);
    dialog.exec();
    // The export may have computed the kinetics afresh.
    refreshWeightedObservation();
    refreshKinetics();
}

void TFmain::openHelp(const QUrl& document) {
    const QString file = document.toLocalFile();
    if (!QFileInfo::exists(file)) {
        showMessage(helpMissingMessage + toCp1252(file));
        return;
    }
    if (!openUrl(document)) showMessage(viewerFailedMessage + toCp1252(file));
}

void TFmain::openHomePage() {
    const QUrl page = homePageUrl(QString::fromLatin1(homePageWord));
    if (!openUrl(page)) showMessage(viewerFailedMessage + toCp1252(page.toString()));
}

void TFmain::showAboutBox() {
    showAbout(QString::fromLatin1(applicationTitle), QString::fromLatin1(TFabout::versionText),
              QString::fromLatin1(homePageWord), logo, TFabout::defaultBandColour, this);
}
