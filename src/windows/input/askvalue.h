#pragma once

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

// The value input dialog on a number, an integer or a text. Each operation
// runs the dialog modally on the target and returns its outcome: 0
// cancelled, 1 accepted unchanged, 2 changed. law: 0 linear drag, 1
// logarithmic, -2 adaptive, anything else the default (logarithmic for
// numbers, linear for integers). A negative step opens the dialog without
// touch pad; a step of 0 picks a default. The dialog keeps inside the
// client area of the main window that holds owner, by default the active
// window. Titles are Windows-1252 texts; an empty one hides the title bar.

int askNumber(const std::string& title, double* value, const std::function<void()>& onChange,
              double min, double max, double step, int law, QWidget* owner = nullptr);

int askInteger(const std::string& title, std::int32_t* value, const std::function<void()>& onChange,
               double min, double max, double step, int law, QWidget* owner = nullptr);

// max is the longest text accepted; min, step and law have no effect, as
// texts cannot be dragged.
int askText(const std::string& title, std::string* value, const std::function<void()>& onChange,
            double min, double max, double step, int law, QWidget* owner = nullptr);
