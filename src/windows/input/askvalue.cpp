#include "windows/input/askvalue.h"

#include "windows/common/cp1252.h"
#include "windows/input/dialogplacement.h"
#include "windows/input/tfinputfield.h"

#include <QApplication>
#include <QCursor>

namespace {

void applyLaw(TFinputField& dialog, int law) {
    if (law == 0) dialog.logarithmic = false;
    if (law == 1) dialog.logarithmic = true;
    if (law == -2) dialog.adaptive = true;
}

template <typename T>
int ask(const std::string& title, T* value, const std::function<void()>& onChange, double min,
        double max, double step, int law, bool logarithmic, QWidget* owner) {
    if (!value) return 0;
    if (!owner) owner = QApplication::activeWindow();
    TFinputField dialog(fromCp1252(title), owner);
    dialog.setTarget(value);
    dialog.onChange = onChange;
    dialog.minValue = min;
    dialog.maxValue = max;
    dialog.step = step;
    dialog.logarithmic = logarithmic;
    applyLaw(dialog, law);
    dialog.placeUnderPointer(QCursor::pos(), ownerClientArea(owner));
    dialog.exec();
    return dialog.outcome();
}

} // namespace

int askNumber(const std::string& title, double* value, const std::function<void()>& onChange,
              double min, double max, double step, int law, QWidget* owner) {
    return ask(title, value, onChange, min, max, step, law, true, owner);
}

int askInteger(const std::string& title, std::int32_t* value, const std::function<void()>& onChange,
               double min, double max, double step, int law, QWidget* owner) {
    return ask(title, value, onChange, min, max, step, law, false, owner);
}

int askText(const std::string& title, std::string* value, const std::function<void()>& onChange,
            double min, double max, double step, int law, QWidget* owner) {
    return ask(title, value, onChange, min, max, step, law, false, owner);
}
