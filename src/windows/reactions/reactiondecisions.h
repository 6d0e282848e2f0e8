#pragma once

#include "model/poi.h"
#include "model/poi_extent.h"

#include <QSize>

#include <string>
#include <utility>
#include <vector>

class Vreactor;

// Pure decisions of the reaction system window: where a connection lands,
// how a dragged region and the surface are sized, what the local menus list
// and how the value dialogs are titled and bounded.

// Where a dragged connection is dropped: a component's ring, or one half of
// a reaction (side -1 left, +1 right).
struct DropTarget {
    bool found = false;
    bool onComponent = false;
    int index = -1;
    int side = 0;
    bool operator==(const DropTarget&) const = default;
};

// A reaction's drop area: a point this close to its centre is on it.
inline constexpr int dropRadius = 15;

// Tests every component's ring (radius 22), then both halves of every
// reaction, each taking over at a distance less than or equal to the best;
// found only at distance 0. The left half is where the direction from the
// centre differs from the axis by a right angle or more.
DropTarget findDropTarget(const Vreactor& system, Poi p);

// The two corners with the smaller coordinates first.
std::pair<Poi, Poi> normalisedRegion(Poi a, Poi b);

// One item of the "Align To" part of the "Arrow Geometry" menu: a pair of
// entries of the reaction, left and right.
struct AlignPair {
    int left = -1;
    int right = -1;
    std::string caption;
};

// Every pair of a left entry (port -1) and a right entry (port +1), left
// entries in list order and for each the right ones in list order, captioned
// "Align To " + left name + " - " + right name.
std::vector<AlignPair> alignPairs(const Vreactor& system, int reaction);

// The checked item of the "Arrow Geometry" menu: 0, 1, 2 for the modes -3,
// -2, -1; for mode 0, 3 + k for the first pair k whose two entries are both
// aligned; -1 for none.
int checkedGeometryItem(const Vreactor& system, int reaction, const std::vector<AlignPair>& pairs);

// Sets the reaction's geometry as the menu item `item` says (see above).
void applyGeometryItem(Vreactor& system, int reaction, int item,
                       const std::vector<AlignPair>& pairs);

// The largest order entry j may take: 100 less the other orders on its side,
// plus 0.5 so the integer bound is reached.
double orderUpperBound(const Vreactor& system, int reaction, int j);

// The drawing's width and height: the client size or the extent's maximum
// plus 5 pixels, whichever is larger.
QSize drawingSize(QSize client, const Poi_Extent& extent);
// The surface reaches 20 pixels further.
QSize surfaceSize(QSize client, const Poi_Extent& extent);
