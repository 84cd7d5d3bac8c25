// The colours a board is painted with: the twelve slots of BoardPalette for
// the digits and penalty marks, and the scheme colours of Blue's areas.
#pragma once

#include <cstdint>

#include "board/board_model.h"

namespace tk {

// The stored colour scheme is a colour value with red in the low byte:
// 16711680 is blue (#0000FF) and 255 is red (#FF0000).
inline constexpr std::int32_t kSchemeBlue = 16711680;
inline constexpr std::int32_t kSchemeRed = 255;

struct BoardPalette {
  Rgb blueLit = 0xFFFFFF, blueDim = 0x888888, whiteLit = 0x000000, whiteDim = 0xE4E4E4;
  Rgb blueShidoNormal = 0xFFFF00, blueShidoSerious = 0xFF0000;
  Rgb whiteShidoNormal = 0xFFDD00, whiteShidoSerious = 0xFF0000;
  Rgb bluePenaltyOff = 0x0000DD, bluePenaltyOn = 0xFF0000;
  Rgb whitePenaltyOff = 0xE4E4E4, whitePenaltyOn = 0xFFBB00;
  bool operator==(const BoardPalette&) const = default;
};

// Colours of Blue's half, both division copies and their backgrounds.
struct SchemeColours {
  Rgb blueHalf;           // Panel6, Panel32, Panel33, Panel76
  Rgb divisionText;       // Label88, Label90
  Rgb blueDivisionBack;   // Label88
  Rgb whiteDivisionBack;  // Label90
  bool operator==(const SchemeColours&) const = default;
};

// Blue scheme exactly for kSchemeBlue, the Red scheme for every other value.
bool IsBlueScheme(std::int32_t colourScheme);
BoardPalette PaletteForScheme(std::int32_t colourScheme);
SchemeColours SchemeColoursFor(std::int32_t colourScheme);
// The four slots start-up sets before the first apply.
BoardPalette StartPalette();

// A stored colour value (red in the low byte) as 0xRRGGBB, and back.
Rgb RgbFromColourValue(std::int32_t value);
std::int32_t ColourValueFromRgb(Rgb rgb);

}  // namespace tk
