#include "windows/equations/equationslook.h"

#include "session/preferences.h"

EquationsColours equationsColours(int style, int systemScheme) {
    if (style != Preferences::equationsSystem)
        return {paperColour, inkColour, plainScrollFrame, plainScrollThumb};
    switch (systemScheme) {
    case Preferences::systemMystery:
        return {QColor(16, 32, 54), QColor(216, 216, 255), QColor(72, 112, 160),
                QColor(152, 200, 255)};
    case Preferences::systemOpenAir:
        return {QColor(190, 190, 160), QColor(0, 0, 0), QColor(136, 136, 112),
                QColor(255, 255, 217)};
    default:
        return {QColor(0, 0, 0), QColor(224, 224, 224), QColor(104, 104, 104),
                QColor(208, 208, 208)};
    }
}
