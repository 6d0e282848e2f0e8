#include "session/recentfiles.h"

#include "session/programfiles.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Files = std::vector<std::string>;

Files filesOf(const RecentFiles& r) {
    return {r.files.begin(), r.files.end()};
}

class RecentFilesTest : public ::testing::Test {
protected:
    std::string config() const { return dir.file("recent.cfg"); }
    TempDir dir;
};

TEST_F(RecentFilesTest, NewestFirstWithoutCaseDuplicatesAndSavedAtOnce) {
    RecentFiles recent(config());
    for (const char* name : {"/s/a.vsn", "/s/B.vsn", "/S/A.VSN", ""})
        EXPECT_TRUE(recent.add(name));
    EXPECT_EQ(filesOf(recent), (Files{"/S/A.VSN", "/s/B.vsn"}));
    EXPECT_EQ(readFileBytes(config()),
              "<Recent Files>\r\n     /S/A.VSN\r\n     /s/B.vsn\r\n</Recent Files>\r\n");

    // The eleventh distinct file drops the oldest.
    for (int i = 1; i <= 9; ++i)
        recent.add("/f" + std::to_string(i));
    EXPECT_EQ(recent.files.count(), RecentFiles::maxFiles);
    EXPECT_EQ(recent.files[9], "/S/A.VSN");
    EXPECT_EQ(filesOf(RecentFiles(config())), filesOf(recent));
}

TEST_F(RecentFilesTest, ReadingToleratesDamagedFiles) {
    std::string many = "<Recent Files>\n";
    for (int i = 0; i < 25; ++i)
        many += "/m" + std::to_string(i) + "\n";
    const std::vector<std::pair<std::string, Files>> cases = {
        {"<Recent Files>\r\n  \t/a b.vsn \r\n/c\r\n</Recent Files>\r\n", {"/a b.vsn ", "/c"}},
        {"<Recent Files>\n\n   \n/x\n/X\n/y\n/x\n</Recent Files>\n", {"/x", "/y"}},
        {many + "</Recent Files>\n",
         {"/m0", "/m1", "/m2", "/m3", "/m4", "/m5", "/m6", "/m7", "/m8", "/m9"}},
        {"/a.vsn\n/b.vsn\n", {}},
        {many, {}},
        {std::string("\0\x01\xfe<\n\n", 6), {}},
        {"<Recent Files>\n/a\n</Recent Files>\n" + std::string(maxConfigFileBytes, '\n'), {}},
    };
    for (const auto& [bytes, expected] : cases) {
        writeFileBytes(config(), bytes);
        EXPECT_EQ(filesOf(RecentFiles(config())), expected) << bytes.substr(0, 60);
    }
}

} // namespace
