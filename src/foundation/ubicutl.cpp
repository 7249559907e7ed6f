#include "ubicutl.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ubic {
namespace {

void ScaleTo(floatarray& values, double reference, double total) {
  if (FloatEqual(reference, 0.0)) return;
  const double factor = total / reference;
  for (double& value : values) value *= factor;
}

}  // namespace

bool FloatEqual(double a, double b) {
  return std::fabs(a - b) <= 1e-100;
}

void NormalizeSum(floatarray& values, double total) {
  ScaleTo(values, std::accumulate(values.begin(), values.end(), 0.0), total);
}

void NormalizeMax(floatarray& values, double total) {
  if (values.empty()) return;
  ScaleTo(values, *std::max_element(values.begin(), values.end()), total);
}

}  // namespace ubic
