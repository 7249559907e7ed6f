#include "cp1250.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace ubic {
namespace {

// Code points of the bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

const std::unordered_map<char32_t, char>& UnicodeToCp1250Map() {
  static const auto map = [] {
    std::unordered_map<char32_t, char> result;
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
      result.emplace(kHighHalf[i], static_cast<char>(0x80 + i));
    }
    return result;
  }();
  return map;
}

// Decodes one UTF-8 sequence at Pos and advances past it; returns false for a malformed one
// (then Pos moves past its first byte only).
bool DecodeUtf8(std::string_view text, std::size_t& pos, char32_t& code) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int length = 0;
  if (lead < 0x80) {
    code = lead;
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    code = lead & 0x1F;
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    code = lead & 0x0F;
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    code = lead & 0x07;
    length = 4;
  } else {
    ++pos;
    return false;
  }
  if (pos + length > text.size()) {
    ++pos;
    return false;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    code = (code << 6) | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++pos;
    return false;
  }
  pos += length;
  return true;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

char32_t Cp1250ToUnicode(unsigned char byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

namespace {

// Plain ASCII reads the same in both encodings.
bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string Cp1250ToUtf8(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, Cp1250ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1250(std::string_view text, bool* replaced) {
  if (replaced != nullptr) *replaced = false;
  if (IsAscii(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  bool anyReplaced = false;
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t code = 0;
    if (!DecodeUtf8(text, pos, code)) {
      out += '?';
      anyReplaced = true;
    } else if (code < 0x80) {
      out += static_cast<char>(code);
    } else {
      const auto& map = UnicodeToCp1250Map();
      const auto found = map.find(code);
      anyReplaced = anyReplaced || found == map.end();
      out += found == map.end() ? '?' : found->second;
    }
  }
  if (replaced != nullptr) *replaced = anyReplaced;
  return out;
}

}  // namespace ubic
