#pragma once

#include "foundation/eventreceiver.h"
#include "foundation/link.h"
#include "foundation/textstream.h"

#include <cstdint>

class Vreactor;

// The parameter animation: one rate constant or initial concentration of the
// reaction system moves periodically between two multiples of its set value,
// and every step recomputes the kinetics. The animated parameter is the one
// whose "animate" flag is set in the reaction system; outside a step it always
// holds its set value.
class Animation : public EventReceiver, public TextStream {
public:
    static constexpr const char* sectionName = "animation";
    // The waveforms: shape = motion mod 3, exponential from 3 on.
    enum Motion { up, down, upAndDown, upExp, downExp, upAndDownExp };
    static constexpr int motionCount = 6;

    explicit Animation(Vreactor& system);
    // A copy is bound to the same system and animates nothing until its
    // `findParameter`: the original's parameter belongs to the original.
    Animation(const Animation& other);
    // Copies the stored settings only; the bound system and the running
    // state stay.
    Animation& operator=(const Animation& other);

    // "from", "to", "period", "motion". Reading replaces a waveform outside
    // 0..5 and non-finite multiples by the defaults.
    void exchange() override;
    void receive(int event) override;

    bool isAnimating() const { return parameter != nullptr; }
    double* animatedParameter() const { return parameter; }

    // Toggles the animation of the parameter at `p` (a rate constant or an
    // initial concentration of the bound system) and clears every other
    // animate flag; broadcasts drawingChanged, and animatedParameterChanged
    // when nothing is animated any more.
    void setAnimated(double* p);

    // Points `parameter` at the flagged value: components first, then the
    // forward constant of an active flagged reaction, then a backward one.
    void findParameter();

    // One animation step at the current clock time.
    void step();

    // The value the parameter takes at `seconds` after the start, for a set
    // value `base`; always within 0..1e100, like the parameter itself.
    double valueAt(double seconds, double base) const;

    // Milliseconds of the tick clock as seconds.
    static double now();

    Link<Vreactor> system;
    double* parameter = nullptr;
    double baseValue = 0;
    double startTime = 0;
    bool inStep = false;
    double from = 0.5;
    double to = 2.0;
    std::int32_t period = 10;
    std::int32_t motion = upAndDownExp;
};
