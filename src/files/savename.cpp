#include "savename.h"

#include <algorithm>
#include <cctype>

#include "foundation/utils.h"

namespace ubic {

namespace {

// Extensions are compared without regard to case, as the program's readers choose by them.
bool SameExtension(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string FilterExtension(const std::string& filter) {
  const auto open = filter.rfind('(');
  const auto close = filter.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  std::string pattern = filter.substr(open + 1, close - open - 1);
  pattern = pattern.substr(0, pattern.find_first_of(" ;"));
  if (pattern.rfind("*.", 0) != 0) return {};
  const std::string extension = pattern.substr(1);
  const bool wild = extension.find_first_of("*?") != std::string::npos;
  return wild || extension.size() < 2 ? std::string() : extension;
}

std::string SaveFileName(const std::string& typed, const std::vector<std::string>& filters,
                         int filterIndex) {
  if (filterIndex < 1 || filterIndex > static_cast<int>(filters.size())) return typed;
  const std::string wanted = FilterExtension(filters[static_cast<std::size_t>(filterIndex - 1)]);
  if (wanted.empty()) return typed;
  const std::string current = FileExtension(typed);
  // A name ending in a dot has no extension yet.
  if (current == ".") return typed.substr(0, typed.size() - 1) + wanted;
  if (current.empty()) return typed + wanted;
  if (SameExtension(current, wanted)) return typed;
  const bool ownOfDialog = std::any_of(filters.begin(), filters.end(), [&](const auto& filter) {
    const std::string extension = FilterExtension(filter);
    return !extension.empty() && SameExtension(extension, current);
  });
  if (ownOfDialog) return typed.substr(0, typed.size() - current.size()) + wanted;
  return typed + wanted;
}

}  // namespace ubic
