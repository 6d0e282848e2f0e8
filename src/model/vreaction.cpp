#include "model/vreaction.h"

#include "foundation/numberformat.h"
#include "model/textlabel.h"
#include "model/vcomponent.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
// Half the length of the arrow's axis.
constexpr double axisHalf = 4;
// Space between the axis and a rate constant label.
constexpr double labelGap = 5;

// The position of the component an entry refers to; `fallback` for an index
// outside the list.
Poi componentPos(const Llist<Vcomponent>& components, int index, Poi fallback) {
    return index >= 0 && index < components.count() ? components[index].pos : fallback;
}

// Sets the number of elements, keeping the first ones and their storage.
template <typename T> void setCount(Llist<T>& list, int n) {
    if (list.count() > n) list.resize(n);
    while (list.count() < n)
        list.add(T());
}

std::string parameterLabel(double value, bool switched, bool animated) {
    std::string text = formatNumber(value);
    if (switched) text += switchedSuffix;
    if (animated) text += animatedSuffix;
    return text;
}

// The angle from a to b on the screen (y downwards).
double angleFrom(double ax, double ay, double bx, double by) {
    return angleOf(bx - ax, ay - by);
}

} // namespace

void Vreaction::exchange() {
    exchangeBool("active", active);
    exchangeBool("active back", activeBack);
    exchangeDouble("rate constant", rateConstant);
    exchangeDouble("rate constant back", rateConstantBack);
    exchangeList("reaction switch", switches);
    exchangeList("reaction switch back", switchesBack);
    exchangeList("reactant", reactants);
    exchangeInt("Geometry", geometry);
    // Written only when set; a missing key reads as false.
    if (!writing || animate) exchangeBool("animate", animate);
    if (!writing || animateBack) exchangeBool("animate B", animateBack);
    Vclass::exchange();
}

int Vreaction::distance(Poi p) const {
    Poi_Dist dist(p);
    dist.addCircle(pos, centreRadius, true);
    return dist.best;
}

int Vreaction::labelDistance(Poi p) const {
    return labelRectDistance(labelPos, labelSize, p);
}

int Vreaction::labelBackDistance(Poi p) const {
    return labelRectDistance(labelPosBack, labelBackSize, p);
}

int Vreaction::branchDistance(int j, Poi p) const {
    return j >= 0 && j < branches.count() ? branches[j].distance(p) : miss;
}

int Vreaction::orderDistance(int j, Poi p) const {
    return j >= 0 && j < orderPoints.count() ? labelRectDistance(orderPoints[j], orderSize, p)
                                             : miss;
}

void Vreaction::layout(const Llist<Vcomponent>& components, TextMeasurer* measurer,
                       const ModelSettings& settings, Poi newPos) {
    if (newPos.x != keepPosition.x) pos = newPos;

    angle = 0;
    if (geometry == adaptive || geometry == movableAdaptive) placeByComponents(components);
    if (geometry == aligned) alignToPair(components);

    label = parameterLabel(rateConstant, !switches.empty(), animate);
    labelBack = parameterLabel(rateConstantBack, !switchesBack.empty(), animateBack);

    const int fontSize = settings.parameterFontSize();
    labelSize = measureLabel(measurer, label, fontSize);
    labelBackSize = measureLabel(measurer, labelBack, fontSize);
    orderSize = measureLabel(measurer, "10", fontSize);
    const Poi half = halfSize(labelSize), halfBack = halfSize(labelBackSize);
    const double s = std::sin(angle), c = std::cos(angle);
    labelPos = pos + Poi{truncatedInt(1.5 - (labelGap + half.x) * s),
                         truncatedInt(-0.5 - (labelGap + half.y) * c)};
    labelPosBack = pos + Poi{truncatedInt(1.5 + (labelGap + halfBack.x) * s),
                             truncatedInt(-0.5 + (labelGap + halfBack.y) * c)};

    buildBranches(components);
}

// Modes -3 and -2: the axis points from the mean of the left components to
// the mean of the others; mode -3 also centres the reaction among them.
void Vreaction::placeByComponents(const Llist<Vcomponent>& components) {
    double leftX = 0, leftY = 0, rightX = 0, rightY = 0;
    long long distinctX = 0, distinctY = 0;
    int leftCount = 0, rightCount = 0, distinctCount = 0;
    for (int i = 0; i < reactants.count(); ++i) {
        const Reactant& r = reactants[i];
        const Poi p = componentPos(components, r.index, pos);
        if (r.port == -1) {
            leftX += p.x;
            leftY += p.y;
            ++leftCount;
        } else {
            rightX += p.x;
            rightY += p.y;
            ++rightCount;
        }
        bool seen = false;
        for (int j = 0; j < i && !seen; ++j)
            seen = reactants[j].index == r.index;
        if (!seen) {
            distinctX += p.x;
            distinctY += p.y;
            ++distinctCount;
        }
    }
    if (leftCount > 0 && rightCount > 0)
        angle = angleFrom(leftX / leftCount, leftY / leftCount, rightX / rightCount,
                          rightY / rightCount);
    if (geometry == adaptive && reactants.count() >= 2 && distinctCount > 1)
        pos = {static_cast<int>(distinctX / distinctCount),
               static_cast<int>(distinctY / distinctCount)};
}

// Mode 0: the axis runs from the last aligned left component to the last
// aligned right one, centred between them.
void Vreaction::alignToPair(const Llist<Vcomponent>& components) {
    const Reactant* left = nullptr;
    const Reactant* right = nullptr;
    for (const Reactant& r : reactants) {
        if (!r.align) continue;
        if (r.port == -1) left = &r;
        if (r.port == 1) right = &r;
    }
    if (!left || !right) {
        geometry = movableHorizontal;
        return;
    }
    const Poi a = componentPos(components, left->index, pos);
    const Poi b = componentPos(components, right->index, pos);
    angle = angleFrom(a.x, a.y, b.x, b.y);
    pos = a.midpoint(b);
}

void Vreaction::buildBranches(const Llist<Vcomponent>& components) {
    const double s = std::sin(angle), c = std::cos(angle);
    const Poi leftEnd = pos + Poi{truncatedInt(-axisHalf * c), truncatedInt(axisHalf * s)};
    const Poi rightEnd = pos + Poi{truncatedInt(axisHalf * c), truncatedInt(-axisHalf * s)};

    const int n = reactants.count();
    setCount(branches, n);
    setCount(branchEnds, n);
    setCount(branchStarts, n);
    setCount(orderPoints, n);
    for (int i = 0; i < n; ++i) {
        const bool left = reactants[i].port == -1;
        const Poi target = componentPos(components, reactants[i].index, pos);
        PoiList& branch = branches[i];
        branch.buildBranch(left ? leftEnd : rightEnd, target, left ? angle + pi : angle);
        branchEnds[i] = target;
        branchStarts[i] = pos;
        // An empty branch has its component on the axis end.
        orderPoints[i] =
            branch.empty() ? target : branch[std::max(0, branch.last() - orderPointSteps)];
    }
}

Poi_Extent Vreaction::extent() const {
    Poi_Extent box(pos - Poi{centreExtent, centreExtent}, pos + Poi{centreExtent, centreExtent});
    addLabelRect(box, labelPos, labelSize);
    addLabelRect(box, labelPosBack, labelBackSize);
    for (const PoiList& branch : branches)
        box.add(branch.extent());
    box.grow(extentMargin);
    return box;
}
