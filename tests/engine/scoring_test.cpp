// Score and penalty entry, tori, and how the board paints the derived values.
#include <gtest/gtest.h>

#include "engine_rig.h"

namespace tk::test {
namespace {

// Blue scheme colours of the palette.
const BoardPalette kP = PaletteForScheme(kSchemeBlue);

// The rewrite dialog's "Ok" with these counts (Blue's six, then White's).
void SetCounts(EngineRig& rig, const std::array<int, 12>& counts) {
  rig.M().ApplyRewrite(counts);
}

TEST(BoardPainting, ZeroBoardDimsIpponAndWazariAndShowsClearMarks) {
  EngineRig rig;
  rig.Ready();
  for (const char* digit : {"Label11", "Label12", "Label13", "Label7", "Label8", "Label9"}) {
    EXPECT_EQ(rig.Caption(digit), "0") << digit;
  }
  EXPECT_EQ(rig.TextColour("Label11"), kP.blueDim);
  EXPECT_EQ(rig.TextColour("Label12"), kP.blueDim);
  EXPECT_EQ(rig.TextColour("Label13"), kP.blueLit);
  EXPECT_EQ(rig.TextColour("Label7"), kP.whiteDim);
  EXPECT_EQ(rig.TextColour("Label8"), kP.whiteDim);
  EXPECT_EQ(rig.TextColour("Label9"), kP.whiteLit);
  EXPECT_EQ(rig.Caption("Panel26"), "0");
  EXPECT_EQ(rig.Background("Panel26"), kP.blueShidoNormal);
  EXPECT_EQ(rig.Caption("Panel27"), "0");
  EXPECT_EQ(rig.Background("Panel27"), kP.whiteShidoNormal);
  EXPECT_EQ(rig.Caption("Panel24"), "L");
  EXPECT_EQ(rig.Background("Panel24"), kP.bluePenaltyOff);
  EXPECT_EQ(rig.Caption("Panel37"), "H");
  EXPECT_EQ(rig.Background("Panel37"), kP.bluePenaltyOff);
  EXPECT_EQ(rig.Caption("Panel25"), "L");
  EXPECT_EQ(rig.Background("Panel38"), kP.whitePenaltyOff);
}

// White's penalties as the board shows them, with Blue's digits they give.
struct PenaltyRow {
  const char* what;
  int shido, legs, hansoku;
  const char* card;
  Rgb cardColour;
  const char* legMarker;
  Rgb legColour, hansokuColour;
  const char* blueIppon;
  const char* blueWazari;
  const char* blueYuko;
};

TEST(BoardPainting, WhitesPenaltyPanelsAndWhatTheyScoreForBlue) {
  const Rgb normal = kP.whiteShidoNormal, serious = kP.whiteShidoSerious;
  const Rgb on = kP.whitePenaltyOn, off = kP.whitePenaltyOff;
  const PenaltyRow rows[] = {
      {"shido 2", 2, 0, 0, "2", normal, "L", off, off, "0", "0", "2"},
      {"shido 3", 3, 0, 0, "3", normal, "L", off, off, "0", "1", "1"},
      {"shido 4", 4, 0, 0, "4H", serious, "L", off, on, "1", "0", "1"},
      {"shido 7", 7, 0, 0, "4H", serious, "L", off, on, "1", "0", "1"},
      {"shido and leg grab", 1, 1, 0, "2", normal, "1L", on, off, "0", "0", "2"},
      {"three leg grabs", 0, 3, 0, "2H", serious, "2L", on, on, "1", "1", "1"},
      {"hansoku-make alone", 0, 0, 1, "H", serious, "L", off, on, "1", "0", "1"},
      {"three shido and a leg grab", 3, 1, 0, "4", serious, "1L", on, off, "1", "0", "1"},
  };
  for (const PenaltyRow& row : rows) {
    SCOPED_TRACE(row.what);
    EngineRig rig;
    rig.Ready();
    SetCounts(rig, {0, 0, 1, 0, 0, 0, 0, 0, 0, row.shido, row.legs, row.hansoku});
    EXPECT_EQ(rig.Caption("Panel27"), row.card);
    EXPECT_EQ(rig.Background("Panel27"), row.cardColour);
    EXPECT_EQ(rig.Caption("Panel25"), row.legMarker);
    EXPECT_EQ(rig.Background("Panel25"), row.legColour);
    EXPECT_EQ(rig.Caption("Panel38"), "H");
    EXPECT_EQ(rig.Background("Panel38"), row.hansokuColour);
    EXPECT_EQ(rig.Caption("Label11"), row.blueIppon);
    EXPECT_EQ(rig.Caption("Label12"), row.blueWazari);
    EXPECT_EQ(rig.Caption("Label13"), row.blueYuko);
  }
}

TEST(BoardPainting, DigitsLightWithIpponOrTheirOwnValue) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::White, CountKind::Wazari);
  EXPECT_EQ(rig.TextColour("Label8"), kP.whiteLit);
  EXPECT_EQ(rig.TextColour("Label7"), kP.whiteDim);
  rig.M().AddScore(Side::White, CountKind::Wazari);
  // Two wazari: one ippon and a zero wazari that stands lit beside it.
  EXPECT_EQ(rig.Caption("Label7"), "1");
  EXPECT_EQ(rig.Caption("Label8"), "0");
  EXPECT_EQ(rig.TextColour("Label7"), kP.whiteLit);
  EXPECT_EQ(rig.TextColour("Label8"), kP.whiteLit);
}

TEST(BoardPainting, RedSchemeUsesItsOwnSlots) {
  EngineRig rig;
  rig.M().SetPalette(PaletteForScheme(kSchemeRed));
  rig.Ready();
  SetCounts(rig, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(rig.Background("Panel26"), 0xAA0000u);
  EXPECT_EQ(rig.Background("Panel37"), 0xFFBB00u);
  EXPECT_EQ(rig.TextColour("Label12"), 0xDD0000u);
}

TEST(BoardPainting, TwoDigitYukoIsDrawnAtHalfSizeAndLowered) {
  EngineRig rig;
  rig.Ready();
  const int size = rig.board.FontSize("Label11");
  const int top = rig.board.Top("Label11");
  SetCounts(rig, {0, 0, 12, 0, 0, 0, 0, 0, 9, 0, 0, 0});
  EXPECT_EQ(rig.Caption("Label13"), "12");
  EXPECT_EQ(rig.board.FontSize("Label13"), size / 2);
  EXPECT_EQ(rig.board.Top("Label13"), top + rig.board.Height("Label13") / 2);
  EXPECT_EQ(rig.board.FontSize("Label9"), size);
  rig.M().AddScore(Side::White, CountKind::Yuko);
  EXPECT_EQ(rig.board.FontSize("Label9"), size / 2);
  SetCounts(rig, {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(rig.board.FontSize("Label13"), size);
  EXPECT_EQ(rig.board.Top("Label13"), top);
}

TEST(ScoreEntry, TwoBlueWazariShowOneIpponAndStopTheClock) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.M().AddScore(Side::Blue, CountKind::Wazari);
  rig.M().AddScore(Side::Blue, CountKind::Wazari);
  EXPECT_EQ(rig.S().blue.wazari, 2);
  EXPECT_EQ(rig.Caption("Label11"), "1");
  EXPECT_EQ(rig.Caption("Label12"), "0");
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), 1);
}

TEST(ScoreEntry, ThreeWhiteShidoGiveBlueAWazariInsteadOfTheYuko) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddPenalty(Side::White, CountKind::Shido);
  rig.M().AddPenalty(Side::White, CountKind::Shido);
  EXPECT_EQ(rig.Caption("Label13"), "1");
  rig.M().AddPenalty(Side::White, CountKind::Shido);
  EXPECT_EQ(rig.Caption("Panel27"), "3");
  EXPECT_EQ(rig.Caption("Label12"), "1");
  EXPECT_EQ(rig.Caption("Label13"), "0");
}

TEST(ScoreEntry, TwoBlueLegGrabsScoreIpponForWhiteButTheClockRunsUntilTheThird) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.M().AddPenalty(Side::Blue, CountKind::LegGrabs);
  rig.M().AddPenalty(Side::Blue, CountKind::LegGrabs);
  EXPECT_EQ(rig.Caption("Panel24"), "2L");
  EXPECT_EQ(rig.Background("Panel37"), kP.bluePenaltyOn);
  EXPECT_EQ(rig.Caption("Label7"), "1");
  rig.Seconds(2);
  EXPECT_TRUE(rig.S().clockRunning);
  rig.M().AddPenalty(Side::Blue, CountKind::LegGrabs);
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
}

TEST(ScoreEntry, CountsRiseWhateverTheClockDoes) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::Blue, CountKind::Ippon);
  rig.M().AddScore(Side::Blue, CountKind::Ippon);
  for (int i = 0; i < 11; ++i) rig.M().AddScore(Side::White, CountKind::Yuko);
  EXPECT_EQ(rig.S().blue.ippon, 2);
  EXPECT_EQ(rig.Caption("Label11"), "1");
  EXPECT_EQ(rig.Caption("Label9"), "11");
}

TEST(Tori, SetShowsToriAndTOnOneSideAndClearEmptiesBoth) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::Blue);
  EXPECT_EQ(rig.S().tori, Tori::Blue);
  EXPECT_EQ(rig.Caption("Panel33"), "Tori");
  EXPECT_EQ(rig.Caption("Panel76"), "T");
  EXPECT_EQ(rig.Caption("Panel35"), "");
  EXPECT_EQ(rig.Caption("Panel75"), "");
  rig.M().SetTori(Side::White);
  EXPECT_EQ(rig.S().tori, Tori::White);
  EXPECT_EQ(rig.Caption("Panel33"), "");
  EXPECT_EQ(rig.Caption("Panel76"), "");
  EXPECT_EQ(rig.Caption("Panel35"), "Tori");
  EXPECT_EQ(rig.Caption("Panel75"), "T");
  rig.M().ClearTori();
  EXPECT_EQ(rig.S().tori, Tori::None);
  for (const char* e : {"Panel33", "Panel35", "Panel76", "Panel75"}) EXPECT_EQ(rig.Caption(e), "");
}

}  // namespace
}  // namespace tk::test
