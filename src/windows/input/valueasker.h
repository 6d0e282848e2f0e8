#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The value input dialog as the windows use it; tests answer in its place.
// The operations and results are those of askNumber, askInteger and askText:
// 0 cancelled, 1 accepted unchanged, 2 changed.
class ValueAsker {
public:
    virtual ~ValueAsker() = default;
    virtual int askNumber(const std::string& title, double* value,
                          const std::function<void()>& onChange, double min, double max,
                          double step, int law) = 0;
    virtual int askInteger(const std::string& title, std::int32_t* value,
                           const std::function<void()>& onChange, double min, double max,
                           double step, int law) = 0;
    virtual int askText(const std::string& title, std::string* value,
                        const std::function<void()>& onChange, double min, double max, double step,
                        int law) = 0;
};
