#pragma once

#include <string>
#include <vector>

#include "model.h"

namespace ubic {

// How a rule came to have its value.
enum class TRuleOrigin {
  Entered,
  // Completed from entered rules by monotonicity: From names those that bound it.
  Monotonicity,
  // Completed by monotonicity and then set to the weights' approximation.
  Weights,
  // Nothing bounds it: any value.
  Undefined,
};

struct TDecidingRule {
  int Rule = 0;
  TRuleOrigin Origin = TRuleOrigin::Entered;
  // For a completed rule, the entered rules whose values make its lower and upper end by
  // monotonicity.
  std::vector<int> From;
};

// An input whose value one step down or up changes the aggregate's value.
struct TInputStep {
  int Input = 0;
  int From = 0;
  int To = 0;
  std::string Result;
};

struct TAggregateExplanation {
  const TUbicAttribute* Attribute = nullptr;
  std::string Value;
  std::vector<std::string> InputValues;
  // The rules the input values match: one for single values, several when inputs hold sets (an
  // undefined input matches every value). None without a function.
  std::vector<TDecidingRule> Rules;
  std::vector<TInputStep> Steps;
};

// Why an option has its values: every aggregate attribute in pre-order with the values of its
// inputs and the rules that decided it, and the option's strong and weak points: the basic
// attributes whose single value is good or bad on its scale, and the inputs where one step
// changes the value above them. Evaluates on its own copies: the model is left as it is.
struct TExplanation {
  int Option = 0;
  std::vector<TAggregateExplanation> Aggregates;
  std::vector<const TUbicAttribute*> Strong;
  std::vector<const TUbicAttribute*> Weak;
};

TExplanation ExplainOption(const TUbicModel& model, int option);

// How a deciding rule came, such as "rule 8, completed by monotonicity from rules 5 and 9", the
// rules numbered from 1 as the rule editor shows them.
std::string RuleOriginText(const TDecidingRule& rule);

}  // namespace ubic
