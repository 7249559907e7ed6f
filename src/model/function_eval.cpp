#include <algorithm>
#include <bitset>

#include "attribute.h"
#include "function.h"
#include "valuecode.h"

namespace ubic {
namespace {

bool IsAnyValue(std::string_view text) {
  return text.empty() || text == "*";
}

}  // namespace

bool TUbicFunction::IsCanonical() const {
  if (FCanonicalKnown) return FCanonical;
  FCanonicalKnown = true;
  FCanonical = false;
  FInputCounts.clear();
  for (int i = 0; i < InputCount(); ++i) {
    const TUbicScale* scale = FAttribute->Input(i)->Scale();
    if (scale == nullptr || scale->Count() <= 0) return false;
    FInputCounts.push_back(scale->Count());
  }
  const int n = static_cast<int>(FInputCounts.size());
  for (int r = 0; r < RuleCount(); ++r) {
    const std::string& rule = FRules[r];
    if (InputsOf(rule) != n) return false;
    int rest = r;
    for (int i = n - 1; i >= 0; --i) {
      if (ValueIndexOf(rule[i]) != rest % FInputCounts[i]) return false;
      rest /= FInputCounts[i];
    }
    if (rest != 0) return false;
  }
  // Every combination must be there, or an index could point past the table.
  long long combinations = 1;
  for (const int count : FInputCounts) {
    combinations *= count;
    if (combinations > RuleCount()) return false;
  }
  FCanonical = combinations == RuleCount();
  return FCanonical;
}

std::string TUbicFunction::ResultText(int low, int high) const {
  const int count =
      FAttribute != nullptr && FAttribute->Scale() != nullptr ? FAttribute->Scale()->Count() : 0;
  // Codes below the first value are no values at all: the rule scan skips them too.
  low = std::max(low, 0);
  if (low > high || (low == 0 && high == count - 1)) return {};
  std::string text;
  for (int v = low; v <= high; ++v) text += ValueCode(v);
  return text;
}

std::string TUbicFunction::Evaluate(std::span<const std::string_view> inputTexts) const {
  // A single value on every input selects one rule of a canonical table by its index.
  if (IsCanonical() && inputTexts.size() == FInputCounts.size()) {
    int index = 0;
    bool single = true;
    for (std::size_t i = 0; i < inputTexts.size() && single; ++i) {
      const std::string_view text = inputTexts[i];
      const int value = text.size() == 1 ? ValueIndexOf(text[0]) : -1;
      single = value >= 0 && value < FInputCounts[i];
      index = index * FInputCounts[i] + value;
    }
    if (single) {
      const std::string& rule = FRules[index];
      const int n = InputsOf(rule);
      return ResultText(ValueIndexOf(rule[n]), ValueIndexOf(rule[n + 1]));
    }
  }
  return EvaluateByRuleScan(inputTexts);
}

std::string TUbicFunction::Evaluate(const std::vector<std::string>& inputTexts) const {
  const std::vector<std::string_view> views(inputTexts.begin(), inputTexts.end());
  return Evaluate(std::span<const std::string_view>(views));
}

std::string TUbicFunction::EvaluateByRuleScan(std::span<const std::string_view> inputTexts) const {
  const int full =
      FAttribute != nullptr && FAttribute->Scale() != nullptr ? FAttribute->Scale()->Count() : 0;
  // The value codes each input admits; an undefined or "*" input admits every rule.
  std::vector<std::bitset<256>> admitted(inputTexts.size());
  std::vector<bool> any(inputTexts.size());
  for (std::size_t i = 0; i < inputTexts.size(); ++i) {
    any[i] = IsAnyValue(inputTexts[i]);
    for (const char c : inputTexts[i]) admitted[i].set(static_cast<unsigned char>(c));
  }
  std::bitset<256> acc;
  int accInScale = 0;
  bool accBeyondScale = false;
  for (int r = 0; r < RuleCount(); ++r) {
    const std::string& rule = FRules[r];
    const std::size_t n = std::min<std::size_t>(InputsOf(rule), inputTexts.size());
    bool matches = true;
    for (std::size_t i = 0; i < n && matches; ++i) {
      matches = any[i] || admitted[i].test(static_cast<unsigned char>(rule[i]));
    }
    if (!matches) continue;
    const int low = std::max(ValueIndexOf(rule[InputsOf(rule)]), 0);
    const int high = ValueIndexOf(rule[InputsOf(rule) + 1]);
    for (int v = low; v <= high; ++v) {
      if (acc.test(v)) continue;
      acc.set(v);
      if (v < full) {
        ++accInScale;
      } else {
        accBeyondScale = true;
      }
    }
    if (accInScale == full && !accBeyondScale) return {};
  }
  std::string text;
  for (int v = 0; v < static_cast<int>(acc.size()); ++v) {
    if (acc.test(v)) text += ValueCode(v);
  }
  return text;
}

}  // namespace ubic
