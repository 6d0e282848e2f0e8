#pragma once

#include "windows/input/valueasker.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct AskCall {
    std::string kind;
    std::string title;
    double min, max, step;
    int law;
    bool callback;

    bool operator==(const AskCall&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const AskCall& c) {
        return out << c.kind << " '" << c.title << "' " << c.min << ".." << c.max << " step "
                   << c.step << " law " << c.law << (c.callback ? " live" : "");
    }
};

// Answers the value dialog from scripts: each answer sets the value, calls
// the change callback and returns 2 (1 when the value stays); no answer, or
// an empty optional, cancels.
class ScriptedAsker : public ValueAsker {
public:
    int askNumber(const std::string& title, double* value, const std::function<void()>& onChange,
                  double min, double max, double step, int law) override {
        calls.push_back({"number", title, min, max, step, law, bool(onChange)});
        return answer(numbers, value, onChange);
    }
    int askInteger(const std::string& title, std::int32_t* value,
                   const std::function<void()>& onChange, double min, double max, double step,
                   int law) override {
        calls.push_back({"integer", title, min, max, step, law, bool(onChange)});
        std::deque<std::optional<std::int32_t>> script;
        if (!numbers.empty()) {
            const std::optional<double> a = numbers.front();
            script.push_back(a ? std::optional<std::int32_t>(std::int32_t(*a)) : std::nullopt);
            numbers.pop_front();
        }
        return answer(script, value, onChange);
    }
    int askText(const std::string& title, std::string* value, const std::function<void()>& onChange,
                double min, double max, double step, int law) override {
        calls.push_back({"text", title, min, max, step, law, bool(onChange)});
        return answer(texts, value, onChange);
    }

    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<double>> numbers;
    std::vector<AskCall> calls;

private:
    template <typename T>
    int answer(std::deque<std::optional<T>>& script, T* value,
               const std::function<void()>& onChange) {
        if (script.empty()) return 0;
        const std::optional<T> a = script.front();
        script.pop_front();
        if (!a) return 0;
        const bool same = *value == *a;
        *value = *a;
        if (onChange) onChange();
        return same ? 1 : 2;
    }
};
