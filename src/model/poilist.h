#pragma once

#include "model/poi.h"
#include "model/poi_extent.h"

#include <vector>

// A polyline with a cached bounding box. Clearing keeps the storage, so a
// branch rebuilt at every layout does not allocate again.
class PoiList {
public:
    static constexpr int maxBranchPoints = 3000;

    int count() const { return static_cast<int>(points_.size()); }
    int last() const { return count() - 1; }
    bool empty() const { return points_.empty(); }
    // The point at an index, or (0, 0) outside the list.
    Poi at(int index) const {
        return index >= 0 && index < count() ? points_[static_cast<size_t>(index)] : Poi{};
    }
    Poi operator[](int index) const { return points_[static_cast<size_t>(index)]; }
    auto begin() const { return points_.begin(); }
    auto end() const { return points_.end(); }

    void add(Poi p) {
        points_.push_back(p);
        extentValid_ = false;
    }
    void clear() {
        points_.clear();
        extentValid_ = false;
    }

    // The box of all points, cached until the points change.
    const Poi_Extent& extent() const;

    // The integer distance to the nearest point; a miss for an empty list.
    int distance(Poi p) const;

    // A steering curve of unit steps from `start` toward `target`, leaving in
    // the direction `heading` (radians, counter-clockwise) and bending toward
    // the target, weaker for distant targets. Ends within 10 pixels of the
    // target or after `maxBranchPoints` points. Empty when start is the target.
    void buildBranch(Poi start, Poi target, double heading);

    bool operator==(const PoiList& o) const { return points_ == o.points_; }

private:
    std::vector<Poi> points_;
    mutable Poi_Extent extent_;
    mutable bool extentValid_ = false;
};
