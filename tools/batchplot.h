#pragma once

#include <string>

class Program;

// Largest side of a plot image the command writes; a larger one is a usage
// error rather than hundreds of megabytes of pixels.
inline constexpr int maxPlotSide = 4000;
inline constexpr int minPlotSide = 100;

// Draws the kinetics plot of the program's last calculation at the given size,
// as the kinetics window shows it for the program's kinetics view and
// preferences, and writes it to a file of the type its extension gives (.svg
// and .pdf as vectors, else PNG). Makes an application on Qt's offscreen
// platform when there is none, so no display is needed. False when the file
// cannot be written.
bool writePlotImage(Program& program, const std::string& fileName, int width, int height);

// Draws the reaction system as the reaction system window shows it in the
// colour scheme `scheme` ("Color scheme#system"), sized to the drawing with a
// margin, and writes it the same way.
bool writeDrawingImage(Program& program, const std::string& fileName, int scheme);
