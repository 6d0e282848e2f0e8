#pragma once

#include <string>

// What the XML parser must never be given. libsbml's parser builds its
// elements and math by recursion, so a deep nesting overflows the stack, and
// it spends about a kilobyte and tens of microseconds on each element; the
// limits keep one document within a second or two and a few dozen MB, far
// above any model the reaction system can hold.
inline constexpr int maxXmlDepth = 1000;
inline constexpr int maxXmlElements = 50000;

// Why the document is refused before parsing ("invalid XML: ..." or the
// limit it breaks), or empty: a document type declaration (entities), an
// encoding in which the markup's characters are other bytes than in ASCII
// (the checks here could not see it), elements nested deeper or more of
// them than the limits.
std::string xmlGuardRefusal(const std::string& text);
