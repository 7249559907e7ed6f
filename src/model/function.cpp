#include "function.h"

#include <algorithm>
#include <numeric>

#include "attribute.h"
#include "foundation/ubicutl.h"
#include "ubicstr.h"
#include "valuecode.h"

namespace ubic {
namespace {

constexpr char kEntered = '+';
constexpr char kComputed = '-';

// Dominance of rule R1 over rule R2 by their first n characters.
TRuleComparison CompareInputs(const std::string& r1, const std::string& r2,
                              const std::vector<TScaleOrder>& orders) {
  TRuleComparison result = rcSame;
  const std::size_t n = std::min({orders.size(), r1.size(), r2.size()});
  for (std::size_t i = 0; i < n; ++i) {
    const int a = ValueIndexOf(r1[i]);
    const int b = ValueIndexOf(r2[i]);
    if (a == b) continue;
    if (orders[i] == TScaleOrder::None) return rcIncomparable;
    const bool better = (orders[i] == TScaleOrder::Ascending) == (a > b);
    if (better) {
      if (result == rcWorse) return rcIncomparable;
      result = rcBetter;
    } else {
      if (result == rcBetter) return rcIncomparable;
      result = rcWorse;
    }
  }
  return result;
}

// A value code moved by Delta; a code that would leave the encodable range is no value of any
// scale and stays as it is.
char ShiftedCode(char code, int delta) {
  const int index = ValueIndexOf(code) + delta;
  return index >= -1 && index < kMaxScaleValues ? ValueCode(index) : code;
}

}  // namespace

TUbicFunction::TUbicFunction() {
  FRules.SetCompareStr(CompareByCode);
  FRules.SetOnChange([this] { FCanonicalKnown = false; });
}

TUbicFunction::~TUbicFunction() {
  FRules.Clear();
  Unregister();
}

void TUbicFunction::Assign(const TUbicFunction& other) {
  FAttribute = other.FAttribute;
  ReplaceRules(other.FRules.Strings());
  FWeights = other.FWeights;
  FUseWeights = other.FUseWeights;
}

void TUbicFunction::Initialize(const TUbicAttribute* attribute) {
  const int ruleCount = attribute != nullptr ? attribute->RuleCount() : -1;
  FRules.Clear();
  FAttribute = nullptr;
  if (ruleCount < 0) return;
  const int n = attribute->InputCount();
  std::vector<int> counts(n);
  for (int i = 0; i < n; ++i) counts[i] = attribute->Input(i)->Scale()->Count();
  std::vector<std::string> rules;
  rules.reserve(ruleCount);
  FAttribute = attribute;

  std::string rule = UndefinedRule(std::string(n + 3, ValueCode(0)));
  for (;;) {
    rules.push_back(rule);
    int i = n - 1;
    while (i >= 0 && ValueIndexOf(rule[i]) + 1 == counts[i]) rule[i--] = ValueCode(0);
    if (i < 0) break;
    ++rule[i];
  }
  ReplaceRules(rules);
  FWeights.assign(n, 100.0 / n);
}

int TUbicFunction::EnteredCount() const {
  int count = 0;
  for (int r = 0; r < RuleCount(); ++r) count += FRules[r].back() == kEntered ? 1 : 0;
  return count;
}

int TUbicFunction::InputCount() const {
  return FAttribute ? FAttribute->InputCount() : 0;
}

int TUbicFunction::InputsOf(const std::string& rule) const {
  return static_cast<int>(rule.size()) - 3;
}

int TUbicFunction::RuleInput(int input, int rule) const {
  const std::string& text = FRules.Get(rule);
  if (input < 0 || input >= InputsOf(text)) ListIndexError(input);
  return ValueIndexOf(text[input]);
}

int TUbicFunction::RuleLow(int rule) const {
  const std::string& text = FRules.Get(rule);
  return ValueIndexOf(text[InputsOf(text)]);
}

int TUbicFunction::RuleHigh(int rule) const {
  const std::string& text = FRules.Get(rule);
  return ValueIndexOf(text[InputsOf(text) + 1]);
}

bool TUbicFunction::RuleEntered(int rule) const {
  return FRules.Get(rule).back() == kEntered;
}

void TUbicFunction::PutResultChar(int rule, int offset, char c) {
  std::string text = FRules.Get(rule);
  text[InputsOf(text) + offset] = c;
  FRules.Put(rule, text);
}

void TUbicFunction::SetRuleLow(int rule, int index) {
  PutResultChar(rule, 0, ValueCode(index));
}

void TUbicFunction::SetRuleHigh(int rule, int index) {
  PutResultChar(rule, 1, ValueCode(index));
}

void TUbicFunction::SetRuleValue(int rule, int index) {
  SetRuleLow(rule, index);
  SetRuleHigh(rule, index);
}

void TUbicFunction::SetRuleCodes(int rule, char low, char high) {
  PutResultChar(rule, 0, low);
  PutResultChar(rule, 1, high);
}

void TUbicFunction::SetRuleEntered(int rule, bool entered) {
  PutResultChar(rule, 2, entered ? kEntered : kComputed);
}

int TUbicFunction::UndefinedHigh() const {
  return FAttribute != nullptr && FAttribute->Scale() != nullptr ? FAttribute->Scale()->Count() - 1
                                                                 : 0;
}

std::string TUbicFunction::UndefinedRule(std::string rule) const {
  const int n = InputsOf(rule);
  rule[n] = ValueCode(0);
  rule[n + 1] = ValueCode(UndefinedHigh());
  rule[n + 2] = kComputed;
  return rule;
}

void TUbicFunction::ClearRule(int rule) {
  FRules.Put(rule, UndefinedRule(FRules.Get(rule)));
}

void TUbicFunction::ClearUndefined() {
  for (int r = 0; r < RuleCount(); ++r) {
    if (!RuleEntered(r)) ClearRule(r);
  }
}

std::vector<TScaleOrder> TUbicFunction::InputOrders() const {
  std::vector<TScaleOrder> orders;
  for (int i = 0; i < InputCount(); ++i) {
    const TUbicScale* scale = FAttribute->Input(i)->Scale();
    orders.push_back(scale != nullptr ? scale->Order() : TScaleOrder::None);
  }
  return orders;
}

TScaleOrder TUbicFunction::OutputOrder() const {
  const TUbicScale* scale = FAttribute != nullptr ? FAttribute->Scale() : nullptr;
  return scale != nullptr ? scale->Order() : TScaleOrder::None;
}

std::vector<int> TUbicFunction::EnteredRules() const {
  std::vector<int> entered;
  for (int r = 0; r < RuleCount(); ++r) {
    if (RuleEntered(r)) entered.push_back(r);
  }
  return entered;
}

TRuleComparison TUbicFunction::CompareRules(int rule1, int rule2) const {
  const std::string& r1 = FRules.Get(rule1);
  const std::string& r2 = FRules.Get(rule2);
  std::vector<TScaleOrder> orders = InputOrders();
  orders.resize(std::min({orders.size(), r1.size() - 3, r2.size() - 3}));
  return CompareInputs(r1, r2, orders);
}

bool TUbicFunction::IsConsistent() const {
  const TScaleOrder output = OutputOrder();
  if (output == TScaleOrder::None) return true;
  const std::vector<int> entered = EnteredRules();
  const std::vector<TScaleOrder> orders = InputOrders();
  for (const int r : entered) {
    for (const int e : entered) {
      const TRuleComparison c = CompareInputs(FRules[e], FRules[r], orders);
      if (c != rcWorse && c != rcBetter) continue;
      // R must not be worse than a rule it dominates, nor better than one dominating it.
      const bool rAbove = RuleLow(r) >= RuleLow(e) && RuleHigh(r) >= RuleHigh(e);
      const bool rBelow = RuleLow(r) <= RuleLow(e) && RuleHigh(r) <= RuleHigh(e);
      const bool mustBeAbove = (c == rcWorse) == (output == TScaleOrder::Ascending);
      if (mustBeAbove ? !rAbove : !rBelow) return false;
    }
  }
  return true;
}

void TUbicFunction::CompleteByMonotonicity() {
  const TScaleOrder output = OutputOrder();
  if (output == TScaleOrder::None) {
    ClearUndefined();
    return;
  }
  const std::vector<int> entered = EnteredRules();
  const std::vector<TScaleOrder> orders = InputOrders();
  std::vector<std::string> rules = FRules.Strings();
  for (std::string& rule : rules) {
    if (rule.back() == kEntered) continue;
    const int n = InputsOf(rule);
    int low = 0;
    int high = UndefinedHigh();
    for (const int e : entered) {
      const std::string& given = FRules[e];
      const TRuleComparison c = CompareInputs(given, rule, orders);
      // A rule whose inputs are all worse bounds the value from below on an ascending scale
      // and from above on a descending one; a better rule the other way round.
      const bool raisesLow = (c == rcWorse && output == TScaleOrder::Ascending) ||
                             (c == rcBetter && output == TScaleOrder::Descending);
      const bool lowersHigh = (c == rcBetter && output == TScaleOrder::Ascending) ||
                              (c == rcWorse && output == TScaleOrder::Descending);
      if (raisesLow) low = std::max(low, ValueIndexOf(given[n]));
      if (lowersHigh) high = std::min(high, ValueIndexOf(given[n + 1]));
    }
    if (low > high) {
      // The entered rules contradict each other: nothing computed so far is kept.
      ClearUndefined();
      return;
    }
    rule[n] = ValueCode(low);
    rule[n + 1] = ValueCode(high);
  }
  ReplaceRules(rules);
}

void TUbicFunction::Recompute() {
  if (IsConsistent()) {
    CompleteByMonotonicity();
  } else {
    ClearUndefined();
  }
  // Fitted anew every time: a line kept from when the weights were applied would make the table
  // depend on what the entered rules were then.
  if (FUseWeights && CalcApproximation(false)) ApplyApproximation();
}

void TUbicFunction::EnterRule(int rule, int low, int high) {
  SetRuleLow(rule, low);
  SetRuleHigh(rule, high);
  SetRuleEntered(rule, true);
  Recompute();
}

void TUbicFunction::ClearEnteredRule(int rule) {
  ClearRule(rule);
  Recompute();
}

void TUbicFunction::ApplyWeights(const floatarray& weights, bool useWeights) {
  FWeights = weights;
  FUseWeights = useWeights;
  Recompute();
}

double TUbicFunction::Determinedness() const {
  const int m = UndefinedHigh();
  if (RuleCount() == 0 || m <= 0) return 0;
  double sum = 0;
  for (int r = 0; r < RuleCount(); ++r) sum += 1.0 - double(RuleHigh(r) - RuleLow(r)) / m;
  return sum / RuleCount();
}

std::string TUbicFunction::StatisticsText() const {
  const std::string format = Translated(ubicstr::RulesLabel) + " %d/%d (%f%%), " +
                             Translated(ubicstr::DeterminedLabel) + " %f%%";
  const int count = RuleCount();
  const double entered = count > 0 ? 100.0 * EnteredCount() / count : 0.0;
  return Format(format, EnteredCount(), count, entered, 100.0 * Determinedness());
}

std::vector<int> TUbicFunction::RuleOrder(bool inputOrder) const {
  std::vector<int> order(RuleCount());
  std::iota(order.begin(), order.end(), 0);
  // A canonical table lists every combination once in the default order, so in input order each
  // rule's place follows from its values: linear time, which matters for the huge tables a file
  // may hold.
  if (IsCanonical()) {
    if (!inputOrder) return order;
    for (int r = 0; r < RuleCount(); ++r) {
      int position = 0;
      for (int i = static_cast<int>(FInputCounts.size()) - 1; i >= 0; --i) {
        position = position * FInputCounts[i] + ValueIndexOf(FRules[r][i]);
      }
      order[position] = r;
    }
    return order;
  }
  const auto byInputs = [this](int a, int b) {
    const std::string& x = FRules[a];
    const std::string& y = FRules[b];
    for (int i = std::min(InputsOf(x), InputsOf(y)) - 1; i >= 0; --i) {
      if (x[i] != y[i]) return ValueIndexOf(x[i]) < ValueIndexOf(y[i]);
    }
    return false;
  };
  const auto byCode = [this](int a, int b) { return CompareByCode(FRules[a], FRules[b]) < 0; };
  if (inputOrder) {
    std::stable_sort(order.begin(), order.end(), byInputs);
  } else {
    std::stable_sort(order.begin(), order.end(), byCode);
  }
  return order;
}

void TUbicFunction::SortRules(bool inputOrder) {
  std::vector<std::string> rules;
  rules.reserve(RuleCount());
  for (const int r : RuleOrder(inputOrder)) rules.push_back(FRules[r]);
  ReplaceRules(rules);
}

void TUbicFunction::InsertInputValue(int input, int k) {
  std::vector<std::string> rules = FRules.Strings();
  const std::size_t before = rules.size();
  for (std::size_t r = 0; r < before; ++r) {
    if (input < 0 || input >= InputsOf(rules[r])) ListIndexError(input);
    const int value = ValueIndexOf(rules[r][input]);
    if (value == 0) {
      std::string added = UndefinedRule(rules[r]);
      added[input] = ValueCode(k);
      rules.push_back(added);
    }
    if (value >= k) rules[r][input] = ShiftedCode(rules[r][input], 1);
  }
  std::sort(rules.begin(), rules.end());
  ReplaceRules(rules);
  Recompute();
}

void TUbicFunction::ExchangeInputs(int input1, int input2) {
  std::vector<std::string> rules = FRules.Strings();
  for (std::string& rule : rules) {
    const int n = InputsOf(rule);
    if (input1 < 0 || input1 >= n) ListIndexError(input1);
    if (input2 < 0 || input2 >= n) ListIndexError(input2);
    std::swap(rule[input1], rule[input2]);
  }
  std::sort(rules.begin(), rules.end());
  ReplaceRules(rules);
  const auto size = static_cast<int>(FWeights.size());
  if (input1 < size && input2 < size) std::swap(FWeights[input1], FWeights[input2]);
}

void TUbicFunction::DeleteInputValue(int input, int k) {
  std::vector<std::string> rules;
  rules.reserve(RuleCount());
  for (int r = 0; r < RuleCount(); ++r) {
    std::string rule = FRules[r];
    if (input < 0 || input >= InputsOf(rule)) ListIndexError(input);
    const int value = ValueIndexOf(rule[input]);
    if (value == k) continue;
    if (value > k) rule[input] = ShiftedCode(rule[input], -1);
    rules.push_back(rule);
  }
  ReplaceRules(rules);
  Recompute();
}

void TUbicFunction::InsertOutputValue(int k) {
  std::vector<std::string> rules = FRules.Strings();
  for (std::string& rule : rules) {
    const int n = InputsOf(rule);
    for (int end = n; end <= n + 1; ++end) {
      if (ValueIndexOf(rule[end]) >= k) rule[end] = ShiftedCode(rule[end], 1);
    }
  }
  ReplaceRules(rules);
}

void TUbicFunction::DeleteOutputValue(int k) {
  std::vector<std::string> rules = FRules.Strings();
  for (std::string& rule : rules) {
    const int n = InputsOf(rule);
    const int low = ValueIndexOf(rule[n]);
    const int high = ValueIndexOf(rule[n + 1]);
    // A rule whose interval was exactly K is left empty: High below Low.
    if (low > k) rule[n] = ShiftedCode(rule[n], -1);
    if (high >= k) rule[n + 1] = ShiftedCode(rule[n + 1], -1);
  }
  ReplaceRules(rules);
}

void TUbicFunction::ReplaceRules(const std::vector<std::string>& rules) {
  FRules.BeginUpdate();
  FRules.Clear();
  FRules.AddStrings(rules);
  FRules.EndUpdate();
}

TTableSize CheckTableSize(long long ruleCount) {
  if (ruleCount > 1000) return TTableSize::TooLarge;
  if (ruleCount > 200) return TTableSize::VeryLarge;
  return TTableSize::Acceptable;
}

std::string TableTooLargeText(long long ruleCount, const std::string& attributeName) {
  return Format(ubicstr::TableTooLarge, ruleCount, attributeName);
}

std::string TableVeryLargeText(int ruleCount, const std::string& attributeName) {
  return Format(ubicstr::TableVeryLarge, ruleCount, attributeName);
}

}  // namespace ubic
