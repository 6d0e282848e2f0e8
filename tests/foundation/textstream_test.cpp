#include "foundation/textstream.h"

#include "support/lines.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

struct Point : TextStream {
    std::int32_t x = 0, y = 0;
    void exchange() override {
        exchangeInt("x", x);
        exchangeInt("y", y);
    }
};

struct Item : TextStream {
    std::string name = "unnamed";
    double value = 0;
    bool flag = false;
    Point pos;
    Llist<Point> corners;
    void exchange() override {
        exchangeString("name", name);
        exchangeDouble("value", value);
        exchangeBool("flag", flag);
        exchangeObject("pos", pos);
        exchangeList("corner", corners);
        writeLine("a note\non one line"); // read back as nothing
    }
};

// Every value differs from its default: a field not read back changes the
// file saved again. Saving through a symbolic link replaces the linked file.
TEST(TextStream, WritesIndentedBlocksWithCrLfAndReadsThemBack) {
    TempDir dir;
    Item written;
    written.name = "Caf\xe9 \xb1 1";
    written.value = 0.25;
    written.flag = true;
    written.pos.x = 56;
    for (int y : {-1, -2}) {
        written.corners.add(Point());
        written.corners[written.corners.last()].y = y;
    }
    ASSERT_TRUE(written.save("Item", dir.file("a.cfg")));
    EXPECT_EQ(textStreamIndentation, 0);
    const std::string bytes = readFileBytes(dir.file("a.cfg"));
    EXPECT_EQ(bytes, "<Item>\r\n     name=Caf\xe9 \xb1 1\r\n     value=0.25\r\n     flag=true\r\n"
                     "     <pos>\r\n          x=56\r\n          y=0\r\n     </pos>\r\n"
                     "     <corner>\r\n          x=0\r\n          y=-1\r\n     </corner>\r\n"
                     "     <corner>\r\n          x=0\r\n          y=-2\r\n     </corner>\r\n"
                     "     a note on one line\r\n</Item>\r\n");

    fs::create_symlink(dir.file("a.cfg"), dir.file("link.cfg"));
    Item read;
    ASSERT_TRUE(read.load("Item", dir.file("link.cfg")));
    ASSERT_TRUE(read.save("Item", dir.file("link.cfg")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.cfg")));
    EXPECT_EQ(readFileBytes(dir.file("a.cfg")), bytes);
}

TEST(TextStream, KeyLookupAndMissingBlocks) {
    Item item;
    item.corners.add(Point());
    // A line without "=" is skipped, keys of nested blocks are visible
    // outside, a blank before "=" is part of the key, leading blanks and
    // control characters are dropped, the first match wins, keys are
    // case-sensitive.
    item.lines = textOf({"<Item>", "value", "<pos>", "value=2", "</pos>", "value=3", "name =spaced",
                         "\t   name=a=b=c", "name=second", "Flag=true", "</Item>"});
    item.pos.x = 11;
    ASSERT_TRUE(item.load("Item", ""));
    EXPECT_EQ(item.name, "a=b=c");
    EXPECT_EQ(item.value, 2);
    EXPECT_FALSE(item.flag);
    EXPECT_EQ(item.pos.x, 11);          // a nested block without the key keeps it
    EXPECT_EQ(item.corners.count(), 0); // a list block missing reads back empty
    item.lines = textOf({"<Other>", "value=4", "</Other>"});
    ASSERT_TRUE(item.load("Item", ""));
    EXPECT_EQ(item.value, 2);
}

// Unreadable files leave the object alone.
TEST(TextStreamFile, ReadingSplitsAtLineFeedsAndDropsTrailingBlankLines) {
    TempDir dir;
    const std::string longLine(100000, 'q'); // longer than the read buffer
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\rc\n" + longLine + "\n   \n\r\n\t\x01\n\n", {"a", "b\rc", longLine, "   "}},
        {"\n\r\n\n", {}},
        {"one\ntwo", {"one", "two"}},
    };
    for (const auto& [bytes, expected] : cases) {
        writeFileBytes(dir.file("f"), bytes);
        Text_ lines;
        ASSERT_TRUE(readTextFile(dir.file("f"), lines));
        EXPECT_EQ(linesOf(lines), expected);
    }
    Item s;
    s.lines.add("kept");
    EXPECT_FALSE(s.load("Item", dir.file("missing")));
    EXPECT_FALSE(s.load("Item", dir.path()));
    EXPECT_EQ(linesOf(s.lines), Lines{"kept"});
}

// A save that cannot be made leaves no temporary file behind (a save cut short
// keeping the previous file is the session's write-fault test).
TEST(TextStreamFile, FailedSavesLeaveNothingBehind) {
    TempDir dir;
    Item s;
    fs::create_directory(dir.file("folder"));
    EXPECT_FALSE(s.save("Item", dir.file("nowhere/session.cfg")));
    EXPECT_FALSE(s.save("Item", dir.file("folder")));
    EXPECT_TRUE(fs::is_empty(dir.file("folder")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

} // namespace
