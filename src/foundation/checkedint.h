#pragma once

#include <stdexcept>

namespace ubic {

// Integer arithmetic that would wrap raises this instead.
class EIntOverflow : public std::overflow_error {
 public:
  EIntOverflow() : std::overflow_error("Integer overflow") {}
};

inline int CheckedAdd(int a, int b) {
  int result = 0;
  if (__builtin_add_overflow(a, b, &result)) throw EIntOverflow();
  return result;
}

inline int CheckedSubtract(int a, int b) {
  int result = 0;
  if (__builtin_sub_overflow(a, b, &result)) throw EIntOverflow();
  return result;
}

inline int CheckedMultiply(int a, int b) {
  int result = 0;
  if (__builtin_mul_overflow(a, b, &result)) throw EIntOverflow();
  return result;
}

// Converts a size to device units: to the nearest integer, halves to the even neighbour.
// A value outside the integer range raises EIntOverflow.
int RoundHalfToEven(double value);

}  // namespace ubic
