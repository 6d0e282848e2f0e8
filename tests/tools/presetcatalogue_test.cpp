#include "presetcatalogue.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "session/programfiles.h"
#include "session/sessioncommands.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string committedFolder = VELUMBRA_PRESETS;
const std::string besideProgram = VELUMBRA_PRESETS_BESIDE;

// The "*.vsn" files of a folder, sorted.
std::vector<std::string> sessionFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".vsn") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<Preset>& catalogue() {
    static const std::vector<Preset> presets = presetCatalogue();
    return presets;
}

// Every stored value of a session, with digits enough to tell any two doubles apart.
std::string stored(const ReactorSession& session) {
    ReactorSession copy = session;
    const int precision = numberPrecision;
    numberPrecision = 17;
    EXPECT_TRUE(copy.TextStream::save(ReactorSession::blockName, ""));
    numberPrecision = precision;
    std::string text;
    for (const std::string& line : copy.lines)
        text += line + "\n";
    return text;
}

// Regenerate the committed files with the target regenerate-presets when they
// differ from the recipes.
TEST(PresetCatalogue, RecipesWriteTheCommittedFiles) {
    std::vector<Preset> presets = presetCatalogue();
    ASSERT_GE(presets.size(), 15u);
    TempDir dir;
    RecordingMessageSink messages;
    ASSERT_TRUE(savePresets(presets, dir.path()));
    EXPECT_EQ(numberPrecision, 3);
    EXPECT_TRUE(messages.messages.empty());
    const std::vector<std::string> written = sessionFiles(dir.path());
    ASSERT_EQ(written.size(), presets.size());
    EXPECT_EQ(sessionFiles(committedFolder), written);
    for (const std::string& name : written)
        EXPECT_EQ(readFileBytes(programFile(committedFolder, name)), readFileBytes(dir.file(name)))
            << name;
}

// The copy beside the built program is what the Presets menu lists, by name
// (up to a first ".") and in teaching order.
struct NoDialogs : SessionDialogs {
    Answer ask(const std::string&) override { return Answer::no; }
    std::string chooseOpenFile() override { return {}; }
    std::string chooseSaveFile(const std::string&) override { return {}; }
    void setCaption(const std::string&) override {}
};

TEST(PresetCatalogue, CopiedBesideTheProgramAndListedInTeachingOrder) {
    const std::vector<std::string> files = sessionFiles(committedFolder);
    ASSERT_EQ(sessionFiles(besideProgram), files);
    TempDir dir;
    const std::string presets = programFile(dir.path(), presetsDirectoryName);
    fs::create_directory(presets);
    for (const std::string& name : files) {
        const std::string copied = readFileBytes(programFile(besideProgram, name));
        EXPECT_EQ(copied, readFileBytes(programFile(committedFolder, name))) << name;
        writeFileBytes(programFile(presets, name), copied);
    }
    RecordingMessageSink messages;
    Program program(dir.path());
    NoDialogs dialogs;
    SessionCommands commands(program, dialogs);
    const std::vector<PresetItem> items = commands.presets();
    ASSERT_EQ(items.size(), catalogue().size());
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].caption, catalogue()[i].name);
    ASSERT_TRUE(commands.openPreset(items.back()));
    EXPECT_EQ(program.status.substr(0, 3), "ok;");
    EXPECT_TRUE(messages.messages.empty());
}

class CommittedPreset : public ::testing::TestWithParam<std::string> {};

// Opened as the program opens it, which computes it at once; saved again, it is
// the same file and reads back as the recipe drew it.
TEST_P(CommittedPreset, OpensComputesOkAndReadsBackEqual) {
    const std::string file = programFile(committedFolder, GetParam());
    const auto recipe = std::find_if(catalogue().begin(), catalogue().end(), [&](const Preset& p) {
        return p.name + ".vsn" == GetParam();
    });
    ASSERT_NE(recipe, catalogue().end()) << "no recipe writes " << GetParam();
    RecordingMessageSink messages;
    Program program("");
    ASSERT_TRUE(program.openSession(file));
    const Calculation& calculation = program.calculation;
    EXPECT_EQ(program.status.substr(0, 3), "ok;") << program.status;
    // Room for the larger values of a parameter animation.
    EXPECT_LE(program.reactor.maxRelativeChange, Reactor::warningChange / 2);
    // The full resolution, ending exactly at the simulation time: the time
    // step divides it into a multiple of 2000 steps.
    EXPECT_EQ(calculation.pointCount, Calculation::normalPointCount);
    EXPECT_EQ(program.reactor.stepCount, calculation.totalSteps);
    EXPECT_EQ(calculation.totalSteps % (Calculation::normalPointCount - 1), 0);
    const double end = program.reactor.simulationTime;
    EXPECT_NEAR(calculation.times[calculation.pointCount - 1], end, end * 1e-12);
    if (program.weightedObservation.active) {
        EXPECT_EQ(program.weightedObservation.values.count(), calculation.pointCount);
    }
    EXPECT_EQ(stored(program.session), stored(recipe->session));

    TempDir dir;
    ReactorSession session = program.session;
    ASSERT_TRUE(session.save(dir.file("again.vsn"), numberPrecision));
    EXPECT_EQ(readFileBytes(dir.file("again.vsn")), readFileBytes(file));
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, CommittedPreset,
                         ::testing::ValuesIn(sessionFiles(committedFolder)));

} // namespace
