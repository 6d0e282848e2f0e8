#include "windows/kinetics/fndisplayer.h"

#include "foundation/numberformat.h"
#include "windows/common/colour.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowlook.h"

#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sets the number precision while labels are made.
class PrecisionScope {
public:
    explicit PrecisionScope(int digits) : saved_(numberPrecision) { numberPrecision = digits; }
    ~PrecisionScope() { numberPrecision = saved_; }
    PrecisionScope(const PrecisionScope&) = delete;
    PrecisionScope& operator=(const PrecisionScope&) = delete;

private:
    int saved_;
};

int channel(int colour, int shift) {
    return (colour >> shift) & 0xFF;
}

int packed(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// Each channel times f (0 to 1), truncated.
int dimmed(int colour, double f) {
    if (!(f >= 0 && f <= 1)) f = 0;
    return packed(static_cast<int>(channel(colour, 0) * f),
                  static_cast<int>(channel(colour, 8) * f),
                  static_cast<int>(channel(colour, 16) * f));
}

double fractionalPart(double v) {
    const double f = v - std::floor(v);
    return std::isfinite(f) ? f : 0;
}

} // namespace

FnDisplayer::FnDisplayer(QPaintDevice& bitmap)
    : bitmap_(bitmap), painter_(&bitmap), w1_(std::max(0, bitmap.width() - 1)),
      h1_(std::max(0, bitmap.height() - 1)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(uiFont(fontPixels));
    usePen(penColour_);
}

void FnDisplayer::usePen(int colour) {
    penColour_ = colour & 0xFFFFFF;
    const QColor c = toQColor(penColour_);
    painter_.setPen(QPen(c, 1));
    painter_.setBrush(c);
}

void FnDisplayer::setPenColour(int colour) {
    usePen(colour);
}

void FnDisplayer::setLabelColour(int colour) {
    labelColour_ = colour & 0xFFFFFF;
}

void FnDisplayer::fill() {
    painter_.fillRect(QRect(0, 0, bitmap_.width(), bitmap_.height()), toQColor(penColour_));
}

void FnDisplayer::setAxes(double minX, double maxX, double minY, double maxY, bool logX, bool logY,
                          double decadesX, double decadesY, bool margin) {
    x.set(minX, maxX, logX, decadesX, margin);
    y.set(minY, maxY, logY, decadesY, margin);
}

int FnDisplayer::xPixel(double v) const {
    return FnAxis::horizontalPixel(x.normalised(v), w1_);
}

int FnDisplayer::yPixel(double v) const {
    return FnAxis::verticalPixel(y.normalised(v), h1_);
}

void FnDisplayer::addLabel(const std::string& text, int left, int top) {
    FnDisplayer_label label;
    label.text = text;
    label.x = left;
    label.y = top;
    label.colour = labelColour_;
    labels.add(std::move(label));
}

void FnDisplayer::xGrid(int maxTicks, bool withLabels, bool integerTicksOnly) {
    ticks.generate(x.tickStart(), x.maximum, maxTicks, x.logarithmic);
    const PrecisionScope precision(xLabelPrecision);
    const QFontMetrics metrics(painter_.font());
    for (int i = 0; i < ticks.count(); ++i) {
        const double t = ticks[i];
        if (integerTicksOnly && t != std::trunc(t)) continue;
        const int px = xPixel(t);
        painter_.drawLine(px, 0, px, h1_);
        if (!withLabels) continue;
        const std::string text = formatNumber(t);
        const int width = metrics.horizontalAdvance(fromCp1252(text));
        addLabel(text, px - width / 2, h1_ - xLabelRise);
    }
}

void FnDisplayer::yGrid(int maxTicks, bool withLabels, bool integerTicksOnly, bool halfDecades) {
    ticks.generate(y.tickStart(), y.maximum, maxTicks, y.logarithmic, halfDecades);
    const PrecisionScope precision(yLabelPrecision);
    const QFontMetrics metrics(painter_.font());
    for (int i = 0; i < ticks.count(); ++i) {
        const double t = ticks[i];
        if (integerTicksOnly && t != std::trunc(t)) continue;
        const int py = yPixel(t);
        painter_.drawLine(0, py, w1_, py);
        if (withLabels) addLabel(formatNumber(t), yLabelLeft, py - metrics.height() / 2);
    }
}

void FnDisplayer::zeroLines() {
    if (!y.logarithmic && y.minimum <= 0 && 0 <= y.maximum) {
        const int py = yPixel(0);
        painter_.drawLine(0, py, w1_, py);
    }
    if (!x.logarithmic && x.minimum <= 0 && 0 <= x.maximum) {
        const int px = xPixel(0);
        painter_.drawLine(px, 0, px, h1_);
    }
}

void FnDisplayer::setXValues(const Llist<double>* values, int count) {
    xValues_ = values;
    xCount_ = values ? std::clamp(count, 0, values->count()) : 0;
}

void FnDisplayer::setStripes(const Llist<double>* times, int count, double stripeCount) {
    stripeTimes_ = times;
    stripeCount_ = times ? std::clamp(count, 0, times->count()) : 0;
    stripes_ = stripeCount;
}

bool FnDisplayer::pointShown(double xv, double yv) const {
    if (y.logarithmic && !(yv >= negligible)) return false;
    if (x.logarithmic && !(xv >= negligible)) return false;
    const double span = y.maximum - y.minimum;
    if (!(yv >= y.minimum - ySpanReach * span && yv <= y.maximum + ySpanReach * span)) return false;
    return xv >= x.minimum && xv <= x.maximum;
}

void FnDisplayer::curve(const Llist<double>& values, int count, bool markEnds) {
    count = std::clamp(count, 0, values.count());
    const int colour = penColour_;
    const bool striped = stripes_ > 0 && stripeTimes_ && stripeCount_ > 0;
    double k = 0;
    if (striped) {
        const double duration = (*stripeTimes_)[stripeCount_ - 1] - (*stripeTimes_)[0];
        if (duration > negligible) k = stripes_ / duration;
    }

    bool connected = false;
    QPoint previous;
    // Unstriped, the segments go to the painter in batches: one call for many
    // lines costs little more than one for a single line, and each line is
    // drawn as on its own (a polyline would join them differently).
    std::vector<QLine> piece;
    const auto drawPiece = [&] {
        if (!piece.empty()) painter_.drawLines(piece.data(), static_cast<int>(piece.size()));
        piece.clear();
    };
    bool firstShown = false;
    bool lastShown = false;
    QPoint first;
    QPoint last;
    for (int i = 0; i < count; ++i) {
        double xv = i;
        bool shown = true;
        if (xValues_) {
            if (i < xCount_)
                xv = (*xValues_)[i];
            else
                shown = false;
        }
        if (striped && i >= stripeCount_) shown = false;
        if (!shown || !pointShown(xv, values[i])) {
            connected = false;
            continue;
        }
        const QPoint p(xPixel(xv), yPixel(values[i]));
        if (i == 0) {
            firstShown = true;
            first = p;
        }
        if (i == count - 1) {
            lastShown = true;
            last = p;
        }
        if (connected && p == previous) continue;
        if (striped && i % 2 == 1) usePen(dimmed(colour, fractionalPart((*stripeTimes_)[i] * k)));
        if (connected) {
            if (striped) {
                painter_.drawLine(previous, p);
            } else {
                piece.emplace_back(previous, p);
            }
            ++segmentsDrawn;
        }
        previous = p;
        connected = true;
    }
    drawPiece();

    if (markEnds && lastShown) {
        if (firstShown) {
            usePen(dimmed(colour, 0.5));
            painter_.drawEllipse(first, endMarkRadius, endMarkRadius);
        }
        usePen(colour);
        painter_.drawEllipse(last, endMarkRadius, endMarkRadius);
    }
    usePen(colour);
}

void FnDisplayer::dashedCurve(const Llist<double>& values, int count) {
    count = std::clamp(count, 0, values.count());
    // Whole runs as polylines: the dash pattern would restart on every
    // short segment of a line drawn piece by piece.
    QPen pen(toQColor(penColour_), 1, Qt::DashLine);
    painter_.save();
    painter_.setPen(pen);
    QPolygon run;
    const auto flush = [&] {
        if (run.size() > 1) painter_.drawPolyline(run);
        run.clear();
    };
    for (int i = 0; i < count; ++i) {
        const bool hasX = !xValues_ || i < xCount_;
        const double xv = xValues_ ? (hasX ? (*xValues_)[i] : 0.0) : i;
        if (!hasX || !pointShown(xv, values[i])) {
            flush();
            continue;
        }
        const QPoint p(xPixel(xv), yPixel(values[i]));
        if (run.isEmpty() || run.last() != p) run.append(p);
    }
    flush();
    painter_.restore();
}

void FnDisplayer::paintLabels() {
    const QFontMetrics metrics(painter_.font());
    for (const FnDisplayer_label& label : labels) {
        painter_.setPen(toQColor(label.colour));
        painter_.drawText(QPoint(label.x, label.y + metrics.ascent()), fromCp1252(label.text));
    }
    labels.clear();
    usePen(penColour_);
}
