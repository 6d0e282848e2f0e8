#include "exchange/xmlguard.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The encoding named in the XML declaration, empty when there is none.
std::string declaredEncoding(std::string_view text) {
    if (text.substr(0, 5) != "<?xml") return std::string();
    const size_t end = text.find("?>");
    const std::string_view declaration = text.substr(0, end);
    const size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) return std::string();
    const size_t open = declaration.find_first_of("\"'", key);
    if (open == std::string_view::npos) return "?";
    const size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) return "?";
    return std::string(declaration.substr(open + 1, close - open - 1));
}

bool asciiCompatible(const std::string& encoding) {
    static const char* const known[] = {"UTF-8",       "UTF8",         "US-ASCII",
                                        "ASCII",       "ISO-8859-1",   "LATIN1",
                                        "ISO-8859-15", "WINDOWS-1252", "CP1252"};
    const std::string name = upper(encoding);
    return std::any_of(std::begin(known), std::end(known),
                       [&](const char* k) { return name == k; });
}

// The element's name without its prefix, from the text after '<'.
std::string_view localName(std::string_view tag) {
    const size_t end = tag.find_first_of(" \t\r\n/>");
    const std::string_view name = tag.substr(0, end);
    const size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

} // namespace

std::string xmlGuardRefusal(const std::string& whole) {
    if (whole.find("<!DOCTYPE") != std::string::npos || whole.find("<!ENTITY") != std::string::npos)
        return "invalid XML: a document type declaration";
    std::string_view text(whole);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    // The parser tells EBCDIC by these bytes, whatever follows.
    if (text.substr(0, 4) == "\x4C\x6F\xA7\x94") return "invalid XML: the encoding EBCDIC";
    const std::string encoding = declaredEncoding(text);
    if (!encoding.empty() && !asciiCompatible(encoding))
        return "invalid XML: the encoding " + encoding + " (save the document as UTF-8)";

    // Markup outside tags (comments, processing instructions, sections of
    // character data) does not nest; inside a tag a quoted value may hold '>'.
    int depth = 0;
    long elements = 0;
    // The depth of the open math element, 0 outside one. libsbml's MathML
    // reader loses the memory of a math element inside another.
    int mathAt = 0;
    size_t i = 0;
    const auto skipPast = [&](std::string_view end) {
        const size_t found = text.find(end, i);
        i = found == std::string_view::npos ? text.size() : found + end.size();
    };
    while ((i = text.find('<', i)) != std::string_view::npos) {
        const std::string_view rest = text.substr(i);
        if (rest.substr(0, 4) == "<!--") {
            skipPast("-->");
        } else if (rest.substr(0, 9) == "<![CDATA[") {
            skipPast("]]>");
        } else if (rest.substr(0, 2) == "<?") {
            skipPast("?>");
        } else if (rest.substr(0, 2) == "<!") {
            skipPast(">");
        } else if (rest.substr(0, 2) == "</") {
            if (depth == mathAt) mathAt = 0;
            depth = std::max(0, depth - 1);
            skipPast(">");
        } else {
            char quote = 0;
            size_t j = i + 1;
            for (; j < text.size(); ++j) {
                const char c = text[j];
                if (quote) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>' || c == '<') {
                    break;
                }
            }
            const bool empty = j < text.size() && text[j] == '>' && text[j - 1] == '/';
            if (++elements > maxXmlElements)
                return "more than " + std::to_string(maxXmlElements) + " XML elements";
            if (!empty && ++depth > maxXmlDepth)
                return "XML elements nested deeper than " + std::to_string(maxXmlDepth) + " levels";
            if (localName(text.substr(i + 1, j - i - 1)) == "math") {
                if (mathAt) return "invalid MathML: a math element inside another";
                if (!empty) mathAt = depth;
            }
            i = j < text.size() && text[j] == '>' ? j + 1 : j;
        }
    }
    return std::string();
}
