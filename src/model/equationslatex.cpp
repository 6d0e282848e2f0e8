#include "model/equationslatex.h"

#include "model/equationtags.h"
#include "model/vreactor.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

using namespace EquationTag;

// A component name stands in the generated text as nameStart, the index of
// its distinct name, nameEnd: names may hold anything, markers cannot be
// mistaken for the text round them.
constexpr char nameStart = '\x01';
constexpr char nameEnd = '\x02';
// The Windows-1252 plus-minus sign.
constexpr char plusMinus = '\xB1';

Vreactor withNameMarkers(const Vreactor& reactor, std::vector<std::string>& names) {
    Vreactor marked = reactor;
    for (Vcomponent& c : marked.components) {
        auto found = std::find(names.begin(), names.end(), c.name);
        const auto index = static_cast<size_t>(found - names.begin());
        if (found == names.end()) names.push_back(c.name);
        c.name = nameStart + std::to_string(index) + nameEnd;
    }
    return marked;
}

std::string escaped(const std::string& name) {
    std::string out;
    for (const char c : name) {
        switch (c) {
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            out += '\\';
            out += c;
            break;
        case '\\':
            out += "\\backslash{}";
            break;
        case '~':
            out += "\\sim{}";
            break;
        case '^':
            out += "\\hat{}";
            break;
        case ' ':
            out += "\\ ";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

size_t digitsFrom(const std::string& text, size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

bool tagAt(const std::string& text, size_t i, const char* tag) {
    return text.compare(i, tagLength, tag) == 0;
}

class LineConverter {
public:
    explicit LineConverter(const std::vector<std::string>& names) : names_(names) {}

    std::string convert(const std::string& text) const {
        std::string out;
        bool levelOpen = false;
        size_t i = 0;
        while (i < text.size()) {
            const char c = text[i];
            if (tagAt(text, i, subscript) || tagAt(text, i, superscript)) {
                if (levelOpen) out += '}';
                out += tagAt(text, i, subscript) ? "_{" : "^{";
                levelOpen = true;
                i += tagLength;
            } else if (tagAt(text, i, normal)) {
                if (levelOpen) out += '}';
                levelOpen = false;
                i += tagLength;
            } else if (tagAt(text, i, arrowForward) || tagAt(text, i, arrowBackward) ||
                       tagAt(text, i, arrowBoth)) {
                out += tagAt(text, i, arrowForward)    ? "\\longrightarrow"
                       : tagAt(text, i, arrowBackward) ? "\\longleftarrow"
                                                       : "\\rightleftharpoons";
                i += tagLength;
            } else if (tagAt(text, i, ddt)) {
                i = derivative(text, i + tagLength, out);
            } else if (c == nameStart) {
                i = name(text, i, out);
            } else if (isDigit(c)) {
                i = number(text, i, out);
            } else if (isLetter(c)) {
                size_t end = i;
                while (end < text.size() && isLetter(text[end]))
                    ++end;
                const std::string word = text.substr(i, end - i);
                out += word.size() == 1 ? word : "\\text{" + word + "}";
                i = end;
            } else if (c == ' ' && text.compare(i, 2, "  ") == 0) {
                while (i < text.size() && text[i] == ' ')
                    ++i;
                out += "\\qquad ";
            } else if (c == plusMinus) {
                out += "\\pm";
                ++i;
            } else {
                out += c;
                ++i;
            }
        }
        if (levelOpen) out += '}';
        return out;
    }

private:
    // " [X] = ..." after the d/dt operator: \frac{d[X]}{dt}.
    size_t derivative(const std::string& text, size_t i, std::string& out) const {
        const size_t open = text.compare(i, 2, " [") == 0 ? i + 1 : std::string::npos;
        const size_t close = open == std::string::npos ? open : text.find("] = ", open);
        if (close == std::string::npos) {
            out += "\\frac{d}{dt}";
            return i;
        }
        out += "\\frac{d" + convert(text.substr(open, close + 1 - open)) + "}{dt}";
        return close + 1;
    }

    size_t name(const std::string& text, size_t i, std::string& out) const {
        const size_t end = text.find(nameEnd, i);
        const size_t index = std::stoul(text.substr(i + 1, end - i - 1));
        out += "\\mathrm{" + escaped(names_.at(index)) + "}";
        return end + 1;
    }

    // Digits with an optional fraction (either separator) and exponent.
    static size_t number(const std::string& text, size_t i, std::string& out) {
        size_t end = digitsFrom(text, i);
        if (end + 1 < text.size() && (text[end] == '.' || text[end] == ',') &&
            isDigit(text[end + 1]))
            end = digitsFrom(text, end + 1);
        std::string mantissa = text.substr(i, end - i);
        const size_t comma = mantissa.find(',');
        if (comma != std::string::npos) mantissa.replace(comma, 1, "{,}");
        out += mantissa;
        if (end < text.size() && text[end] == 'e') {
            size_t digits = end + 1;
            if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
            const size_t exponentEnd = digitsFrom(text, digits);
            if (exponentEnd > digits) {
                const bool negative = text[end + 1] == '-';
                out += " \\cdot 10^{" + std::string(negative ? "-" : "") +
                       text.substr(digits, exponentEnd - digits) + "}";
                return exponentEnd;
            }
        }
        return end;
    }

    const std::vector<std::string>& names_;
};

std::string withoutLineMarkers(std::string line) {
    for (const char* marker : {reactionLine, componentLine})
        for (size_t at = line.find(marker); at != std::string::npos; at = line.find(marker))
            line.erase(at, tagLength);
    const std::string lead(indent);
    if (line.compare(0, lead.size(), lead) == 0) line.erase(0, lead.size());
    return line;
}

} // namespace

std::string latexEquations(const Vreactor& reactor, const EquationsOptions& options) {
    std::vector<std::string> names;
    const Text_ lines = generateEquations(withNameMarkers(reactor, names), options);
    const LineConverter converter(names);
    std::string rows;
    for (const std::string& line : lines) {
        const std::string row = converter.convert(withoutLineMarkers(line));
        if (row.find_first_not_of(' ') == std::string::npos) continue;
        if (!rows.empty()) rows += " \\\\\n";
        rows += "&" + row;
    }
    return "\\begin{align*}\n" + rows + (rows.empty() ? "" : "\n") + "\\end{align*}\n";
}
