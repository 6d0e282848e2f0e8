#pragma once

#include "engine/reactor.h"
#include "engine/weightedobservation.h"
#include "foundation/textstream.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "session/kineticsview.h"
#include "session/measurements.h"

#include <string>

// The program's current objects that a session is the stored form of.
struct SessionObjects {
    Reactor& reactor;
    Vreactor& vReactor;
    WeightedObservation& weightedObservation;
    KineticsView& kineticsView;
    Animation& animation;
    // The loaded measurements; none when the program keeps no table.
    Measurements* measurements = nullptr;
};

// Everything the user works on, as stored in a session file: the simulation
// settings, the reaction system, the weighted observation, the kinetics view
// and the animation, with the file the session belongs to. The program keeps
// one current session; the undo history keeps further copies.
class ReactorSession : public TextStream {
public:
    static constexpr const char* blockName = "Velumbra Session";
    static constexpr const char* extension = "vsn";
    // Doubles in session files carry 12 digits.
    static constexpr int filePrecision = 12;

    ReactorSession();
    // The copy's animation is bound to the copy's own reaction system.
    ReactorSession(const ReactorSession& other);
    ReactorSession& operator=(const ReactorSession& other);
    // The same for a move, which the undo history does for every level it
    // shifts or regrows.
    ReactorSession(ReactorSession&& other) noexcept;
    ReactorSession& operator=(ReactorSession&& other) noexcept;
    ~ReactorSession() override = default;

    // The five sections in file order, then "measurements" when there are any.
    void exchange() override;

    // Every section back to a default-constructed object.
    void reset();

    // Reads the file into the session. On failure the session is left reset
    // and the message "Failed to open session: " + name is shown: when the
    // file cannot be read, when it holds no "Velumbra Session" block (it is
    // not a session), and when its reaction system breaks the model's limits.
    [[nodiscard]] bool open(const std::string& name);
    // The same without the message.
    [[nodiscard]] bool read(const std::string& name);
    static constexpr const char* openFailedMessage = "Failed to open session: ";

    // Writes the session with 12 digits, then returns the number format to
    // `uiPrecision` (the preferences'). On failure shows "Failed to save
    // session: " + name and keeps fileName, named and modified.
    [[nodiscard]] bool save(const std::string& name, int uiPrecision);
    [[nodiscard]] bool saveIfNamed(int uiPrecision);
    bool isNamed() const { return named; }

    // An unnamed, unmodified session with default contents.
    void makeNew();

    // Copies the program's current objects into the session (stored state
    // only: no results, no arrow shapes).
    void capture(const SessionObjects& current);
    // Copies the session into the program's current objects and broadcasts
    // sessionReplaced.
    void apply(SessionObjects& current) const;

    // True when the reaction system holds no component and no reaction.
    bool systemEmpty() const;

    bool named = false;
    Reactor reactor;
    Vreactor vReactor;
    WeightedObservation weightedObservation;
    KineticsView kineticsView;
    Animation animation;
    Measurements measurements;
    std::string fileName;
    bool modified = false;
};
