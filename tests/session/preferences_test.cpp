#include "session/preferences.h"

#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "session/programfiles.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace {

static_assert(!std::is_copy_constructible_v<Preferences> &&
                  !std::is_move_constructible_v<Preferences>,
              "the table's targets point into the object itself");

const std::string precisionKey = "Floating point precision on user interface [digits]";

class PreferencesTest : public ::testing::Test {
protected:
    void TearDown() override {
        numberPrecision = 3;
        alwaysScientific = false;
        eventRegistry().clear();
    }
    std::string prefsFile() const { return dir.file("prefs.cfg"); }
    TempDir dir;
};

TEST_F(PreferencesTest, AFreshStartWritesTheDefaultTableInDeclarationOrder) {
    numberPrecision = 9;
    {
        Preferences p(dir.path() + "/");
        EXPECT_EQ(numberPrecision, 3);
        EXPECT_EQ(p.option(12).valueText(), "Cone");
        EXPECT_EQ(p.option(18).valueText(), "Notebook");
        p.colorSchemeKinetics = Preferences::kineticsHighContrast;
    }
    EXPECT_EQ(readFileBytes(prefsFile()),
              "<Velumbra Preferences>\r\n"
              "     Floating point precision on user interface [digits]=3\r\n"
              "     Always use floating point format (on UI)=false\r\n"
              "     Warning on session delete=true\r\n"
              "     Remember last run=false\r\n"
              "     Display position sensitive info=true\r\n"
              "     Color code arrows only in reversible reactions=false\r\n"
              "     Show possible destinations when connecting=true\r\n"
              "     Color indication on component=true\r\n"
              "     Large font for component names=false\r\n"
              "     Large font for parameters=false\r\n"
              "     Component style=1\r\n"
              "     Color scheme#system=0\r\n"
              "     Display reaction scheme=true\r\n"
              "     Group identical concentration terms=true\r\n"
              "     Large font=false\r\n"
              "     Style=1\r\n"
              "     Large labels=false\r\n"
              "     Color scheme#kinetics=1\r\n"
              "</Velumbra Preferences>\r\n");
    Preferences back(dir.path());
    EXPECT_EQ(back.colorSchemeKinetics, Preferences::kineticsHighContrast);
}

TEST_F(PreferencesTest, DamagedFilesLoadAsDefaultsOrClamped) {
    static constexpr char binary[] = "\0\xff\x01garbage=\r\n<x>\r\n=\r\n";
    const std::string block = "<Velumbra Preferences>\r\n";
    const std::string end = "</Velumbra Preferences>\r\n";
    // file, then precision, component style and "Remember last run" as read
    const std::vector<std::tuple<std::string, int, int, bool>> cases = {
        {block + precisionKey + "=12\r\n" + end, 6, 1, false},
        {block + precisionKey + "=-4\r\n" + end, 3, 1, false},
        {block + precisionKey + "=5.9\r\nComponent style=7\r\n" + end, 5, 2, false},
        {block + "Component style=-1\r\nRemember last run= true \r\n" + end, 3, 0, true},
        {block + "Remember last run=yes\r\n" + end, 3, 1, false},
        {block + std::string(binary, sizeof binary - 1) + end, 3, 1, false},
        {precisionKey + "=5\r\nRemember last run=true\r\n", 3, 1, false},
        {block + precisionKey + "=5\r\nRemember last run=true\r\n", 3, 1, false},
        {block + precisionKey + "=5\r\n" + end + std::string(maxConfigFileBytes, 'x'), 3, 1, false},
    };
    for (const auto& [bytes, precision, style, remember] : cases) {
        writeFileBytes(prefsFile(), bytes);
        Preferences p(dir.path());
        EXPECT_EQ(p.floatingPointPrecision, precision) << bytes.substr(0, 80);
        EXPECT_EQ(p.componentStyle, style) << bytes.substr(0, 80);
        EXPECT_EQ(p.rememberLastRun, remember) << bytes.substr(0, 80);
        EXPECT_TRUE(p.warningOnSessionDelete);
    }
    Preferences nowhere(dir.file("missing"));
    EXPECT_FALSE(nowhere.save());
}

} // namespace
