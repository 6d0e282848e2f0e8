#pragma once

#include "model/equationsdocument.h"

#include <string>

class Vreactor;

// The equations of a reaction system as a LaTeX fragment for worksheets: an
// align* environment with one left-aligned row per line of the equations
// text (empty lines left out). Names are set upright (\mathrm), d/dt as a
// fraction, arrows as \longrightarrow, \longleftarrow and \rightleftharpoons,
// numbers in scientific form as m \cdot 10^{e}. Needs the amsmath package.
// Names keep their Windows-1252 characters; LaTeX's special characters in
// them are escaped.
std::string latexEquations(const Vreactor& reactor, const EquationsOptions& options);
