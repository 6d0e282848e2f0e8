#include "app/tfmain.h"
#include "windows/equations/tfequations.h"
#include "windows/reactions/tfreactions.h"

#include "app/tfbuttons.h"
#include "app/tfmainfixture.h"
#include "app/windowarrangement.h"
#include "foundation/numberformat.h"
#include "support/manualtickclock.h"
#include "windows/animation/animationoptions.h"
#include "windows/animation/tfanimation.h"
#include "windows/control/tfcontrol.h"
#include "windows/input/tfinputfield.h"
#include "windows/kinetics/kineticslook.h"
#include "windows/kinetics/tfkinetics.h"
#include "windows/options/tfautooptions.h"
#include "windows/whenmodal.h"
#include "windows/wobs/tfwobs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TEST_F(TFmainTest, WindowsHaveTheirCaptionsSizesAndDefaultPlaces) {
    start();
    EXPECT_EQ(window->windowTitle(), "Velumbra - new");
    EXPECT_EQ(window->centralWidget(), window->mdiArea);
    const std::pair<QMdiSubWindow*, const char*> children[] = {
        {window->reactionSubWindow, "Reaction System"},
        {window->controlSubWindow, "Simulation Control"},
        {window->speedbarSubWindow, "Speedbar "},
        {window->kineticsSubWindow, "Reaction Kinetics"},
    };
    for (const auto& [child, caption] : children) {
        EXPECT_EQ(child->windowTitle(), caption);
        EXPECT_EQ(child->mdiArea(), window->mdiArea);
        EXPECT_TRUE(child->isVisible()) << caption;
    }
    EXPECT_EQ(window->controlWindow->size(), QSize(201, 259));
    EXPECT_EQ(window->speedbarWindow->size(), QSize(106, 259));

    const WindowArrangement a = defaultWindowArrangement(window->mdiArea->contentsRect().size(),
                                                         window->controlSubWindow->size(),
                                                         window->speedbarSubWindow->size());
    EXPECT_EQ(window->reactionSubWindow->geometry(), a.reactions);
    EXPECT_EQ(window->controlSubWindow->geometry(), a.control);
    EXPECT_EQ(window->speedbarSubWindow->geometry(), a.speedbar);
    EXPECT_EQ(window->kineticsSubWindow->geometry(), a.kinetics);
    EXPECT_EQ(a.reactions.width(), window->mdiArea->contentsRect().width() - 13);

    // The floating windows stay on top; only the equations show at start.
    const QWidget* equations = window->equationsWindow;
    EXPECT_TRUE(equations->isVisible());
    EXPECT_TRUE(equations->windowFlags().testFlag(Qt::Tool));
    const QRect reactionClient(window->reactionWindow->mapToGlobal(QPoint(0, 0)),
                               window->reactionWindow->size());
    const QRect placed = equationsPlacement(reactionClient);
    EXPECT_EQ(placed.width(), 348);
    EXPECT_EQ(equations->frameGeometry().size(), placed.size());
    // The offscreen platform puts the client where the frame was asked for.
    EXPECT_TRUE(equations->frameGeometry().topLeft() == placed.topLeft() ||
                equations->geometry().topLeft() == placed.topLeft());
    const std::tuple<QWidget*, const char*, QSize> floating[] = {
        {window->animationWindow, "Parameter Animation", {550, 106}},
        {window->weightedObservationWindow, "Weighted Observation", {401, 321}},
    };
    for (const auto& [floater, caption, size] : floating) {
        EXPECT_EQ(floater->windowTitle(), caption);
        EXPECT_EQ(floater->size(), size) << caption;
        EXPECT_FALSE(floater->isVisible()) << caption;
        EXPECT_TRUE(floater->isWindow() && floater->parentWidget() == window.get()) << caption;
        EXPECT_TRUE(floater->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << caption;
    }
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(TFmainTest, StartUpRegistersTheReceiversAndStartsANewSession) {
    start();
    const Llist<EventReceiver*>& r = eventRegistry().receivers;
    const EventReceiver* const order[] = {
        &program->vReactor,    &*window->reactionReceiver,
        &program->calculation, &program->weightedObservation,
        &program->animation,   &*window->animationReceiver,
        &window->receiver,
    };
    ASSERT_EQ(r.count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(r[i], order[i]) << i;
    EXPECT_EQ(program->history.count(), 1);
    EXPECT_EQ(lastLabel(), "[New session]");
    // The calculation of the new session reached the status box.
    EXPECT_EQ(window->controlWindow->status, program->status);
    EXPECT_FALSE(program->status.empty());
    EXPECT_EQ(program->progress, &window->progressRunner);

    window.reset();
    EXPECT_EQ(program->progress, nullptr);
    EXPECT_FALSE(program->statusDisplay);
}

TEST_F(TFmainTest, RememberedLastRunIsWrittenAtCloseAndOpenedAtStart) {
    program->preferences.rememberLastRun = true;
    start();
    addComponent(program->vReactor, "Q", 1);
    program->pushUndo("New component", false);
    {
        NoModalGuard guard;
        EXPECT_TRUE(window->close());
    }
    EXPECT_TRUE(window->closing);
    const std::string lastRun = program->lastRunFile();
    EXPECT_TRUE(std::filesystem::exists(lastRun));

    window.reset();
    program.reset();
    program = std::make_unique<Program>(dir.path());
    EXPECT_TRUE(program->preferences.rememberLastRun) << "read back from prefs.cfg";
    start();
    ASSERT_EQ(program->vReactor.components.count(), 1);
    EXPECT_EQ(program->vReactor.components[0].name, "Q");
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + lastRun);
    EXPECT_EQ(lastLabel(), "[Open session]");
}

// "velumbra FILE.vsn": the named session comes in place of the last run; a
// file that cannot be opened is reported and the start goes on as without it.
TEST_F(TFmainTest, StartFileOpensInPlaceOfTheLastRun) {
    program->preferences.rememberLastRun = true;
    addComponent(program->vReactor, "Last", 1);
    ASSERT_TRUE(program->saveSession(program->lastRunFile()));
    program->vReactor.deleteAll();
    addComponent(program->vReactor, "Given", 2);
    const std::string given = dir.path() + "/given.vsn";
    ASSERT_TRUE(program->saveSession(given));
    const std::string broken = dir.path() + "/broken.vsn";
    writeFileBytes(broken, "not a session");

    const struct {
        std::string file;
        const char* expectedComponent;
        bool reported;
    } cases[] = {
        {given, "Given", false},
        {dir.path() + "/missing.vsn", "Last", true},
        {broken, "Last", true},
    };
    for (const auto& c : cases) {
        window.reset();
        messages.messages.clear();
        window = std::make_unique<TFmain>(*program);
        window->startFile = c.file;
        window->show();
        window->firstTick();
        ASSERT_EQ(program->vReactor.components.count(), 1) << c.file;
        EXPECT_EQ(program->vReactor.components[0].name, c.expectedComponent) << c.file;
        EXPECT_EQ(lastLabel(), "[Open session]") << c.file;
        if (c.reported) {
            ASSERT_EQ(messages.messages.size(), 1u) << c.file;
            EXPECT_EQ(messages.messages[0], "Failed to open session: " + c.file);
        } else {
            EXPECT_TRUE(messages.messages.empty()) << c.file;
            EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + given);
        }
    }
}

TEST_F(TFmainTest, ClosingAsksWhenSomethingWouldBeLost) {
    start();
    addComponent(program->vReactor, "A", 1);
    program->pushUndo("New component", false);
    whenModal<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Save actual session?");
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->closing);
    whenModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(window->closing);
    EXPECT_FALSE(std::filesystem::exists(program->lastRunFile()));
}

TEST_F(TFmainTest, SystemCommandsChangeTheModelAndRecordTheirLabels) {
    struct Case {
        const char* menu;
        const char* item;
        const char* label;
        std::function<bool(const Vreactor&)> effect;
    };
    const Case cases[] = {
        {"System", "Deactivate Reactions", "Deactivate reactions",
         [](const Vreactor& v) { return !v.reactions[0].active; }},
        {"System", "Activate Reactions", "Activate reactions",
         [](const Vreactor& v) { return v.reactions[0].active && v.reactions[0].activeBack; }},
        {"System", "Set to 1", "Set rate constants",
         [](const Vreactor& v) { return v.reactions[0].rateConstant == 1; }},
        {"System", "Set to Zero", "Set concentrations",
         [](const Vreactor& v) { return v.components[0].initialConcentration == 0; }},
        {"System", "Set Constant", "Set concentrations constant",
         [](const Vreactor& v) { return v.components[0].constant && !v.components[1].constant; }},
        {"System", "Set Free", "Set concentrations free",
         [](const Vreactor& v) { return !v.components[0].constant; }},
        {"System", "Movable Center, Adaptive Orientation", "Change arrow geometry",
         [](const Vreactor& v) { return v.reactions[0].geometry == -2; }},
        {"System", "Delete Reaction Switches", "Delete reaction switches",
         [](const Vreactor& v) {
             return v.reactions[0].switches.empty() && !v.reactions[0].selected;
         }},
        {"System", "Delete Reactions", "Delete reactions",
         [](const Vreactor& v) { return v.reactions.empty() && v.components.count() == 2; }},
        {"System", "Delete Objects", "Delete objects",
         [](const Vreactor& v) { return v.reactions.empty() && v.components.count() == 1; }},
        {"System", "Delete All", "Delete all",
         [](const Vreactor& v) { return v.reactions.empty() && v.components.empty(); }},
        {"System", "New Component", "New component",
         [](const Vreactor& v) { return v.components.count() == 3 && v.nothingSelected(); }},
        {"System", "New Reaction", "New reaction",
         [](const Vreactor& v) {
             return v.reactions.count() == 2 && v.reactions[1].pos == Poi{168, 112};
         }},
        {"View", "No Grid", "Change grid mode", [](const Vreactor& v) { return !v.useGrid; }},
    };
    start();
    for (const Case& c : cases) {
        program->newSession();
        buildSystem();
        QMenu* menu = QString(c.menu) == "View" ? window->viewMenu : window->systemMenu;
        choose(menu, c.item);
        EXPECT_EQ(lastLabel(), c.label) << c.item;
        EXPECT_EQ(program->history.count(), 2) << c.item;
        EXPECT_TRUE(c.effect(program->vReactor)) << c.item;
        EXPECT_TRUE(program->session.modified) << c.item;
    }
}

TEST_F(TFmainTest, SelectionCommandsRecordNothing) {
    start();
    buildSystem();
    choose(window->systemMenu, "Select All");
    EXPECT_TRUE(program->vReactor.components[1].selected);
    choose(window->systemMenu, "Invert Selection");
    EXPECT_TRUE(program->vReactor.nothingSelected());
    EXPECT_EQ(program->history.count(), 1);
}

TEST_F(TFmainTest, BulkValuesAreAskedWithoutTouchPad) {
    start();
    buildSystem();
    QString title;
    whenModal<TFinputField>([&](TFinputField& d) {
        title = d.windowTitle();
        EXPECT_TRUE(d.sensor->isHidden());
        d.Evalue->setText(QStringLiteral("2.5"));
        QTest::keyClick(d.Evalue, Qt::Key_Return);
    });
    choose(window->systemMenu, "Set to...");
    EXPECT_EQ(title, "Set rate constants to");
    EXPECT_EQ(program->vReactor.reactions[0].rateConstant, 2.5);
    EXPECT_EQ(lastLabel(), "Set rate constants");

    // Multiplying by an unchanged 1 records nothing; cancelling neither.
    whenModal<TFinputField>([](TFinputField& d) { QTest::mouseClick(d.Bok, Qt::LeftButton); });
    window->askConcentrations(true);
    whenModal<TFinputField>([](TFinputField& d) { d.reject(); });
    window->askRateConstants(false);
    EXPECT_EQ(program->history.count(), 2);

    whenModal<TFinputField>([&](TFinputField& d) {
        title = d.windowTitle();
        d.Evalue->setText(QStringLiteral("4"));
        QTest::keyClick(d.Evalue, Qt::Key_Return);
    });
    window->askConcentrations(true);
    EXPECT_EQ(title, "Multiply initial concentrations by");
    EXPECT_EQ(program->vReactor.components[0].initialConcentration, 4);
    EXPECT_EQ(program->vReactor.components[1].initialConcentration, 0);
    EXPECT_EQ(lastLabel(), "Multiply concentrations");
}

TEST_F(TFmainTest, UndoAndRedoNameTheEditTheyAffect) {
    start();
    emit window->sessionMenu->aboutToShow();
    EXPECT_EQ(window->undoAction->text(), "Undo");
    EXPECT_FALSE(window->undoAction->isEnabled());
    EXPECT_FALSE(window->saveAction->isEnabled());

    choose(window->systemMenu, "New Component");
    choose(window->systemMenu, "New Reaction");
    emit window->sessionMenu->aboutToShow();
    EXPECT_EQ(window->undoAction->text(), "Undo - New reaction");
    EXPECT_FALSE(window->redoAction->isEnabled());

    choose(window->sessionMenu, "Undo - New reaction");
    EXPECT_TRUE(program->vReactor.reactions.empty());
    emit window->sessionMenu->aboutToShow();
    EXPECT_EQ(window->undoAction->text(), "Undo - New component");
    EXPECT_EQ(window->redoAction->text(), "Redo - New reaction");
    EXPECT_TRUE(window->redoAction->isEnabled());

    choose(window->sessionMenu, "Redo - New reaction");
    EXPECT_EQ(program->vReactor.reactions.count(), 1);
}

TEST_F(TFmainTest, DefineByResultNeedsAutoRefresh) {
    start();
    buildSystem();
    emit window->systemMenu->aboutToShow();
    EXPECT_TRUE(window->defineByResultAction->isEnabled());
    program->kineticsView.autoRefresh = false;
    emit window->systemMenu->aboutToShow();
    EXPECT_FALSE(window->defineByResultAction->isEnabled());
    EXPECT_TRUE(window->concentrationsMenu->menuAction()->isEnabled());

    program->kineticsView.autoRefresh = true;
    broadcast(systemChanged);
    // The reaction switch at 1 s stops A -> B (k = 2): A keeps about e^-2.
    const double aAtEnd = program->reactor.concentrations[0];
    EXPECT_NEAR(aAtEnd, std::exp(-2.0), 1e-3);
    choose(window->systemMenu, "Define by Result");
    EXPECT_EQ(program->vReactor.components[0].initialConcentration, aAtEnd);
    EXPECT_EQ(program->vReactor.components[1].initialConcentration, 0) << "not selected";
    EXPECT_EQ(lastLabel(), "Define concentrations by result");
}

TEST_F(TFmainTest, GridModesSnapOnlyWhenTheGridIsUsed) {
    start();
    buildSystem();
    Vreactor& v = program->vReactor;
    v.useGrid = false;
    v.components[0].pos = {100, 60};
    choose(window->viewMenu, "No Grid");
    EXPECT_EQ(v.components[0].pos, (Poi{100, 60}));
    choose(window->viewMenu, "Visible Grid");
    EXPECT_EQ(v.components[0].pos, (Poi{112, 56}));
    EXPECT_TRUE(v.useGrid && v.showGrid);
    emit window->viewMenu->aboutToShow();
    EXPECT_TRUE(window->gridActions[2]->isChecked());
    choose(window->viewMenu, "Invisible Grid");
    emit window->viewMenu->aboutToShow();
    EXPECT_TRUE(window->gridActions[1]->isChecked());
    EXPECT_EQ(lastLabel(), "Change grid mode");
    EXPECT_EQ(program->history.count(), 4);
}

TEST_F(TFmainTest, SavedSessionsReopenFromRecent) {
    start();
    buildSystem();
    const std::string file = dir.file("kinetics.vsn");
    whenModal<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Save Session");
        d.selectFile(QString::fromStdString(file));
        static_cast<QDialog&>(d).accept();
    });
    choose(window->sessionMenu, "Save As...");
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + file);
    emit window->sessionMenu->aboutToShow();
    EXPECT_TRUE(window->saveAction->isEnabled());

    {
        NoModalGuard guard;
        choose(window->sessionMenu, "New");
    }
    EXPECT_TRUE(program->vReactor.components.empty());
    EXPECT_EQ(window->windowTitle(), "Velumbra - new");

    emit window->sessionMenu->aboutToShow();
    EXPECT_EQ(captions(window->recentMenu), QStringList{QString::fromStdString(file)});
    window->recentMenu->actions().at(0)->trigger();
    EXPECT_EQ(program->vReactor.components.count(), 2);
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + file);
    EXPECT_EQ(lastLabel(), "[Open session]");
}

TEST_F(TFmainTest, PresetsAreListedByNameAndOpened) {
    start();
    buildSystem();
    const std::string presets = dir.file("Presets");
    std::filesystem::create_directory(presets);
    ASSERT_TRUE(program->saveSession(presets + "/beta.vsn"));
    std::filesystem::copy_file(presets + "/beta.vsn", presets + "/Alpha.vsn");
    std::filesystem::copy_file(presets + "/beta.vsn", presets + "/two.dots.vsn");
    writeFileBytes(presets + "/notes.txt", "x");
    program->newSession();

    emit window->sessionMenu->aboutToShow();
    EXPECT_EQ(captions(window->presetsMenu), (QStringList{"Alpha", "beta", "two"}));
    window->presetsMenu->actions().at(0)->trigger();
    EXPECT_EQ(program->vReactor.components.count(), 2);
    EXPECT_EQ(program->session.fileName, presets + "/Alpha.vsn");

    // The speed bar lists the same names, a non-ASCII one included.
    std::filesystem::copy_file(presets + "/beta.vsn", presets + "/\u00c4ther.vsn");
    emit window->sessionMenu->aboutToShow();
    TFbuttons* bar = window->speedbarWindow;
    QTest::mouseClick(bar->Bpresets, Qt::LeftButton);
    EXPECT_EQ(captions(bar->popup_presets), captions(window->presetsMenu));
    EXPECT_TRUE(captions(bar->popup_presets).contains(QString::fromUtf8("\u00c4ther")));
    bar->popup_presets->hide();
    bar->popup_presets->actions().at(1)->trigger();
    EXPECT_EQ(program->session.fileName, presets + "/beta.vsn");
}

TEST_F(TFmainTest, TheIdleLoopRunsOnlyWhileAnAnimationCanStep) {
    start();
    buildSystem();
    EXPECT_FALSE(window->idleLoopRunning());
    program->animation.setAnimated(&program->vReactor.components[0].initialConcentration);
    EXPECT_TRUE(window->idleLoopRunning());

    // The loop steps the animation: each step recomputes the kinetics.
    const double before = program->reactor.concentrations[1];
    QTest::qWait(50);
    EXPECT_NE(program->reactor.concentrations[1], before);
    EXPECT_EQ(program->vReactor.components[0].initialConcentration, 1) << "set value kept";

    // It goes on while a modal dialog is open.
    whenModal<TFinputField>([&](TFinputField& d) {
        const double during = program->reactor.concentrations[1];
        QTest::qWait(50);
        EXPECT_NE(program->reactor.concentrations[1], during);
        d.reject();
    });
    window->askRateConstants(false);

    TFcontrol* control = window->controlWindow;
    QTest::mouseClick(control, Qt::LeftButton, {}, control->autoRefreshRect.center());
    EXPECT_FALSE(window->idleLoopRunning());
    QTest::mouseClick(control, Qt::LeftButton, {}, control->autoRefreshRect.center());
    EXPECT_TRUE(window->idleLoopRunning());

    program->animation.setAnimated(&program->vReactor.components[0].initialConcentration);
    EXPECT_FALSE(window->idleLoopRunning());
}

TEST_F(TFmainTest, PreferencesApplyLiveAndCancelRestores) {
    start();
    const int precision = numberPrecision;
    bool openWhileShown = false;
    whenModal<TFautoOptions>([&](TFautoOptions& d) {
        openWhileShown = window->preferencesDialogOpen;
        const TFautoOptions::Row& row = d.rows.at(1);
        QTest::mouseClick(&d, Qt::LeftButton, {}, TFautoOptions::plusRect(row).center());
        EXPECT_EQ(numberPrecision, precision + 1);
        EXPECT_EQ(program->preferences.floatingPointPrecision, precision + 1);
        d.reject();
    });
    choose(window->sessionMenu, "Preferences...");
    EXPECT_TRUE(openWhileShown);
    EXPECT_FALSE(window->preferencesDialogOpen);
    EXPECT_EQ(numberPrecision, precision);
}

TEST_F(TFmainTest, TheViewMenuBringsWindowsBack) {
    start();
    window->controlSubWindow->close();
    EXPECT_FALSE(window->controlSubWindow->isVisible());
    choose(window->viewMenu, "Simulation Control...");
    EXPECT_TRUE(window->controlSubWindow->isVisible());
    EXPECT_EQ(window->mdiArea->activeSubWindow(), window->controlSubWindow);

    choose(window->viewMenu, "Parameter Animation...");
    EXPECT_TRUE(window->animationWindow->isVisible());

    window->equationsWindow->hide();
    choose(window->viewMenu, "   Sort Equations and Components");
    EXPECT_TRUE(window->sortAction->isChecked());
    EXPECT_TRUE(window->equationsWindow->isVisible());
    choose(window->viewMenu, "   Sort Equations and Components");
    EXPECT_FALSE(window->sortAction->isChecked());
}

} // namespace

namespace {

std::vector<double> values(const Llist<double>& list) {
    return {list.begin(), list.end()};
}

TEST_F(TFmainTest, AnAnimatedRateConstantMovesTheCurvesFromTheIdleLoop) {
    ManualTickClock clock;
    start();
    buildSystem();
    Vreaction& reaction = program->vReactor.reactions[0];
    const auto concentrationsOfA = [this] {
        return values(program->calculation.kinetics[0].values);
    };
    // The kinetics at the set value (k = 2) and at the upper end of the motion.
    reaction.rateConstant = 4;
    broadcast(parametersChanged);
    const std::vector<double> atUpperEnd = concentrationsOfA();
    reaction.rateConstant = 2;
    broadcast(parametersChanged);
    const std::vector<double> atSetValue = concentrationsOfA();
    ASSERT_NE(atUpperEnd, atSetValue);

    // "Up & Down" three "-" clicks away from the default, a period of 10 s.
    TFanimation* animation = window->animationWindow;
    TFbuttons* bar = window->speedbarWindow;
    QTest::mouseClick(bar->Banimate, Qt::LeftButton);
    ASSERT_TRUE(animation->isVisible());
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(animation, Qt::LeftButton, {},
                          animation->rects.fields[motionField].minus.center());
    ASSERT_EQ(program->animation.motion, Animation::upAndDown);
    ASSERT_EQ(program->animation.period, 10);
    EXPECT_EQ(animation->CBpar->currentText(), "Rate constant of A -> B");

    // The speed bar's "Play" is the animation window's.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->playRect.center());
    EXPECT_EQ(program->animation.animatedParameter(), &reaction.rateConstant);
    EXPECT_EQ(lastLabel(), "Toggle parameter animation");
    EXPECT_TRUE(window->idleLoopRunning());
    EXPECT_EQ(window->kineticsWindow->animatedParameterLabel(), "Rate constant of A -> B");

    const std::pair<std::int64_t, double> ticks[] = {{2500, 2.5}, {5000, 4}, {10000, 1}};
    for (const auto& [now, k] : ticks) {
        SCOPED_TRACE(now);
        clock.now = now;
        QTest::qWait(20);
        EXPECT_EQ(animation->valueText, formatNumber(k));
        EXPECT_EQ(reaction.rateConstant, 2) << "the set value between steps";
    }
    clock.now = 5000;
    QTest::qWait(20);
    EXPECT_EQ(concentrationsOfA(), atUpperEnd);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->playRect.center());
    EXPECT_FALSE(program->animation.isAnimating());
    EXPECT_FALSE(window->idleLoopRunning());
    EXPECT_EQ(concentrationsOfA(), atSetValue);
    QTest::mouseClick(bar->Banimate, Qt::LeftButton);
    EXPECT_FALSE(animation->isVisible());
}

TEST_F(TFmainTest, DeletingOrDeactivatingTheAnimatedReactionStopsTheAnimation) {
    start();
    for (const char* command : {"Deactivate Reactions", "Delete Reactions"}) {
        SCOPED_TRACE(command);
        program->newSession();
        buildSystem();
        program->animation.setAnimated(&program->vReactor.reactions[0].rateConstant);
        window->animatedParameterChosen();
        ASSERT_TRUE(window->idleLoopRunning());
        choose(window->systemMenu, command);
        EXPECT_FALSE(program->animation.isAnimating());
        EXPECT_FALSE(window->idleLoopRunning());
        EXPECT_EQ(window->animationWindow->CBpar->count(), 2) << "the two concentrations";
        const Llist<double>& a = program->calculation.kinetics[0].values;
        EXPECT_EQ(a[a.last()], 1) << "recomputed without the reaction";
    }
}

TEST_F(TFmainTest, WeightedObservationFollowsTheSystemAndShowsItsCurve) {
    start();
    buildSystem();
    const auto observationPixels = [this] {
        const QImage& plot = window->kineticsWindow->plotBitmap();
        int count = 0;
        for (int y = 0; y < plot.height(); ++y)
            for (int x = 0; x < plot.width(); ++x)
                count += plot.pixelColor(x, y) == observationColour;
        return count;
    };
    EXPECT_EQ(observationPixels(), 0);

    choose(window->viewMenu, "Weighted Observation...");
    TFwObs* wobs = window->weightedObservationWindow;
    ASSERT_TRUE(wobs->isVisible());
    QTest::mouseClick(wobs->CBactive, Qt::LeftButton);
    EXPECT_TRUE(program->weightedObservation.active);
    EXPECT_EQ(lastLabel(), "Activate/deactivate weighted observation");
    // Both weights are 1 and A -> B keeps A + B at 1.
    const Llist<double>& observed = program->weightedObservation.values;
    ASSERT_EQ(observed.count(), program->calculation.kinetics[0].values.count());
    EXPECT_NEAR(program->weightedObservation.minimum, 1, 1e-12);
    EXPECT_NEAR(program->weightedObservation.maximum, 1, 1e-12);
    EXPECT_GT(observationPixels(), 0);

    // The list follows names and values changed elsewhere while it is shown.
    program->vReactor.components[1].name = "Product";
    broadcast(namesChanged);
    EXPECT_TRUE(wobs->LBweights->item(1)->text().startsWith("Product "));
    program->vReactor.components[1].weight = 3;
    broadcast(systemChanged);
    EXPECT_TRUE(wobs->LBweights->item(1)->text().endsWith(" 3"));
    EXPECT_NEAR(program->weightedObservation.maximum, 1 + 2 * (1 - std::exp(-2.0)), 1e-3);
}

} // namespace
