#pragma once

#include <QColor>

#include <string>

class QPainter;

// The range strip at the top centre of the kinetics plot while a parameter is
// animated: the parameter's label, the lower and upper end of its motion and
// a pointer at the current value.
class AnimationIndicator {
public:
    // Where value lies between lower and upper: 0 at lower, 1 at upper; 0.5
    // when the range is (nearly) empty.
    static double fraction(double value, double lower, double upper);

    // Draws onto a bitmap `width` pixels wide, texts and frame in the text colour.
    static void paint(QPainter& painter, int width, const std::string& label, double value,
                      double lower, double upper, const QColor& text);
};
