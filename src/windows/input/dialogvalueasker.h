#pragma once

#include "windows/input/valueasker.h"

class QWidget;

// Asks through the value input dialog, kept inside the main window that
// holds `owner`.
class DialogValueAsker : public ValueAsker {
public:
    explicit DialogValueAsker(QWidget* owner) : owner_(owner) {}

    int askNumber(const std::string& title, double* value, const std::function<void()>& onChange,
                  double min, double max, double step, int law) override;
    int askInteger(const std::string& title, std::int32_t* value,
                   const std::function<void()>& onChange, double min, double max, double step,
                   int law) override;
    int askText(const std::string& title, std::string* value, const std::function<void()>& onChange,
                double min, double max, double step, int law) override;

private:
    QWidget* owner_;
};
