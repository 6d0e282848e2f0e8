#include "session/program.h"

#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class ProgramTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingMessageSink messages;
    Program program{dir.path()};
};

TEST_F(ProgramTest, EditsRecomputeAndUndoRestoresEverything) {
    program.newSession();
    EXPECT_EQ(program.history.count(), 1);
    EXPECT_FALSE(program.session.modified);
    const int a = addComponent(program.vReactor, "A", 1);
    const int b = addComponent(program.vReactor, "B", 0);
    addReaction(program.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1);
    broadcast(systemChanged);
    program.pushUndo("New reaction", false);
    EXPECT_TRUE(program.session.modified);
    ASSERT_EQ(program.calculation.kinetics.count(), 2);
    const double bAtEnd = program.calculation.kinetics[1].values[2000];
    EXPECT_GT(bAtEnd, 0.99);

    program.reactor.simulationTime = 20;
    broadcast(parametersChanged);
    program.pushUndo("Change simulation time", true);
    program.reactor.simulationTime = 40;
    program.pushUndo("Change simulation time", true);
    EXPECT_EQ(program.history.count(), 3);

    ASSERT_TRUE(program.undo());
    EXPECT_EQ(program.reactor.simulationTime, 10);
    EXPECT_EQ(program.calculation.kinetics[1].values[2000], bAtEnd);
    ASSERT_TRUE(program.undo());
    EXPECT_TRUE(program.vReactor.components.empty());
    EXPECT_FALSE(program.session.modified) << "back at the first level";
    EXPECT_FALSE(program.undo());
    ASSERT_TRUE(program.redo());
    EXPECT_EQ(program.vReactor.components.count(), 2);
    ASSERT_TRUE(program.goTo(2));
    EXPECT_EQ(program.reactor.simulationTime, 40);
}

TEST_F(ProgramTest, OpeningReplacesTheSessionOnlyWhenTheFileIsGood) {
    ReactorSession stored;
    addComponent(stored.vReactor, "X", 2);
    stored.reactor.simulationTime = 7;
    ASSERT_TRUE(stored.save(dir.file("x.vsn"), 3));
    writeFileBytes(dir.file("bad.vsn"), "no session here\n");

    program.newSession();
    addComponent(program.vReactor, "Kept", 1);
    EXPECT_FALSE(program.openSession(dir.file("missing.vsn")));
    EXPECT_FALSE(program.openSession(dir.file("bad.vsn")));
    EXPECT_EQ(program.vReactor.components[0].name, "Kept");
    EXPECT_EQ(program.recentFiles.files.count(), 0);

    ASSERT_TRUE(program.openSession(dir.file("x.vsn")));
    EXPECT_EQ(program.vReactor.components[0].name, "X");
    EXPECT_EQ(program.reactor.simulationTime, 7);
    EXPECT_EQ(program.history.count(), 1);
    EXPECT_EQ(program.history.label(0), "[Open session]");
    EXPECT_EQ(program.recentFiles.files[0], dir.file("x.vsn"));
    EXPECT_EQ(program.calculation.kinetics.count(), 1) << "computed on sessionReplaced";

    EXPECT_FALSE(program.openSession("")) << "no last run yet";
    ASSERT_TRUE(program.saveSession(program.lastRunFile()));
    EXPECT_TRUE(program.openSession(""));
    EXPECT_EQ(program.session.fileName, program.lastRunFile());
}

std::vector<std::string> namesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// An installed program reads its presets beside itself and keeps its settings
// elsewhere: every settings file is written and read in the settings
// directory alone.
TEST(ProgramWithSettingsElsewhere, KeepsSettingsApartFromThePresets) {
    TempDir programDir, settingsDir;
    std::filesystem::create_directory(programDir.file("Presets"));
    ReactorSession preset;
    addComponent(preset.vReactor, "P", 1);
    ASSERT_TRUE(preset.save(programDir.file("Presets/p.vsn"), 3));
    // Settings files beside the program are not the program's any more.
    const std::string stray = "<Velumbra Preferences>\r\n     Remember last run=true\r\n"
                              "</Velumbra Preferences>\r\n";
    writeFileBytes(programDir.file("prefs.cfg"), stray);
    RecordingMessageSink messages;
    {
        Program program(programDir.path(), settingsDir.path());
        EXPECT_EQ(program.presetsDirectory(), programDir.file("Presets"));
        EXPECT_EQ(program.lastRunFile(), settingsDir.file("lastRun.vsn"));
        EXPECT_FALSE(program.preferences.rememberLastRun);
        program.preferences.rememberLastRun = true;
        program.preferences.floatingPointPrecision = 5;
        ASSERT_TRUE(program.openSession(programDir.file("Presets/p.vsn")));
        ASSERT_TRUE(program.saveSession(program.lastRunFile()));
    }
    EXPECT_EQ(namesIn(programDir.path()), (std::vector<std::string>{"Presets", "prefs.cfg"}));
    EXPECT_EQ(readFileBytes(programDir.file("prefs.cfg")), stray);
    EXPECT_EQ(namesIn(settingsDir.path()),
              (std::vector<std::string>{"lastRun.vsn", "prefs.cfg", "recent.cfg"}));

    Program again(programDir.path(), settingsDir.path());
    EXPECT_TRUE(again.preferences.rememberLastRun);
    EXPECT_EQ(again.preferences.floatingPointPrecision, 5);
    ASSERT_EQ(again.recentFiles.files.count(), 1);
    EXPECT_EQ(again.recentFiles.files[0], programDir.file("Presets/p.vsn"));
    ASSERT_TRUE(again.openSession(""));
    EXPECT_EQ(again.vReactor.components[0].name, "P");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ProgramWithoutDirectory, ReadsAndWritesNoFiles) {
    TempDir dir;
    const std::string before = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.path());
    {
        Program program("");
        program.preferences.floatingPointPrecision = 6;
        program.recentFiles.add("/somewhere/x.vsn");
        EXPECT_TRUE(program.lastRunFile().empty());
        EXPECT_FALSE(program.saveSession(program.lastRunFile()));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    std::filesystem::current_path(before);
}

} // namespace
