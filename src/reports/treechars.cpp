#include "treechars.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ubic {
namespace {

constexpr std::string_view kTreeCodes{"-\xB3\xC3\xC0\xC4"};

// One row per character set, one column per code of kTreeCodes.
constexpr std::array<std::string_view, 6> kTreeSets{
    "     ", " \xB3\xC3\xC0\xC4", " |++-", " ... ", ".... ", "|||| ",
};

}  // namespace

char MapTreeChar(int charSet, char c) {
  const std::size_t code = kTreeCodes.find(c);
  if (code == std::string_view::npos || charSet < 0 || charSet >= std::ssize(kTreeSets)) {
    return ' ';
  }
  return kTreeSets[static_cast<std::size_t>(charSet)][code];
}

std::string TreeText(int charSet, int indent, const std::string& prefix) {
  const auto padCount = static_cast<std::size_t>(std::max(0, indent - 1));
  const char line = MapTreeChar(charSet, kTreeHorizontal);
  std::string text;
  text.reserve(prefix.size() * (padCount + 1));
  for (const char c : prefix) {
    text += MapTreeChar(charSet, c);
    const bool branch = c == kTreeBranch || c == kTreeLastBranch;
    text.append(padCount, branch ? line : ' ');
  }
  return text;
}

}  // namespace ubic
