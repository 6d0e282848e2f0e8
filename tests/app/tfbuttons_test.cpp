#include "app/tfbuttons.h"

#include "app/speedbarhost.h"
#include "windows/windowtest.h"

namespace {

using Calls = std::vector<std::string>;

// Records the commands the speed bar runs.
struct FakeHost : SpeedBarHost {
    void newSession() override { calls.push_back("new"); }
    void openSession() override { calls.push_back("open"); }
    void undo() override { calls.push_back("undo"); }
    void redo() override { calls.push_back("redo"); }
    void showHistory() override { calls.push_back("history"); }
    void showEquations() override { calls.push_back("equations"); }
    bool animationWindowVisible() const override { return animationWindow; }
    void showAnimationWindow() override { calls.push_back("show"), animationWindow = true; }
    void closeAnimationWindow() override { calls.push_back("close"), animationWindow = false; }
    std::vector<PresetItem> presets() const override { return presetItems; }
    void openPreset(const PresetItem& item) override { calls.push_back(item.path); }
    Text_ recentFiles() const override { return recent; }
    void openRecent(int index) override { calls.push_back("recent " + std::to_string(index)); }
    void togglePlay() override { calls.push_back("play"), running = !running; }
    bool animationRunning() const override { return running; }

    Calls calls;
    bool animationWindow = false;
    bool running = false;
    std::vector<PresetItem> presetItems;
    Text_ recent;
};

class TFbuttonsTest : public ::testing::Test {
protected:
    TFbuttonsTest() : bar(host) { bar.show(); }

    void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    FakeHost host;
    TFbuttons bar;
};

TEST_F(TFbuttonsTest, ButtonsRunTheMainWindowsCommands) {
    const std::tuple<QToolButton*, const char*, Calls> cases[] = {
        {bar.Bnew, "New", {"new"}},
        {bar.Bopen, "Open", {"open"}},
        {bar.Bpresets, "Presets", {}},
        {bar.Brecent, "Recent", {}},
        {bar.Bundo, "Undo", {"undo"}},
        {bar.Bredo, "Redo", {"redo"}},
        {bar.Bhistory, "History", {"history"}},
        {bar.Bequations, "Equations", {"equations"}},
        {bar.Banimate, "Animation", {"show"}},
    };
    for (const auto& [button, caption, calls] : cases) {
        EXPECT_EQ(button->text(), caption);
        host.calls.clear();
        click(button);
        EXPECT_EQ(host.calls, calls) << caption;
    }
    click(bar.Banimate);
    EXPECT_EQ(host.calls, (Calls{"show", "close"})) << "a second press closes it";
}

TEST_F(TFbuttonsTest, PopUpsListPresetsAndRecentFilesAndOpenTheChosenOne) {
    host.presetItems = {{"A", "/p/A.first.vsn"}, {"b", "/p/b.vsn"}};
    host.recent.add("/s/one.vsn");
    click(bar.Bpresets);
    ASSERT_EQ(bar.popup_presets->actions().size(), 2);
    bar.popup_presets->actions()[1]->trigger();
    bar.popup_presets->hide();
    click(bar.Brecent);
    ASSERT_EQ(bar.popup_recent->actions().size(), 1);
    bar.popup_recent->actions()[0]->trigger();
    bar.popup_recent->hide();
    EXPECT_EQ(host.calls, (Calls{"/p/b.vsn", "recent 0"}));
    host.presetItems.clear();
    click(bar.Bpresets);
    EXPECT_TRUE(bar.popup_presets->actions().isEmpty()) << "refilled on every press";
    EXPECT_FALSE(bar.popup_presets->isVisible());
}

} // namespace
