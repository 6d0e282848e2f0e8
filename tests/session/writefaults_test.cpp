// A session save cut short by the file size limit (as on a full disk) must
// fail cleanly: the process is not killed by SIGXFSZ, the previous file stays
// as it was, nothing is left behind, and the session keeps its name.
#include "session/program.h"

#include "foundation/numberformat.h"
#include "support/filesizelimit.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

namespace {

TEST(WriteFaults, ASaveCutShortKeepsThePreviousFileAndTheSessionsName) {
    TempDir dir;
    RecordingMessageSink messages;
    Program program(dir.path());
    program.newSession();
    for (int i = 0; i < 40; ++i) // large enough to cross the limit
        program.vReactor.components.add(Vcomponent("Component " + std::to_string(i), i, 255));
    program.pushUndo("New component", false);
    program.preferences.floatingPointPrecision = 4;
    program.session.fileName = "earlier.vsn";
    program.session.named = true;
    const std::string target = dir.file("session.vsn"), previous = "<previous>\r\n</previous>\r\n";
    writeFileBytes(target, previous);
    const auto entries = [&] {
        return std::distance(std::filesystem::directory_iterator(dir.path()), {});
    };
    const auto before = entries();
    bool saved = true;
    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.ok);
        // The program itself must survive the signal such a write raises.
        const auto handler = std::signal(SIGXFSZ, SIG_DFL);
        saved = program.saveSession(target);
        std::signal(SIGXFSZ, handler);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFileBytes(target), previous);
    EXPECT_EQ(entries(), before) << "no temporary file is left";
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Failed to save session: " + target});
    EXPECT_EQ(program.session.fileName, "earlier.vsn");
    EXPECT_TRUE(program.session.modified);
    EXPECT_EQ(numberPrecision, 4) << "back to the preferences' precision";
    numberPrecision = 3;
}

} // namespace
