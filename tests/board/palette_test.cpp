#include "board/palette.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(PaletteTest, OnlyTheExactBlueValueIsTheBlueScheme) {
  struct Case {
    std::int32_t value;
    bool blue;
  };
  const Case cases[] = {{16711680, true}, {255, false},      {12345, false},
                        {0, false},       {16711681, false}, {-16711680, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsBlueScheme(c.value), c.blue) << c.value;
    const BoardPalette p = PaletteForScheme(c.value);
    EXPECT_EQ(p.bluePenaltyOn, c.blue ? 0xFF0000u : 0xFFBB00u) << c.value;
    EXPECT_EQ(SchemeColoursFor(c.value).blueHalf, c.blue ? 0x0000FFu : 0xFF0000u) << c.value;
  }
}

TEST(PaletteTest, TheTwoSchemesDifferOnlyOnBluesSide) {
  const BoardPalette blue = PaletteForScheme(kSchemeBlue);
  const BoardPalette red = PaletteForScheme(kSchemeRed);
  struct Case {
    const char* slot;
    Rgb BoardPalette::*member;
    Rgb blueScheme, redScheme;
  };
  const Case cases[] = {
      {"blueLit", &BoardPalette::blueLit, 0xFFFFFF, 0xFFFFFF},
      {"blueDim", &BoardPalette::blueDim, 0x0000DD, 0xDD0000},
      {"whiteLit", &BoardPalette::whiteLit, 0x000000, 0x000000},
      {"whiteDim", &BoardPalette::whiteDim, 0xE4E4E4, 0xE4E4E4},
      {"blueShidoNormal", &BoardPalette::blueShidoNormal, 0xFFFF00, 0xFFFF00},
      {"blueShidoSerious", &BoardPalette::blueShidoSerious, 0xFF0000, 0xAA0000},
      {"whiteShidoNormal", &BoardPalette::whiteShidoNormal, 0xFFDD00, 0xFFDD00},
      {"whiteShidoSerious", &BoardPalette::whiteShidoSerious, 0xFF0000, 0xFF0000},
      {"bluePenaltyOff", &BoardPalette::bluePenaltyOff, 0x0000DD, 0xDD0000},
      {"bluePenaltyOn", &BoardPalette::bluePenaltyOn, 0xFF0000, 0xFFBB00},
      {"whitePenaltyOff", &BoardPalette::whitePenaltyOff, 0xE4E4E4, 0xE4E4E4},
      {"whitePenaltyOn", &BoardPalette::whitePenaltyOn, 0xFFBB00, 0xFFBB00},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(blue.*c.member, c.blueScheme) << c.slot;
    EXPECT_EQ(red.*c.member, c.redScheme) << c.slot;
  }
  EXPECT_EQ(SchemeColoursFor(kSchemeRed), (SchemeColours{0xFF0000, 0xAA0000, 0xFFA4A4, 0xFFCCCC}));
  EXPECT_EQ(SchemeColoursFor(kSchemeBlue), (SchemeColours{0x0000FF, 0x0000BB, 0x8888FF, 0xCCCCFF}));
}

TEST(PaletteTest, StartPaletteDimsBlueGreyUntilTheFirstApply) {
  BoardPalette expected = PaletteForScheme(kSchemeBlue);
  expected.blueDim = 0x888888;
  const BoardPalette start = StartPalette();
  EXPECT_EQ(start.blueDim, 0x888888u);
  EXPECT_EQ(start.whiteDim, 0xE4E4E4u);
  EXPECT_EQ(start.blueLit, 0xFFFFFFu);
  EXPECT_EQ(start.whiteLit, 0x000000u);
  EXPECT_EQ(start, expected);
}

TEST(PaletteTest, StoredColourValuesHaveRedInTheLowByte) {
  struct Case {
    std::int32_t value;
    Rgb rgb;
  };
  const Case cases[] = {
      {16711680, 0x0000FF}, {255, 0xFF0000},      {40 * 256, 0x002800},
      {1 * 256, 0x000100},  {0x123456, 0x563412},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RgbFromColourValue(c.value), c.rgb) << c.value;
    EXPECT_EQ(ColourValueFromRgb(c.rgb), c.value) << c.value;
  }
  // A top byte (a system-colour flag) carries no colour.
  EXPECT_EQ(RgbFromColourValue(static_cast<std::int32_t>(0x800000FFu)), 0xFF0000u);
}

}  // namespace
}  // namespace tk
