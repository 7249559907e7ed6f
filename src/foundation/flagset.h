#pragma once

#include <cstdint>

namespace ubic {

// A set of the bit flags of one enumeration (font styles, report sections).
template <class Flag>
class TFlagSet {
 public:
  constexpr TFlagSet() = default;
  // Implicit, so that a single flag can stand where a set is wanted.
  constexpr TFlagSet(Flag flag) : FBits(static_cast<std::uint32_t>(flag)) {}

  constexpr bool Contains(Flag flag) const {
    return (FBits & static_cast<std::uint32_t>(flag)) != 0;
  }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TFlagSet operator|(TFlagSet other) const { return FromBits(FBits | other.FBits); }
  constexpr TFlagSet Without(TFlagSet other) const { return FromBits(FBits & ~other.FBits); }
  constexpr bool operator==(const TFlagSet&) const = default;

 private:
  static constexpr TFlagSet FromBits(std::uint32_t bits) {
    TFlagSet set;
    set.FBits = bits;
    return set;
  }

  std::uint32_t FBits = 0;
};

}  // namespace ubic
