#include "session/programfiles.h"

#include <filesystem>
#include <system_error>

std::string programFile(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    if (directory.back() == '/') return directory + name;
    return directory + "/" + name;
}

bool fitsConfigFileLimit(const std::string& fileName) {
    if (fileName.empty()) return true;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    return error || size <= maxConfigFileBytes;
}
