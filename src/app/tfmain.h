#pragma once

#include "app/helpfiles.h"
#include "app/mainwindoweventreceiver.h"
#include "app/mainwindowviews.h"
#include "app/qtsessiondialogs.h"
#include "app/speedbarhost.h"
#include "model/poi.h"
#include "session/reactorexport.h"
#include "session/sessioncommands.h"
#include "windows/animation/animationwindoweventreceiver.h"
#include "windows/control/progressdialogrunner.h"
#include "windows/reactions/qttextmeasurer.h"
#include "windows/reactions/reactionwindoweventreceiver.h"
#include "windows/reactions/reactionwindowhost.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Program;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class ReferenceDriver;
class TFanimation;
class TFbuttons;
class TFcontrol;
class TFequations;
class TFkinetics;
class TFreactions;
class TFwObs;

// The frame of the application: a maximised window whose client area holds
// the reaction system, simulation control, reaction kinetics and speed bar
// windows; the equations, weighted observation and parameter animation
// windows float above it. It owns the menus and their commands, records
// every command in the undo history, refreshes the windows after every
// change, and drives the parameter animation from its idle loop.
class TFmain : public QMainWindow,
               public MainWindowViews,
               public ReactionWindowHost,
               public SpeedBarHost {
    Q_OBJECT
public:
    // Delay from the first show to the first tick, which puts the first
    // session in place and starts the idle loop.
    static constexpr int startDelayMilliseconds = 50;

    // Creates the windows in their order, registers the receivers and
    // hands the status display and the progress window to the program.
    explicit TFmain(Program& program, QWidget* parent = nullptr);
    ~TFmain() override;

    // The first tick: the start file when one was given and it opens, else
    // the last run when it is to be remembered, else a new session; from then
    // on the idle loop runs whenever it is needed.
    void firstTick();
    // The session named on the command line (a desktop's "open with"); a
    // file that cannot be opened is reported and the start goes on without it.
    std::string startFile;
    // One animation step when auto refresh is on and a parameter is
    // animated.
    void idleStep();
    bool idleLoopRunning() const;
    bool openStartFile();

    void applyDefaultArrangement();
    // "Velumbra - " and the text (a file name or "new").
    void setCaption(const std::string& text);

    // --- Commands of the menus (and of the windows that offer them) ---
    void newSession() override;
    void openSession() override;
    void saveSession();
    void saveSessionAs();
    void openPreset(int index);
    void openRecent(int index) override;
    void undo() override;
    void redo() override;
    void showHistory() override;
    void showPreferences();
    void newComponent();
    void newReaction();
    void selectAll();
    void invertSelection();
    void setReactionsActive(bool active);
    void setRateConstantsToOne();
    void askRateConstants(bool multiply);
    void setConcentrations(double value);
    void askConcentrations(bool multiply);
    void defineConcentrationsByResult();
    void setConcentrationsConstant(bool constant);
    // -3 adaptive, -2 movable centre with adaptive orientation, -1 movable
    // centre horizontal.
    void setArrowGeometry(int mode);
    void deleteReactionSwitches();
    void deleteReactions();
    void deleteObjects();
    void deleteAll();
    // 0 no grid, 1 invisible grid, 2 visible grid.
    void setGrid(int mode);
    void toggleSortMode();
    void showChildWindow(QMdiSubWindow* window);
    void showFloatingWindow(QWidget* window);
    void exportKinetics();
    // The "Data" menu: measurements over the curves and fitting to them.
    void buildDataMenu();
    void importMeasurements();
    void removeMeasurements();
    void fitParameters();
    // "Export > SBML Model..." and "Session > Import SBML...". An import
    // replaces the session after the save question; a refused model leaves
    // everything as it was and shows why.
    void exportSbmlModel();
    void importSbmlModel();
    // Where the SBML file is chosen (true: to write); file dialogs unless
    // replaced. An empty name cancels.
    std::function<std::string(bool save)> chooseSbmlFile;
    std::string chosenSbmlFile(bool save);
    // A help document is handed to the viewer only when it exists; a missing
    // one, or a viewer that cannot be started, is reported.
    void openHelp(const QUrl& document);
    void openHomePage();
    void showAboutBox();

    // Enabling and captions, computed as each menu opens. The reaction
    // system window refreshes its copy of the System menu through
    // updateSystemMenu.
    void updateSessionMenu();
    void updateSystemMenu();
    void updateViewMenu();

    // --- MainWindowViews ---
    void showSessionName() override;
    void repaintControl() override;
    void rebuildEquations(bool resetScroll) override;
    void repaintSpeedbar() override;
    void refreshWeightedObservation() override;
    void refreshKinetics() override;
    void updateIdleLoop() override;

    // --- ReactionWindowHost ---
    void fillGeneralMenu(QMenu& menu, Poi point) override;
    void showAnimationWindow() override;
    void editReactionSwitches(int reaction, bool backward) override;
    void animatedParameterChosen() override;
    void rebuildEquations() override { rebuildEquations(false); }

    // --- SpeedBarHost ---
    void showEquations() override;
    bool animationWindowVisible() const override;
    void closeAnimationWindow() override;
    std::vector<PresetItem> presets() const override;
    void openPreset(const PresetItem& preset) override;
    Text_ recentFiles() const override;
    void togglePlay() override;
    bool animationRunning() const override;

    Program& program;
    QtSessionDialogs sessionDialogs;
    SessionCommands sessionCommands;
    MainWindowEventReceiver receiver{*this};
    ProgressDialogRunner progressRunner{this};
    // Label sizes of the reaction system, in the fonts the window draws with.
    QtTextMeasurer textMeasurer;

    QMdiArea* mdiArea;
    TFreactions* reactionWindow;
    QMdiSubWindow* reactionSubWindow;
    TFcontrol* controlWindow;
    QMdiSubWindow* controlSubWindow;
    TFequations* equationsWindow;
    TFbuttons* speedbarWindow;
    QMdiSubWindow* speedbarSubWindow;
    TFanimation* animationWindow;
    TFkinetics* kineticsWindow;
    // The reference solution beside the kinetics curves.
    ReferenceDriver* referenceDriver;
    QMdiSubWindow* kineticsSubWindow;
    TFwObs* weightedObservationWindow;

    std::optional<ReactionWindowEventReceiver> reactionReceiver;
    std::optional<AnimationWindowEventReceiver> animationReceiver;
    // The export's settings, kept for the run.
    ReactorExport exportTable;
    // The about box's picture, drawn once.
    QImage logo;
    // Hands help documents and the home page to the desktop's viewer; tests
    // put a recorder in its place.
    std::function<bool(const QUrl&)> openUrl = openInViewer;

    QMenu* sessionMenu;
    QMenu* presetsMenu;
    QMenu* recentMenu;
    QMenu* systemMenu;
    QMenu* rateConstantsMenu;
    QMenu* concentrationsMenu;
    QMenu* arrowGeometryMenu;
    QMenu* viewMenu;
    QMenu* exportMenu;
    QMenu* dataMenu;
    QAction* removeMeasurementsAction;
    QMenu* infoMenu;
    QAction* saveAction;
    QAction* undoAction;
    QAction* redoAction;
    QAction* activateAction;
    QAction* deactivateAction;
    QAction* defineByResultAction;
    QAction* deleteSwitchesAction;
    QAction* deleteReactionsAction;
    QAction* deleteObjectsAction;
    QAction* gridActions[3];
    QAction* sortAction;

    // Where the reaction system window's local menu was opened while its copy
    // of the System menu runs: new objects go there instead of the lattice.
    std::optional<Poi> localMenuPoint;
    // The presets listed when the Session menu last opened.
    std::vector<PresetItem> presetItems;

    // Set once when the window closes for good.
    bool closing = false;
    // While the preferences dialog is open, so that the kinetics window
    // shows preference changes also during an animation.
    bool preferencesDialogOpen = false;
    // Single shot, started by the first show.
    QTimer* startTimer;
    // Zero interval: back-to-back animation steps, only while they are needed.
    QTimer* idleTimer;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createWindows();
    QMdiSubWindow* addChildWindow(QWidget* content, bool resizable);
    void buildMenus();
    void buildSessionMenu();
    void buildSystemMenu();
    void buildViewMenu();
    void buildOtherMenus();
    // Where a new object goes: the local menu's point, else the lattice.
    Poi placement(bool reaction) const;
    void record(const char* undoLabel);

    bool started_ = false;
    bool equationsShown_ = false;
};
