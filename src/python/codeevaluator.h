#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/model.h"

namespace ubic::python {

// A value index that a basic attribute's scale lacks, met while evaluating options by codes.
struct TBadCode {
  std::size_t Row = 0;
  std::size_t Column = 0;
  std::int64_t Code = 0;
};

// Evaluates options given as value indices of the basic attributes (-1 undefined), for millions
// of options at a time. Every aggregate attribute's results are put in a table once, for every
// combination of the states its inputs can take, by the model's own evaluation; an option then
// costs one look-up per aggregate attribute. The evaluator holds no pointer into the model, so
// that it may run while the model is used elsewhere.
class TCodeEvaluator {
 public:
  explicit TCodeEvaluator(const TUbicModel& model);

  std::size_t BasicCount() const { return FBasicCounts.size(); }
  std::size_t AggregateCount() const { return FAggregates.size(); }

  // Codes holds Rows rows of BasicCount value indices, the basic attributes in pre-order; Low and
  // High receive Rows rows of AggregateCount indices, the aggregate attributes in pre-order: the
  // first and last value of each result, -1 for undefined. False, with Bad set, when a code is
  // not a value of its attribute's scale; the results are then incomplete.
  // Codes may be of any signed integer type, so that large arrays need no copy.
  template <class TCode>
  bool Evaluate(const TCode* codes, std::size_t rows, std::int32_t* low, std::int32_t* high,
                TBadCode& bad) const;

 private:
  // An aggregate attribute: the nodes of its inputs, the strides of their states in the table,
  // the table of result states, and the ends of each result state.
  struct TAggregate {
    std::vector<std::size_t> Inputs;
    std::vector<std::size_t> Strides;
    std::vector<std::int32_t> Table;
    std::vector<std::int32_t> Low;
    std::vector<std::int32_t> High;
    std::size_t Node = 0;
    std::size_t Column = 0;
  };

  // Makes the table of the last aggregate added and the texts of its states.
  void AddAggregate(const TUbicAttribute& attribute, std::size_t node,
                    std::vector<std::vector<std::string>>& texts);
  template <class TCode>
  bool EvaluateRows(const TCode* codes, std::size_t first, std::size_t last, std::int32_t* low,
                    std::int32_t* high, TBadCode& bad) const;

  // The value count of each basic attribute and its node.
  std::vector<int> FBasicCounts;
  std::vector<std::size_t> FBasicNodes;
  // Bottom-up, so that an attribute's inputs come before it.
  std::vector<TAggregate> FAggregates;
  std::size_t FNodeCount = 0;
};

}  // namespace ubic::python
