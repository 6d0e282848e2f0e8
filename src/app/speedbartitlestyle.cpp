#include "app/speedbartitlestyle.h"

#include <QStyleOptionTitleBar>

namespace {

// Styles keep a margin inside the caption's rectangle (Fusion 7 pixels a
// side); the rectangle is widened by it on both sides, so the centred text
// may use all the free room.
constexpr int captionMargin = 7;

} // namespace

SpeedbarTitleStyle::SpeedbarTitleStyle(QStyle* base) : QProxyStyle(base) {}

QRect SpeedbarTitleStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                         SubControl part, const QWidget* widget) const {
    if (control != CC_TitleBar) return QProxyStyle::subControlRect(control, option, part, widget);
    if (part == SC_TitleBarSysMenu) return QRect();
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (part != SC_TitleBarLabel) return rect;
    rect.setLeft(option->rect.left());
    const QRect minimise =
        QProxyStyle::subControlRect(control, option, SC_TitleBarMinButton, widget);
    if (minimise.isValid()) rect.setRight(minimise.left() - 1);
    return rect.adjusted(-captionMargin, 0, captionMargin, 0);
}

void SpeedbarTitleStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    if (const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
        title && control == CC_TitleBar) {
        QStyleOptionTitleBar withoutIcon(*title);
        withoutIcon.subControls &= ~SC_TitleBarSysMenu;
        QProxyStyle::drawComplexControl(control, &withoutIcon, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
