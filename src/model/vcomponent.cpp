#include "model/vcomponent.h"

#include "foundation/numberformat.h"
#include "model/textlabel.h"

void Vcomponent::exchange() {
    exchangeString("name", name);
    exchangeBool("shortcut", shortcut);
    if (!shortcut) {
        exchangeDouble("initial concentration", initialConcentration);
        exchangeBool("constant", constant);
        exchangeDouble("weight", weight);
        exchangeInt("color", color);
        exchangeBool("monitor", monitor);
        // Written only when set; a missing key reads as false.
        if (!writing || asX) exchangeBool("as x", asX);
        if (!writing || animate) exchangeBool("animate", animate);
    }
    Vclass::exchange();
}

int Vcomponent::distance(Poi p) const {
    Poi_Dist dist(p);
    dist.addCircle(pos, bodyRadius, true);
    return dist.best;
}

int Vcomponent::ringDistance(Poi p) const {
    Poi_Dist dist(p);
    dist.addCircle(pos, ringRadius, true);
    return dist.best;
}

int Vcomponent::nameDistance(Poi p) const {
    return labelRectDistance(namePos, nameSize, p);
}

int Vcomponent::concentrationDistance(Poi p) const {
    return shortcut ? miss : labelRectDistance(labelPos, labelSize, p);
}

void Vcomponent::layout(TextMeasurer* measurer, const ModelSettings& settings) {
    label.clear();
    if (!shortcut) {
        label = formatNumber(initialConcentration);
        if (animate) label += animatedSuffix;
        if (constant) label += animate ? " = const" : " const";
    }
    namePos = pos + Poi{0, -settings.nameOffset()};
    labelPos = pos + Poi{0, settings.labelOffset()};
    nameSize = measureLabel(measurer, name, settings.nameFontSize());
    labelSize = shortcut ? TextSize{} : measureLabel(measurer, label, settings.parameterFontSize());
}

Poi_Extent Vcomponent::extent() const {
    Poi_Extent box(pos - Poi{bodyRadius, bodyRadius}, pos + Poi{bodyRadius, bodyRadius});
    addLabelRect(box, namePos, nameSize);
    if (!shortcut) addLabelRect(box, labelPos, labelSize);
    box.grow(extentMargin);
    return box;
}
