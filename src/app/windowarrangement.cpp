#include "app/windowarrangement.h"

#include <algorithm>

namespace {

constexpr int reactionsMargin = 5;
// The reaction system window leaves this much of the width free.
constexpr int reactionsWidthLoss = 13;
constexpr int controlRightMargin = 12;
constexpr int speedbarLeft = 10;
constexpr int gap = 10;
constexpr int kineticsTopGap = 5;
constexpr int kineticsWidthLoss = 40;
constexpr int equationsWidth = 348;
constexpr int equationsInset = 20;

QRect frame(int left, int top, int width, int height) {
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

// Top of a window of this height centred in the band from `from` to `to`.
int centredTop(int from, int to, int height) {
    return from + (to - from - height) / 2;
}

} // namespace

WindowArrangement defaultWindowArrangement(QSize client, QSize control, QSize speedbar) {
    const int w = client.width();
    const int h = client.height();
    WindowArrangement a;
    a.reactions =
        frame(reactionsMargin, reactionsMargin, w - reactionsWidthLoss, h / 2 - reactionsMargin);
    const int bandTop = a.reactions.top() + a.reactions.height();
    a.control = frame(w - control.width() - controlRightMargin,
                      centredTop(bandTop, h, control.height()), control.width(), control.height());
    a.speedbar = frame(speedbarLeft, centredTop(bandTop, h, speedbar.height()), speedbar.width(),
                       speedbar.height());
    const int kineticsTop = bandTop + kineticsTopGap;
    a.kinetics =
        frame(a.speedbar.left() + a.speedbar.width() + gap, kineticsTop,
              w - control.width() - speedbar.width() - kineticsWidthLoss, h - kineticsTop - gap);
    return a;
}

QRect equationsPlacement(const QRect& reactionClient) {
    const int right = reactionClient.left() + reactionClient.width() - equationsInset;
    return frame(right - equationsWidth, reactionClient.top() + equationsInset, equationsWidth,
                 reactionClient.height() - 2 * equationsInset);
}
