#pragma once

#include "foundation/text.h"

#include <string>

class Vreactor;

// The equations preferences that shape the text.
struct EquationsOptions {
    bool displayReactionScheme = true;
    bool groupIdenticalConcentrationTerms = true;
};

// The equations of a reaction system as lines of markup (see equationtags.h):
// an empty line; the reaction scheme (when shown), one line per reaction with
// an active direction; one differential equation per unique component; the
// rate constants of the active directions; the initial concentrations.
// Numbers follow the process-wide number format.
Text_ generateEquations(const Vreactor& reactor, const EquationsOptions& options);

// The lines with their tags, each ended by a line feed.
std::string taggedEquations(const Text_& lines);

// The lines as readable plain text, each ended by a line feed: line markers
// and the leading indent go, subscripts follow inline (k1, k-1), superscripts
// after "^", d/dt becomes d[X]/dt and the arrows "->", "<-" and "<->".
std::string readableEquations(const Text_& lines);
