#include "windows/common/cp1252.h"

#include "foundation/windows1252.h"

QString fromCp1252(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        result.append(
            QChar(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(c)))));
    return result;
}

std::string toCp1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text)
        result += unicodeToWindows1252(c.unicode());
    return result;
}
