#pragma once

#include "foundation/llist.h"
#include "foundation/text.h"

#include <cstdint>
#include <string>
#include <type_traits>

// Base of every stored object. One `exchange` both writes and reads the
// object's fields under fixed keys; `writing` steers the direction.
//
// A file is one top-level block: "<name>" ... "</name>", nested blocks and
// key=value lines, each indented five spaces per level, lines ended by CR LF.
// Reading finds a key anywhere in the object's block, nested blocks included;
// the first match wins and a missing key leaves the field as it was.
class TextStream {
public:
    virtual ~TextStream() = default;
    TextStream() = default;
    TextStream(const TextStream&) = default;
    TextStream(TextStream&&) = default;
    TextStream& operator=(const TextStream&) = default;
    TextStream& operator=(TextStream&&) = default;

    virtual void exchange() {}

    void exchangeBool(const std::string& key, bool& value);
    void exchangeInt(const std::string& key, std::int32_t& value);
    void exchangeDouble(const std::string& key, double& value);
    void exchangeString(const std::string& key, std::string& value);

    // A nested block; an empty name exchanges the object's fields inline.
    void exchangeObject(const std::string& name, TextStream& object);

    // One block per element; reading replaces the whole list.
    template <typename T> void exchangeList(const std::string& name, Llist<T>& list);

    // Writing only: a free-text content line at the current indentation.
    void writeLine(const std::string& text);

    // Reads the file (unless `fileName` is empty) and then the object from the
    // named block. False only when the file could not be read; a file without
    // the block leaves the object as it was.
    [[nodiscard]] bool load(const std::string& blockName, const std::string& fileName);

    // Writes the object as the named block, then the file unless `fileName` is
    // empty. The file is replaced only once the new content is entirely on
    // disk: on failure the previous file is untouched and the result is false.
    [[nodiscard]] bool save(const std::string& blockName, const std::string& fileName);

    // The value of the first line in `lines` whose key matches, or nullptr.
    const std::string* findValue(const std::string& key) const;

    Text_ lines;
    bool writing = false;

private:
    void writeKey(const std::string& key, const std::string& value);
};

// Process-wide indentation level of the write in progress.
inline int textStreamIndentation = 0;

// The lines strictly inside every block of that name, in file order.
Llist<Text_> cutBlocks(const Text_& lines, const std::string& name, bool firstOnly);

// File access in the stream's line format.
[[nodiscard]] bool readTextFile(const std::string& fileName, Text_& lines);
[[nodiscard]] bool writeTextFile(const std::string& fileName, const Text_& lines);

template <typename T> void TextStream::exchangeList(const std::string& name, Llist<T>& list) {
    static_assert(std::is_base_of_v<TextStream, T>, "list elements must be stored objects");
    if (writing) {
        for (T& element : list)
            exchangeObject(name, element);
        list.cursor = list.last();
        return;
    }
    Llist<Text_> blocks = cutBlocks(lines, name, false);
    list.clear();
    Text_ own = std::move(lines);
    for (Text_& block : blocks) {
        list.add(T());
        lines = std::move(block);
        exchangeObject("", list[list.last()]);
    }
    lines = std::move(own);
}
