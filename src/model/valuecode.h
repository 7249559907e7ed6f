#pragma once

#include "foundation/objlist.h"

namespace ubic {

// A value index is stored as the single character with code 48 + index ("0" for the first
// value), in option values, rule tables and the program's own files.
inline constexpr int kFirstValueCode = 48;
// Codes run up to 255, so a scale used in a rule table holds at most this many values.
inline constexpr int kMaxScaleValues = 256 - kFirstValueCode;

inline int ValueIndexOf(char code) {
  return static_cast<unsigned char>(code) - kFirstValueCode;
}

// Index -1 is allowed: it is the upper end of an interval left empty by a deleted value.
inline char ValueCode(int index) {
  if (index < -1 || index >= kMaxScaleValues) ListIndexError(index);
  return static_cast<char>(kFirstValueCode + index);
}

}  // namespace ubic
