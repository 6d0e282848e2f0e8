#pragma once

#include <string>

inline constexpr const char* applicationTitle = "Velumbra";

// The main window's caption: the title, " - " and the session's file name
// as given, or "new".
inline std::string mainWindowCaption(const std::string& text) {
    return std::string(applicationTitle) + " - " + text;
}
