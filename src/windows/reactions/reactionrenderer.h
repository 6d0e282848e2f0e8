#pragma once

#include "model/modelsettings.h"
#include "model/poi.h"

#include <QRect>

class Preferences;
class QPainter;
class ReactantImages;
class Vcomponent;
class Vreaction;
class Vreactor;
struct ReactionColours;

// Paints the reaction system: background, grid points, connection marks,
// reactions and then components, in the colours of the preferences' colour
// scheme and the chosen component style. Needs no window, so tests and
// programs without one can render. Positions and label rectangles are the
// model's, laid out beforehand with the settings of `modelSettings`.
class ReactionRenderer {
public:
    ReactionRenderer(const Preferences& preferences, const ReactantImages& images);

    // Paints the part `area` of the surface, in drawing coordinates.
    void draw(QPainter& painter, const Vreactor& system, const QRect& area) const;

    // Overlays while dragging, drawn over the copied surface by inverting what
    // lies beneath: the rubber line of a connection from the edge of the
    // source's body to the mouse, and the selection rectangle.
    static void drawRubberLine(QPainter& painter, Poi source, Poi mouse);
    static void drawRegion(QPainter& painter, Poi corner, Poi otherCorner);

private:
    void drawGrid(QPainter& painter, const QRect& area, const ReactionColours& colours) const;
    void drawComponent(QPainter& painter, const Vcomponent& component,
                       const ReactionColours& colours) const;
    void drawComponentBody(QPainter& painter, const Vcomponent& component,
                           const ReactionColours& colours) const;
    void drawReaction(QPainter& painter, const Vreaction& reaction,
                      const ReactionColours& colours) const;
    void drawBranch(QPainter& painter, const Vreaction& reaction, int j) const;
    void drawArrowhead(QPainter& painter, const Vreaction& reaction, int j, bool colourCode,
                       const ReactionColours& colours) const;

    const Preferences& preferences_;
    const ReactantImages& images_;
};
