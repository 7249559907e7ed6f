#pragma once

#include <cstdint>
#include <string>

#include "foundation/flagset.h"

namespace ubic {

// Fonts and pens of the report engine are plain values that say what the report wants; each
// formatter maps them to its device (the text formatter ignores them).

// A colour as 0x00BBGGRR: red in the lowest byte, so pure red is 255 and dark green 32768.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) |
         (static_cast<TColor>(blue) << 16);
}
constexpr std::uint8_t RedOf(TColor color) {
  return color & 0xFF;
}
constexpr std::uint8_t GreenOf(TColor color) {
  return (color >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(TColor color) {
  return (color >> 16) & 0xFF;
}

enum TFontStyle : std::uint8_t {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};

using TFontStyles = TFlagSet<TFontStyle>;

constexpr TFontStyles operator|(TFontStyle a, TFontStyle b) {
  return TFontStyles(a) | TFontStyles(b);
}

// The Windows character-set byte of a font: the report's texts are Windows-1250, whose fonts
// carry 238; 1 lets the device choose.
inline constexpr std::uint8_t kDefaultCharSet = 1;
inline constexpr std::uint8_t kEastEuropeCharSet = 238;

struct TFont {
  // Empty: the device's default family.
  std::string Family;
  // In points.
  int Size = 10;
  TFontStyles Style;
  TColor Color = clBlack;
  std::uint8_t CharSet = kDefaultCharSet;

  bool operator==(const TFont&) const = default;
};

enum TPenStyle : std::uint8_t {
  psSolid = 0,
  psDash = 1,
  psDot = 2,
  psDashDot = 3,
  psDashDotDot = 4,
  psClear = 5,
};

struct TPen {
  TColor Color = clBlack;
  // In device units; 0 is the thinnest line the device can draw.
  int Width = 1;
  TPenStyle Style = psSolid;

  bool operator==(const TPen&) const = default;
};

}  // namespace ubic
