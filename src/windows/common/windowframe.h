#pragma once

class QPainter;
class QWidget;

// Gives a window the window colour as background and its direct child
// controls their text and background colours: black text everywhere; white
// behind editable and list controls; the window colour behind labels, check
// boxes and radio groups.
void applyWindowColours(QWidget* window);

// The background of a window's client area of w by h pixels: nine lines at
// the top shading from light towards the window colour, nine at the bottom
// shading towards dark, optionally the middle filled with the window colour,
// and a black one-pixel frame round the whole area.
void paintFrame(QPainter& painter, int w, int h, bool fill = false);
