#include "windows/equations/equationsscroll.h"

#include <algorithm>
#include <cstdint>

void EquationsScroll::clamp() {
    position = std::max(0, std::min(position, documentHeight - pageHeight));
}

void EquationsScroll::dragTo(int y) {
    const int barHeight = bar.height();
    if (barHeight <= 0) return;
    const std::int64_t at = std::int64_t{y - bar.top()} * documentHeight / barHeight;
    position =
        static_cast<int>(std::clamp<std::int64_t>(at - pageHeight / 2, INT32_MIN, INT32_MAX));
    clamp();
}
