#pragma once

#include "foundation/llist.h"
#include "foundation/textstream.h"

#include <string>

// The recent files list: full paths of session files, newest first, at most
// `maxFiles`, kept in "recent.cfg" as one path per line inside the block
// "Recent Files".
class RecentFiles : public TextStream {
public:
    static constexpr const char* blockName = "Recent Files";
    static constexpr int maxFiles = 10;

    // Loads the list from `configFilePath`; a missing, unreadable or oversized
    // file gives an empty list.
    explicit RecentFiles(std::string configFilePath);
    // Saves the list.
    ~RecentFiles() override;
    // One list per file: a copy would write the same file again when it dies.
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;

    // Puts `fileName` at the front, dropping an entry that differs from it at
    // most in letter case and the oldest entry beyond `maxFiles`, and saves
    // the list at once. An empty name is ignored. False when saving failed.
    bool add(const std::string& fileName);

    // Writes the list to `configFile`; on failure the previous file stays as
    // it was and the result is false.
    [[nodiscard]] bool save();

    void exchange() override;

    Llist<std::string> files{0, 1, true};
    std::string configFile;
};

// Equal when both read alike in upper case.
bool sameFileName(const std::string& a, const std::string& b);
