#pragma once

#include <cstdint>

namespace ubic {

// The generator that hands leftover units of spare space to randomly chosen fill boxes. The
// same seed gives the same choices on every platform (the standard library's distributions may
// differ between implementations), so a report laid out twice looks the same twice.
class TLayoutRandom {
 public:
  static constexpr std::uint64_t kDefaultSeed = 0x5EED'0F'AB'1E'5EEDULL;

  explicit TLayoutRandom(std::uint64_t seed = kDefaultSeed) { Seed(seed); }
  void Seed(std::uint64_t seed) { FState = seed; }
  // A uniformly chosen integer from 0 to Count - 1; Count must be positive.
  int Next(int count);

 private:
  std::uint64_t NextBits();

  std::uint64_t FState = 0;
};

}  // namespace ubic
