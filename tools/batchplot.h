#pragma once

#include <string>

class Program;

// Largest side of a plot image the command writes; a larger one is a usage
// error rather than hundreds of megabytes of pixels.
inline constexpr int maxPlotSide = 4000;
inline constexpr int minPlotSide = 100;

// Draws the kinetics plot of the program's last calculation at the given size,
// as the kinetics window shows it for the program's kinetics view and
// preferences, and writes it to a PNG file. Makes an application on Qt's
// offscreen platform when there is none, so no display is needed. False when
// the file cannot be written.
bool writePlotImage(Program& program, const std::string& fileName, int width, int height);
