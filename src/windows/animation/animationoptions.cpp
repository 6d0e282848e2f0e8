#include "windows/animation/animationoptions.h"

#include "foundation/numberformat.h"
#include "session/animation.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* motionNames[Animation::motionCount] = {"Up",     "Down",     "Up & Down",
                                                             "Up Exp", "Down Exp", "Up & Down Exp"};

// The ranges and steps of the fields. The limits lie half a step inside the
// ends, as the steps add binary fractions that do not land exactly.
constexpr double fromStep = 0.1;
constexpr double fromUpperLimit = 0.95;
constexpr double fromLowerLimit = 0.15;
constexpr double toFineStep = 0.1;
constexpr double toCoarseStep = 0.5;
constexpr double toFineUpTo = 1.5;
constexpr double toUpperLimit = 9.95;
constexpr double toLowerLimit = 1.05;
constexpr int periodFineStep = 1;
constexpr int periodCoarseStep = 5;
constexpr int periodFineUpTo = 10;
constexpr int periodUpperLimit = 90;
constexpr int periodLowerLimit = 1;

bool stepFrom(double& from, bool up) {
    if (up ? !(from < fromUpperLimit) : !(from > fromLowerLimit)) return false;
    from += up ? fromStep : -fromStep;
    return true;
}

bool stepTo(double& to, bool up) {
    if (up) {
        if (!(to < toUpperLimit)) return false;
        to += to < toFineUpTo ? toFineStep : toCoarseStep;
    } else {
        if (!(to > toLowerLimit)) return false;
        to -= to <= toFineUpTo ? toFineStep : toCoarseStep;
    }
    return true;
}

bool stepMotion(int& motion, bool up) {
    if (up ? motion >= Animation::motionCount - 1 : motion <= 0) return false;
    motion += up ? 1 : -1;
    return true;
}

bool stepPeriod(int& period, bool up) {
    if (up) {
        if (period >= periodUpperLimit) return false;
        period += period < periodFineUpTo ? periodFineStep : periodCoarseStep;
    } else {
        if (period <= periodLowerLimit) return false;
        period -= period < periodFineUpTo + 1 ? periodFineStep : periodCoarseStep;
    }
    return true;
}

} // namespace

const char* fieldTitle(AnimationField field) {
    switch (field) {
    case moveFromField:
        return "Move from";
    case moveToField:
        return "Move to";
    case motionField:
        return "Motion";
    case periodField:
        return "Period";
    }
    return "";
}

const char* motionName(int motion) {
    return motion >= 0 && motion < Animation::motionCount ? motionNames[motion] : "?";
}

std::string percentText(double multiple) {
    const double percent = std::round(multiple * 100);
    // Beyond 1e15 the rounded value has no digits after the point to lose.
    if (!std::isfinite(percent) || std::abs(percent) >= 1e15)
        return formatNumber(multiple * 100) + "%";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%%", percent + 0.0);
    return text;
}

std::string fieldText(const Animation& animation, AnimationField field) {
    switch (field) {
    case moveFromField:
        return percentText(animation.from);
    case moveToField:
        return percentText(animation.to);
    case motionField:
        return motionName(animation.motion);
    case periodField:
        return formatInt(animation.period) + " sec";
    }
    return "";
}

bool stepSetting(Animation& animation, AnimationField field, bool up) {
    switch (field) {
    case moveFromField:
        return stepFrom(animation.from, up);
    case moveToField:
        return stepTo(animation.to, up);
    case motionField:
        return stepMotion(animation.motion, up);
    case periodField:
        return stepPeriod(animation.period, up);
    }
    return false;
}
