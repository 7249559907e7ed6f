#pragma once

#include <string>
#include <string_view>

namespace ubic {

// Model texts are 8-bit Windows-1250 inside the program; these convert them at its edges.

// Every byte converts; the five codes that Windows-1250 leaves unassigned become the C1 control
// characters of the same number, so that the conversion back restores them.
std::string Cp1250ToUtf8(std::string_view text);

// Characters that Windows-1250 cannot hold, and malformed UTF-8, become "?"; Replaced (if given)
// tells whether that happened.
std::string Utf8ToCp1250(std::string_view text, bool* replaced = nullptr);

// The Unicode code point of a Windows-1250 byte.
char32_t Cp1250ToUnicode(unsigned char byte);
// Appends the UTF-8 bytes of a code point of the Basic Multilingual Plane.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace ubic
