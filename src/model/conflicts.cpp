#include "conflicts.h"

#include <algorithm>

#include "ubicstr.h"
#include "valuetext.h"

namespace ubic {
namespace {

// An unordered input's marker among the oriented values.
constexpr int kUnordered = -1;

// The entered rules of a function with their input values turned so that a larger number is
// always a better value, kept together in one block for the quadratic pass.
class TOrientedRules {
 public:
  explicit TOrientedRules(const TUbicFunction& function) : FInputs(function.InputCount()) {
    std::vector<int> signs;
    for (int i = 0; i < FInputs; ++i) {
      const TUbicScale* scale = function.Attribute()->Input(i)->Scale();
      const TScaleOrder order = scale != nullptr ? scale->Order() : TScaleOrder::None;
      signs.push_back(order == TScaleOrder::Ascending    ? 1
                      : order == TScaleOrder::Descending ? -1
                                                         : 0);
    }
    for (int r = 0; r < function.RuleCount(); ++r) {
      if (!function.RuleEntered(r)) continue;
      FRules.push_back(r);
      FLows.push_back(function.RuleLow(r));
      FHighs.push_back(function.RuleHigh(r));
      for (int i = 0; i < FInputs; ++i) {
        FValues.push_back(function.RuleInput(i, r));
        FSigns.push_back(signs[i]);
      }
    }
  }

  int Count() const { return static_cast<int>(FRules.size()); }
  // Whether the interval of entered rule Better lies at or above that of Worse on a scale where
  // Sign is 1 for ascending and -1 for descending: both ends, as completion by monotonicity
  // demands.
  bool Above(int better, int worse, int sign) const {
    return (FLows[better] - FLows[worse]) * sign >= 0 &&
           (FHighs[better] - FHighs[worse]) * sign >= 0;
  }
  int Rule(int e) const { return FRules[e]; }

  // How entered rule A compares with entered rule B, by position among the entered rules.
  TRuleComparison Compare(int a, int b) const {
    TRuleComparison result = rcSame;
    const int* va = &FValues[static_cast<std::size_t>(a) * FInputs];
    const int* vb = &FValues[static_cast<std::size_t>(b) * FInputs];
    const int* signs = &FSigns[static_cast<std::size_t>(a) * FInputs];
    for (int i = 0; i < FInputs; ++i) {
      if (va[i] == vb[i]) continue;
      if (signs[i] == 0) return rcIncomparable;
      const bool better = (va[i] - vb[i]) * signs[i] > 0;
      if (result == (better ? rcWorse : rcBetter)) return rcIncomparable;
      result = better ? rcBetter : rcWorse;
    }
    return result;
  }

  std::uint64_t DifferingInputs(int a, int b) const {
    std::uint64_t inputs = 0;
    const int* va = &FValues[static_cast<std::size_t>(a) * FInputs];
    const int* vb = &FValues[static_cast<std::size_t>(b) * FInputs];
    for (int i = 0; i < FInputs; ++i) {
      if (va[i] != vb[i]) inputs |= std::uint64_t{1} << i;
    }
    return inputs;
  }

 private:
  int FInputs;
  std::vector<int> FRules;
  std::vector<int> FLows;
  std::vector<int> FHighs;
  std::vector<int> FValues;
  std::vector<int> FSigns;
};

}  // namespace

std::vector<TRuleConflict> RuleConflicts(const TUbicFunction& function) {
  std::vector<TRuleConflict> conflicts;
  const TUbicAttribute* attribute = function.Attribute();
  if (attribute == nullptr || attribute->Scale() == nullptr || !attribute->Scale()->IsOrdered()) {
    return conflicts;
  }
  const int sign = attribute->Scale()->Order() == TScaleOrder::Ascending ? 1 : -1;
  const TOrientedRules rules(function);
  for (int a = 0; a < rules.Count(); ++a) {
    for (int b = a + 1; b < rules.Count(); ++b) {
      const TRuleComparison c = rules.Compare(a, b);
      if (c != rcWorse && c != rcBetter) continue;
      const int worse = c == rcWorse ? a : b;
      const int better = c == rcWorse ? b : a;
      if (rules.Above(better, worse, sign)) continue;
      conflicts.push_back({rules.Rule(worse), rules.Rule(better), rules.DifferingInputs(a, b)});
    }
  }
  std::sort(conflicts.begin(), conflicts.end(), [](const TRuleConflict& x, const TRuleConflict& y) {
    return std::pair(x.Worse, x.Better) < std::pair(y.Worse, y.Better);
  });
  return conflicts;
}

std::vector<int> ConflictingRules(const std::vector<TRuleConflict>& conflicts) {
  std::vector<int> rules;
  for (const TRuleConflict& conflict : conflicts) {
    rules.push_back(conflict.Worse);
    rules.push_back(conflict.Better);
  }
  std::sort(rules.begin(), rules.end());
  rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
  return rules;
}

std::vector<int> ConflictPartners(const std::vector<TRuleConflict>& conflicts, int rule) {
  std::vector<int> partners;
  for (const TRuleConflict& conflict : conflicts) {
    if (conflict.Worse == rule) partners.push_back(conflict.Better);
    if (conflict.Better == rule) partners.push_back(conflict.Worse);
  }
  std::sort(partners.begin(), partners.end());
  return partners;
}

std::string FunctionSummary(const TUbicFunction& function, std::size_t conflictCount) {
  std::string summary = function.StatisticsText();
  if (conflictCount > 0) {
    summary += ", " + Format(conflictCount == 1 ? ubicstr::OneConflict : ubicstr::Conflicts,
                             static_cast<long long>(conflictCount));
  }
  if (function.EnteredCount() == function.RuleCount()) return summary;
  // Said whenever the weights are in use, as they may fill nothing yet; otherwise only while
  // conflicts leave the open rules undefined.
  if (function.UseWeights()) {
    return summary + ", " +
           Translated(function.WeightsFillOpenRules() ? ubicstr::OpenRulesFollowWeights
                                                      : ubicstr::WeightsWaitForRules);
  }
  return conflictCount > 0 ? summary + ", " + Translated(ubicstr::OpenRulesStayUndefined) : summary;
}

std::vector<TModelGap> ModelGaps(const TUbicModel& model) {
  std::vector<TModelGap> gaps;
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    if (attribute->Scale() == nullptr) gaps.push_back({TModelGapKind::NoScale, attribute, {}, {}});
    if (const TUbicDiscreteScale* scale = attribute->DiscreteScale()) {
      std::string problem = scale->ValueNamesProblem();
      if (!problem.empty()) {
        gaps.push_back({TModelGapKind::ValueNames, attribute, {}, std::move(problem)});
      }
    }
    if (!attribute->IsBasic() && attribute->Funct() == nullptr) {
      gaps.push_back({TModelGapKind::NoFunction, attribute, {}, {}});
    }
    if (!attribute->IsBasic() || attribute->Scale() == nullptr) continue;
    TModelGap missing{TModelGapKind::MissingValues, attribute, {}, {}};
    for (int k = 0; k < model.OptionCount(); ++k) {
      if (attribute->OptionText(k).empty()) missing.Options.push_back(k);
    }
    if (!missing.Options.empty()) gaps.push_back(std::move(missing));
  }
  return gaps;
}

std::string RuleText(const TUbicFunction& function, int rule) {
  std::string text;
  for (int i = 0; i < function.InputCount(); ++i) {
    if (i > 0) text += "; ";
    text += ValueText(function.Attribute()->Input(i)->Scale(), function.RuleInput(i, rule));
  }
  return text + " -> " +
         IntervalText(function.Attribute()->Scale(), function.RuleLow(rule),
                      function.RuleHigh(rule));
}

std::string InputNames(const TUbicFunction& function, std::uint64_t inputs) {
  std::string names;
  for (int i = 0; i < function.InputCount() && i < 64; ++i) {
    if ((inputs >> i & 1) == 0) continue;
    if (!names.empty()) names += ", ";
    names += function.Attribute()->Input(i)->GetName();
  }
  return names;
}

std::string ConflictText(const TUbicFunction& function, const TRuleConflict& conflict) {
  return Format(ubicstr::ConflictDescription, RuleText(function, conflict.Better),
                RuleText(function, conflict.Worse), InputNames(function, conflict.Inputs));
}

}  // namespace ubic
