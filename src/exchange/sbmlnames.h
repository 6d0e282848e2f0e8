#pragma once

#include <string>

// Identifiers and the annotation namespace shared by the SBML export and
// import, so that an exported model comes back as the same session.
namespace sbmlnames {

inline constexpr const char* velumbraNamespace = "https://velumbra.org/sbml/session/1";
inline constexpr const char* velumbraPrefix = "velumbra";
inline constexpr const char* compartmentId = "compartment";
inline constexpr const char* layoutId = "velumbra_drawing";

// Unique component u (from 0) is species "s<u+1>"; reaction i is "r<i+1>";
// its rate constants are "k<i+1>" and "k_<i+1>", named "k<i+1>" and
// "k-<i+1>" as the equations view writes them.
inline std::string speciesId(int u) {
    return "s" + std::to_string(u + 1);
}
inline std::string reactionId(int i) {
    return "r" + std::to_string(i + 1);
}
inline std::string forwardId(int i) {
    return "k" + std::to_string(i + 1);
}
inline std::string backwardId(int i) {
    return "k_" + std::to_string(i + 1);
}
inline std::string backwardName(int i) {
    return "k-" + std::to_string(i + 1);
}
inline std::string entryId(int i, int j) {
    return reactionId(i) + "_e" + std::to_string(j + 1);
}
// Glyphs: component object o (unique or shortcut), reaction i, entry j.
inline std::string componentGlyphId(int o) {
    return "glyph_c" + std::to_string(o + 1);
}
inline std::string reactionGlyphId(int i) {
    return "glyph_r" + std::to_string(i + 1);
}
inline std::string entryGlyphId(int i, int j) {
    return reactionGlyphId(i) + "_e" + std::to_string(j + 1);
}

} // namespace sbmlnames
