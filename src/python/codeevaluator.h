#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"

namespace ubic::python {

// A value index that a basic attribute's scale lacks, met while evaluating options by codes.
struct TBadCode {
  std::size_t Row = 0;
  std::size_t Column = 0;
  std::int64_t Code = 0;
};

// An aggregate attribute whose inputs have more combinations of states than a table may hold.
class ETableTooLarge : public EUbicError {
 public:
  using EUbicError::EUbicError;
};

// Evaluates options given as value indices of the basic attributes (-1 undefined), for millions
// of options at a time. Every aggregate attribute's results are put in a table once, for every
// combination of the states its inputs can take; an option then costs one look-up per aggregate
// attribute. The evaluator holds no pointer into the model, so that it may run while the model
// is used elsewhere.
//
// A state is a set of values, and a function's result for sets is what its rules give for the
// single values in them together. So the table of a canonical function is made from its rules
// input by input, in a few operations per entry. Other functions (rules out of table order or
// out of their scales, as some imported files have them) are asked for every combination.
class TCodeEvaluator {
 public:
  // Raises ETableTooLarge when an aggregate's table would take more memory than evaluating
  // option by option.
  explicit TCodeEvaluator(const TUbicModel& model);

  // Whether every table of Model is made from the rules, so that the evaluator is quick to make.
  static bool IsQuick(const TUbicModel& model);

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
  // The same with the state of each result instead, whose value-set text is StateCodes.
  template <class TCode>
  bool EvaluateStates(const TCode* codes, std::size_t rows, std::int32_t* states,
                      TBadCode& bad) const;
  // The value-set texts of the states of the aggregate attribute in column Column.
  const std::vector<std::string>& StateCodes(std::size_t column) const;

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

  void AddAggregate(const TUbicAttribute& attribute, std::size_t node);
  // The table of the last aggregate added, by asking the attribute for every combination.
  void AskForTable(const TUbicAttribute& attribute, std::size_t entries);
  // The table made from the rules of a canonical function; false when the states of an input
  // hold values its scale lacks.
  bool MakeTableFromRules(const TUbicFunction& function, std::size_t entries);
  // The states of the last aggregate added: each different result of the entries, in the order
  // they come, with the value-set text CodesOf gives it.
  template <class TResultOf, class TCodesOf>
  void NumberStates(std::size_t entries, TResultOf resultOf, TCodesOf codesOf);
  // False, with Bad set to the first code out of its scale among Count rows from Start.
  template <class TCode>
  bool FindBadCode(const TCode* codes, std::size_t start, std::size_t count, TBadCode& bad) const;
  template <class TCode, class TEmit>
  bool EvaluateRows(const TCode* codes, std::size_t first, std::size_t last, TBadCode& bad,
                    TEmit emit) const;

  // The value count of each basic attribute and its node.
  std::vector<int> FBasicCounts;
  std::vector<std::size_t> FBasicNodes;
  // Bottom-up, so that an attribute's inputs come before it.
  std::vector<TAggregate> FAggregates;
  // By aggregate column, the aggregate's place in FAggregates.
  std::vector<std::size_t> FAggregateOfColumn;
  // The value count of each node's scale, and the value-set texts of the states it can take.
  std::vector<int> FValueCounts;
  std::vector<std::vector<std::string>> FStateCodes;
};

}  // namespace ubic::python
