#pragma once

#include "foundation/textmeasurer.h"
#include "model/modelsettings.h"
#include "model/poi_extent.h"
#include "model/vclass.h"

#include <cstdint>
#include <string>

// One drawn component. A component drawn more than once has one unique object
// that carries its values and any number of shortcuts, which share its name and
// store only the name, the flag and their position.
class Vcomponent : public Vclass {
public:
    static constexpr int bodyRadius = 12;
    // Dragging from within this radius starts a connection.
    static constexpr int ringRadius = 22;

    Vcomponent() = default;
    Vcomponent(std::string componentName, double concentration, std::int32_t componentColor)
        : name(std::move(componentName)), initialConcentration(concentration),
          color(componentColor) {}

    void exchange() override;
    // To the filled disc of the body.
    int distance(Poi p) const override;
    // To the filled disc of the connection ring.
    int ringDistance(Poi p) const;
    int nameDistance(Poi p) const;
    // To the concentration text; a miss for a shortcut, which shows none.
    int concentrationDistance(Poi p) const;

    // Recomputes the concentration text and where the two texts stand.
    void layout(TextMeasurer* measurer, const ModelSettings& settings);
    // The body and both texts, grown by the margin.
    Poi_Extent extent() const;

    std::string name;
    bool shortcut = false;
    double initialConcentration = 0;
    bool constant = false;
    double weight = 1.0;
    std::int32_t color = 0; // 0x00BBGGRR
    bool monitor = true;
    bool asX = false;
    bool animate = false;

    // Display state, not stored.
    bool destination = false;
    // The concentration text, empty for a shortcut.
    std::string label;
    Poi namePos;
    Poi labelPos;
    TextSize nameSize;
    TextSize labelSize;
};
