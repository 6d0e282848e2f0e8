#pragma once

#include "foundation/llist.h"

#include <string>

// A block of text lines: the lines of a file, or one block cut out of them.
using Text_ = Llist<std::string>;
