#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace ubic {

// Names as people type them and spreadsheets keep them: a name stands for the names spelled
// exactly like it, or, when there are none, for those equal to it once blanks around both are
// trimmed and letter case is ignored. Names are Windows-1250 texts.
class TNameIndex {
 public:
  explicit TNameIndex(std::vector<std::string> names);

  // The positions of the names that Name stands for, in order; empty when it stands for none.
  const std::vector<int>& Matches(const std::string& name) const;
  // Whether the names at Matches are spelled differently, so that which one was meant is not
  // clear. Names spelled alike count as one: a file names them by their order.
  bool Ambiguous(const std::vector<int>& matches) const;
  // The names at Matches, each spelling once, quoted and joined by ", ", for a message.
  std::string Candidates(const std::vector<int>& matches) const;

 private:
  std::vector<std::string> FNames;
  std::unordered_map<std::string, std::vector<int>> FExact;
  std::unordered_map<std::string, std::vector<int>> FLoose;
};

}  // namespace ubic
