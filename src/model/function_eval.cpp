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

// The index of the rule that the inputs' single values select in a canonical table with Counts
// values per input, or -1 when an input is not a single value of its scale. TextOf(i) gives the
// text of input i.
template <class TTextOf>
int RuleIndex(const std::vector<int>& counts, TTextOf textOf) {
  // Input by input, like the digits of a number.
  int rule = 0;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const std::string_view text = textOf(i);
    const int value = text.size() == 1 ? ValueIndexOf(text[0]) : -1;
    if (value < 0 || value >= counts[i]) return -1;
    rule = rule * counts[i] + value;
  }
  return rule;
}

// The code of a result that is one value, 0 otherwise (value codes are printable).
char SingleCode(const std::string& text) {
  return text.size() == 1 ? text[0] : '\0';
}

// Result = the one value Code, written in place when Result already holds one value.
void PutCode(std::string& result, char code) {
  if (result.size() == 1) {
    result[0] = code;
  } else {
    result.assign(1, code);
  }
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
    const int rule = RuleIndex(FInputCounts, [inputTexts](std::size_t i) { return inputTexts[i]; });
    if (rule >= 0) return ResultText(FRules[rule]);
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
  std::vector<std::string_view> texts(inputs.size());
  const auto scan = [&](int k, std::string& result) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      texts[i] = k < inputs[i]->Count() ? std::string_view((*inputs[i])[k]) : std::string_view();
    }
    result = EvaluateByRuleScan(texts);
  };
  if (!IsCanonical() || inputs.size() != FInputCounts.size()) {
    results.UpdateRange(0, n, scan);
    return;
  }
  // The result of every rule, made once for all options that select it.
  std::vector<std::string> ruleResults;
  ruleResults.reserve(RuleCount());
  for (int r = 0; r < RuleCount(); ++r) ruleResults.push_back(ResultText(FRules[r]));
  // Most results are one value: their codes, a small table that stays in the nearest cache.
  std::vector<char> ruleCodes(ruleResults.size());
  std::transform(ruleResults.begin(), ruleResults.end(), ruleCodes.begin(), SingleCode);
  int defined = n;
  for (const TStrList* values : inputs) defined = std::min(defined, values->Count());
  std::vector<std::span<const std::string>> columns;
  for (const TStrList* values : inputs) columns.push_back(values->Texts().first(defined));
  const auto ruleOf = [&](int k) {
    if (k >= defined) return -1;
    return RuleIndex(FInputCounts,
                     [&](std::size_t i) -> std::string_view { return columns[i][k]; });
  };
  results.UpdateRange(0, n, [&](int k, std::string& result) {
    const int rule = ruleOf(k);
    if (rule >= 0 && ruleCodes[rule] != '\0') {
      PutCode(result, ruleCodes[rule]);
    } else if (rule >= 0) {
      result = ruleResults[rule];
    } else {
      scan(k, result);
    }
  });
}

}  // namespace ubic
