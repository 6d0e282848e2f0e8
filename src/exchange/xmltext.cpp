#include "exchange/xmltext.h"

#include "foundation/windows1252.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

std::string escapeXml(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string attribute(const std::string& name, const std::string& value) {
    return " " + name + "=\"" + escapeXml(value) + "\"";
}

std::string utf8ToWindows1252(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80         ? 1
                           : (byte >> 5) == 6  ? 2
                           : (byte >> 4) == 14 ? 3
                           : (byte >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + length > text.size()) {
            result += '?';
            ++i;
            continue;
        }
        char32_t code = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        result += unicodeToWindows1252(code);
        i += length;
    }
    return result;
}

bool writeWholeFile(const std::string& fileName, const std::string& text) {
    if (fileName.empty()) return false;
    const std::string temporary = fileName + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) std::remove(temporary.c_str());
    return !error;
}
