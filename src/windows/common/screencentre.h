#pragma once

class QWidget;

// Moves a top-level window, frame included, to the centre of the available
// area of its screen (the primary screen when it has none yet).
void centreOnScreen(QWidget& window);
