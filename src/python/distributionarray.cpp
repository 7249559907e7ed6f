#include "distributionarray.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "inthreads.h"

namespace ubic::python {
namespace {

// Fewer rows than this are not worth a thread of their own.
constexpr std::size_t kRowsPerThread = std::size_t(1) << 14;

int CountOf(const TUbicAttribute& attribute) {
  return attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0;
}

}  // namespace

TDistributionArray::TDistributionArray(const TUbicModel& model, TEvaluationMethod method)
    : FEvaluator(*model.Root(), method) {
  const std::vector<const TUbicAttribute*>& attributes = FEvaluator.Attributes();
  for (std::size_t a = 0; a < attributes.size(); ++a) {
    const auto count = static_cast<std::size_t>(CountOf(*attributes[a]));
    if (attributes[a]->IsBasic()) {
      FBasicCounts.push_back(static_cast<int>(count));
      FBasicWidth = std::max(FBasicWidth, count);
    } else {
      FAggregates.push_back(a);
      FAggregateWidth = std::max(FAggregateWidth, count);
    }
  }
}

bool TDistributionArray::Evaluate(const double* weights, std::size_t rows, std::size_t width,
                                  double* results, TBadWeight& bad) const {
  return InThreads(rows, kRowsPerThread, bad,
                   [&](std::size_t first, std::size_t last, TBadWeight& rowBad) {
                     return EvaluateRows(weights, first, last, width, results, rowBad);
                   });
}

bool TDistributionArray::EvaluateRows(const double* weights, std::size_t first, std::size_t last,
                                      std::size_t width, double* results, TBadWeight& bad) const {
  // Each thread its own evaluator: it keeps the distributions of the option at hand.
  TDistributionEvaluator evaluator = FEvaluator;
  const std::size_t basicRow = FBasicCounts.size() * width;
  const std::size_t resultRow = FAggregates.size() * FAggregateWidth;
  // The largest weight each place of a row may hold: none beyond a scale. A row is checked
  // against them in one loop without branches; only a row that fails is searched.
  std::vector<double> limits(basicRow, 0.0);
  for (std::size_t j = 0; j < FBasicCounts.size(); ++j) {
    std::fill_n(limits.begin() + static_cast<std::ptrdiff_t>(j * width), FBasicCounts[j],
                std::numeric_limits<double>::max());
  }
  for (std::size_t row = first; row < last; ++row) {
    const double* given = weights + row * basicRow;
    bool fits = true;
    // A NaN fails both comparisons, an infinity the second.
    for (std::size_t i = 0; i < basicRow; ++i) fits &= (given[i] >= 0) & (given[i] <= limits[i]);
    if (!fits && FindBad(given, row, width, bad)) return false;
    evaluator.EvaluateGiven(given, width);
    double* out = results + row * resultRow;
    for (const std::size_t a : FAggregates) {
      const std::span<const double> result = evaluator.Weights(a);
      std::copy(result.begin(), result.end(), out);
      std::fill(out + result.size(), out + FAggregateWidth, 0.0);
      out += FAggregateWidth;
    }
  }
  return true;
}

bool TDistributionArray::FindBad(const double* weights, std::size_t row, std::size_t width,
                                 TBadWeight& bad) const {
  for (std::size_t j = 0; j < FBasicCounts.size(); ++j) {
    const double* given = weights + j * width;
    const auto count = static_cast<std::size_t>(FBasicCounts[j]);
    for (std::size_t v = 0; v < width; ++v) {
      // Not "w < 0", which a NaN passes.
      const bool fits = given[v] >= 0 && std::isfinite(given[v]) && (v < count || given[v] == 0);
      if (!fits) {
        bad = {row, j, v, given[v]};
        return true;
      }
    }
  }
  return false;
}

}  // namespace ubic::python
