#include "foundation/textstream.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

struct Settings : TextStream {
    std::string title = "x";
    std::int32_t size = 0;
    void exchange() override {
        exchangeString("title", title);
        exchangeInt("size", size);
    }
};

std::vector<std::string> linesOf(const Text_& text) {
    return {text.begin(), text.end()};
}

TEST(TextFile, SaveWritesCrLfAndReadsBackByteForByte) {
    TempDir dir;
    Settings s;
    s.title = "Caf\xe9 \xb1 1";
    s.size = -4;
    ASSERT_TRUE(s.save("Settings", dir.file("a.cfg")));
    const std::string bytes = readFileBytes(dir.file("a.cfg"));
    EXPECT_EQ(bytes, "<Settings>\r\n     title=Caf\xe9 \xb1 1\r\n     size=-4\r\n</Settings>\r\n");

    Settings back;
    ASSERT_TRUE(back.load("Settings", dir.file("a.cfg")));
    EXPECT_EQ(back.title, s.title);
    EXPECT_EQ(back.size, -4);
    ASSERT_TRUE(back.save("Settings", dir.file("b.cfg")));
    EXPECT_EQ(readFileBytes(dir.file("b.cfg")), bytes);
}

TEST(TextFile, ReadingSplitsAtLineFeedsAndDropsTrailingBlankLines) {
    TempDir dir;
    writeFileBytes(dir.file("f"), "a\r\nb\rc\nlast without end\n   \n\r\n\t\x01\n\n");
    Text_ lines;
    ASSERT_TRUE(readTextFile(dir.file("f"), lines));
    EXPECT_EQ(linesOf(lines), (std::vector<std::string>{"a", "b\rc", "last without end", "   "}));
    EXPECT_EQ(lines.growStep, 1000);

    writeFileBytes(dir.file("blank"), "\n\r\n\n");
    ASSERT_TRUE(readTextFile(dir.file("blank"), lines));
    EXPECT_TRUE(lines.empty());

    writeFileBytes(dir.file("noend"), "one\ntwo");
    ASSERT_TRUE(readTextFile(dir.file("noend"), lines));
    EXPECT_EQ(linesOf(lines), (std::vector<std::string>{"one", "two"}));
}

TEST(TextFile, VeryLongLinesAreReadWhole) {
    TempDir dir;
    const std::string longValue(100000, 'q');
    writeFileBytes(dir.file("long"), "<Settings>\ntitle=" + longValue + "\n</Settings>\n");
    Settings s;
    ASSERT_TRUE(s.load("Settings", dir.file("long")));
    EXPECT_EQ(s.title, longValue);
}

TEST(TextFile, UnreadableFilesLeaveTheObjectAlone) {
    TempDir dir;
    Settings s;
    s.lines.add("kept");
    s.title = "before";
    EXPECT_FALSE(s.load("Settings", dir.file("missing")));
    EXPECT_FALSE(s.load("Settings", dir.path()));
    EXPECT_EQ(s.title, "before");
    EXPECT_EQ(linesOf(s.lines), (std::vector<std::string>{"kept"}));
}

// A failed save must leave the previous file exactly as it was and no
// temporary file behind.
class FailedSave : public ::testing::Test {
protected:
    void SetUp() override {
        previous.title = "previous";
        ASSERT_TRUE(previous.save("Settings", target()));
        before = readFileBytes(target());
    }
    std::string target() const { return dir.file("session.cfg"); }
    void expectUntouched() {
        EXPECT_EQ(readFileBytes(target()), before);
        size_t entries = 0;
        for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
            ++entries;
        EXPECT_EQ(entries, 1u);
    }
    TempDir dir;
    Settings previous;
    std::string before;
};

TEST_F(FailedSave, FolderThatDoesNotExist) {
    Settings s;
    EXPECT_FALSE(s.save("Settings", dir.file("nowhere/session.cfg")));
    expectUntouched();
}

TEST_F(FailedSave, TargetThatIsADirectory) {
    std::filesystem::create_directory(dir.file("folder"));
    Settings s;
    EXPECT_FALSE(s.save("Settings", dir.file("folder")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
    std::filesystem::remove(dir.file("folder"));
    expectUntouched();
}

TEST_F(FailedSave, WriteCutShortByAFileSizeLimit) {
    Settings big;
    big.title = std::string(1 << 20, 'z');
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = big.save("Settings", target());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved_ok);
    expectUntouched();
}

TEST(TextFile, SavingThroughASymlinkReplacesTheLinkedFile) {
    TempDir dir;
    Settings s;
    ASSERT_TRUE(s.save("Settings", dir.file("real.cfg")));
    std::filesystem::create_symlink(dir.file("real.cfg"), dir.file("link.cfg"));
    s.size = 9;
    ASSERT_TRUE(s.save("Settings", dir.file("link.cfg")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.cfg")));
    Settings back;
    ASSERT_TRUE(back.load("Settings", dir.file("real.cfg")));
    EXPECT_EQ(back.size, 9);
}

} // namespace
