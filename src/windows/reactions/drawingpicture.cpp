#include "windows/reactions/drawingpicture.h"

#include "model/vreactor.h"
#include "windows/reactions/reactionrenderer.h"

#include <QPainter>

QRect drawingPictureArea(const Vreactor& system) {
    const Poi_Extent extent = system.extent();
    if (!extent.notEmpty) return QRect(0, 0, 2 * drawingPictureMargin, 2 * drawingPictureMargin);
    return QRect(QPoint(extent.minimum().x, extent.minimum().y),
                 QPoint(extent.maximum().x, extent.maximum().y))
        .adjusted(-drawingPictureMargin, -drawingPictureMargin, drawingPictureMargin,
                  drawingPictureMargin);
}

void paintDrawingPicture(QPaintDevice& device, const ReactionRenderer& renderer,
                         const Vreactor& system, const QRect& area) {
    QPainter painter(&device);
    painter.translate(-area.topLeft());
    renderer.draw(painter, system, area);
}
