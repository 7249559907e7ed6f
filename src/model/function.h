#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/strlist.h"
#include "foundation/utils.h"
#include "scale.h"
#include "ubicobject.h"

namespace ubic {

class TUbicAttribute;

// How two rules relate by their input values (CompareRules).
enum TRuleComparison : int {
  rcWorse = 0,         // at most as good as the other in every input
  rcBetter = 1,        // at least as good as the other in every input
  rcIncomparable = 2,  // neither
  rcSame = 3,          // the same input values
};

// The weights of a function's inputs that its rules express, in percent, one per input: as they
// stand and normalised by the size of each input's scale. All zero when the rules give no fit.
struct TLocalWeights {
  floatarray Local;
  floatarray Normalised;
};

// The utility function of an aggregate attribute: the complete table of decision rules, one per
// combination of the inputs' values, and the weights derived from it.
//
// A rule is a text of n + 3 characters for n inputs: the value code of each input, the low and
// the high end of the result interval, and "+" for a rule the user entered or "-" for a computed
// one. The table is ordered with the first input most significant.
class TUbicFunction : public TUbicObject {
 public:
  TUbicFunction();
  ~TUbicFunction() override;

  // The function reads its attribute's scales and never changes the attribute.
  const TUbicAttribute* Attribute() const { return FAttribute; }
  const TStrList& Rules() const { return FRules; }
  bool UseWeights() const { return FUseWeights; }
  void SetUseWeights(bool value) { FUseWeights = value; }
  double ScaleFactor() const { return FScaleFactor; }
  double ScaleOffset() const { return FScaleOffset; }
  const floatarray& Weights() const { return FWeights; }
  void SetWeights(const floatarray& value) { FWeights = value; }

  // Copies the attribute, the rules, the weights and UseWeights.
  void Assign(const TUbicFunction& other);
  // Builds the full undefined table for Attribute if it can have a function; otherwise leaves
  // the function empty, without an attribute.
  void Initialize(const TUbicAttribute* attribute);
  // Replaces the rule texts by texts as a file holds them, unchecked; they keep the table's
  // input parts.
  void SetRules(const std::vector<std::string>& rules) { ReplaceRules(rules); }

  int RuleCount() const { return FRules.Count(); }
  int EnteredCount() const;
  int InputCount() const;

  int RuleInput(int input, int rule) const;
  int RuleLow(int rule) const;
  int RuleHigh(int rule) const;
  void SetRuleLow(int rule, int index);
  void SetRuleHigh(int rule, int index);
  void SetRuleValue(int rule, int index);
  // Sets the ends of a rule's interval to value codes as a file holds them, unchecked.
  void SetRuleCodes(int rule, char low, char high);
  bool RuleEntered(int rule) const;
  void SetRuleEntered(int rule, bool entered);
  // Makes the rule undefined (the whole scale) and computed.
  void ClearRule(int rule);

  // The edits of the rule editor, the weights dialog and the scripts. Each completes the table
  // anew, so that it follows from the entered rules, the weights and UseWeights alone, whatever
  // the order in which they came.
  // Enters Low..High (a single value when they are equal) as the rule's value.
  void EnterRule(int rule, int low, int high);
  // Gives an entered rule back to the completion.
  void ClearEnteredRule(int rule);
  // The user's weights, one per input in percent, and whether the open rules follow them.
  void ApplyWeights(const floatarray& weights, bool useWeights);
  // Whether Recompute fills the open rules from the weights: they are in use, and the entered
  // rules give a line to approximate by.
  bool WeightsFillOpenRules() const;

  void ClearUndefined();
  // Whether rule r holds the r-th input combination in table order, for every r: then a single
  // combination is found by its index, and no two rules share one.
  bool IsCanonical() const;

  TRuleComparison CompareRules(int rule1, int rule2) const;
  // Whether the entered rules respect monotonicity.
  bool IsConsistent() const;
  void CompleteByMonotonicity();
  // Completes the computed rules anew after the entered rules, the weights or the table's shape
  // changed; with weights in use, from an approximation fitted to the entered rules as they are.
  void Recompute();
  // 1 for a fully defined table, 0 for a fully undefined one.
  double Determinedness() const;
  std::string StatisticsText() const;
  // With InputOrder the first input varies fastest; otherwise the default order of whole texts.
  void SortRules(bool inputOrder);
  // The indices of the rules in the order SortRules would give them; the table stays as it is.
  std::vector<int> RuleOrder(bool inputOrder) const;

  // The attribute's value-set text for one value-set text per input. A result that could be
  // any value is reported as undefined (empty), like one that no rule supports.
  std::string Evaluate(std::span<const std::string_view> inputTexts) const;
  std::string Evaluate(const std::vector<std::string>& inputTexts) const;
  // The same by matching every rule of the table; Evaluate must always agree with it.
  std::string EvaluateByRuleScan(std::span<const std::string_view> inputTexts) const;
  // Evaluates options 0 to N - 1 at once: Inputs holds the option values of every input, in
  // input order, and entry k of Results (which has at least N entries) receives what Evaluate
  // gives for entry k of every input.
  void EvaluateOptions(std::span<const TStrList* const> inputs, int n, TStrList& results) const;

  // Regression weights of the inputs from all rules or only the entered ones, in percent: what
  // the rules say, computed afresh for whoever shows them, never part of the function.
  TLocalWeights CalcWeights(bool useAllRules) const;
  // Slope and offset of the approximation with the user's Weights; false, with both 0, when the
  // rules used do not give a line (none, or all of one weighted sum).
  bool CalcApproximation(bool useAllRules);
  double Approx(int rule) const;
  // Approx rounded half to even and limited to the attribute's scale.
  int ApproxValue(int rule) const;
  // Sets every computed rule to its approximated value, within its current interval.
  void ApplyApproximation();
  // Empties Boxes and fills it with the maximal boxes of input combinations that all admit Value:
  // each the low corner followed by the high corner, as value codes. The search grows
  // exponentially with the number of inputs, and a table read from a file may be huge: after
  // kCompactRulesWork steps it stops, keeps the boxes found until then (each of them maximal),
  // and returns false. True when all boxes were found.
  bool CompactRules(int value, TStrList& boxes) const;

  // Follows the exchange of two inputs of the attribute: their values change places in every
  // rule, and so do their weights, so that each rule still describes the same combination.
  void ExchangeInputs(int input1, int input2);

  // Follow a change of an input's scale or of the attribute's own scale.
  void InsertInputValue(int input, int k);
  void DeleteInputValue(int input, int k);
  void InsertOutputValue(int k);
  void DeleteOutputValue(int k);

 private:
  int InputsOf(const std::string& rule) const;
  int UndefinedHigh() const;
  std::string UndefinedRule(std::string rule) const;
  // Offset 0 is the low end, 1 the high end, 2 the entered flag.
  void PutResultChar(int rule, int offset, char c);
  std::vector<TScaleOrder> InputOrders() const;
  TScaleOrder OutputOrder() const;
  std::vector<int> EnteredRules() const;
  // Weights of the approximation: the user's, or equal ones while their count is not the inputs'.
  floatarray ApproximationWeights() const;
  // Slope and offset of the least-squares line from the weighted sums of the rules' inputs to
  // their midpoints; nothing when the rules used do not give one.
  std::optional<std::pair<double, double>> FitApproximation(const floatarray& weights,
                                                            bool useAllRules) const;
  void ReplaceRules(const std::vector<std::string>& rules);
  // The number of values of the attribute's scale, 0 without one.
  int OutputCount() const;
  // The value-set text of a rule's interval, empty for the whole scale.
  std::string ResultText(const std::string& rule) const;

  const TUbicAttribute* FAttribute = nullptr;
  TStrList FRules{false, false, TDuplicates::Accept};
  bool FUseWeights = false;
  double FScaleFactor = 0;
  double FScaleOffset = 0;
  floatarray FWeights;
  // Cached IsCanonical with the value counts of the inputs it was found for; cleared whenever
  // the rules change.
  mutable bool FCanonicalKnown = false;
  mutable bool FCanonical = false;
  mutable std::vector<int> FInputCounts;
};

// The work of one CompactRules, in steps that take about the same time each: a box looked up among
// those already considered, a rule or a corner of a box examined while checking a box, a rule
// entering the counts the checks start from, a seed tried on a box, and a box not seen before,
// which costs a fixed number of steps besides its check. A table the editor can build (up to 1000
// rules) needs a few million at most; a huge table read from a file stops after a fraction of a
// second.
inline constexpr long long kCompactRulesWork = 40'000'000;

// Before a new table is built, its size is checked: up to 200 rules it is built at once, up to
// 1000 the user is asked first, and beyond that it is refused.
enum class TTableSize { Acceptable, VeryLarge, TooLarge };
TTableSize CheckTableSize(long long ruleCount);
// The error text for a refused table and the question for a very large one.
std::string TableTooLargeText(long long ruleCount, const std::string& attributeName);
std::string TableVeryLargeText(int ruleCount, const std::string& attributeName);

}  // namespace ubic
