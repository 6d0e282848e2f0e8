#pragma once

#include <QProxyStyle>

// The title bar of the narrow speed bar window: no window icon, so that the
// caption has the room up to the minimise box and shows whole.
class SpeedbarTitleStyle : public QProxyStyle {
public:
    // Draws everything else as `base` does; takes `base` over.
    explicit SpeedbarTitleStyle(QStyle* base);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
