#pragma once

#include <string>

class ReactorSession;

// The session's reaction system as an SBML Level 3 Version 2 model, for other
// kinetics simulators: one compartment of size 1, each unique component a
// species, each reaction with an active direction a reaction with a mass
// action kinetic law whose switches are piecewise factors of time, the
// drawing in the Layout package, and what SBML has no place for (colours,
// shown flags, weights, the settings) in annotations of Velumbra's namespace.
// Reactions with no active direction have no rate and are left out.

// The document's text (UTF-8).
std::string sbmlDocumentText(const ReactorSession& session);

// Writes the document to the file, replacing it only when complete. False,
// with the reason in `error`, when it cannot be written.
bool exportSbml(const ReactorSession& session, const std::string& fileName, std::string& error);
