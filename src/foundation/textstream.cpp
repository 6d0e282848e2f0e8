#include "foundation/textstream.h"

#include "foundation/numberformat.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* indentUnit = "     ";
constexpr int readGrowStep = 100000;
constexpr int settledGrowStep = 1000;

std::string indentation() {
    std::string text;
    for (int i = 0; i < textStreamIndentation; ++i)
        text += indentUnit;
    return text;
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool hasPrintable(const std::string& line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) > 31) return true;
    return false;
}

// A line feed inside a value would split it into two lines of the file.
std::string singleLine(std::string text) {
    for (char& c : text)
        if (c == '\n') c = ' ';
    return text;
}

} // namespace

void TextStream::writeKey(const std::string& key, const std::string& value) {
    lines.add(indentation() + key + "=" + singleLine(value));
}

const std::string* TextStream::findValue(const std::string& key) const {
    for (const std::string& line : lines) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        size_t start = 0;
        while (start < eq && isBlankOrControl(line[start]))
            ++start;
        if (std::string_view(line).substr(start, eq - start) == key) return &line;
    }
    return nullptr;
}

namespace {
std::string valueOf(const std::string& line) {
    return line.substr(line.find('=') + 1);
}
} // namespace

void TextStream::exchangeBool(const std::string& key, bool& value) {
    if (writing) {
        writeKey(key, value ? "true" : "false");
    } else if (const std::string* line = findValue(key)) {
        value = parseBool(valueOf(*line));
    }
}

void TextStream::exchangeInt(const std::string& key, std::int32_t& value) {
    if (writing) {
        writeKey(key, formatInt(value));
    } else if (const std::string* line = findValue(key)) {
        value = parseInt(valueOf(*line));
    }
}

void TextStream::exchangeDouble(const std::string& key, double& value) {
    if (writing) {
        writeKey(key, formatNumber(value));
    } else if (const std::string* line = findValue(key)) {
        value = parseDouble(valueOf(*line));
    }
}

void TextStream::exchangeString(const std::string& key, std::string& value) {
    if (writing) {
        writeKey(key, value);
    } else if (const std::string* line = findValue(key)) {
        value = valueOf(*line);
    }
}

void TextStream::writeLine(const std::string& text) {
    if (writing) lines.add(indentation() + singleLine(text));
}

void TextStream::exchangeObject(const std::string& name, TextStream& object) {
    const bool nested = &object != this;
    if (writing) {
        object.writing = true;
        object.lines.clear();
        if (!name.empty()) {
            lines.add(indentation() + "<" + singleLine(name) + ">");
            ++textStreamIndentation;
        }
        object.exchange();
        if (nested) {
            for (std::string& line : object.lines)
                lines.add(std::move(line));
            object.lines.clear();
        }
        if (!name.empty()) {
            --textStreamIndentation;
            lines.add(indentation() + "</" + singleLine(name) + ">");
        }
        return;
    }

    object.writing = false;
    if (name.empty()) {
        if (nested) object.lines = lines;
    } else {
        Llist<Text_> blocks = cutBlocks(lines, name, true);
        object.lines = blocks.empty() ? Text_() : std::move(blocks[0]);
    }
    object.exchange();
    // Nested objects need their lines only while they read; undo levels hold
    // many copies of the model, so do not keep a second copy of the file.
    if (nested) object.lines.clear();
}

Llist<Text_> cutBlocks(const Text_& lines, const std::string& name, bool firstOnly) {
    const std::string opening = "<" + name + ">";
    const std::string closing = "</" + name + ">";
    Llist<Text_> blocks;
    int start = -1;
    for (int i = 0; i <= lines.last(); ++i) {
        const std::string& line = lines[i];
        if (start >= 0 && line.find(closing) != std::string::npos) {
            Text_ block(i - start - 1);
            for (int j = start + 1; j < i; ++j)
                block.add(lines[j]);
            blocks.add(std::move(block));
            if (firstOnly) break;
            start = -1;
        } else if (line.find(opening) != std::string::npos) {
            start = i;
        }
    }
    return blocks;
}

bool TextStream::load(const std::string& blockName, const std::string& fileName) {
    if (!fileName.empty()) {
        Text_ fileLines;
        if (!readTextFile(fileName, fileLines)) return false;
        lines = std::move(fileLines);
    }
    writing = false;
    Text_ kept = lines;
    exchangeObject(blockName, *this);
    lines = std::move(kept);
    return true;
}

bool TextStream::save(const std::string& blockName, const std::string& fileName) {
    textStreamIndentation = 0;
    writing = true;
    exchangeObject(blockName, *this);
    writing = false;
    return fileName.empty() || writeTextFile(fileName, lines);
}

bool readTextFile(const std::string& fileName, Text_& lines) {
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file) return false;
    struct stat info {};
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return false;
    }
    Text_ read(0, readGrowStep);
    std::string line;
    char buffer[65536];
    size_t n = 0;
    bool failed = false;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        const char* rest = buffer;
        const char* const end = buffer + n;
        while (const void* found = std::memchr(rest, '\n', static_cast<size_t>(end - rest))) {
            const char* feed = static_cast<const char*>(found);
            line.append(rest, feed);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            read.add(std::move(line));
            line.clear();
            rest = feed + 1;
        }
        line.append(rest, end);
    }
    failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return false;
    if (!line.empty()) read.add(std::move(line));
    while (!read.empty() && !hasPrintable(read[read.last()]))
        read.remove(read.last());
    read.resize(read.count());
    read.growStep = settledGrowStep;
    lines = std::move(read);
    return true;
}

namespace {

// The real file behind a symbolic link, so that replacing it keeps the link.
std::string resolvedTarget(const std::string& fileName) {
    char resolved[PATH_MAX];
    struct stat info {};
    if (lstat(fileName.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
        realpath(fileName.c_str(), resolved))
        return resolved;
    return fileName;
}

bool writeAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A write beyond the file size limit raises SIGXFSZ, which ends the process;
// ignored, the write fails with EFBIG and the save reports the failure.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &saved_);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &saved_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction saved_ {};
};

mode_t newFileMode(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool writeTextFile(const std::string& fileName, const Text_& lines) {
    const FileSizeSignalIgnored sizeLimitReported;
    const std::string target = resolvedTarget(fileName);
    std::string temporary = target + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;

    std::string data;
    bool ok = true;
    for (const std::string& line : lines) {
        data += line;
        data += "\r\n";
        if (data.size() >= (1u << 20)) {
            ok = ok && writeAll(fd, data);
            data.clear();
        }
    }
    ok = ok && writeAll(fd, data);
    ok = ok && fchmod(fd, newFileMode(target)) == 0;
    ok = ok && fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}
