#include "explain.h"

#include "foundation/utils.h"
#include "scratchevaluation.h"
#include "ubicstr.h"
#include "valuecode.h"
#include "valuetext.h"

namespace ubic {
namespace {

// Whether a rule's input values are among the values of Texts; an undefined value or "*" admits
// every value.
bool Matches(const TUbicFunction& function, int rule, const std::vector<std::string>& texts) {
  for (int i = 0; i < function.InputCount(); ++i) {
    const std::string& text = texts[i];
    if (text.empty() || text == "*") continue;
    if (text.find(ValueCode(function.RuleInput(i, rule))) == std::string::npos) return false;
  }
  return true;
}

// The entered rules that make the ends of a computed rule's interval, as completion found them.
std::vector<int> BoundingRules(const TUbicFunction& function, int rule) {
  const TUbicScale* scale = function.Attribute()->Scale();
  const bool ascending = scale->Order() == TScaleOrder::Ascending;
  int lower = -1;
  int upper = -1;
  for (int e = 0; e < function.RuleCount(); ++e) {
    if (!function.RuleEntered(e)) continue;
    const TRuleComparison c = function.CompareRules(e, rule);
    const bool raisesLow = c == (ascending ? rcWorse : rcBetter);
    const bool lowersHigh = c == (ascending ? rcBetter : rcWorse);
    if (lower < 0 && raisesLow && function.RuleLow(e) == function.RuleLow(rule)) lower = e;
    if (upper < 0 && lowersHigh && function.RuleHigh(e) == function.RuleHigh(rule)) upper = e;
  }
  std::vector<int> from;
  if (lower >= 0) from.push_back(lower);
  if (upper >= 0 && upper != lower) from.push_back(upper);
  return from;
}

TDecidingRule Decide(const TUbicFunction& function, int rule) {
  if (function.RuleEntered(rule)) return {rule, TRuleOrigin::Entered, {}};
  const TUbicScale* scale = function.Attribute()->Scale();
  const bool whole = function.RuleLow(rule) <= 0 && function.RuleHigh(rule) >= scale->Count() - 1;
  if (whole) return {rule, TRuleOrigin::Undefined, {}};
  std::vector<int> from = scale->IsOrdered() ? BoundingRules(function, rule) : std::vector<int>();
  // With weights every computed rule is narrowed to the approximation's value, once the entered
  // rules give one.
  if (function.WeightsFillOpenRules()) return {rule, TRuleOrigin::Weights, std::move(from)};
  return {rule, TRuleOrigin::Monotonicity, std::move(from)};
}

int SingleValue(const TUbicAttribute& attribute, const std::string& text) {
  if (text.size() != 1 || attribute.Scale() == nullptr) return -1;
  const int value = ValueIndexOf(text[0]);
  return value >= 0 && value < attribute.Scale()->Count() ? value : -1;
}

TAggregateExplanation Explain(const TUbicAttribute& attribute, const TScratchEvaluation& values) {
  TAggregateExplanation explanation{&attribute, values.Value(attribute), {}, {}, {}};
  for (int i = 0; i < attribute.InputCount(); ++i) {
    explanation.InputValues.push_back(values.Value(*attribute.Input(i)));
  }
  const TUbicFunction* function = attribute.Funct();
  if (function == nullptr || attribute.Scale() == nullptr) return explanation;
  for (int r = 0; r < function->RuleCount(); ++r) {
    if (Matches(*function, r, explanation.InputValues))
      explanation.Rules.push_back(Decide(*function, r));
  }
  for (int i = 0; i < attribute.InputCount(); ++i) {
    const TUbicAttribute& input = *attribute.Input(i);
    const int value = SingleValue(input, explanation.InputValues[i]);
    if (value < 0) continue;
    for (const int to : {value - 1, value + 1}) {
      if (to < 0 || to >= input.Scale()->Count()) continue;
      std::string result = values.Aggregate(attribute, &input, std::string(1, ValueCode(to)));
      if (result != explanation.Value)
        explanation.Steps.push_back({i, value, to, std::move(result)});
    }
  }
  return explanation;
}

}  // namespace

TExplanation ExplainOption(const TUbicModel& model, int option) {
  TExplanation explanation;
  explanation.Option = option;
  const TScratchEvaluation values(model, option);
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    if (!attribute->IsBasic()) {
      explanation.Aggregates.push_back(Explain(*attribute, values));
      continue;
    }
    const int value = SingleValue(*attribute, values.Value(*attribute));
    if (value < 0) continue;
    const TValueClass valueClass = ValueClassOf(attribute->Scale(), value);
    if (valueClass == TValueClass::Good) explanation.Strong.push_back(attribute);
    if (valueClass == TValueClass::Bad) explanation.Weak.push_back(attribute);
  }
  return explanation;
}

std::string RuleOriginText(const TDecidingRule& rule) {
  const int number = rule.Rule + 1;
  switch (rule.Origin) {
    case TRuleOrigin::Entered:
      return Format(ubicstr::RuleEntered, number);
    case TRuleOrigin::Undefined:
      return Format(ubicstr::RuleUndefined, number);
    case TRuleOrigin::Weights:
      return Format(ubicstr::RuleByWeights, number);
    case TRuleOrigin::Monotonicity:
      break;
  }
  // BoundingRules gives at most the two rules that make the interval's ends.
  switch (rule.From.size()) {
    case 0:
      return Format(ubicstr::RuleByMonotonicity, number);
    case 1:
      return Format(ubicstr::RuleByMonotonicityFromOne, number, rule.From.front() + 1);
    default:
      return Format(ubicstr::RuleByMonotonicityFromTwo, number, rule.From.front() + 1,
                    rule.From.back() + 1);
  }
}

}  // namespace ubic
