#pragma once

#include <cstddef>
#include <vector>

#include "model/distributionevaluator.h"
#include "model/model.h"

namespace ubic::python {

// A weight that no distribution may hold, met while evaluating arrays of distributions: negative,
// not a number, or given to a value beyond its attribute's scale.
struct TBadWeight {
  std::size_t Row = 0;
  std::size_t Column = 0;
  std::size_t Value = 0;
  double Weight = 0;
};

// Evaluates options given as arrays of weights, by the "prob" or "fuzzy" method, for millions of
// options at a time in as many threads as are worth it. Once made, it reads nothing of the model,
// so that it may run while the model is used elsewhere.
class TDistributionArray {
 public:
  TDistributionArray(const TUbicModel& model, TEvaluationMethod method);

  std::size_t BasicCount() const { return FBasicCounts.size(); }
  std::size_t AggregateCount() const { return FAggregates.size(); }
  // The most values of a basic attribute's scale, and of an aggregate's.
  std::size_t BasicWidth() const { return FBasicWidth; }
  std::size_t AggregateWidth() const { return FAggregateWidth; }

  // Weights holds Rows blocks of BasicCount rows of Width weights, one per value of the basic
  // attribute (in pre-order) and zeros after its scale's values; a row of zeros is undefined.
  // Results receives Rows blocks of AggregateCount rows of AggregateWidth weights, the aggregate
  // attributes in pre-order, zeros after their scales' values. False, with Bad set, at a weight
  // no distribution may hold; the results are then incomplete.
  bool Evaluate(const double* weights, std::size_t rows, std::size_t width, double* results,
                TBadWeight& bad) const;

 private:
  // Rows First to Last, by an evaluator of their own.
  bool EvaluateRows(const double* weights, std::size_t first, std::size_t last, std::size_t width,
                    double* results, TBadWeight& bad) const;
  bool FindBad(const double* weights, std::size_t row, std::size_t width, TBadWeight& bad) const;

  TDistributionEvaluator FEvaluator;
  std::vector<int> FBasicCounts;
  std::vector<std::size_t> FAggregates;  // the evaluator's attribute of each aggregate column
  std::size_t FBasicWidth = 0;
  std::size_t FAggregateWidth = 0;
};

}  // namespace ubic::python
