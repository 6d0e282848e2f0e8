#pragma once

#include <QIcon>
#include <QImage>

// The program's logo, drawn in code: a dark tile with a small concentration
// plot, a reactant decaying while its product rises, the two curves crossing
// (and, at larger sizes, an intermediate that rises and falls between them).

// A square picture of side pixels with transparent corners; null for a side
// below 1.
QImage makeLogo(int side);

// The usual icon sizes: the program's windows and the desktop's menus.
inline constexpr int logoIconSides[] = {16, 24, 32, 48, 64, 128, 256};

// The logo at `logoIconSides`, for the program's windows.
QIcon makeLogoIcon();
