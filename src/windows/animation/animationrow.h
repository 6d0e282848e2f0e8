#pragma once

#include "windows/animation/animationoptions.h"
#include "windows/common/buttonlook.h"

#include <QRect>

class Animation;
class QPainter;

// The clickable areas of the animation window's row: each value field with
// its "+" and "-", and the "Play" switch.
struct AnimationRowRects {
    ValueFieldRects fields[animationFieldCount];
    QRect play;
};

// Where item i of the row stands (0..3 the value fields, 4 the switch) in a
// client area of the given height.
QRect animationRowItem(int i, int clientHeight);

// Paints the four value fields and the "Play" switch, its indicator on while
// an animation runs, and returns their areas.
AnimationRowRects paintAnimationRow(QPainter& painter, const Animation& animation,
                                    int clientHeight);
