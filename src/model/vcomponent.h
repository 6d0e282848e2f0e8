#pragma once

#include "model/vclass.h"

#include <cstdint>
#include <string>

// One drawn component. A component drawn more than once has one unique object
// that carries its values and any number of shortcuts, which share its name and
// store only the name, the flag and their position.
class Vcomponent : public Vclass {
public:
    Vcomponent() = default;
    Vcomponent(std::string componentName, double concentration, std::int32_t componentColor)
        : name(std::move(componentName)), initialConcentration(concentration),
          color(componentColor) {}

    void exchange() override;
    int distance(Poi p) const override;

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
    std::string label;
    Poi namePos;
    Poi labelPos;
};
