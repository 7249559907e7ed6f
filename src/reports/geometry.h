#pragma once

namespace ubic {

// Direction indices of points and alignment pairs: 0 is horizontal (x, widths), 1 is vertical
// (y, heights).
inline constexpr int kHorizontal = 0;
inline constexpr int kVertical = 1;

// A position or a size in device units, indexable by direction.
struct TPoint {
  int X = 0;
  int Y = 0;

  int& operator[](int dir) { return dir == kHorizontal ? X : Y; }
  int operator[](int dir) const { return dir == kHorizontal ? X : Y; }
  bool operator==(const TPoint&) const = default;
};

// A rectangle whose right and bottom edges are inclusive: a box at x of width w ends at
// Right = x + w - 1, so an empty box has Right = Left - 1.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = -1;
  int Bottom = -1;

  bool operator==(const TRect&) const = default;
};

}  // namespace ubic
