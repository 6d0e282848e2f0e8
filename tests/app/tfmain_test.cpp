#include "app/tfmain.h"

#include "app/tfbuttons.h"
#include "app/tfmainfixture.h"
#include "foundation/numberformat.h"
#include "support/manualtickclock.h"
#include "windows/animation/tfanimation.h"
#include "windows/control/tfcontrol.h"
#include "windows/kinetics/tfkinetics.h"
#include "windows/options/tfautooptions.h"
#include "windows/whenmodal.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

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
        {"System", "Set to 1", "Set rate constants",
         [](const Vreactor& v) { return v.reactions[0].rateConstant == 1; }},
        {"System", "Set Constant", "Set concentrations constant",
         [](const Vreactor& v) { return v.components[0].constant && !v.components[1].constant; }},
        {"System", "Movable Center, Adaptive Orientation", "Change arrow geometry",
         [](const Vreactor& v) { return v.reactions[0].geometry == -2; }},
        {"System", "Delete Reaction Switches", "Delete reaction switches",
         [](const Vreactor& v) {
             return v.reactions[0].switches.empty() && !v.reactions[0].selected;
         }},
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

TEST_F(TFmainTest, TheSpeedBarListsAndOpensTheSessionMenusPresets) {
    start();
    buildSystem();
    const std::string presets = dir.file("Presets");
    std::filesystem::create_directory(presets);
    ASSERT_TRUE(program->saveSession(presets + "/beta.vsn"));
    program->newSession();

    // The speed bar lists the same names, a non-ASCII one included.
    std::filesystem::copy_file(presets + "/beta.vsn", presets + "/\u00c4ther.vsn");
    emit window->sessionMenu->aboutToShow();
    TFbuttons* bar = window->speedbarWindow;
    QTest::mouseClick(bar->Bpresets, Qt::LeftButton);
    EXPECT_EQ(captions(bar->popup_presets), captions(window->presetsMenu));
    EXPECT_TRUE(captions(bar->popup_presets).contains(QString::fromUtf8("\u00c4ther")));
    bar->popup_presets->hide();
    bar->popup_presets->actions().at(0)->trigger();
    EXPECT_EQ(program->session.fileName, presets + "/beta.vsn");
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

    // "Up & Down" with the default period of 10 s.
    TFanimation* animation = window->animationWindow;
    TFbuttons* bar = window->speedbarWindow;
    QTest::mouseClick(bar->Banimate, Qt::LeftButton);
    ASSERT_TRUE(animation->isVisible());
    program->animation.motion = Animation::upAndDown;
    EXPECT_EQ(animation->CBpar->currentText(), "Rate constant of A -> B");

    // The speed bar's "Play" is the animation window's.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->playRect.center());
    EXPECT_EQ(program->animation.animatedParameter(), &reaction.rateConstant);
    EXPECT_EQ(lastLabel(), "Toggle parameter animation");
    EXPECT_TRUE(window->idleLoopRunning());
    EXPECT_EQ(window->kineticsWindow->animatedParameterLabel(), "Rate constant of A -> B");

    clock.now = 5000; // half the period: the upper end
    QTest::qWait(20);
    EXPECT_EQ(animation->valueText, formatNumber(4));
    EXPECT_EQ(reaction.rateConstant, 2) << "the set value between steps";
    EXPECT_EQ(concentrationsOfA(), atUpperEnd);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->playRect.center());
    EXPECT_FALSE(program->animation.isAnimating());
    EXPECT_FALSE(window->idleLoopRunning());
    EXPECT_EQ(concentrationsOfA(), atSetValue);
    QTest::mouseClick(bar->Banimate, Qt::LeftButton);
    EXPECT_FALSE(animation->isVisible());
}

TEST_F(TFmainTest, TheCaptionFollowsTheFileNameThroughUndo) {
    start();
    buildSystem();
    const std::string x = dir.file("x.vsn"), y = dir.file("y.vsn");
    ASSERT_TRUE(program->saveSession(x));
    ASSERT_TRUE(window->sessionCommands.openFile(x));
    choose(window->systemMenu, "New Component");
    whenModal<QFileDialog>([&y](QFileDialog& d) {
        d.selectFile(QString::fromStdString(y));
        static_cast<QDialog&>(d).accept();
    });
    choose(window->sessionMenu, "Save As...");
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + y);
    choose(window->systemMenu, "New Component");
    const auto run = [this](QAction* action) {
        emit window->sessionMenu->aboutToShow();
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    };
    run(window->undoAction);
    run(window->undoAction);
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + x);

    // Save writes the file the caption names.
    std::filesystem::remove(x);
    choose(window->sessionMenu, "Save");
    EXPECT_TRUE(std::filesystem::exists(x));
    run(window->redoAction);
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + x);
    window->program.goTo(2);
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - " + y);
}

TEST_F(TFmainTest, AnUnreadableLastRunIsKeptAside) {
    program->preferences.rememberLastRun = true;
    const std::string lastRun = program->lastRunFile();
    const std::string aside = dir.file("lastRun.unreadable.vsn");
    writeFileBytes(aside, "older");
    writeFileBytes(lastRun, "not a session");
    start();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "Failed to open session: " + lastRun + "\nIt was moved to " +
                                        aside +
                                        " so that your last work is not overwritten at exit.");
    EXPECT_EQ(readFileBytes(aside), "not a session");
    EXPECT_EQ(window->windowTitle(), "Velumbra");
    {
        NoModalGuard guard;
        EXPECT_TRUE(window->close());
    }
    EXPECT_TRUE(std::filesystem::exists(lastRun));
    EXPECT_EQ(readFileBytes(aside), "not a session");
}

} // namespace
