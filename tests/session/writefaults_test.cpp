// Faults while the program writes its files: a write cut short by the file
// size limit, a folder that does not exist, a target that is a directory.
// Every writer keeps the previous file as it was and leaves nothing behind,
// and a failed session save shows its message and keeps the session's name.
// (The tests run as root, so read-only folders would prove nothing.)
#include "session/program.h"
#include "session/reactorexport.h"

#include "foundation/numberformat.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

// Lowers the file size limit for its lifetime. The program is not told: a
// process that ignores nothing would be killed by SIGXFSZ at the limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

enum class Fault { fileSizeLimit, missingFolder, directoryTarget };

const char* faultName(Fault f) {
    switch (f) {
    case Fault::fileSizeLimit:
        return "file size limit";
    case Fault::missingFolder:
        return "missing folder";
    case Fault::directoryTarget:
        return "directory target";
    }
    return "";
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class WriteFaults : public ::testing::Test {
protected:
    WriteFaults() {
        program.newSession();
        Vreactor& v = program.vReactor;
        // Large enough to cross the lowered size limit.
        for (int i = 0; i < 40; ++i)
            v.components.add(Vcomponent("Component " + std::to_string(i), i, 255));
        program.pushUndo("New component", false);
        for (int i = 0; i < 10; ++i)
            (void)program.recentFiles.add(dir.file("recent session number " + std::to_string(i)));
    }

    // The file a writer replaces: for the directory fault, a directory.
    std::string prepareTarget(Fault fault, const std::string& name, const std::string& previous) {
        switch (fault) {
        case Fault::missingFolder:
            return dir.file("no such folder/" + name);
        case Fault::directoryTarget:
            std::filesystem::create_directory(dir.file(name));
            writeFileBytes(dir.file(name + "/inside"), previous);
            return dir.file(name);
        case Fault::fileSizeLimit:
            break;
        }
        writeFileBytes(dir.file(name), previous);
        return dir.file(name);
    }

    // Runs the writer under the fault and checks that everything on disk is
    // as it was before.
    void expectFailureLeavesDisk(Fault fault, const std::string& name,
                                 const std::function<bool(const std::string&)>& write) {
        SCOPED_TRACE(std::string(faultName(fault)) + ", " + name);
        const std::string previous = "<previous " + name + ">\r\n</previous " + name + ">\r\n";
        const std::string target = prepareTarget(fault, name, previous);
        const std::vector<std::string> before = entriesOf(dir.path());
        bool written = true;
        {
            std::optional<FileSizeLimit> limit;
            if (fault == Fault::fileSizeLimit) limit.emplace(64);
            written = write(target);
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(entriesOf(dir.path()), before) << "no temporary file is left";
        if (fault == Fault::directoryTarget) {
            EXPECT_TRUE(std::filesystem::is_directory(target));
            EXPECT_EQ(readFileBytes(target + "/inside"), previous);
            std::filesystem::remove_all(target);
        } else if (fault == Fault::fileSizeLimit) {
            EXPECT_EQ(readFileBytes(target), previous);
            std::filesystem::remove(target);
        }
    }

    TempDir dir;
    RecordingMessageSink messages;
    Program program{dir.path()};
};

const Fault allFaults[] = {Fault::fileSizeLimit, Fault::missingFolder, Fault::directoryTarget};

TEST_F(WriteFaults, ASessionSaveFailsWithItsMessageAndKeepsTheSessionsName) {
    program.preferences.floatingPointPrecision = 4;
    for (Fault fault : allFaults) {
        messages.messages.clear();
        program.session.fileName = "earlier.vsn";
        program.session.named = true;
        program.session.modified = true;
        std::string target;
        expectFailureLeavesDisk(fault, "session.vsn", [&](const std::string& name) {
            target = name;
            return program.saveSession(name);
        });
        EXPECT_EQ(messages.messages, std::vector<std::string>{"Failed to save session: " + target});
        EXPECT_EQ(program.session.fileName, "earlier.vsn");
        EXPECT_TRUE(program.session.modified);
        EXPECT_EQ(numberPrecision, 4) << "back to the preferences' precision";
    }
    numberPrecision = 3;
}

TEST_F(WriteFaults, SettingsExportAndLastRunKeepThePreviousFile) {
    program.calculation.calculate();
    ReactorExport table;
    table.rebuildComponentFlags(program.vReactor);
    for (Fault fault : allFaults) {
        expectFailureLeavesDisk(fault, "prefs.cfg", [&](const std::string& name) {
            program.preferences.fileName = name;
            return program.preferences.save();
        });
        expectFailureLeavesDisk(fault, "recent.cfg", [&](const std::string& name) {
            program.recentFiles.configFile = name;
            return program.recentFiles.add(dir.file("one more"));
        });
        expectFailureLeavesDisk(fault, "kinetics.txt", [&](const std::string& name) {
            return table.exportTo(name, program.vReactor, program.calculation,
                                  program.weightedObservation, program.preferences);
        });
        expectFailureLeavesDisk(fault, "lastRun.vsn",
                                [&](const std::string& name) { return program.saveSession(name); });
        EXPECT_EQ(numberPrecision, 3);
        EXPECT_FALSE(alwaysScientific);
    }
    // Nothing else to write at exit.
    program.preferences.fileName.clear();
    program.recentFiles.configFile.clear();
}

} // namespace
