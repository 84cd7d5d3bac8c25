#include "board/palette.h"

namespace tk {

namespace {

constexpr BoardPalette kBluePalette{
    .blueLit = 0xFFFFFF,
    .blueDim = 0x0000DD,
    .whiteLit = 0x000000,
    .whiteDim = 0xE4E4E4,
    .blueShidoNormal = 0xFFFF00,
    .blueShidoSerious = 0xFF0000,
    .whiteShidoNormal = 0xFFDD00,
    .whiteShidoSerious = 0xFF0000,
    .bluePenaltyOff = 0x0000DD,
    .bluePenaltyOn = 0xFF0000,
    .whitePenaltyOff = 0xE4E4E4,
    .whitePenaltyOn = 0xFFBB00,
};

// Blue's side in red: its dim digits and clear markers are dark red, its set
// markers orange and its serious card dark red.
constexpr BoardPalette kRedPalette{
    .blueLit = 0xFFFFFF,
    .blueDim = 0xDD0000,
    .whiteLit = 0x000000,
    .whiteDim = 0xE4E4E4,
    .blueShidoNormal = 0xFFFF00,
    .blueShidoSerious = 0xAA0000,
    .whiteShidoNormal = 0xFFDD00,
    .whiteShidoSerious = 0xFF0000,
    .bluePenaltyOff = 0xDD0000,
    .bluePenaltyOn = 0xFFBB00,
    .whitePenaltyOff = 0xE4E4E4,
    .whitePenaltyOn = 0xFFBB00,
};

constexpr SchemeColours kBlueScheme{0x0000FF, 0x0000BB, 0x8888FF, 0xCCCCFF};
constexpr SchemeColours kRedScheme{0xFF0000, 0xAA0000, 0xFFA4A4, 0xFFCCCC};

}  // namespace

bool IsBlueScheme(std::int32_t colourScheme) {
  return colourScheme == kSchemeBlue;
}

BoardPalette PaletteForScheme(std::int32_t colourScheme) {
  return IsBlueScheme(colourScheme) ? kBluePalette : kRedPalette;
}

SchemeColours SchemeColoursFor(std::int32_t colourScheme) {
  return IsBlueScheme(colourScheme) ? kBlueScheme : kRedScheme;
}

BoardPalette StartPalette() {
  BoardPalette p = kBluePalette;
  p.blueDim = 0x888888;
  p.whiteDim = 0xE4E4E4;
  p.blueLit = 0xFFFFFF;
  p.whiteLit = 0x000000;
  return p;
}

// Only the three colour bytes count; the top byte of a stored value carries
// no colour.
Rgb RgbFromColourValue(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

std::int32_t ColourValueFromRgb(Rgb rgb) {
  return static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

}  // namespace tk
