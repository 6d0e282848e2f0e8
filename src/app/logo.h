#pragma once

#include <QIcon>
#include <QImage>

// The program's logo, drawn in code: a dark tile with a small concentration
// plot, a reactant decaying while its product rises, the two curves crossing
// (and, at larger sizes, an intermediate that rises and falls between them).

// A square picture of side pixels with transparent corners; null for a side
// below 1.
QImage makeLogo(int side);

// The logo at the usual icon sizes, for the program's windows.
QIcon makeLogoIcon();
