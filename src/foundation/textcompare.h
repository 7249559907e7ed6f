#pragma once

#include <string>

namespace ubic {

// Comparison and case conversion of 8-bit Windows-1250 texts, as the user expects them sorted:
// letter case is ignored; accented letters sort with their base letter (before the next one),
// except that the Slovenian letters with a caron are letters of their own (c < č < d, s < š < t,
// z < ž); punctuation sorts before digits, digits before letters. Returns <0, 0 or >0.
int AnsiCompareText(const std::string& s1, const std::string& s2);
bool AnsiSameText(const std::string& s1, const std::string& s2);

std::string AnsiUpperCase(std::string text);
std::string AnsiLowerCase(std::string text);

}  // namespace ubic
