#include "foundation/numberformat.h"
#include "foundation/textstream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Text_ textOf(std::vector<std::string> lines) {
    Text_ text;
    for (auto& line : lines)
        text.add(line);
    return text;
}

std::vector<std::string> linesOf(const Text_& text) {
    return {text.begin(), text.end()};
}

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

Document sampleDocument() {
    Document doc;
    doc.count = 3;
    for (int i = 0; i < 3; ++i) {
        Item item;
        item.name = "C" + std::to_string(i);
        item.value = 0.25 * (i + 1);
        item.flag = i == 1;
        item.pos.x = i * 56;
        item.pos.y = -i;
        doc.items.add(item);
    }
    doc.origin.x = 5;
    return doc;
}

class TextStreamTest : public ::testing::Test {
protected:
    void TearDown() override {
        numberPrecision = 3;
        decimalSeparator = '.';
    }
};

TEST_F(TextStreamTest, WritesIndentedBlocksInOrder) {
    Document doc = sampleDocument();
    doc.items.resize(1);
    ASSERT_TRUE(doc.save("Doc", ""));
    const std::vector<std::string> expected = {
        "<Doc>",
        "     count=3",
        "     <item>",
        "          name=C0",
        "          value=0.25",
        "          flag=false",
        "          <pos>",
        "               x=0",
        "               y=0",
        "          </pos>",
        "     </item>",
        "     <origin>",
        "          x=5",
        "          y=0",
        "     </origin>",
        "</Doc>",
    };
    EXPECT_EQ(linesOf(doc.lines), expected);
    EXPECT_EQ(textStreamIndentation, 0);
}

TEST_F(TextStreamTest, ListsAndObjectsRoundTrip) {
    Document written = sampleDocument();
    ASSERT_TRUE(written.save("Doc", ""));

    Document read;
    read.lines = written.lines;
    ASSERT_TRUE(read.load("Doc", ""));
    EXPECT_EQ(read.count, 3);
    ASSERT_EQ(read.items.count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(read.items[i].name, written.items[i].name);
        EXPECT_EQ(read.items[i].value, written.items[i].value);
        EXPECT_EQ(read.items[i].flag, written.items[i].flag);
        EXPECT_EQ(read.items[i].pos.x, written.items[i].pos.x);
        EXPECT_EQ(read.items[i].pos.y, written.items[i].pos.y);
    }
    EXPECT_EQ(read.origin.x, 5);
    // The whole file stays in the top-level object's lines after a load.
    EXPECT_EQ(read.lines.count(), written.lines.count());
}

TEST_F(TextStreamTest, MissingBlocksAndKeysKeepCurrentValues) {
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

TEST_F(TextStreamTest, KeyLookupRules) {
    Item item;
    item.lines = textOf({
        "name =spaced",    // a blank before "=" is part of the key
        "\t   name=a=b=c", // leading blanks and controls are dropped
        "name=second",     // the first match wins
        "value",           // no "=": skipped
        "Flag=true",       // keys are case-sensitive
    });
    item.exchange();
    EXPECT_EQ(item.name, "a=b=c");
    EXPECT_EQ(item.value, 0);
    EXPECT_FALSE(item.flag);
}

TEST_F(TextStreamTest, BlockSearchTakesLatestStartAndFirstEnd) {
    Point p;
    Text_ lines = textOf(
        {"<pos>", "x=1", "<pos>", "x=2", "</pos>", "x=3", "</pos>", "<pos>", "x=4", "</pos>"});
    Llist<Text_> blocks = cutBlocks(lines, "pos", false);
    ASSERT_EQ(blocks.count(), 2);
    EXPECT_EQ(linesOf(blocks[0]), (std::vector<std::string>{"x=2"}));
    EXPECT_EQ(linesOf(blocks[1]), (std::vector<std::string>{"x=4"}));

    // The markers may stand anywhere in a line; a close before any start is ignored.
    Text_ loose = textOf({"</pos>", "junk <pos> junk", "x=9", "  </pos> trailing"});
    blocks = cutBlocks(loose, "pos", false);
    ASSERT_EQ(blocks.count(), 1);
    EXPECT_EQ(linesOf(blocks[0]), (std::vector<std::string>{"x=9"}));

    EXPECT_EQ(cutBlocks(textOf({"<pos>", "x=1"}), "pos", false).count(), 0);
}

TEST_F(TextStreamTest, KeysOfNestedBlocksAreVisibleToTheOuterObject) {
    struct Outer : TextStream {
        std::int32_t x = 0;
        void exchange() override { exchangeInt("x", x); }
    } outer;
    outer.lines = textOf({"<Outer>", "<pos>", "x=5", "</pos>", "x=6", "</Outer>"});
    ASSERT_TRUE(outer.load("Outer", ""));
    EXPECT_EQ(outer.x, 5);
}

TEST_F(TextStreamTest, DecimalConventionsReadEachOther) {
    Item written;
    written.value = 1.25;
    decimalSeparator = ',';
    ASSERT_TRUE(written.save("Item", ""));
    EXPECT_EQ(written.lines[2], "     value=1,25");

    decimalSeparator = '.';
    Item read;
    read.lines = written.lines;
    ASSERT_TRUE(read.load("Item", ""));
    EXPECT_EQ(read.value, 1.25);

    ASSERT_TRUE(written.save("Item", ""));
    decimalSeparator = ',';
    read.value = 0;
    read.lines = written.lines;
    ASSERT_TRUE(read.load("Item", ""));
    EXPECT_EQ(read.value, 1.25);
}

TEST_F(TextStreamTest, WriteLineOnlyWhileWriting) {
    struct Notes : TextStream {
        std::vector<std::string> read;
        void exchange() override {
            if (writing) {
                writeLine("first");
                writeLine("second\nline");
            } else {
                for (const auto& line : lines)
                    read.push_back(line);
            }
        }
    } notes;
    ASSERT_TRUE(notes.save("Notes", ""));
    EXPECT_EQ(linesOf(notes.lines),
              (std::vector<std::string>{"<Notes>", "     first", "     second line", "</Notes>"}));
    ASSERT_TRUE(notes.load("Notes", ""));
    EXPECT_EQ(notes.read, (std::vector<std::string>{"     first", "     second line"}));
    notes.writeLine("ignored");
    EXPECT_EQ(notes.lines.count(), 4);
}

} // namespace
