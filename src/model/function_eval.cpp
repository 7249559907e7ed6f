#include <algorithm>
#include <bitset>
#include <vector>

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

int TUbicFunction::OutputCount() const {
  return FAttribute != nullptr && FAttribute->Scale() != nullptr ? FAttribute->Scale()->Count() : 0;
}

std::string TUbicFunction::ResultText(const std::string& rule) const {
  const int n = InputsOf(rule);
  const auto low = static_cast<unsigned char>(rule[n]);
  const auto high = static_cast<unsigned char>(rule[n + 1]);
  // Every code from Low to High counts, also one below the first value or above the last: a rule
  // read from a file keeps what the file says.
  if (low == kFirstValueCode && ValueIndexOf(static_cast<char>(high)) == OutputCount() - 1)
    return {};
  std::string text;
  for (int code = low; code <= high; ++code) text += static_cast<char>(code);
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
    if (single) return ResultText(FRules[index]);
  }
  return EvaluateByRuleScan(inputTexts);
}

std::string TUbicFunction::Evaluate(const std::vector<std::string>& inputTexts) const {
  const std::vector<std::string_view> views(inputTexts.begin(), inputTexts.end());
  return Evaluate(std::span<const std::string_view>(views));
}

std::string TUbicFunction::EvaluateByRuleScan(std::span<const std::string_view> inputTexts) const {
  const int full = OutputCount();
  // The value codes each input admits; an undefined or "*" input admits every rule.
  std::vector<std::bitset<256>> admitted(inputTexts.size());
  std::vector<bool> any(inputTexts.size());
  for (std::size_t i = 0; i < inputTexts.size(); ++i) {
    any[i] = IsAnyValue(inputTexts[i]);
    for (const char c : inputTexts[i]) admitted[i].set(static_cast<unsigned char>(c));
  }
  // The codes of the result, by code; those outside the scale keep it from being the full scale.
  std::bitset<256> acc;
  int accInScale = 0;
  bool accOutsideScale = false;
  for (int r = 0; r < RuleCount(); ++r) {
    const std::string& rule = FRules[r];
    const std::size_t n = std::min<std::size_t>(InputsOf(rule), inputTexts.size());
    bool matches = true;
    for (std::size_t i = 0; i < n && matches; ++i) {
      matches = any[i] || admitted[i].test(static_cast<unsigned char>(rule[i]));
    }
    if (!matches) continue;
    const int low = static_cast<unsigned char>(rule[InputsOf(rule)]);
    const int high = static_cast<unsigned char>(rule[InputsOf(rule) + 1]);
    for (int code = low; code <= high; ++code) {
      if (acc.test(code)) continue;
      acc.set(code);
      const int index = code - kFirstValueCode;
      if (index >= 0 && index < full) {
        ++accInScale;
      } else {
        accOutsideScale = true;
      }
    }
    if (accInScale == full && !accOutsideScale) return {};
  }
  std::string text;
  for (int code = 0; code < static_cast<int>(acc.size()); ++code) {
    if (acc.test(code)) text += static_cast<char>(code);
  }
  return text;
}

void TUbicFunction::EvaluateOptions(std::span<const TStrList* const> inputs, int n,
                                    TStrList& results) const {
  const std::vector<int> rules = OptionRules(inputs, n);
  // The result of every rule, made once for all options that select it.
  std::vector<std::string> ruleResults;
  if (!rules.empty()) {
    ruleResults.reserve(RuleCount());
    for (int r = 0; r < RuleCount(); ++r) ruleResults.push_back(ResultText(FRules[r]));
  }
  std::vector<std::string_view> texts(inputs.size());
  results.UpdateRange(0, n, [&](int k, std::string& result) {
    if (!rules.empty() && rules[k] >= 0) {
      result = ruleResults[rules[k]];
      return;
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      texts[i] = k < inputs[i]->Count() ? std::string_view((*inputs[i])[k]) : std::string_view();
    }
    result = EvaluateByRuleScan(texts);
  });
}

std::vector<int> TUbicFunction::OptionRules(std::span<const TStrList* const> inputs, int n) const {
  if (!IsCanonical() || inputs.size() != FInputCounts.size()) return {};
  // Input by input, like the digits of a number: the rule index so far, or -1 once an input is
  // not a single value of its scale.
  std::vector<int> rules(n, 0);
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const TStrList& values = *inputs[i];
    const int count = FInputCounts[i];
    const int defined = std::min(n, values.Count());
    for (int k = 0; k < defined; ++k) {
      int& rule = rules[k];
      const std::string& text = values[k];
      const int value = text.size() == 1 ? ValueIndexOf(text[0]) : -1;
      rule = rule >= 0 && value >= 0 && value < count ? rule * count + value : -1;
    }
    std::fill(rules.begin() + defined, rules.end(), -1);
  }
  return rules;
}

}  // namespace ubic
