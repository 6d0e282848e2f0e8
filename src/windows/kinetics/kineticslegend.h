#pragma once

#include "foundation/llist.h"

#include <QRect>

#include <vector>

class KineticsColours;
class QPainter;
class Vreactor;

// The legend of the kinetics plot, drawn into the plot bitmap at its right
// edge: one row per unique component with its name, a visibility marker and
// an x-axis marker; then the weighted observation's name when it is shown;
// and the x-axis caption at the bottom.
class KineticsLegend {
public:
    // Draws the legend into a bitmap of the given size and remembers the
    // markers' click rectangles.
    void paint(QPainter& painter, QSize bitmap, const Vreactor& system, bool observationShown,
               const KineticsColours& colours, bool largeLabels);

    // The unique component whose marker contains p (bitmap coordinates), or -1.
    int visibilityMarkerAt(QPoint p) const;
    int xAxisMarkerAt(QPoint p) const;

    // One rectangle per unique component, in bitmap coordinates.
    Llist<QRect> visibilityMarkers;
    Llist<QRect> xAxisMarkers;
    // While the plot shows reaction rates: the reaction of each row.
    std::vector<int> rateReactions;
};
