#include "textcompare.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace ubic {
namespace {

struct TCollation {
  std::uint16_t Primary;   // letter identity, case and accents ignored
  std::uint8_t Secondary;  // accent, 0 for the plain letter
};

// Lower-case and upper-case Windows-1250 letters, pairwise: index 2k is lower, 2k+1 upper.
// Each group lists the variants of one base letter after the plain one.
struct TLetterGroup {
  char Base;
  std::string_view Variants;  // lower/upper pairs of accented forms
};

constexpr TLetterGroup kAccented[] = {
    {'a', "\xE1\xC1\xE2\xC2\xE3\xC3\xE4\xC4\xB9\xA5"},
    {'c', "\xE6\xC6\xE7\xC7"},
    {'d', "\xEF\xCF\xF0\xD0"},
    {'e', "\xE9\xC9\xEA\xCA\xEB\xCB\xEC\xCC"},
    {'i', "\xED\xCD\xEE\xCE"},
    {'l', "\xE5\xC5\xBE\xBC\xB3\xA3"},
    {'n', "\xF1\xD1\xF2\xD2"},
    {'o', "\xF3\xD3\xF4\xD4\xF5\xD5\xF6\xD6"},
    {'r', "\xE0\xC0\xF8\xD8"},
    {'s', "\x9C\x8C\xBA\xAA"},
    {'t', "\x9D\x8D\xFE\xDE"},
    {'u', "\xFA\xDA\xF9\xD9\xFB\xDB\xFC\xDC"},
    {'y', "\xFD\xDD"},
    {'z', "\x9F\x8F\xBF\xAF"},
};

// Letters with a caron that follow their base letter as letters of their own.
struct TCaronLetter {
  char Base;
  char Lower;
  char Upper;
};
constexpr TCaronLetter kCaronLetters[] = {
    {'c', '\xE8', '\xC8'}, {'s', '\x9A', '\x8A'}, {'z', '\x9E', '\x8E'}};

constexpr std::uint16_t kDigitBase = 0x200;
constexpr std::uint16_t kLetterBase = 0x300;

std::uint16_t LetterPrimary(char base, bool caron) {
  return static_cast<std::uint16_t>(kLetterBase + (base - 'a') * 2 + (caron ? 1 : 0));
}

struct TTables {
  std::array<TCollation, 256> Collation{};
  std::array<char, 256> Upper{};
  std::array<char, 256> Lower{};
};

TTables BuildTables() {
  TTables t;
  for (int b = 0; b < 256; ++b) {
    t.Collation[b] = {static_cast<std::uint16_t>(b), 0};
    t.Upper[b] = t.Lower[b] = static_cast<char>(b);
  }
  for (char d = '0'; d <= '9'; ++d) {
    t.Collation[static_cast<unsigned char>(d)] = {static_cast<std::uint16_t>(kDigitBase + d), 0};
  }
  auto pair = [&t](char lower, char upper, std::uint16_t primary, std::uint8_t secondary) {
    t.Collation[static_cast<unsigned char>(lower)] = {primary, secondary};
    t.Collation[static_cast<unsigned char>(upper)] = {primary, secondary};
    t.Upper[static_cast<unsigned char>(lower)] = upper;
    t.Lower[static_cast<unsigned char>(upper)] = lower;
  };
  for (char c = 'a'; c <= 'z'; ++c)
    pair(c, static_cast<char>(c - 'a' + 'A'), LetterPrimary(c, false), 0);
  for (const TLetterGroup& group : kAccented) {
    for (std::size_t i = 0; i + 1 < group.Variants.size(); i += 2) {
      pair(group.Variants[i], group.Variants[i + 1], LetterPrimary(group.Base, false),
           static_cast<std::uint8_t>(1 + i / 2));
    }
  }
  for (const TCaronLetter& letter : kCaronLetters) {
    pair(letter.Lower, letter.Upper, LetterPrimary(letter.Base, true), 0);
  }
  // Sharp s has no capital; it sorts as an accented s.
  t.Collation[0xDF] = {LetterPrimary('s', false), 9};
  return t;
}

const TTables& Tables() {
  static const TTables tables = BuildTables();
  return tables;
}

template <class Key>
int CompareBy(const std::string& s1, const std::string& s2, Key key) {
  const std::size_t n = std::min(s1.size(), s2.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int k1 = key(static_cast<unsigned char>(s1[i]));
    const int k2 = key(static_cast<unsigned char>(s2[i]));
    if (k1 != k2) return k1 < k2 ? -1 : 1;
  }
  return (s1.size() > n) - (s2.size() > n);
}

}  // namespace

int AnsiCompareText(const std::string& s1, const std::string& s2) {
  const auto& collation = Tables().Collation;
  const int primary = CompareBy(s1, s2, [&](unsigned char b) { return collation[b].Primary; });
  if (primary != 0) return primary;
  return CompareBy(s1, s2, [&](unsigned char b) { return collation[b].Secondary; });
}

bool AnsiSameText(const std::string& s1, const std::string& s2) {
  return AnsiCompareText(s1, s2) == 0;
}

std::string AnsiUpperCase(std::string text) {
  for (char& c : text) c = Tables().Upper[static_cast<unsigned char>(c)];
  return text;
}

std::string AnsiLowerCase(std::string text) {
  for (char& c : text) c = Tables().Lower[static_cast<unsigned char>(c)];
  return text;
}

}  // namespace ubic
