#include "windows/input/dialogvalueasker.h"

#include "windows/input/askvalue.h"

int DialogValueAsker::askNumber(const std::string& title, double* value,
                                const std::function<void()>& onChange, double min, double max,
                                double step, int law) {
    return ::askNumber(title, value, onChange, min, max, step, law, owner_);
}

int DialogValueAsker::askInteger(const std::string& title, std::int32_t* value,
                                 const std::function<void()>& onChange, double min, double max,
                                 double step, int law) {
    return ::askInteger(title, value, onChange, min, max, step, law, owner_);
}

int DialogValueAsker::askText(const std::string& title, std::string* value,
                              const std::function<void()>& onChange, double min, double max,
                              double step, int law) {
    return ::askText(title, value, onChange, min, max, step, law, owner_);
}
