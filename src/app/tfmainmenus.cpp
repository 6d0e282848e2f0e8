#include "app/tfmain.h"

#include "app/applicationtitle.h"
#include "app/helpfiles.h"
#include "app/menustate.h"
#include "app/programdirectory.h"
#include "session/program.h"
#include "windows/animation/tfanimation.h"
#include "windows/common/cp1252.h"
#include "windows/common/menufill.h"
#include "windows/equations/tfequations.h"
#include "windows/wobs/tfwobs.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* addItem(QMenu* menu, const char* caption, const std::function<void()>& command) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    QObject::connect(action, &QAction::triggered, menu, [command] { command(); });
    return action;
}

// A file name as a menu caption: the file system's text in the menus' encoding.
std::string fileCaption(const std::string& file) {
    return toCp1252(fromFileName(file));
}

} // namespace

void TFmain::buildMenus() {
    buildSessionMenu();
    buildSystemMenu();
    buildViewMenu();
    buildOtherMenus();
}

void TFmain::buildSessionMenu() {
    sessionMenu = menuBar()->addMenu(QStringLiteral("Session"));
    addItem(sessionMenu, "New", [this] { newSession(); });
    addItem(sessionMenu, "Open...", [this] { openSession(); });
    saveAction = addItem(sessionMenu, "Save", [this] { saveSession(); });
    addItem(sessionMenu, "Save As...", [this] { saveSessionAs(); });
    addItem(sessionMenu, "Import SBML...", [this] { importSbmlModel(); });
    sessionMenu->addSeparator();
    presetsMenu = sessionMenu->addMenu(QStringLiteral("Presets"));
    recentMenu = sessionMenu->addMenu(QStringLiteral("Recent"));
    sessionMenu->addSeparator();
    undoAction = addItem(sessionMenu, "Undo", [this] { undo(); });
    redoAction = addItem(sessionMenu, "Redo", [this] { redo(); });
    addItem(sessionMenu, "History...", [this] { showHistory(); });
    sessionMenu->addSeparator();
    addItem(sessionMenu, "Preferences...", [this] { showPreferences(); });
    sessionMenu->addSeparator();
    addItem(sessionMenu, "Exit", [this] { close(); });
    connect(sessionMenu, &QMenu::aboutToShow, this, &TFmain::updateSessionMenu);
}

void TFmain::buildSystemMenu() {
    systemMenu = menuBar()->addMenu(QStringLiteral("System"));
    addItem(systemMenu, "New Component", [this] { newComponent(); });
    addItem(systemMenu, "New Reaction", [this] { newReaction(); });
    systemMenu->addSeparator();
    addItem(systemMenu, "Select All", [this] { selectAll(); });
    addItem(systemMenu, "Invert Selection", [this] { invertSelection(); });
    systemMenu->addSeparator();
    activateAction =
        addItem(systemMenu, "Activate Reactions", [this] { setReactionsActive(true); });
    deactivateAction =
        addItem(systemMenu, "Deactivate Reactions", [this] { setReactionsActive(false); });

    rateConstantsMenu = systemMenu->addMenu(QStringLiteral("Rate Constants"));
    addItem(rateConstantsMenu, "Set to 1", [this] { setRateConstantsToOne(); });
    addItem(rateConstantsMenu, "Set to...", [this] { askRateConstants(false); });
    addItem(rateConstantsMenu, "Multiply by...", [this] { askRateConstants(true); });

    concentrationsMenu = systemMenu->addMenu(QStringLiteral("Initial Concentrations"));
    addItem(concentrationsMenu, "Set to 1", [this] { setConcentrations(1); });
    addItem(concentrationsMenu, "Set to Zero", [this] { setConcentrations(0); });
    addItem(concentrationsMenu, "Set to...", [this] { askConcentrations(false); });
    addItem(concentrationsMenu, "Multiply by...", [this] { askConcentrations(true); });
    concentrationsMenu->addSeparator();
    defineByResultAction =
        addItem(concentrationsMenu, "Define by Result", [this] { defineConcentrationsByResult(); });
    concentrationsMenu->addSeparator();
    addItem(concentrationsMenu, "Set Constant", [this] { setConcentrationsConstant(true); });
    addItem(concentrationsMenu, "Set Free", [this] { setConcentrationsConstant(false); });

    arrowGeometryMenu = systemMenu->addMenu(QStringLiteral("Arrow Geometry"));
    const std::pair<const char*, int> geometries[] = {
        {"Adaptive", -3},
        {"Movable Center, Adaptive Orientation", -2},
        {"Movable Center, Horizontal Orientation", -1},
    };
    for (const auto& [caption, mode] : geometries) {
        const int tag = mode;
        addItem(arrowGeometryMenu, caption, [this, tag] { setArrowGeometry(tag); })->setData(tag);
    }

    systemMenu->addSeparator();
    deleteSwitchesAction =
        addItem(systemMenu, "Delete Reaction Switches", [this] { deleteReactionSwitches(); });
    deleteReactionsAction = addItem(systemMenu, "Delete Reactions", [this] { deleteReactions(); });
    deleteObjectsAction = addItem(systemMenu, "Delete Objects", [this] { deleteObjects(); });
    addItem(systemMenu, "Delete All", [this] { deleteAll(); });
    connect(systemMenu, &QMenu::aboutToShow, this, &TFmain::updateSystemMenu);
}

void TFmain::buildViewMenu() {
    viewMenu = menuBar()->addMenu(QStringLiteral("View"));
    auto* grid = new QActionGroup(this);
    const char* gridCaptions[] = {"No Grid", "Invisible Grid", "Visible Grid"};
    for (int mode = 0; mode < 3; ++mode) {
        gridActions[mode] = addItem(viewMenu, gridCaptions[mode], [this, mode] { setGrid(mode); });
        gridActions[mode]->setCheckable(true);
        gridActions[mode]->setData(mode);
        grid->addAction(gridActions[mode]);
    }
    viewMenu->addSeparator();
    addItem(viewMenu, "Reaction System...", [this] { showChildWindow(reactionSubWindow); });
    addItem(viewMenu, "Simulation Control...", [this] { showChildWindow(controlSubWindow); });
    addItem(viewMenu, "Reaction Kinetics...", [this] { showChildWindow(kineticsSubWindow); });
    addItem(viewMenu, "Equations...", [this] { showFloatingWindow(equationsWindow); });
    addItem(viewMenu, "Speedbar...", [this] { showChildWindow(speedbarSubWindow); });
    addItem(viewMenu, "Weighted Observation...",
            [this] { showFloatingWindow(weightedObservationWindow); });
    addItem(viewMenu, "Parameter Animation...", [this] { showFloatingWindow(animationWindow); });
    viewMenu->addSeparator();
    sortAction =
        addItem(viewMenu, "   Sort Equations and Components", [this] { toggleSortMode(); });
    sortAction->setCheckable(true);
    viewMenu->addSeparator();
    addItem(viewMenu, "Default Window Arrangement", [this] { applyDefaultArrangement(); });
    connect(viewMenu, &QMenu::aboutToShow, this, &TFmain::updateViewMenu);
}

void TFmain::buildOtherMenus() {
    exportMenu = menuBar()->addMenu(QStringLiteral("Export"));
    addItem(exportMenu, "Export Reaction Kinetics...", [this] { exportKinetics(); });
    addItem(exportMenu, "SBML Model...", [this] { exportSbmlModel(); });
    buildDataMenu();

    infoMenu = menuBar()->addMenu(QStringLiteral("Info"));
    const QString folder = fromFileName(program.directory);
    const QString title = QString::fromLatin1(applicationTitle);
    addItem(infoMenu, "Quick Start...",
            [this, folder, title] { openHelp(quickStartUrl(folder, title)); });
    addItem(infoMenu, "User's Guide...",
            [this, folder, title] { openHelp(usersGuideUrl(folder, title)); });
    addItem(infoMenu, "Home Page...", [this] { openHomePage(); });
    infoMenu->addSeparator();
    addItem(infoMenu, "About...", [this] { showAboutBox(); });
}

void TFmain::updateSessionMenu() {
    saveAction->setEnabled(sessionCommands.saveEnabled());
    const History_abstract& history = program.history;
    undoAction->setEnabled(history.canUndo());
    undoAction->setText(fromCp1252(history.undoCaption()));
    redoAction->setEnabled(history.canRedo());
    redoAction->setText(fromCp1252(history.redoCaption()));

    presetItems = presets();
    Text_ presetNames;
    for (const PresetItem& preset : presetItems)
        presetNames.add(preset.caption);
    fillMenuFromList(presetsMenu, presetNames, [this](int i) { openPreset(i); });
    fillMenuFromList(recentMenu, recentFiles(), [this](int i) { openRecent(i); });
}

std::vector<PresetItem> TFmain::presets() const {
    std::vector<PresetItem> items = sessionCommands.presets();
    for (PresetItem& item : items)
        item.caption = fileCaption(item.caption);
    return items;
}

Text_ TFmain::recentFiles() const {
    Text_ names;
    for (const std::string& file : program.recentFiles.files)
        names.add(fileCaption(file));
    return names;
}

void TFmain::updateSystemMenu() {
    const SystemMenuState state =
        systemMenuState(program.vReactor, program.kineticsView.autoRefresh);
    for (QAction* action : {activateAction, deactivateAction, rateConstantsMenu->menuAction(),
                            arrowGeometryMenu->menuAction(), deleteReactionsAction})
        action->setEnabled(state.reactionSelected);
    concentrationsMenu->menuAction()->setEnabled(state.componentSelected);
    defineByResultAction->setEnabled(state.defineByResult);
    deleteObjectsAction->setEnabled(state.deleteObjects);
    deleteSwitchesAction->setEnabled(state.deleteReactionSwitches);
}

void TFmain::updateViewMenu() {
    gridActions[gridMode(program.vReactor)]->setChecked(true);
}
