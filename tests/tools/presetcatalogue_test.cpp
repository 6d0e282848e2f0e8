#include "presetcatalogue.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "session/programfiles.h"
#include "session/sessioncommands.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

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

const Preset* recipeOf(const std::string& fileName) {
    for (const Preset& p : catalogue())
        if (p.name + ".vsn" == fileName) return &p;
    return nullptr;
}

// Every stored field of two sessions, section by section.
void expectSameSessions(const ReactorSession& a, const ReactorSession& b) {
    EXPECT_EQ(a.reactor.timeResolution, b.reactor.timeResolution);
    EXPECT_EQ(a.reactor.simulationTime, b.reactor.simulationTime);

    const Vreactor& v = a.vReactor;
    const Vreactor& w = b.vReactor;
    EXPECT_EQ(v.useGrid, w.useGrid);
    EXPECT_EQ(v.showGrid, w.showGrid);
    ASSERT_EQ(v.components.count(), w.components.count());
    for (int i = 0; i < v.components.count(); ++i) {
        const Vcomponent& c = v.components[i];
        const Vcomponent& d = w.components[i];
        SCOPED_TRACE("component " + c.name);
        EXPECT_EQ(c.name, d.name);
        EXPECT_EQ(c.shortcut, d.shortcut);
        EXPECT_EQ(c.pos, d.pos);
        if (c.shortcut) continue; // a shortcut stores nothing more
        EXPECT_EQ(c.initialConcentration, d.initialConcentration);
        EXPECT_EQ(c.constant, d.constant);
        EXPECT_EQ(c.weight, d.weight);
        EXPECT_EQ(c.color, d.color);
        EXPECT_EQ(c.monitor, d.monitor);
        EXPECT_EQ(c.asX, d.asX);
        EXPECT_EQ(c.animate, d.animate);
    }
    ASSERT_EQ(v.reactions.count(), w.reactions.count());
    for (int i = 0; i < v.reactions.count(); ++i) {
        const Vreaction& r = v.reactions[i];
        const Vreaction& s = w.reactions[i];
        SCOPED_TRACE("reaction " + std::to_string(i));
        EXPECT_EQ(r.active, s.active);
        EXPECT_EQ(r.activeBack, s.activeBack);
        EXPECT_EQ(r.rateConstant, s.rateConstant);
        EXPECT_EQ(r.rateConstantBack, s.rateConstantBack);
        EXPECT_EQ(r.switches, s.switches);
        EXPECT_EQ(r.switchesBack, s.switchesBack);
        EXPECT_EQ(r.reactants, s.reactants);
        EXPECT_EQ(r.geometry, s.geometry);
        EXPECT_EQ(r.animate, s.animate);
        EXPECT_EQ(r.animateBack, s.animateBack);
        EXPECT_EQ(r.pos, s.pos);
    }

    EXPECT_EQ(a.weightedObservation.active, b.weightedObservation.active);
    EXPECT_EQ(a.weightedObservation.differential, b.weightedObservation.differential);
    EXPECT_EQ(a.weightedObservation.globalFactor, b.weightedObservation.globalFactor);
    EXPECT_EQ(a.kineticsView, b.kineticsView);
    EXPECT_EQ(a.animation.from, b.animation.from);
    EXPECT_EQ(a.animation.to, b.animation.to);
    EXPECT_EQ(a.animation.period, b.animation.period);
    EXPECT_EQ(a.animation.motion, b.animation.motion);
}

TEST(PresetCatalogue, FifteenOrMoreNumberedInTeachingOrder) {
    const std::vector<Preset>& presets = catalogue();
    ASSERT_GE(presets.size(), 15u);
    for (size_t i = 0; i < presets.size(); ++i) {
        const std::string& name = presets[i].name;
        SCOPED_TRACE(name);
        // The menu shows the name up to its first "." and sorts ignoring
        // case: a two-digit number keeps the order of the list.
        EXPECT_EQ(name.find('.'), std::string::npos);
        const std::string number = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1) + " ";
        EXPECT_EQ(name.substr(0, 3), number);
        ASSERT_GT(name.size(), 4u);
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[3])));
    }
}

TEST(PresetCatalogue, CommittedFilesAreWhatTheRecipesWrite) {
    TempDir dir;
    RecordingMessageSink messages;
    std::vector<Preset> presets = presetCatalogue();
    const int precision = numberPrecision;
    ASSERT_TRUE(savePresets(presets, dir.path()));
    EXPECT_EQ(numberPrecision, precision);
    EXPECT_TRUE(messages.messages.empty());

    // Regenerate with the target regenerate-presets when this fails.
    const std::vector<std::string> written = sessionFiles(dir.path());
    ASSERT_EQ(written.size(), presets.size());
    EXPECT_EQ(sessionFiles(committedFolder), written);
    for (const std::string& name : written)
        EXPECT_EQ(readFileBytes(programFile(committedFolder, name)), readFileBytes(dir.file(name)))
            << name;
}

// The copy beside the built program is what the Presets menu lists.
struct NoDialogs : SessionDialogs {
    Answer ask(const std::string&) override { return Answer::no; }
    std::string chooseOpenFile() override { return {}; }
    std::string chooseSaveFile(const std::string&) override { return {}; }
    void setCaption(const std::string& text) override { caption = text; }
    std::string caption;
};

TEST(PresetCatalogue, CopiedBesideTheProgramAndListedInTeachingOrder) {
    const std::vector<std::string> files = sessionFiles(committedFolder);
    ASSERT_EQ(sessionFiles(besideProgram), files);
    TempDir dir;
    fs::create_directory(programFile(dir.path(), presetsDirectoryName));
    for (const std::string& name : files) {
        const std::string copied = readFileBytes(programFile(besideProgram, name));
        EXPECT_EQ(copied, readFileBytes(programFile(committedFolder, name))) << name;
        writeFileBytes(programFile(programFile(dir.path(), presetsDirectoryName), name), copied);
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

TEST_P(CommittedPreset, OpensComputesOkAndReadsBackEqual) {
    const std::string file = programFile(committedFolder, GetParam());
    const Preset* recipe = recipeOf(GetParam());
    ASSERT_NE(recipe, nullptr) << "no recipe writes " << GetParam();
    RecordingMessageSink messages;

    // Opened as the program opens it, which computes it at once.
    Program program("");
    ASSERT_TRUE(program.openSession(file));
    const Calculation& calculation = program.calculation;
    EXPECT_EQ(program.status.substr(0, 3), "ok;") << program.status;
    EXPECT_FALSE(program.reactor.overflow);
    // Room for the larger values of a parameter animation.
    EXPECT_LE(program.reactor.maxRelativeChange, Reactor::warningChange / 2);
    // Every preset uses the full resolution and ends exactly at its
    // simulation time: the time step divides it into a multiple of 2000 steps.
    EXPECT_EQ(calculation.pointCount, Calculation::normalPointCount);
    EXPECT_EQ(program.reactor.stepCount, calculation.totalSteps);
    EXPECT_EQ(calculation.totalSteps % (Calculation::normalPointCount - 1), 0);
    const double end = program.reactor.simulationTime;
    EXPECT_NEAR(calculation.times[calculation.pointCount - 1], end, end * 1e-12);
    if (program.weightedObservation.active) {
        EXPECT_EQ(program.weightedObservation.values.count(), calculation.pointCount);
    }
    expectSameSessions(program.session, recipe->session);

    // Saved again, it is the same file, and it reads back the same.
    TempDir dir;
    ReactorSession session = program.session;
    ASSERT_TRUE(session.save(dir.file("again.vsn"), numberPrecision));
    EXPECT_EQ(readFileBytes(dir.file("again.vsn")), readFileBytes(file));
    ReactorSession again;
    ASSERT_TRUE(again.open(dir.file("again.vsn")));
    expectSameSessions(again, recipe->session);
    EXPECT_TRUE(messages.messages.empty());
}

std::string caseName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = "Preset";
    for (char c : info.param)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name.substr(0, name.size() - 3); // without "vsn"
}

INSTANTIATE_TEST_SUITE_P(Files, CommittedPreset, ::testing::ValuesIn(sessionFiles(committedFolder)),
                         caseName);

// What a computed preset shows: the textbook behaviour it was made for.
struct Computed {
    explicit Computed(const std::string& number) {
        for (const Preset& p : catalogue())
            if (p.name.substr(0, 2) == number) {
                found = true;
                ReactorSession copy = p.session;
                NotificationPause pause;
                program.session = copy;
                SessionObjects current = program.objects();
                program.session.apply(current);
            }
        Calculation& c = program.calculation;
        if (c.prepare())
            while (c.step()) {
            }
        c.finish();
    }
    const Llist<double>& series(const std::string& name) {
        return program.calculation.kinetics[program.vReactor.uniqueIndexOf(name)].values;
    }
    double last(const std::string& name) {
        return series(name)[program.calculation.pointCount - 1];
    }
    // Maxima in the second half that rise above the middle of its range.
    int peaks(const std::string& name) {
        const Llist<double>& v = series(name);
        const int n = program.calculation.pointCount;
        double lo = v[n / 2], hi = v[n / 2];
        for (int k = n / 2; k < n; ++k) {
            lo = std::min(lo, v[k]);
            hi = std::max(hi, v[k]);
        }
        int count = 0;
        for (int k = n / 2 + 1; k + 1 < n; ++k)
            if (v[k] > v[k - 1] && v[k] >= v[k + 1] && v[k] > (lo + hi) / 2) ++count;
        return count;
    }
    bool found = false;
    Program program{""};
};

TEST(PresetBehaviour, OscillatorsKeepOscillating) {
    struct Case {
        const char* number;
        const char* component;
        int minimumPeaks;
    };
    const Case cases[] = {{"12", "X", 2}, {"13", "X", 2}, {"14", "HBrO2", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Computed computed(c.number);
        ASSERT_TRUE(computed.found);
        EXPECT_GE(computed.peaks(c.component), c.minimumPeaks);
    }
}

TEST(PresetBehaviour, EndStatesOfTheSimpleSchemes) {
    struct Case {
        const char* number;
        const char *numerator, *denominator;
        double ratio, tolerance;
    };
    const Case cases[] = {
        {"03", "B", "C", 3, 1e-9}, // parallel: the ratio of the rate constants throughout
        {"04", "B", "A", 3, 1e-2}, // the equilibrium constant, reached within 0.2 %
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Computed computed(c.number);
        ASSERT_TRUE(computed.found);
        EXPECT_NEAR(computed.last(c.numerator) / computed.last(c.denominator), c.ratio,
                    c.tolerance);
    }
}

} // namespace
