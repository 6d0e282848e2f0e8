#pragma once

#include <QRect>
#include <QSize>

class KineticsView;
class QPainter;

// The plot rectangle and the nine controls round it for one client size of
// the kinetics window, with their painting.
class KineticsControls {
public:
    enum Control { none, autoY, logY, maxY, minY, autoX, logX, minX, maxX, options };

    KineticsControls() : KineticsControls(QSize(0, 0)) {}
    explicit KineticsControls(QSize client);

    // The window colour with the common edge shading, the sunken frame round
    // the plot and the controls showing the view's settings. The plot itself
    // is left to the caller.
    void paint(QPainter& painter, const KineticsView& view) const;

    // The control under p, or none.
    Control at(QPoint p) const;
    QRect rect(Control control) const;

    QSize clientSize;
    // Never empty, however small the client area.
    QRect plot;
    QRect autoYButton;
    QRect logYButton;
    QRect maxYField;
    QRect minYField;
    QRect autoXButton;
    QRect logXButton;
    QRect minXField;
    QRect maxXField;
    QRect optionsButton;
};
