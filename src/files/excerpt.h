#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ubic {

// A piece of a file's content fit to be quoted in a Windows-1250 message: a byte that is no
// character of a text (a control code, or one of the five codes that Windows-1250 leaves
// unassigned) is written as \xNN, and a piece longer than MaxLength is cut and ends in "...".
// A picture or another binary file opened as a model thus gives a short message that can be read.
std::string ContentExcerpt(std::string_view content, std::size_t maxLength = 40);

}  // namespace ubic
