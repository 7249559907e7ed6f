#include "layoutrandom.h"

#include <limits>

#include "reporterror.h"

namespace ubic {

// SplitMix64: a full-period 64-bit generator that is small, fast and equal everywhere.
std::uint64_t TLayoutRandom::NextBits() {
  FState += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = FState;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int TLayoutRandom::Next(int count) {
  if (count < 1) throw EReportError("TLayoutRandom: nothing to choose from");
  const auto range = static_cast<std::uint64_t>(count);
  // Draws from the incomplete last block of Range numbers would favour the small results.
  const std::uint64_t limit =
      std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % range;
  std::uint64_t bits = NextBits();
  while (bits >= limit) bits = NextBits();
  return static_cast<int>(bits % range);
}

}  // namespace ubic
