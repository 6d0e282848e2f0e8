#include "foundation/textstream.h"

#include "support/filesizelimit.h"
#include "support/lines.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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
    void exchange() override {
        exchangeString("name", name);
        exchangeDouble("value", value);
        exchangeBool("flag", flag);
        exchangeObject("pos", pos);
    }
};

struct Document : TextStream {
    std::int32_t count = 7;
    Llist<Item> items;
    Point origin;
    void exchange() override {
        exchangeInt("count", count);
        exchangeList("item", items);
        exchangeObject("origin", origin);
    }
};

TEST(TextStream, WritesIndentedBlocksInOrderAndReadsThemBack) {
    Document written;
    written.count = 3;
    for (int i = 1; i <= 2; ++i) {
        Item item;
        item.name = "C" + std::to_string(i);
        item.value = 0.25 * i;
        item.flag = i == 1;
        item.pos.x = i * 56;
        item.pos.y = -i;
        written.items.add(item);
    }
    written.origin.x = 5;
    ASSERT_TRUE(written.save("Doc", ""));
    EXPECT_EQ(
        Lines(written.lines.begin(), written.lines.begin() + 12),
        (Lines{"<Doc>", "     count=3", "     <item>", "          name=C1", "          value=0.25",
               "          flag=true", "          <pos>", "               x=56",
               "               y=-1", "          </pos>", "     </item>", "     <item>"}));
    EXPECT_EQ(textStreamIndentation, 0);

    // Every value differs from its default: a field not read changes the copy.
    Document read;
    read.lines = written.lines;
    ASSERT_TRUE(read.load("Doc", ""));
    EXPECT_EQ(read.lines.count(), written.lines.count()); // the file stays with the top object
    ASSERT_TRUE(read.save("Doc", ""));
    EXPECT_EQ(linesOf(read.lines), linesOf(written.lines));
}

TEST(TextStream, MissingBlocksAndKeysKeepCurrentValues) {
    Document doc;
    doc.items.add(Item());
    doc.origin.x = 11;
    doc.lines = textOf({"<Doc>", "  count=4", "</Doc>"});
    ASSERT_TRUE(doc.load("Doc", ""));
    EXPECT_EQ(doc.count, 4);
    EXPECT_EQ(doc.items.count(), 0); // a list block missing reads back empty
    EXPECT_EQ(doc.origin.x, 11);     // a nested block missing keeps its fields

    Document other;
    other.lines = textOf({"<Other>", "count=4", "</Other>"});
    ASSERT_TRUE(other.load("Doc", ""));
    EXPECT_EQ(other.count, 7);
}

TEST(TextStream, KeyLookupRules) {
    Item item;
    item.lines = textOf({
        "value",                      // no "=": skipped
        "<pos>", "value=2", "</pos>", // keys of nested blocks are visible outside
        "value=3",
        "name =spaced",    // a blank before "=" is part of the key
        "\t   name=a=b=c", // leading blanks and controls are dropped
        "name=second",     // the first match wins
        "Flag=true",       // keys are case-sensitive
    });
    item.exchange();
    EXPECT_EQ(item.name, "a=b=c");
    EXPECT_EQ(item.value, 2);
    EXPECT_FALSE(item.flag);
}

TEST(TextStream, BlockSearchTakesLatestStartAndFirstEnd) {
    const std::pair<Lines, std::vector<Lines>> cases[] = {
        {{"<pos>", "x=1", "<pos>", "x=2", "</pos>", "x=3", "</pos>", "<pos>", "x=4", "</pos>"},
         {{"x=2"}, {"x=4"}}},
        // The markers may stand anywhere in a line; a close before any start is ignored.
        {{"</pos>", "junk <pos> junk", "x=9", "  </pos> trailing"}, {{"x=9"}}},
        {{"<pos>", "x=1"}, {}},
    };
    for (const auto& [lines, expected] : cases) {
        std::vector<Lines> blocks;
        for (const Text_& block : cutBlocks(textOf(lines), "pos", false))
            blocks.push_back(linesOf(block));
        EXPECT_EQ(blocks, expected) << lines[0];
    }
}

TEST(TextStream, WriteLineOnlyWhileWritingAndOnOneLine) {
    struct Notes : TextStream {
        void exchange() override { writeLine("second\nline"); }
    } notes;
    ASSERT_TRUE(notes.save("Notes", ""));
    EXPECT_EQ(linesOf(notes.lines), (Lines{"<Notes>", "     second line", "</Notes>"}));
    notes.writeLine("ignored");
    EXPECT_EQ(notes.lines.count(), 3);
}

TEST(TextStreamFile, SaveWritesCrLfAndReadsBackByteForByte) {
    TempDir dir;
    Item s;
    s.name = "Caf\xe9 \xb1 1";
    s.pos.y = -4;
    ASSERT_TRUE(s.save("Item", dir.file("a.cfg")));
    const std::string bytes = readFileBytes(dir.file("a.cfg"));
    EXPECT_EQ(bytes, "<Item>\r\n     name=Caf\xe9 \xb1 1\r\n     value=0\r\n     flag=false\r\n"
                     "     <pos>\r\n          x=0\r\n          y=-4\r\n     </pos>\r\n</Item>\r\n");

    Item back;
    ASSERT_TRUE(back.load("Item", dir.file("a.cfg")));
    EXPECT_EQ(back.name, s.name);
    EXPECT_EQ(back.pos.y, -4);
    ASSERT_TRUE(back.save("Item", dir.file("b.cfg")));
    EXPECT_EQ(readFileBytes(dir.file("b.cfg")), bytes);
}

TEST(TextStreamFile, ReadingSplitsAtLineFeedsAndDropsTrailingBlankLines) {
    TempDir dir;
    const std::string longLine(100000, 'q'); // longer than the read buffer
    const std::pair<std::string, std::vector<std::string>> cases[] = {
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
}

TEST(TextStreamFile, UnreadableFilesLeaveTheObjectAlone) {
    TempDir dir;
    Item s;
    s.lines.add("kept");
    s.name = "before";
    EXPECT_FALSE(s.load("Item", dir.file("missing")));
    EXPECT_FALSE(s.load("Item", dir.path()));
    EXPECT_EQ(s.name, "before");
    EXPECT_EQ(linesOf(s.lines), (std::vector<std::string>{"kept"}));
}

// A failed save must leave the previous file exactly as it was and no
// temporary file behind.
TEST(TextStreamFile, FailedSavesLeaveThePreviousFile) {
    TempDir dir;
    const std::string target = dir.file("session.cfg");
    Item s;
    ASSERT_TRUE(s.save("Item", target));
    const std::string before = readFileBytes(target);
    std::filesystem::create_directory(dir.file("folder"));
    s.name = std::string(1 << 20, 'z');
    EXPECT_FALSE(s.save("Item", dir.file("nowhere/session.cfg")));
    EXPECT_FALSE(s.save("Item", dir.file("folder")));
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok);
        EXPECT_FALSE(s.save("Item", target));
    }
    EXPECT_EQ(readFileBytes(target), before);
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    EXPECT_EQ(entries, 2);
}

TEST(TextStreamFile, SavingThroughASymlinkReplacesTheLinkedFile) {
    TempDir dir;
    Item s;
    ASSERT_TRUE(s.save("Item", dir.file("real.cfg")));
    std::filesystem::create_symlink(dir.file("real.cfg"), dir.file("link.cfg"));
    s.value = 9;
    ASSERT_TRUE(s.save("Item", dir.file("link.cfg")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.cfg")));
    Item back;
    ASSERT_TRUE(back.load("Item", dir.file("real.cfg")));
    EXPECT_EQ(back.value, 9);
}

} // namespace
