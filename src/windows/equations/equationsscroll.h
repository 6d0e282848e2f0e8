#pragma once

#include <QRect>

// The equations view's own vertical scroll bar. Heights and the position are
// pixels of the document.
struct EquationsScroll {
    // Keeps the position within 0 and document height - page height.
    void clamp();
    // The position while the thumb is dragged with the pointer at y: the
    // pointer's place on the bar stands for the middle of the page.
    void dragTo(int y);
    bool shown() const { return !bar.isEmpty(); }

    // Empty while the document fits the page.
    QRect bar;
    bool dragging = false;
    int position = 0;
    int documentHeight = 0;
    int pageHeight = 0;
};
