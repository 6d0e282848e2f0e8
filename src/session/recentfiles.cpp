#include "session/recentfiles.h"

#include "session/programfiles.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

int indexOf(const Llist<std::string>& files, const std::string& fileName) {
    for (int i = 0; i < files.count(); ++i)
        if (sameFileName(files[i], fileName)) return i;
    return -1;
}

std::string withoutLeadingBlanks(const std::string& line) {
    size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) <= ' ')
        ++start;
    return line.substr(start);
}

} // namespace

bool sameFileName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

RecentFiles::RecentFiles(std::string configFilePath) : configFile(std::move(configFilePath)) {
    if (!fitsConfigFileLimit(configFile) || !load(blockName, configFile)) files.clear();
    lines.clear();
}

RecentFiles::~RecentFiles() {
    (void)save();
}

bool RecentFiles::add(const std::string& fileName) {
    if (fileName.empty()) return true;
    const int existing = indexOf(files, fileName);
    if (existing >= 0) files.remove(existing);
    if (files.count() >= maxFiles) files.resize(maxFiles - 1);
    files.insert(fileName, 0);
    return save();
}

bool RecentFiles::save() {
    const bool saved = TextStream::save(blockName, configFile);
    lines.clear();
    return saved;
}

void RecentFiles::exchange() {
    if (writing) {
        for (const std::string& file : files)
            writeLine(file);
        return;
    }
    // Hand-edited or damaged files may hold blank lines, repeats or more
    // entries than the list keeps.
    files.clear();
    for (const std::string& line : lines) {
        if (files.count() >= maxFiles) break;
        std::string file = withoutLeadingBlanks(line);
        if (!file.empty() && indexOf(files, file) < 0) files.add(std::move(file));
    }
}
