#include "windows/options/tfautooptions.h"

#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "session/preferences.h"
#include "windows/whenmodal.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct EventRecorder : EventReceiver {
    void receive(int event) override { events.push_back(event); }
    std::vector<int> events;
};

class TFautoOptionsTest : public ::testing::Test {
protected:
    TFautoOptionsTest() {
        eventRegistry().clear();
        registerReceiver(&recorder);
    }
    ~TFautoOptionsTest() override {
        eventRegistry().clear();
        numberPrecision = 3;
        alwaysScientific = false;
    }

    // The row of the option whose key is given.
    const TFautoOptions::Row& row(const TFautoOptions& d, const std::string& key) {
        for (const TFautoOptions::Row& r : d.rows)
            if (r.option >= 0 && preferences.option(r.option).key == key) return r;
        ADD_FAILURE() << key;
        return d.rows.front();
    }
    void click(TFautoOptions& d, QPoint p) { QTest::mouseClick(&d, Qt::LeftButton, {}, p); }

    Preferences preferences{""};
    EventRecorder recorder;
};

constexpr const char* precisionKey = "Floating point precision on user interface [digits]";

} // namespace

TEST_F(TFautoOptionsTest, RowsFollowTheTable) {
    TFautoOptions d(preferences, "Preferences", true);
    EXPECT_EQ(d.windowTitle(), "Preferences");
    // 4 categories, 18 options, 3 empty rows.
    ASSERT_EQ(d.rows.size(), 25u);
    EXPECT_EQ(d.size(), QSize(422, 8 + 18 * 25 + 64));
    EXPECT_EQ(d.rows[0].rect, QRect(8, 9, 350, 18));
    EXPECT_EQ(d.rows[5].option, -1) << "before \"Reaction system view\"";
    EXPECT_EQ(preferences.option(d.rows[6].option).key, "Reaction system view");
    EXPECT_EQ(d.rows[24].rect.top(), 9 + 18 * 24);
    EXPECT_EQ(d.okRect.size(), QSize(80, 24));
    EXPECT_EQ(d.okRect.left() - d.resetRect.right() - 1, 4);
    EXPECT_EQ(d.cancelRect.left() - d.okRect.right() - 1, 4);
    EXPECT_LE(d.cancelRect.bottom(), d.height());
    EXPECT_GT(d.resetRect.top(), d.rows.back().rect.bottom());

    TFautoOptions untitled(preferences, "", false);
    EXPECT_EQ(untitled.windowTitle(), "Options");
}

TEST_F(TFautoOptionsTest, ClicksChangeOptionsWithinTheirLimits) {
    TFautoOptions d(preferences, "Preferences", true);
    d.show();
    const TFautoOptions::Row& precision = row(d, precisionKey);
    struct Step {
        QRect (*button)(const TFautoOptions::Row&);
        int expected;
    };
    const Step steps[] = {
        {&TFautoOptions::minusRect, 3}, {&TFautoOptions::plusRect, 4},
        {&TFautoOptions::plusRect, 5},  {&TFautoOptions::plusRect, 6},
        {&TFautoOptions::plusRect, 6},  {&TFautoOptions::minusRect, 5},
    };
    for (const Step& s : steps) {
        click(d, s.button(precision).center());
        EXPECT_EQ(preferences.floatingPointPrecision, s.expected);
        EXPECT_EQ(numberPrecision, s.expected) << "live";
    }
    // The number's label does nothing.
    click(d, precision.rect.topLeft() + QPoint(20, 5));
    EXPECT_EQ(preferences.floatingPointPrecision, 5);

    click(d, row(d, "Always use floating point format (on UI)").rect.center());
    EXPECT_TRUE(preferences.alwaysUseFloatingPointFormat);
    EXPECT_TRUE(alwaysScientific);

    const TFautoOptions::Row& scheme = row(d, "Color scheme#kinetics");
    click(d, scheme.rect.center());
    EXPECT_EQ(preferences.colorSchemeKinetics, 1);
    click(d, scheme.rect.center());
    EXPECT_EQ(preferences.colorSchemeKinetics, 0) << "after the last name, the first";

    // Category rows and empty rows take no clicks.
    const size_t before = recorder.events.size();
    click(d, d.rows[0].rect.center());
    click(d, d.rows[5].rect.center());
    EXPECT_EQ(recorder.events.size(), before);
    EXPECT_EQ(recorder.events, std::vector<int>(before, preferencesChanged));
}

TEST_F(TFautoOptionsTest, CancelRestoresEverythingAndAnnouncesIt) {
    TFautoOptions d(preferences, "Preferences", true);
    d.show();
    click(d, TFautoOptions::plusRect(row(d, precisionKey)).center());
    click(d, row(d, "Remember last run").rect.center());
    click(d, row(d, "Component style").rect.center());
    recorder.events.clear();
    click(d, d.cancelRect.center());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(preferences.floatingPointPrecision, 3);
    EXPECT_FALSE(preferences.rememberLastRun);
    EXPECT_EQ(preferences.componentStyle, Preferences::componentCone);
    EXPECT_EQ(numberPrecision, 3);
    EXPECT_EQ(recorder.events, std::vector<int>{preferencesChanged});
}

TEST_F(TFautoOptionsTest, OkKeepsChangesAndAppliesOnlyWhatWasNotLive) {
    {
        TFautoOptions live(preferences, "Preferences", true);
        live.show();
        click(live, TFautoOptions::plusRect(row(live, precisionKey)).center());
        recorder.events.clear();
        click(live, live.okRect.center());
        EXPECT_EQ(live.result(), QDialog::Accepted);
        EXPECT_TRUE(recorder.events.empty());
        EXPECT_EQ(preferences.floatingPointPrecision, 4);
    }
    {
        TFautoOptions later(preferences, "Options", false);
        later.show();
        click(later, TFautoOptions::plusRect(row(later, precisionKey)).center());
        EXPECT_TRUE(recorder.events.empty());
        EXPECT_EQ(numberPrecision, 4) << "not applied yet";
        click(later, later.okRect.center());
        EXPECT_EQ(recorder.events, std::vector<int>{preferencesChanged});
        EXPECT_EQ(numberPrecision, 5);
    }
    {
        // Nothing changed: Ok and Cancel announce nothing.
        TFautoOptions unchanged(preferences, "Options", false);
        unchanged.show();
        recorder.events.clear();
        click(unchanged, unchanged.okRect.center());
        EXPECT_TRUE(recorder.events.empty());
    }
}

TEST_F(TFautoOptionsTest, ResetReturnsToTheDefaultsAndEscapeCancels) {
    preferences.floatingPointPrecision = 6;
    preferences.equationsStyle = Preferences::equationsClean;
    whenModal<TFautoOptions>([this](TFautoOptions& d) {
        click(d, d.resetRect.center());
        EXPECT_EQ(preferences.floatingPointPrecision, 3);
        EXPECT_EQ(preferences.equationsStyle, Preferences::equationsNotebook);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(showOptionsDialog(preferences, "Preferences", true));
    EXPECT_EQ(preferences.floatingPointPrecision, 6);
    EXPECT_EQ(preferences.equationsStyle, Preferences::equationsClean);
}
