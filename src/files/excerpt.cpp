#include "excerpt.h"

#include <algorithm>

#include "foundation/cp1250.h"

namespace ubic {
namespace {

bool IsTextByte(unsigned char byte) {
  const char32_t code = Cp1250ToUnicode(byte);
  return code >= 0x20 && !(code >= 0x7F && code <= 0x9F);
}

// Bytes that plain text holds besides its characters.
bool IsLayoutByte(unsigned char byte) {
  return byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' || byte == '\r' ||
         byte == 0x1A;
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
  if (head.find('\0') != std::string_view::npos) return true;
  const auto foreign = std::count_if(head.begin(), head.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return !IsTextByte(byte) && !IsLayoutByte(byte);
  });
  return static_cast<std::size_t>(foreign) * 32 > head.size();
}

}  // namespace ubic
