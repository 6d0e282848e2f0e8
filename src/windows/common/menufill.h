#pragma once

#include "foundation/text.h"

#include <functional>

class QMenu;

// Replaces all items of the menu by one item per name, in list order. Each
// item carries its position (from 0) as data, and a click calls the handler
// with that position. Names are Windows-1252 texts; "&" shows as itself.
void fillMenuFromList(QMenu* menu, const Text_& names, const std::function<void(int)>& handler);
