#include "namematch.h"

#include <algorithm>

#include "foundation/textcompare.h"
#include "foundation/utils.h"

namespace ubic {
namespace {

// The key under which names match when their spelling does not.
std::string LooseKey(const std::string& name) {
  return AnsiLowerCase(Trim(name));
}

}  // namespace

TNameIndex::TNameIndex(std::vector<std::string> names) : FNames(std::move(names)) {
  for (int i = 0; i < static_cast<int>(FNames.size()); ++i) {
    FExact[FNames[i]].push_back(i);
    FLoose[LooseKey(FNames[i])].push_back(i);
  }
}

const std::vector<int>& TNameIndex::Matches(const std::string& name) const {
  static const std::vector<int> none;
  if (const auto exact = FExact.find(name); exact != FExact.end()) return exact->second;
  const auto loose = FLoose.find(LooseKey(name));
  return loose != FLoose.end() ? loose->second : none;
}

bool TNameIndex::Ambiguous(const std::vector<int>& matches) const {
  return std::any_of(matches.begin(), matches.end(),
                     [&](int i) { return FNames[i] != FNames[matches.front()]; });
}

std::string TNameIndex::Candidates(const std::vector<int>& matches) const {
  std::vector<std::string> spellings;
  for (const int i : matches) {
    if (std::find(spellings.begin(), spellings.end(), FNames[i]) == spellings.end()) {
      spellings.push_back(FNames[i]);
    }
  }
  std::string text;
  for (const std::string& spelling : spellings) {
    text += (text.empty() ? "\"" : ", \"") + spelling + "\"";
  }
  return text;
}

}  // namespace ubic
