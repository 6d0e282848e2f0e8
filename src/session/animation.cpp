#include "session/animation.h"

#include "foundation/tickclock.h"
#include "model/vreactor.h"

#include <algorithm>
#include <cmath>

Animation::Animation(Vreactor& reactionSystem) : system(&reactionSystem) {}

Animation::Animation(const Animation& other)
    : EventReceiver(other), TextStream(other), system(other.system), from(other.from), to(other.to),
      period(other.period), motion(other.motion) {}

Animation& Animation::operator=(const Animation& other) {
    if (this == &other) return *this;
    from = other.from;
    to = other.to;
    period = other.period;
    motion = other.motion;
    return *this;
}

void Animation::exchange() {
    exchangeDouble("from", from);
    exchangeDouble("to", to);
    exchangeInt("period", period);
    exchangeInt("motion", motion);
    if (!writing) {
        // The window can only show the six waveforms and finite multiples.
        if (motion < 0 || motion >= motionCount) motion = upAndDownExp;
        if (!std::isfinite(from)) from = 0.5;
        if (!std::isfinite(to)) to = 2.0;
    }
}

void Animation::receive(int event) {
    if (event == sessionReplaced) startTime = now();
    // Adding a shortcut moves the components without a structural event;
    // the pointer must never outlive the list it points into.
    if (event == sessionReplaced || event == systemChanged || event == drawingChanged)
        findParameter();
}

double Animation::now() {
    return static_cast<double>(tickCount()) * 0.001;
}

void Animation::setAnimated(double* p) {
    for (Vcomponent& c : system->components)
        c.animate = &c.initialConcentration == p ? !c.animate : false;
    for (Vreaction& r : system->reactions) {
        r.animate = &r.rateConstant == p ? !r.animate : false;
        r.animateBack = &r.rateConstantBack == p ? !r.animateBack : false;
    }
    findParameter();
    startTime = now();
    broadcast(drawingChanged);
    if (!parameter) broadcast(animatedParameterChanged);
}

void Animation::findParameter() {
    parameter = nullptr;
    for (Vcomponent& c : system->components) {
        if (c.animate) {
            parameter = &c.initialConcentration;
            return;
        }
    }
    for (Vreaction& r : system->reactions) {
        if (r.active && r.animate) {
            parameter = &r.rateConstant;
            return;
        }
    }
    for (Vreaction& r : system->reactions) {
        if (r.activeBack && r.animateBack) {
            parameter = &r.rateConstantBack;
            return;
        }
    }
}

double Animation::valueAt(double seconds, double base) const {
    // A period of 0 or less can only come from a file; dividing by it would
    // give no motion at all, so it counts as one second.
    const double cycle = period > 0 ? period : 1;
    double phase = std::fmod(seconds / cycle, 1.0);
    if (phase < 0) phase += 1.0;
    if (!(phase >= 0 && phase < 1)) phase = 0;
    const int shape = ((motion % 3) + 3) % 3;
    if (shape == 1) phase = 1 - phase;
    if (shape == 2) {
        phase *= 2;
        if (phase > 1) phase = 2 - phase;
    }
    const double lo = from * base;
    const double hi = to * base;
    const double value =
        motion >= 3 && lo > 1e-30
            ? std::pow(10.0, std::log10(lo) + (std::log10(hi) - std::log10(lo)) * phase)
            : lo + (hi - lo) * phase;
    // Multiples from a file can be negative or huge; the parameter still
    // takes only values that it may hold.
    if (std::isnan(value)) return base;
    return std::clamp(value, 0.0, Vreactor::maxValue);
}

void Animation::step() {
    if (!parameter) return;
    inStep = true;
    baseValue = *parameter;
    *parameter = valueAt(now() - startTime, baseValue);
    broadcast(animatedParameterChanged);
    *parameter = baseValue;
    inStep = false;
}
