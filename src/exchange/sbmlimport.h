#pragma once

#include "session/reactorsession.h"

#include <string>

// An SBML model (Levels 2 and 3) read into a session: species become unique
// components, reactions with mass action laws become reactions, the Layout
// package or an automatic arrangement gives the drawing, and Velumbra's own
// annotation, when the model was exported by Velumbra, gives back what SBML
// has no place for. Anything the reactor cannot compute the same way is
// refused with a message naming the first such element and its id.
struct SbmlImport {
    bool ok = false;
    // On refusal: "Cannot import SBML: " and the reason.
    std::string message;
    // On success: the session, unnamed.
    ReactorSession session;
};

// Refuses documents over this size before parsing them.
inline constexpr long long maxSbmlFileBytes = 50LL * 1024 * 1024;

SbmlImport importSbmlText(const std::string& text);
SbmlImport importSbmlFile(const std::string& fileName);
