#pragma once

inline constexpr const char* applicationTitle = "Velumbra";
