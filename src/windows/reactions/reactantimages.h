#pragma once

#include <QCursor>
#include <QImage>

// The component images of the "Cone" style, 23 by 23 pixels on a transparent
// background: a shaded cone seen from above, in a normal and a selected
// variant for dark schemes and an open-air pair for the light "Open-air
// reactions" scheme. Also the mouse cursor shown over a connection ring.
class ReactantImages {
public:
    // Draws the four images and chooses the pair of the "Default" scheme.
    ReactantImages();

    // Chooses the pair for a "Color scheme#system" value: the open-air pair
    // for "Open-air reactions", else the other one.
    void choose(int colourScheme);

    const QImage& normal() const { return openAir_ ? Ireactant_openair : Ireactant; }
    const QImage& selected() const {
        return openAir_ ? Ireactant_selected_openair : Ireactant_selected;
    }

    // One component image, centred on pixel (11, 11).
    static QImage drawReactant(bool isSelected, bool openAir);
    // A pointer with a small pair of linked rings; its hot spot is the tip.
    static QCursor connectionCursor();

    QImage Ireactant;
    QImage Ireactant_selected;
    QImage Ireactant_openair;
    QImage Ireactant_selected_openair;

private:
    bool openAir_ = false;
};
