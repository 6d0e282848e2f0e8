#include "windows/options/tfautooptions.h"

#include "foundation/numberformat.h"
#include "session/preferences.h"
#include "support/eventlog.h"
#include "windows/whenmodal.h"
#include "windows/windowtest.h"

namespace {

using Events = std::vector<int>;

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
    EventLog recorder;
};

constexpr const char* precisionKey = "Floating point precision on user interface [digits]";

} // namespace

TEST_F(TFautoOptionsTest, ClicksChangeOptionsWithinTheirLimits) {
    TFautoOptions d(preferences, "Preferences", true);
    d.show();
    const TFautoOptions::Row& precision = row(d, precisionKey);
    const auto minus = TFautoOptions::minusRect, plus = TFautoOptions::plusRect;
    const std::pair<QRect (*)(const TFautoOptions::Row&), int> steps[] = {
        {minus, 3}, {plus, 4}, {plus, 5}, {plus, 6}, {plus, 6}, {minus, 5}};
    for (const auto& [button, expected] : steps) {
        click(d, button(precision).center());
        EXPECT_EQ(preferences.floatingPointPrecision, expected);
        EXPECT_EQ(numberPrecision, expected) << "live";
    }
    click(d, precision.rect.topLeft() + QPoint(20, 5)); // the number's label
    EXPECT_EQ(preferences.floatingPointPrecision, 5);
    click(d, row(d, "Always use floating point format (on UI)").rect.center());
    EXPECT_TRUE(preferences.alwaysUseFloatingPointFormat && alwaysScientific);
    const TFautoOptions::Row& scheme = row(d, "Color scheme#kinetics");
    click(d, scheme.rect.center());
    EXPECT_EQ(preferences.colorSchemeKinetics, 1);
    click(d, scheme.rect.center());
    EXPECT_EQ(preferences.colorSchemeKinetics, 0) << "after the last name, the first";
    // Category rows and empty rows take no clicks.
    const size_t before = recorder.events.size();
    click(d, d.rows[0].rect.center());
    click(d, d.rows[5].rect.center());
    EXPECT_EQ(recorder.events, Events(before, preferencesChanged));
}

TEST_F(TFautoOptionsTest, OkKeepsChangesAndAppliesOnlyWhatWasNotLive) {
    TFautoOptions live(preferences, "Preferences", true);
    live.show();
    click(live, TFautoOptions::plusRect(row(live, precisionKey)).center());
    recorder.events.clear();
    click(live, live.okRect.center());
    EXPECT_EQ(live.result(), QDialog::Accepted);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(preferences.floatingPointPrecision, 4);

    TFautoOptions later(preferences, "Options", false);
    later.show();
    click(later, TFautoOptions::plusRect(row(later, precisionKey)).center());
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(numberPrecision, 4) << "not applied yet";
    click(later, later.okRect.center());
    EXPECT_EQ(recorder.events, Events{preferencesChanged});
    EXPECT_EQ(numberPrecision, 5);
    TFautoOptions unchanged(preferences, "Options", false);
    unchanged.show();
    recorder.events.clear();
    click(unchanged, unchanged.okRect.center());
    EXPECT_TRUE(recorder.events.empty()) << "nothing changed";
}
