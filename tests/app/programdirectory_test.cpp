#include "app/programdirectory.h"

#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The program's directories as an installation may find them. Tests run as
// root, for whom permission bits forbid nothing; these fail for anyone.
struct Case {
    const char* what;
    std::string programDirectory;
    bool writable;
};

class SettingsDirectoryTest : public ::testing::Test {
protected:
    SettingsDirectoryTest() { writeFileBytes(dir.file("file"), "not a folder\n"); }
    std::vector<Case> cases() const {
        return {
            {"writable", dir.file("program"), true},
            {"inside a regular file", dir.file("file/program"), false},
            {"missing", dir.file("gone/program"), false},
            {"system folder", "/proc", false},
        };
    }
    // Not there before it is needed.
    QString fallback() const { return QString::fromStdString(dir.file("config/velumbra")); }
    TempDir dir;
};

TEST_F(SettingsDirectoryTest, PreferencesSurviveARestartInTheChosenDirectory) {
    RecordingMessageSink messages;
    std::filesystem::create_directory(dir.file("program"));
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        const auto settings = [&] {
            return toFileName(settingsDirectoryFor(fromFileName(c.programDirectory), fallback()));
        };
        {
            Program program(c.programDirectory, settings());
            program.preferences.floatingPointPrecision = 6;
            program.preferences.rememberLastRun = true;
            ASSERT_TRUE(program.saveSession(program.lastRunFile()));
        }
        const std::string expected = c.writable ? c.programDirectory : fallback().toStdString();
        for (const char* name : {"prefs.cfg", "recent.cfg", "lastRun.vsn"})
            EXPECT_TRUE(std::filesystem::exists(expected + "/" + name)) << name;

        Program again(c.programDirectory, settings());
        EXPECT_EQ(again.preferences.floatingPointPrecision, 6);
        EXPECT_TRUE(again.preferences.rememberLastRun);
        EXPECT_TRUE(again.openSession(""));
        std::filesystem::remove_all(dir.file("config"));
    }
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
