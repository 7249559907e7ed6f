#pragma once

#include "utils.h"

namespace ubic {

// Floating-point equality of the model: an absolute difference of at most 1e-100.
bool FloatEqual(double a, double b);
// Scales the entries so that they sum to Total; an array whose sum is 0 stays as it is.
void NormalizeSum(floatarray& values, double total);
// Scales the entries so that the largest is Total; an array whose largest entry is 0 stays.
void NormalizeMax(floatarray& values, double total);

}  // namespace ubic
