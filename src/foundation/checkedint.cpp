#include "checkedint.h"

#include <climits>
#include <cmath>

namespace ubic {

int RoundHalfToEven(double value) {
  double rounded = std::floor(value);
  const double fraction = value - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (!(rounded >= static_cast<double>(INT_MIN) && rounded <= static_cast<double>(INT_MAX))) {
    throw EIntOverflow();
  }
  return static_cast<int>(rounded);
}

}  // namespace ubic
