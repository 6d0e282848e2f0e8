#include "windows/animation/animationrow.h"

#include "session/animation.h"
#include "windows/animation/animationlook.h"

#include <QString>

QRect animationRowItem(int i, int clientHeight) {
    int left = rowLeft;
    for (int k = 0; k < i; ++k)
        left += rowWidths[k] + rowGap;
    const int top = clientHeight - rowBottomMargin - rowFieldHeight;
    return {left, top, rowWidths[i], rowFieldHeight};
}

AnimationRowRects paintAnimationRow(QPainter& painter, const Animation& animation,
                                    int clientHeight) {
    AnimationRowRects rects;
    for (int i = 0; i < animationFieldCount; ++i) {
        const auto field = static_cast<AnimationField>(i);
        rects.fields[i] = paintValueField(
            painter, animationRowItem(i, clientHeight), QString::fromLatin1(fieldTitle(field)),
            QString::fromStdString(fieldText(animation, field)), fieldButtonWidth);
    }
    rects.play = paintSwitch(painter, animationRowItem(animationFieldCount, clientHeight),
                             QString::fromLatin1(playTitle), animation.isAnimating());
    return rects;
}
