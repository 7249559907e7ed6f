#include "excerpt.h"

#include <algorithm>

#include "foundation/cp1250.h"

namespace ubic {
namespace {

bool IsTextByte(unsigned char byte) {
  const char32_t code = Cp1250ToUnicode(byte);
  return code >= 0x20 && !(code >= 0x7F && code <= 0x9F);
}

}  // namespace

std::string ContentExcerpt(std::string_view content, std::size_t maxLength) {
  std::string excerpt;
  for (const char c : content.substr(0, maxLength)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\t') {
      excerpt += ' ';
    } else if (IsTextByte(byte)) {
      excerpt += c;
    } else {
      return excerpt + "...";
    }
  }
  if (content.size() > maxLength) excerpt += "...";
  return excerpt;
}

bool HoldsBinaryData(std::string_view head) {
  // Only a NUL byte tells: the names in a model may hold any other byte, and a model written
  // here must always read back.
  return head.find('\0') != std::string_view::npos;
}

}  // namespace ubic
