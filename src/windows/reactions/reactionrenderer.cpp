#include "windows/reactions/reactionrenderer.h"

#include "model/vreactor.h"
#include "session/preferences.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/reactions/qttextmeasurer.h"
#include "windows/reactions/reactantimages.h"
#include "windows/reactions/reactionlook.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr double pi = std::numbers::pi;

// Strokes and fills are placed on pixel centres, so that a one-pixel line
// along an axis covers whole pixels and an outlined circle of radius r
// covers the pixels from x - r to x + r.
QPointF centreOf(Poi p) {
    return {p.x + 0.5, p.y + 0.5};
}

bool hasSide(const Vreaction& r, int side) {
    for (const Reactant& e : r.reactants)
        if ((side < 0 && e.port < 0) || (side > 0 && e.port > 0)) return true;
    return false;
}

// The outline colour with each channel scaled by the factor and truncated.
QColor truncatedShade(int colour, double factor) {
    const QColor c = toQColor(colour);
    return QColor(static_cast<int>(c.red() * factor), static_cast<int>(c.green() * factor),
                  static_cast<int>(c.blue() * factor));
}

void drawCentredText(QPainter& painter, Poi centre, const std::string& text, const QFont& font,
                     int colour) {
    const QString shown = fromCp1252(text);
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(shown), h = metrics.height();
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.drawText(QRect(centre.x - w / 2, centre.y - h / 2, w, h),
                     Qt::AlignCenter | Qt::TextDontClip, shown);
}

void fillCircle(QPainter& painter, QPointF centre, double radius, const QColor& fill,
                const QPen& outline = Qt::NoPen) {
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
}

// The unit vector from a to b; (0, 0) when they coincide.
QPointF unitVector(QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    return length > 0 ? d / length : QPointF();
}

// The screen vector of a counter-clockwise angle.
QPointF directionOf(double angle) {
    return {std::cos(angle), -std::sin(angle)};
}

} // namespace

ReactionRenderer::ReactionRenderer(const Preferences& preferences, const ReactantImages& images)
    : preferences_(preferences), images_(images) {}

void ReactionRenderer::draw(QPainter& painter, const Vreactor& system, const QRect& area) const {
    const ReactionColours& colours = reactionColours(preferences_.colorSchemeSystem);
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, toQColor(colours.background));
    if (system.useGrid && system.showGrid) drawGrid(painter, area, colours);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QColor destination = toQColor(destinationColour(colours));
    for (const Vcomponent& c : system.components)
        if (c.destination) fillCircle(painter, centreOf(c.pos), destinationRadius, destination);
    for (const Vreaction& r : system.reactions)
        drawReaction(painter, r, colours);
    for (const Vcomponent& c : system.components)
        drawComponent(painter, c, colours);
    painter.restore();
}

void ReactionRenderer::drawGrid(QPainter& painter, const QRect& area,
                                const ReactionColours& colours) const {
    const QColor grid = toQColor(colours.grid);
    const auto firstMultiple = [](int v) {
        return v <= 0 ? 0 : (v + gridSpacing - 1) / gridSpacing * gridSpacing;
    };
    for (int y = firstMultiple(area.top()); y <= area.bottom(); y += gridSpacing)
        for (int x = firstMultiple(area.left()); x <= area.right(); x += gridSpacing)
            painter.fillRect(x, y, 1, 1, grid);
}

void ReactionRenderer::drawComponent(QPainter& painter, const Vcomponent& c,
                                     const ReactionColours& colours) const {
    drawComponentBody(painter, c, colours);

    const ModelSettings& settings = preferences_.modelSettings;
    drawCentredText(painter, c.namePos, c.name,
                    QtTextMeasurer::drawingFont(settings.nameFontSize()), colours.nameText);
    if (!c.shortcut)
        drawCentredText(painter, c.labelPos, c.label,
                        QtTextMeasurer::drawingFont(settings.parameterFontSize()),
                        colours.concentrationText);
}

void ReactionRenderer::drawComponentBody(QPainter& painter, const Vcomponent& c,
                                         const ReactionColours& colours) const {
    const QColor outline = toQColor(c.selected ? colours.outlineSelected : colours.outline);
    const QColor background = toQColor(colours.background);
    const QPointF centre = centreOf(c.pos);
    const bool mark = preferences_.colorIndicationOnComponent;
    const int x = c.pos.x, y = c.pos.y;

    switch (preferences_.componentStyle) {
    case Preferences::componentMinimalist:
        fillCircle(painter, centre, minimalistRadius, background, QPen(outline, 1.0));
        if (mark)
            fillCircle(painter, centre, minimalistMarkRadius, toQColor(c.color),
                       QPen(background, 1.0));
        break;
    case Preferences::componentButton: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int side = 2 * buttonFrameHalf + 1;
        painter.fillRect(x - buttonFrameHalf, y - buttonFrameHalf, side, 1, outline);
        painter.fillRect(x - buttonFrameHalf, y + buttonFrameHalf, side, 1, outline);
        painter.fillRect(x - buttonFrameHalf, y - buttonFrameHalf, 1, side, outline);
        painter.fillRect(x + buttonFrameHalf, y - buttonFrameHalf, 1, side, outline);
        const int outlineColour = c.selected ? colours.outlineSelected : colours.outline;
        // The face brightens toward its centre; the squares reach one pixel
        // further right and down than left and up, shading that edge.
        for (int i = buttonFaceOuter; i >= buttonFaceInner; --i)
            painter.fillRect(x - i, y - i, 2 * i + 2, 2 * i + 2,
                             truncatedShade(outlineColour, std::min(1.0, 1.2 - 0.1 * i)));
        if (mark)
            painter.fillRect(x - buttonMarkHalf, y - buttonMarkHalf, 2 * buttonMarkHalf + 2,
                             2 * buttonMarkHalf + 2, toQColor(c.color));
        painter.restore();
        break;
    }
    default: {
        const QImage& image = c.selected ? images_.selected() : images_.normal();
        painter.drawImage(QPoint(x - image.width() / 2, y - image.height() / 2), image);
        if (mark)
            fillCircle(painter, centre, coneMarkRadius, toQColor(c.color), QPen(outline, 1.0));
        break;
    }
    }
}

void ReactionRenderer::drawReaction(QPainter& painter, const Vreaction& r,
                                    const ReactionColours& colours) const {
    const QPointF centre = centreOf(r.pos);
    const QColor outline = toQColor(r.selected ? colours.outlineSelected : colours.outline);
    const bool anyActive = r.active || r.activeBack;

    // The halves that can take the component being connected; an incomplete
    // reaction offers both.
    const bool incomplete = !hasSide(r, -1) || !hasSide(r, 1);
    const double axisDegrees = r.angle * 180 / pi;
    const QRectF disc(centre.x() - halfDiscRadius, centre.y() - halfDiscRadius, 2 * halfDiscRadius,
                      2 * halfDiscRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(destinationColour(colours)));
    if (r.canTakeReactant || incomplete)
        painter.drawPie(disc, qRound((axisDegrees + 90) * 16), 180 * 16);
    if (r.canTakeProduct || incomplete)
        painter.drawPie(disc, qRound((axisDegrees - 90) * 16), 180 * 16);

    fillCircle(painter, centre, centreDotHalf + 0.5,
               toQColor(r.selected ? colours.centreSelected : colours.centre));

    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(Qt::NoBrush);
    if (anyActive)
        for (const PoiList& branch : r.branches)
            if (!branch.empty()) painter.drawLine(centreOf(branch[0]), centre);
    for (int j = 0; j < r.branches.count(); ++j)
        drawBranch(painter, r, j);

    const bool reversible = r.active && r.activeBack;
    const bool colourCode = reversible || !preferences_.colorCodeArrowsOnlyInReversibleReactions;
    for (int j = 0; j < r.reactants.count() && j < r.branches.count(); ++j) {
        const bool right = r.reactants[j].port > 0;
        if ((right && r.active) || (!right && r.activeBack))
            drawArrowhead(painter, r, j, colourCode, colours);
    }

    const QFont parameterFont =
        QtTextMeasurer::drawingFont(preferences_.modelSettings.parameterFontSize());
    for (int j = 0; j < r.reactants.count() && j < r.orderPoints.count(); ++j)
        if (r.reactants[j].order != 1)
            drawCentredText(painter, r.orderPoints[j], std::to_string(r.reactants[j].order),
                            parameterFont, colours.orderText);
    if (r.active) drawCentredText(painter, r.labelPos, r.label, parameterFont, colours.forward);
    if (r.activeBack)
        drawCentredText(painter, r.labelPosBack, r.labelBack, parameterFont, colours.backward);
}

void ReactionRenderer::drawBranch(QPainter& painter, const Vreaction& r, int j) const {
    const PoiList& branch = r.branches[j];
    if (branch.empty()) return;
    const QColor colour = painter.pen().color();
    if (!r.active && !r.activeBack) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (int i = 0; i < branch.count(); i += dottedBranchStep)
            painter.fillRect(branch[i].x, branch[i].y, 1, 1, colour);
        painter.restore();
        return;
    }

    const bool left = j < r.reactants.count() && r.reactants[j].port < 0;
    const Poi end = j < r.branchEnds.count() ? r.branchEnds[j] : branch[branch.last()];
    const double outgoing = left ? r.angle + pi : r.angle;
    const double towardComponent = angleOf(end.x - r.pos.x, r.pos.y - end.y);
    if (std::abs(std::remainder(towardComponent - outgoing, 2 * pi)) <= straightBranchTolerance) {
        painter.drawLine(centreOf(r.pos), centreOf(end));
        return;
    }
    QPolygonF line;
    for (int i = 0; i < branch.last(); i += branchPolylineStep)
        line << centreOf(branch[i]);
    line << centreOf(branch[branch.last()]);
    painter.drawPolyline(line);
}

void ReactionRenderer::drawArrowhead(QPainter& painter, const Vreaction& r, int j, bool colourCode,
                                     const ReactionColours& colours) const {
    const PoiList& branch = r.branches[j];
    if (branch.empty()) return;
    const bool right = r.reactants[j].port > 0;
    const int last = branch.last();
    const QPointF at = centreOf(branch[std::max(0, last - headStepsBack)]);
    QPointF along = unitVector(centreOf(branch[std::max(0, last - headDirectionSteps)]),
                               centreOf(branch[last]));
    // A branch of one point has no direction of its own.
    if (along.isNull() && j < r.branchEnds.count())
        along = unitVector(at, centreOf(r.branchEnds[j]));
    if (along.isNull()) along = directionOf(right ? r.angle : r.angle + pi);
    const QPointF across(-along.y(), along.x());

    const QPointF tip = at + along * (headLength / 2.0);
    const QPointF base = at - along * (headLength / 2.0);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + across * (headWidth / 2.0));
    head.lineTo(base - across * (headWidth / 2.0));
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());

    if (colourCode) {
        painter.save();
        QPen bar(toQColor(right ? colours.forward : colours.backward), 1.0);
        bar.setCapStyle(Qt::SquareCap);
        painter.setPen(bar);
        const double half = (colourCodeLength - 1) / 2.0;
        painter.drawLine(base + across * half, base - across * half);
        painter.restore();
    }
}

void ReactionRenderer::drawRubberLine(QPainter& painter, Poi source, Poi mouse) {
    const Poi edge = source + (mouse - source).rescaled(rubberLineStart);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, rubberLineWidth));
    painter.drawLine(QPoint(edge.x, edge.y), QPoint(mouse.x, mouse.y));
    painter.restore();
}

void ReactionRenderer::drawRegion(QPainter& painter, Poi corner, Poi otherCorner) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRect(QPoint(corner.x, corner.y), QPoint(otherCorner.x, otherCorner.y)).normalized());
    painter.restore();
}
