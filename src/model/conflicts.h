#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model.h"

namespace ubic {

// Two entered rules that no monotone table can hold both: the inputs of Better are at least as good
// as those of Worse in every input, yet Better's value is not at or above Worse's on the
// attribute's scale (both ends of its interval, as completion by monotonicity demands).
struct TRuleConflict {
  int Worse = 0;
  int Better = 0;
  // The inputs in which Better's value is the better one, those that make the rules comparable:
  // bit i for input i. A table of more than 64 inputs would have more rules than can be counted.
  std::uint64_t Inputs = 0;

  bool operator==(const TRuleConflict&) const = default;
};

// Every conflict of Function's entered rules once, ordered by Worse and then Better in table
// order. None when the attribute's scale is not ordered; an unordered input makes two rules that
// differ in it incomparable. The function is consistent exactly when there are none.
std::vector<TRuleConflict> RuleConflicts(const TUbicFunction& function);

// The rules of Function that take part in a conflict, in table order.
std::vector<int> ConflictingRules(const std::vector<TRuleConflict>& conflicts);
// The rules that Rule conflicts with, in table order.
std::vector<int> ConflictPartners(const std::vector<TRuleConflict>& conflicts, int rule);

// The function's StatisticsText, followed by the number of its conflicts when it has any
// ("..., 1 conflict", "..., 2 conflicts") and, while rules are open, by what fills them when
// that is not plain completion: the weights, weights that wait for more entries, or nothing
// while conflicts stop the completion.
std::string FunctionSummary(const TUbicFunction& function, std::size_t conflictCount);

// What may keep a model from giving the answers its user expects.
enum class TModelGapKind { NoFunction, NoScale, ValueNames, MissingValues };

struct TModelGap {
  TModelGapKind Kind = TModelGapKind::NoFunction;
  const TUbicAttribute* Attribute = nullptr;
  // For missing values: the options without a value on the basic attribute.
  std::vector<int> Options;
  // For value names: what is wrong with them (TUbicDiscreteScale::ValueNamesProblem).
  std::string Problem;
};

// The attributes in pre-order that lack a scale, those whose scale has value names that can not
// stand (a file may hold them), the aggregates without a function, and the basic attributes with
// options whose value is undefined ("*", any value, was chosen and counts).
std::vector<TModelGap> ModelGaps(const TUbicModel& model);

// The rule's input values and its value as a text, such as "high; 1 year -> good".
std::string RuleText(const TUbicFunction& function, int rule);
// The conflict in words: "high; 3 years -> bad, though better than high; 1 year -> good in
// Support".
std::string ConflictText(const TUbicFunction& function, const TRuleConflict& conflict);
// The names of the inputs of a conflict, joined by ", ".
std::string InputNames(const TUbicFunction& function, std::uint64_t inputs);

}  // namespace ubic
