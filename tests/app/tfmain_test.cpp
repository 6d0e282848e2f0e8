#include "app/tfmain.h"
#include "windows/equations/tfequations.h"
#include "windows/reactions/tfreactions.h"

#include "app/placeholderwindow.h"
#include "app/windowarrangement.h"
#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"
#include "windows/control/tfcontrol.h"
#include "windows/input/tfinputfield.h"
#include "windows/options/tfautooptions.h"
#include "windows/whenmodal.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

QAction* item(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) return action;
        if (action->menu())
            if (QAction* inner = item(action->menu(), caption)) return inner;
    }
    return nullptr;
}

QStringList captions(QMenu* menu) {
    QStringList list;
    for (QAction* action : menu->actions())
        list << action->text();
    return list;
}

class TFmainTest : public ::testing::Test {
protected:
    ~TFmainTest() override {
        window.reset();
        program.reset();
    }

    void start() {
        window = std::make_unique<TFmain>(*program);
        window->resize(1000, 700);
        window->show();
        window->firstTick();
    }

    // Opens the menu's enabling and runs the item as a click would.
    void choose(QMenu* menu, const QString& caption) {
        emit menu->aboutToShow();
        QAction* action = item(menu, caption);
        ASSERT_TRUE(action) << caption.toStdString();
        if (QMenu* parent = qobject_cast<QMenu*>(action->parent())) emit parent->aboutToShow();
        ASSERT_TRUE(action->isEnabled()) << caption.toStdString();
        action->trigger();
    }

    std::string lastLabel() const { return program->history.label(program->history.current()); }

    // Two components, A (selected) and B, and a selected reaction A -> B
    // with a switch, recorded as the first level of a new session.
    void buildSystem() {
        Vreactor& v = program->vReactor;
        const int a = addComponent(v, "A", 1);
        const int b = addComponent(v, "B", 0);
        Vreaction& r = addReaction(v, {{a, 1, -1}, {b, 1, +1}}, 2);
        r.selected = true;
        addSwitches(r.switches, {1});
        v.components[a].selected = true;
        broadcast(systemChanged);
        program->history.clear();
        program->pushUndo("[New session]", false);
    }

    TempDir dir;
    RecordingMessageSink messages;
    std::unique_ptr<Program> program = std::make_unique<Program>(dir.path());
    std::unique_ptr<TFmain> window;
};

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
    EXPECT_EQ(window->animationWindow->windowTitle(), "Parameter Animation");
    EXPECT_EQ(window->animationWindow->size(), QSize(550, 106));
    EXPECT_FALSE(window->animationWindow->isVisible());
    EXPECT_EQ(window->weightedObservationWindow->windowTitle(), "Weighted Observation");
    EXPECT_EQ(window->weightedObservationWindow->size(), QSize(401, 321));
    EXPECT_FALSE(window->weightedObservationWindow->isVisible());
}

TEST_F(TFmainTest, StartUpRegistersTheReceiversAndStartsANewSession) {
    start();
    const Llist<EventReceiver*>& r = eventRegistry().receivers;
    ASSERT_EQ(r.count(), 6);
    EXPECT_EQ(r[0], &program->vReactor);
    EXPECT_EQ(r[1], &*window->reactionReceiver);
    EXPECT_EQ(r[2], &program->calculation);
    EXPECT_EQ(r[3], &program->weightedObservation);
    EXPECT_EQ(r[4], &program->animation);
    EXPECT_EQ(r[5], &window->receiver);
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
