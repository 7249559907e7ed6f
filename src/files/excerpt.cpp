#include "excerpt.h"

#include "foundation/cp1250.h"

namespace ubic {
namespace {

bool IsTextByte(unsigned char byte) {
  const char32_t code = Cp1250ToUnicode(byte);
  return code >= 0x20 && !(code >= 0x7F && code <= 0x9F);
}

void AppendEscaped(std::string& out, unsigned char byte) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  out.append("\\x").append(1, kDigits[byte >> 4]).append(1, kDigits[byte & 0xF]);
}

}  // namespace

std::string ContentExcerpt(std::string_view content, std::size_t maxLength) {
  const bool cut = content.size() > maxLength;
  std::string excerpt;
  for (const char c : content.substr(0, maxLength)) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsTextByte(byte)) {
      excerpt += c;
    } else {
      AppendEscaped(excerpt, byte);
    }
  }
  if (cut) excerpt += "...";
  return excerpt;
}

}  // namespace ubic
