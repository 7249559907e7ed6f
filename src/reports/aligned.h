#pragma once

#include <array>
#include <cstdint>

#include "foundation/object.h"

namespace ubic {

// The unit of a wanted size. Any byte may arrive here: those without a name (5, and anything
// above 8) count as device units.
enum TSizeUnit : std::uint8_t {
  suUnits = 0,
  // No fixed size: the box takes its measured content size times the value.
  suRelative = 1,
  suLines = 2,
  suMillimetres = 3,
  suInches = 4,
  // Typographic points, 72.27 to the inch.
  suPoints = 6,
  // Widths of the digit "9" in the current font.
  suDigits = 7,
  // Widths of the letter "M" in the current font.
  suEms = 8,
};

// The wanted width or height of a report element; the formatter converts it to device units.
struct TSizeSpec {
  float Value = 1.0F;
  TSizeUnit Kind = suRelative;

  bool IsRelative() const { return Kind == suRelative; }
  bool operator==(const TSizeSpec&) const = default;
};

// How an item sits in its parent group along one direction. Along the parent's stacking
// direction only baFill matters: fill items share the parent's spare space.
enum TBoxAlign : std::uint8_t { baFill = 0, baBegin = 1, baCenter = 2, baEnd = 3 };

// Where an item's measured content sits inside its own box along one direction.
enum TContentAlign : std::uint8_t { caBegin = 0, caCenter = 1, caEnd = 2 };

// The alignment pairs shared by report elements and the boxes made from them, each indexed by
// direction (kHorizontal, kVertical).
class TAligned : public TObject {
 public:
  TBoxAlign Align(int dir) const { return FAlign[dir]; }
  void SetAlign(int dir, TBoxAlign value) { FAlign[dir] = value; }
  TContentAlign ContentAlign(int dir) const { return FContentAlign[dir]; }
  void SetContentAlign(int dir, TContentAlign value) { FContentAlign[dir] = value; }
  // Takes both pairs from Source.
  void CopyAlignment(const TAligned& source) {
    FAlign = source.FAlign;
    FContentAlign = source.FContentAlign;
  }

 protected:
  TAligned() = default;

 private:
  std::array<TBoxAlign, 2> FAlign{baBegin, baBegin};
  std::array<TContentAlign, 2> FContentAlign{caBegin, caBegin};
};

}  // namespace ubic
