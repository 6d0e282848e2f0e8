#include "app/tfmain.h"

#include "app/applicationtitle.h"
#include "app/logo.h"
#include "app/programdirectory.h"
#include "app/speedbartitlestyle.h"
#include "app/tfabout.h"
#include "app/tfbuttons.h"
#include "app/windowarrangement.h"
#include "foundation/messagesink.h"
#include "session/program.h"
#include "windows/animation/tfanimation.h"
#include "windows/control/tfcontrol.h"
#include "windows/equations/tfequations.h"
#include "windows/kinetics/referencedriver.h"
#include "windows/kinetics/tfkinetics.h"
#include "windows/reactions/tfreactions.h"
#include "windows/switches/tfreactionswitches.h"
#include "windows/wobs/tfwobs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include <filesystem>

namespace {

// Client sizes of the windows before the arrangement places them.
constexpr QSize reactionsInitialSize(600, 300);
constexpr QSize kineticsInitialSize(600, 300);
constexpr QSize equationsInitialSize(348, 300);

// Places a top-level window's outer frame, as far as the window system has
// told the frame's margins.
void setFrameGeometry(QWidget* window, const QRect& frame) {
    QMargins margins;
    if (const QWindow* handle = window->windowHandle()) margins = handle->frameMargins();
    window->resize(frame.marginsRemoved(margins).size());
    window->move(frame.topLeft());
}

} // namespace

TFmain::TFmain(Program& owner, QWidget* parent)
    : QMainWindow(parent), program(owner), sessionDialogs(this, owner.directory),
      sessionCommands(owner, sessionDialogs) {
    setWindowTitle(QString::fromLatin1(applicationTitle));
    // The windows parented here show the same icon.
    setWindowIcon(makeLogoIcon());
    logo = makeLogo(TFabout::logoSide);
    mdiArea = new QMdiArea(this);
    mdiArea->setFrameShape(QFrame::NoFrame);
    setCentralWidget(mdiArea);

    startTimer = new QTimer(this);
    startTimer->setSingleShot(true);
    startTimer->setInterval(startDelayMilliseconds);
    connect(startTimer, &QTimer::timeout, this, &TFmain::firstTick);
    idleTimer = new QTimer(this);
    idleTimer->setInterval(0);
    connect(idleTimer, &QTimer::timeout, this, &TFmain::idleStep);

    program.vReactor.measurer.reset(&textMeasurer);
    createWindows();
    buildMenus();
    program.registerReceivers(&*reactionReceiver, &*animationReceiver, &receiver);
    program.progress = &progressRunner;
    program.statusDisplay = [this](const std::string& status) {
        controlWindow->showStatus(referenceDriver->calculationFinished(status));
    };
}

TFmain::~TFmain() {
    program.statusDisplay = nullptr;
    program.progress = nullptr;
    program.registerReceivers(nullptr, nullptr, nullptr);
    program.vReactor.measurer.reset(nullptr);
}

void TFmain::createWindows() {
    reactionWindow =
        new TFreactions(program.vReactor, program.preferences, program.animation, program, *this);
    reactionWindow->resize(reactionsInitialSize);
    reactionReceiver.emplace(*reactionWindow);
    reactionSubWindow = addChildWindow(reactionWindow, true);

    controlWindow = new TFcontrol(program);
    controlSubWindow = addChildWindow(controlWindow, false);
    connect(controlWindow, &TFcontrol::autoRefreshToggled, this, [this](bool on) {
        if (!on) refreshKinetics();
        updateIdleLoop();
    });

    equationsWindow = new TFequations(program.vReactor, program.preferences, program, this);
    equationsWindow->resize(equationsInitialSize);

    speedbarWindow = new TFbuttons(*this);
    speedbarSubWindow = addChildWindow(speedbarWindow, false);
    auto* titleStyle = new SpeedbarTitleStyle(QStyleFactory::create(QApplication::style()->name()));
    titleStyle->setParent(speedbarSubWindow);
    speedbarSubWindow->setStyle(titleStyle);

    animationWindow = new TFanimation(program.vReactor, program.animation, program, this);
    animationWindow->updateEquations = [this] { rebuildEquations(false); };
    animationWindow->repaintSpeedBar = [this] { repaintSpeedbar(); };
    animationReceiver.emplace(*animationWindow);

    kineticsWindow = new TFkinetics(program.vReactor, program.reactor, program.calculation,
                                    program.weightedObservation, program.kineticsView,
                                    program.animation, program.preferences, program);
    kineticsWindow->preferencesDialogOpen = [this] { return preferencesDialogOpen; };
    kineticsWindow->animatedParameterLabel = [this] { return animationWindow->selectedLabel; };
    kineticsWindow->measurements = &program.measurements;
    kineticsWindow->resize(kineticsInitialSize);
    referenceDriver = new ReferenceDriver(program, this);
    kineticsWindow->referenceCurves = &referenceDriver->curves;
    referenceDriver->showStatus = [this](const std::string& s) { controlWindow->showStatus(s); };
    referenceDriver->redrawPlot = [this] { refreshKinetics(); };
    kineticsSubWindow = addChildWindow(kineticsWindow, true);

    weightedObservationWindow =
        new TFwObs(program.vReactor, program.weightedObservation, program, this);
}

QMdiSubWindow* TFmain::addChildWindow(QWidget* content, bool resizable) {
    auto* window = new QMdiSubWindow;
    // Closing a child window only hides it; the View menu brings it back.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (resizable) flags |= Qt::WindowMaximizeButtonHint;
    window->setWindowFlags(flags);
    window->setWidget(content);
    // A child window shows its own icon, not its frame's.
    window->setWindowIcon(windowIcon());
    mdiArea->addSubWindow(window);
    window->resize(window->sizeHint());
    if (!resizable) window->setFixedSize(window->size());
    return window;
}

void TFmain::applyDefaultArrangement() {
    const QSize client = mdiArea->contentsRect().size();
    const WindowArrangement a =
        defaultWindowArrangement(client, controlSubWindow->size(), speedbarSubWindow->size());
    const std::pair<QMdiSubWindow*, QRect> places[] = {
        {reactionSubWindow, a.reactions},
        {controlSubWindow, a.control},
        {speedbarSubWindow, a.speedbar},
        {kineticsSubWindow, a.kinetics},
    };
    for (const auto& [window, frame] : places) {
        window->showNormal();
        window->setGeometry(frame);
    }
    speedbarSubWindow->raise();

    if (!equationsShown_) {
        equationsShown_ = true;
        equationsWindow->show();
    }
    const QRect reactionClient(reactionWindow->mapToGlobal(QPoint(0, 0)), reactionWindow->size());
    setFrameGeometry(equationsWindow, equationsPlacement(reactionClient));
}

void TFmain::setCaption(const std::string& text) {
    sessionDialogs.setCaption(text);
}

void TFmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (started_ || startTimer->isActive()) return;
    applyDefaultArrangement();
    startTimer->start();
}

void TFmain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The window manager may maximise the window after it was shown; the
    // windows are arranged for the size it ends up with.
    if (startTimer->isActive()) applyDefaultArrangement();
}

void TFmain::firstTick() {
    if (started_) return;
    startTimer->stop();
    started_ = true;
    if (openStartFile()) {
    } else if (program.preferences.rememberLastRun)
        sessionCommands.openFile(std::string());
    else
        newSession();
    updateIdleLoop();
}

bool TFmain::openStartFile() {
    if (startFile.empty()) return false;
    std::error_code error;
    if (std::filesystem::exists(startFile, error)) return sessionCommands.openFile(startFile);
    // The session opens quietly when there is no file; a file named on the
    // command line that is not there is worth the message.
    showMessage("Failed to open session: " + startFile);
    return false;
}

void TFmain::idleStep() {
    if (program.kineticsView.autoRefresh && program.animation.isAnimating())
        program.animation.step();
    updateIdleLoop();
}

bool TFmain::idleLoopRunning() const {
    return idleTimer->isActive();
}

void TFmain::updateIdleLoop() {
    const bool needed =
        started_ && !closing && program.kineticsView.autoRefresh && program.animation.isAnimating();
    if (needed && !idleTimer->isActive())
        idleTimer->start();
    else if (!needed && idleTimer->isActive())
        idleTimer->stop();
}

void TFmain::closeEvent(QCloseEvent* event) {
    if (!closing && !sessionCommands.mayClose()) {
        event->ignore();
        return;
    }
    closing = true;
    idleTimer->stop();
    startTimer->stop();
    for (QWidget* window :
         {static_cast<QWidget*>(equationsWindow), static_cast<QWidget*>(animationWindow),
          static_cast<QWidget*>(weightedObservationWindow)})
        window->close();
    event->accept();
}

void TFmain::showSessionName() {
    const std::string& file = program.session.fileName;
    setCaption(file.empty() ? std::string("new") : file);
}

void TFmain::repaintControl() {
    controlWindow->showStatus(std::string());
}

void TFmain::rebuildEquations(bool resetScroll) {
    equationsWindow->sortMode = sortAction->isChecked();
    equationsWindow->rebuild(resetScroll);
}

void TFmain::repaintSpeedbar() {
    speedbarWindow->update();
}

void TFmain::refreshWeightedObservation() {
    if (weightedObservationWindow->isVisible()) weightedObservationWindow->fill();
}

void TFmain::refreshKinetics() {
    kineticsWindow->refresh();
}

void TFmain::fillGeneralMenu(QMenu& menu, Poi point) {
    updateSystemMenu();
    menu.addActions(systemMenu->actions());
    // New objects go where the menu was opened, for as long as it exists.
    localMenuPoint = point;
    connect(&menu, &QObject::destroyed, this, [this] { localMenuPoint.reset(); });
}

void TFmain::showAnimationWindow() {
    showFloatingWindow(animationWindow);
}

void TFmain::editReactionSwitches(int reaction, bool backward) {
    showReactionSwitches(this, program.vReactor, reaction, backward, program.reactor,
                         program.animation, program);
}

void TFmain::animatedParameterChosen() {
    animationWindow->rebuild();
    repaintSpeedbar();
    rebuildEquations(false);
    updateIdleLoop();
}

void TFmain::showChildWindow(QMdiSubWindow* window) {
    window->showNormal();
    mdiArea->setActiveSubWindow(window);
    window->raise();
}

void TFmain::showFloatingWindow(QWidget* window) {
    // The animation and weighted observation windows centre themselves when
    // first shown.
    window->showNormal();
    window->raise();
    window->activateWindow();
}

void TFmain::showEquations() {
    showFloatingWindow(equationsWindow);
}

bool TFmain::animationWindowVisible() const {
    return animationWindow->isVisible();
}

void TFmain::closeAnimationWindow() {
    animationWindow->close();
}

void TFmain::openPreset(const PresetItem& preset) {
    sessionCommands.openPreset(preset);
}

void TFmain::togglePlay() {
    animationWindow->togglePlay();
}

bool TFmain::animationRunning() const {
    return program.animation.isAnimating();
}
