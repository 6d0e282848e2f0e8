#pragma once

#include "foundation/llist.h"
#include "foundation/textmeasurer.h"
#include "model/modelsettings.h"
#include "model/poi_extent.h"
#include "model/poilist.h"
#include "model/reactant.h"
#include "model/reactionswitch.h"
#include "model/vclass.h"

class Vcomponent;

// One reaction, drawn as an arrow through its centre `pos`. Its mode is the
// pair (active, activeBack): forward, backward, reversible or inactive.
class Vreaction : public Vclass {
public:
    // Geometry modes.
    static constexpr int adaptive = -3;
    static constexpr int movableAdaptive = -2;
    static constexpr int movableHorizontal = -1;
    static constexpr int aligned = 0;

    static constexpr int centreRadius = 8;
    // Half the side of the square that the centre covers in the extent.
    static constexpr int centreExtent = 15;
    // A branch is hit this far away (the window applies it).
    static constexpr int branchTolerance = 4;
    // The order label stands this many branch steps before the component.
    static constexpr int orderPointSteps = 20;
    // `layout` keeps the position when given this.
    static constexpr Poi keepPosition{-1, -1};

    void exchange() override;

    // To the filled disc of the centre.
    int distance(Poi p) const override;
    // To the forward and backward rate constant labels.
    int labelDistance(Poi p) const;
    int labelBackDistance(Poi p) const;
    // To the nearest point of entry j's branch; a miss for no such entry.
    int branchDistance(int j, Poi p) const;
    // To entry j's order label, sized like the text "10".
    int orderDistance(int j, Poi p) const;

    // Recomputes the arrow shape from the positions of the connected
    // components; moves the reaction to `newPos` first unless its x is -1.
    // Mode -3 places the centre itself, and mode 0 falls back to -1 for good
    // when its aligned pair is gone.
    void layout(const Llist<Vcomponent>& components, TextMeasurer* measurer,
                const ModelSettings& settings, Poi newPos = keepPosition);

    // The centre, both labels and all branch points, grown by the margin.
    Poi_Extent extent() const;

    bool active = true;
    bool activeBack = false;
    double rateConstant = 1.0;
    double rateConstantBack = 1.0;
    Llist<ReactionSwitch> switches;
    Llist<ReactionSwitch> switchesBack;
    Llist<Reactant> reactants;
    // Arrow geometry mode: -3 adaptive, -2 movable centre with adaptive
    // orientation, -1 movable centre horizontal, 0 aligned to two components.
    int geometry = movableHorizontal;
    bool animate = false;
    bool animateBack = false;

    // While a connection is drawn: the source may still join this side.
    bool canTakeReactant = false;
    bool canTakeProduct = false;

    // The arrow shape, computed by `layout` and not stored.
    // Direction of the axis in [0, 2pi), counter-clockwise; 0 points right.
    double angle = 0;
    // Per entry, in the order of `reactants`: the curve from the axis end to
    // the component, the component's position, the reaction's position, and
    // where the order label stands.
    Llist<PoiList> branches;
    Llist<Poi> branchEnds;
    Llist<Poi> branchStarts;
    Llist<Poi> orderPoints;
    Poi labelPos;
    Poi labelPosBack;
    std::string label;
    std::string labelBack;
    TextSize labelSize;
    TextSize labelBackSize;
    TextSize orderSize;

private:
    void placeByComponents(const Llist<Vcomponent>& components);
    void alignToPair(const Llist<Vcomponent>& components);
    void buildBranches(const Llist<Vcomponent>& components);
};
