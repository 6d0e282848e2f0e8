#pragma once

#include "foundation/llist.h"
#include "windows/kinetics/fnaxis.h"
#include "windows/kinetics/fndisplayer_label.h"
#include "windows/kinetics/fnticks.h"

#include <QPainter>

class QPaintDevice;

// Draws function plots onto a bitmap or a vector device: grid with number labels, zero lines and
// curves on linear or logarithmic axes. Built anew for each paint; the calls
// follow the order: colours and fill, axes, grids, zero lines, x values and
// stripes, curves, labels. Colours are 24-bit values with red in the low byte.
class FnDisplayer {
public:
    static constexpr int fontPixels = 11;
    static constexpr int labelGrowStep = 100;
    // Grid labels of the x axis stand this far above the bottom row.
    static constexpr int xLabelRise = 12;
    static constexpr int yLabelLeft = 1;
    static constexpr int xLabelPrecision = 3;
    static constexpr int yLabelPrecision = 12;
    // A curve point further than this many spans outside the y range breaks it.
    static constexpr double ySpanReach = 10;
    static constexpr double negligible = 1e-100;
    static constexpr int endMarkRadius = 4;

    // Binds to the device (a bitmap, an SVG or a PDF page) for the lifetime
    // of the object.
    explicit FnDisplayer(QPaintDevice& bitmap);

    void setPenColour(int colour);
    // Colour of the labels made from now on.
    void setLabelColour(int colour);
    // Fills the whole bitmap with the pen colour.
    void fill();
    // With margin, a linear axis grows by a tenth of its span on each side and
    // a logarithmic one shows 1.2 times its decades, the extra above.
    void setAxes(double minX, double maxX, double minY, double maxY, bool logX, bool logY,
                 double decadesX, double decadesY, bool margin);
    // Full-height lines in the pen colour at the x ticks, each labelled at the
    // bottom when labels is set; with integerTicksOnly, ticks that are not
    // whole numbers are left out.
    void xGrid(int maxTicks, bool labels, bool integerTicksOnly);
    // Full-width lines at the y ticks, labelled at the left edge.
    void yGrid(int maxTicks, bool labels, bool integerTicksOnly, bool halfDecades);
    // The lines y = 0 and x = 0 where they lie within a linear axis.
    void zeroLines();
    // x of curve point i: values[i] for i < count; a point beyond breaks the
    // curve. Without x values (nullptr), x is the point's index.
    void setXValues(const Llist<double>* values, int count);
    // Phase-plot shading: with stripeCount > 0 the curves' brightness ramps
    // from black to full colour stripeCount times over the span of times.
    void setStripes(const Llist<double>* times, int count, double stripeCount);
    // A line through the first count values (at most values.count()) in the pen
    // colour, broken where a point cannot be shown. With markEnds, a disc at
    // the first point in half the colour and one at the last in full colour.
    void curve(const Llist<double>& values, int count, bool markEnds);
    // The same line dashed, in the pen colour and without end marks; a
    // reference drawn over a solid curve stays visible beside it.
    void dashedCurve(const Llist<double>& values, int count);
    // Paints the collected labels and empties the list.
    void paintLabels();

    int xPixel(double v) const;
    int yPixel(double v) const;
    // The canvas, for callers that draw more onto the same bitmap.
    QPainter& canvas() { return painter_; }

    FnAxis x;
    FnAxis y;
    Llist<FnDisplayer_label> labels{labelGrowStep, labelGrowStep};
    FnTicks ticks;
    // Line segments drawn by curves so far.
    int segmentsDrawn = 0;

private:
    bool pointShown(double xv, double yv) const;
    void addLabel(const std::string& text, int left, int top);
    void usePen(int colour);

    QPaintDevice& bitmap_;
    QPainter painter_;
    int w1_;
    int h1_;
    int penColour_ = 0;
    int labelColour_ = 0;
    const Llist<double>* xValues_ = nullptr;
    int xCount_ = 0;
    const Llist<double>* stripeTimes_ = nullptr;
    int stripeCount_ = 0;
    double stripes_ = 1.0;
};
