#pragma once

#include <string>

class Animation;

// The settings of the animation as the window's value fields show and step
// them. Window-free, so that the rules are tested on their own.

// The four value fields of the window, left to right.
enum AnimationField { moveFromField, moveToField, motionField, periodField };
inline constexpr int animationFieldCount = 4;

// The titles of the fields and of the switch beside them.
const char* fieldTitle(AnimationField field);
inline constexpr const char* playTitle = "Play";

// "Up", "Down", "Up & Down", "Up Exp", "Down Exp", "Up & Down Exp"; "?" for
// a value outside 0..5.
const char* motionName(int motion);

// A multiple as a whole percentage: 0.5 gives "50%". Values too large to be
// rounded meaningfully, and those that are not finite, show as numbers.
std::string percentText(double multiple);

// What the field shows for the current settings.
std::string fieldText(const Animation& animation, AnimationField field);

// One "+" (up) or "-" (down) of a field: "Move from" by 0.1 within 0.1..1.0,
// "Move to" by 0.1 up to 1.5 and by 0.5 above within 1.0..10.0, "Motion"
// through 0..5, "Period" by 1 s up to 10 and by 5 s above within 1..90.
// False, and nothing changes, at the end of the range.
bool stepSetting(Animation& animation, AnimationField field, bool up);
