#include "windows/wobs/weightlines.h"

#include "foundation/numberformat.h"

namespace {
constexpr const char* ellipsis = "...";
constexpr size_t ellipsisLength = 3;
} // namespace

std::string fitName(const std::string& name) {
    const auto width = static_cast<size_t>(nameColumnWidth);
    if (name.size() > width) return name.substr(0, width - ellipsisLength) + ellipsis;
    return name + std::string(width - name.size(), ' ');
}

std::string weightLine(const std::string& name, double weight) {
    return fitName(name) + " " + formatNumber(weight);
}
