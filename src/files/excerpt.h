#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ubic {

// A piece of a file's content fit to be quoted in a Windows-1250 message: it is quoted as far as
// it is printable text, up to MaxLength characters, and ends in "..." where it was cut. A tab
// reads as a blank. A control code or one of the five codes that Windows-1250 leaves unassigned
// ends the quote, so that no message shows bytes as symbols.
std::string ContentExcerpt(std::string_view content, std::size_t maxLength = 40);

// Whether the beginning of a file holds binary data rather than text: a NUL byte, or more than
// one byte in 32 that is no character of a text (line ends, tabs, form feeds and the end-of-file
// mark of old editors are text). A picture or a program opened as a model is told apart so, and
// named instead of quoted.
bool HoldsBinaryData(std::string_view head);

}  // namespace ubic
