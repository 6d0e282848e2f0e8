#pragma once

#include <QRect>

class QPaintDevice;
class ReactionRenderer;
class Vreactor;

// The reaction system drawing as a picture of its own: the box of all
// objects grown by a margin, painted as the window paints it.
inline constexpr int drawingPictureMargin = 20;

// The part of the plane the picture shows; a small blank square for an
// empty system. The system must be laid out.
QRect drawingPictureArea(const Vreactor& system);

// Paints that area onto the device, its corner at the device's origin.
void paintDrawingPicture(QPaintDevice& device, const ReactionRenderer& renderer,
                         const Vreactor& system, const QRect& area);
