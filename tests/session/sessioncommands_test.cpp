#include "session/sessioncommands.h"

#include "readerharness.h"
#include "session/program.h"
#include "session/programfiles.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace {

// Answers from a script and records what was asked.
struct ScriptedDialogs : SessionDialogs {
    Answer ask(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::string chooseOpenFile() override {
        ++openDialogs;
        return openFile;
    }
    std::string chooseSaveFile(const std::string& proposed) override {
        proposals.push_back(proposed);
        return saveFile;
    }
    void setCaption(const std::string& text) override { caption = text; }

    Answer answer = Answer::cancel;
    std::string openFile, saveFile, caption = "(none)";
    std::vector<std::string> questions, proposals;
    int openDialogs = 0;
};

class SessionCommandsTest : public ::testing::Test {
protected:
    SessionCommandsTest() { program.newSession(); }
    void edit() {
        addComponent(program.vReactor, "A", 1);
        program.pushUndo("New component", false);
    }
    // What a failed command must leave as it was.
    std::vector<std::string> visibleState() {
        std::vector<std::string> state{dialogs.caption, sessionText(program),
                                       std::to_string(program.history.count()),
                                       std::to_string(program.history.current())};
        state.insert(state.end(), program.recentFiles.files.begin(),
                     program.recentFiles.files.end());
        return state;
    }
    TempDir dir;
    RecordingMessageSink messages;
    Program program{dir.path()};
    ScriptedDialogs dialogs;
    SessionCommands commands{program, dialogs};
};

TEST_F(SessionCommandsTest, UnnamedModifiedSessionIsOfferedSaveAs) {
    edit();
    dialogs.answer = SessionDialogs::Answer::cancel;
    EXPECT_FALSE(commands.newSession());
    EXPECT_EQ(dialogs.questions.back(), "Save actual session?");
    EXPECT_EQ(program.vReactor.components.count(), 1);

    dialogs.answer = SessionDialogs::Answer::yes;
    dialogs.saveFile = ""; // the save dialog is cancelled: nothing may be lost
    EXPECT_FALSE(commands.newSession());
    EXPECT_EQ(program.vReactor.components.count(), 1);

    dialogs.saveFile = dir.file("mine.vsn");
    EXPECT_TRUE(commands.newSession());
    EXPECT_TRUE(std::filesystem::exists(dir.file("mine.vsn")));
    EXPECT_EQ(program.recentFiles.files[0], dir.file("mine.vsn"));
    EXPECT_TRUE(program.vReactor.components.empty());
}

TEST_F(SessionCommandsTest, NamedModifiedSessionIsSavedInPlace) {
    dialogs.saveFile = dir.file("s.vsn");
    edit();
    ASSERT_TRUE(commands.saveAs());
    EXPECT_EQ(dialogs.caption, dir.file("s.vsn"));
    EXPECT_TRUE(commands.saveEnabled());
    program.reactor.simulationTime = 99;
    program.pushUndo("Change simulation time", true);
    dialogs.answer = SessionDialogs::Answer::yes;
    EXPECT_TRUE(commands.newSession());
    EXPECT_EQ(dialogs.questions.back(), "Save changes to " + dir.file("s.vsn") + "?");
    ReactorSession back;
    ASSERT_TRUE(back.open(dir.file("s.vsn")));
    EXPECT_EQ(back.reactor.simulationTime, 99);

    dialogs.answer = SessionDialogs::Answer::no;
    edit();
    EXPECT_TRUE(commands.newSession());
}

TEST_F(SessionCommandsTest, LastRunIsAlwaysOfferedUnderANewName) {
    program.preferences.rememberLastRun = true;
    edit();
    ASSERT_TRUE(commands.mayClose());
    EXPECT_TRUE(dialogs.questions.empty());
    ASSERT_TRUE(std::filesystem::exists(program.lastRunFile()));

    ASSERT_TRUE(commands.openFile(""));
    EXPECT_EQ(dialogs.caption, program.lastRunFile());
    EXPECT_FALSE(program.session.modified);
    EXPECT_FALSE(commands.saveEnabled());
    dialogs.answer = SessionDialogs::Answer::yes;
    dialogs.saveFile = "";
    EXPECT_FALSE(commands.newSession());
    EXPECT_EQ(dialogs.questions.back(), "Save actual session?");
    EXPECT_EQ(dialogs.proposals.back(), "") << "Save As proposes no name for the last run";
}

TEST_F(SessionCommandsTest, PresetsSortedIgnoringCaseAndOpenTheListedFile) {
    std::filesystem::create_directory(program.presetsDirectory());
    ReactorSession preset;
    addComponent(preset.vReactor, "P", 1);
    for (const char* name : {"beta.vsn", "Alpha.vsn", "two.dots.vsn", "notes.txt"})
        ASSERT_TRUE(preset.save(programFile(program.presetsDirectory(), name), 3));
    std::filesystem::create_directory(programFile(program.presetsDirectory(), "dir.vsn"));

    const std::vector<PresetItem> items = commands.presets();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].caption, "Alpha");
    EXPECT_EQ(items[1].caption, "beta");
    EXPECT_EQ(items[2].caption, "two");
    ASSERT_TRUE(commands.openPreset(items[2]));
    EXPECT_EQ(program.session.fileName, items[2].path);
    EXPECT_EQ(program.vReactor.components[0].name, "P");
}

TEST_F(SessionCommandsTest, FailedOpenAndSaveAsLeaveCaptionHistoryAndRecentFiles) {
    dialogs.saveFile = dir.file("s.vsn");
    edit();
    ASSERT_TRUE(commands.saveAs());
    edit();
    // Cancel at the question: no file dialog.
    dialogs.answer = SessionDialogs::Answer::cancel;
    EXPECT_FALSE(commands.open());
    EXPECT_EQ(dialogs.openDialogs, 0);

    const std::vector<std::string> before = visibleState();
    writeFileBytes(dir.file("bad.vsn"), "no session here\n");
    dialogs.answer = SessionDialogs::Answer::no;
    for (const std::string& file : {dir.file("bad.vsn"), dir.file("missing.vsn")}) {
        dialogs.openFile = file;
        EXPECT_FALSE(commands.open()) << file;
        EXPECT_EQ(visibleState(), before) << file;
    }
    EXPECT_EQ(dialogs.openDialogs, 2);
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"Failed to open session: " + dir.file("bad.vsn")});

    dialogs.saveFile = dir.file("no such folder/t.vsn");
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(visibleState(), before);
}

TEST_F(SessionCommandsTest, CloseAsksWhenTheLastRunCannotBeWritten) {
    program.preferences.rememberLastRun = true;
    std::filesystem::create_directory(program.lastRunFile()); // no file can go there
    edit();
    dialogs.answer = SessionDialogs::Answer::cancel;
    EXPECT_FALSE(commands.mayClose());
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Save actual session?"});
}

} // namespace
