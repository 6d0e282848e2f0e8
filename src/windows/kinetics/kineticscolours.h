#pragma once

#include <QColor>

// The colours of the kinetics plot for one of the preferences' two schemes
// ("Default" and "High contrast"), all derived from the window colour.
class KineticsColours {
public:
    explicit KineticsColours(int scheme);

    // c0 + (c1 - c0) * t per channel, rounded.
    static QColor blend(const QColor& c0, const QColor& c1, double t);

    QColor background;
    QColor grid;
    QColor zero;
    QColor text;
    QColor dim;
};
