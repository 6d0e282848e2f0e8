#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// velumbra-batch fit SESSION [--data FILE] [--fit NAME,NAME,...] [-o OUT.vsn]:
// fits the named parameters (default: every rate constant of an active
// direction) to the data, prints one "NAME<TAB>value<TAB>standard error"
// line per parameter, then "SSR" and "points"; the last computation's
// verdict goes to `err`. Returns the exit status.
int runFit(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
