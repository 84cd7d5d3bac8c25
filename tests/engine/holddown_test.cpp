// The hold-down clock: Osae-komi, the awards, Toketa and the linger rule,
// Sono-mama and Yoshi, and the operator's corrections of the count.
#include <gtest/gtest.h>

#include "engine_rig.h"

namespace tk::test {
namespace {

// A running match with a hold-down just called.
void HoldDown(EngineRig& rig, std::optional<Side> tori) {
  rig.Ready();
  if (tori) rig.M().SetTori(*tori);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
}

TEST(HoldDown, UninterruptedHoldAwardsYukoWazariIpponThenTheClockStops) {
  EngineRig rig;
  HoldDown(rig, Side::Blue);
  EXPECT_EQ(rig.Caption("Label3"), "0");
  EXPECT_EQ(rig.Caption("Label69"), "Toketa F6   ");
  rig.Seconds(14);
  EXPECT_EQ(rig.S().blue.yuko, 0);
  rig.Seconds(1);
  EXPECT_EQ(rig.S().blue, (SideCounts{0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(rig.Caption("Label13"), "1");
  rig.Seconds(5);
  EXPECT_EQ(rig.S().blue, (SideCounts{0, 1, 0, 0, 0, 0}));
  rig.Seconds(5);
  EXPECT_EQ(rig.S().blue, (SideCounts{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(rig.Caption("Label11"), "1");
  EXPECT_EQ(rig.Caption("Label3"), "25");
  EXPECT_FALSE(rig.S().holdDownTicking);
  EXPECT_TRUE(rig.S().holdDownActive);
  EXPECT_TRUE(rig.S().clockRunning) << "the clock stops at the next main tick";
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), 1);
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_EQ(rig.Caption("Label3"), "25");
  EXPECT_EQ(rig.Caption("Label69"), "Toketa F6   ");
}

TEST(HoldDown, WaitForRefAwardsNothingAndTheClockRunsOn) {
  EngineRig rig;
  rig.settings.NeWazaWaitForRef = true;
  HoldDown(rig, Side::White);
  rig.Seconds(30);
  EXPECT_EQ(rig.Caption("Label3"), "25");
  EXPECT_EQ(rig.S().white, SideCounts{});
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), 0);
}

TEST(HoldDown, KosenAwardsAndCountsOnTo99) {
  EngineRig rig;
  rig.settings.MONsterKosenRules = true;
  HoldDown(rig, Side::Blue);
  rig.Seconds(25);
  EXPECT_EQ(rig.S().blue, (SideCounts{1, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(rig.S().holdDownTicking);
  rig.Seconds(100);
  EXPECT_EQ(rig.Caption("Label3"), "99");
  EXPECT_EQ(rig.S().holdDownSeconds, 99);
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.S().blue.ippon, 1);
}

TEST(HoldDown, EqualAwardSecondsAwardInTurn) {
  EngineRig rig;
  rig.settings.Yuko = 5;
  rig.settings.Wazari = 5;
  rig.settings.Ippon = 5;
  HoldDown(rig, Side::White);
  rig.Seconds(5);
  // Yuko, then the yuko becomes a wazari, then the wazari an ippon.
  EXPECT_EQ(rig.S().white, (SideCounts{1, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(rig.S().holdDownTicking);
}

TEST(HoldDown, WithoutToriAQuestionMarkBlinksAndNothingIsAwarded) {
  EngineRig rig;
  HoldDown(rig, std::nullopt);
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Panel33"), "?");
  EXPECT_EQ(rig.Caption("Panel76"), "?");
  EXPECT_EQ(rig.Caption("Panel35"), "");
  EXPECT_EQ(rig.Caption("Panel75"), "");
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Panel33"), "");
  EXPECT_EQ(rig.Caption("Panel76"), "");
  EXPECT_EQ(rig.Caption("Panel35"), "?");
  EXPECT_EQ(rig.Caption("Panel75"), "?");
  rig.Seconds(24);
  EXPECT_EQ(rig.S().blue, SideCounts{});
  EXPECT_EQ(rig.S().white, SideCounts{});
  EXPECT_FALSE(rig.S().holdDownTicking) << "the ippon second stops the count all the same";
  rig.M().OsaeKomiToketa();
  const std::string blueAfter = rig.Caption("Panel33");
  rig.Seconds(3);
  EXPECT_EQ(rig.Caption("Panel33"), blueAfter) << "the last ? stays after Toketa";
  rig.M().SetTori(Side::White);
  EXPECT_EQ(rig.Caption("Panel33"), "");
  EXPECT_EQ(rig.Caption("Panel35"), "Tori");
}

TEST(HoldDown, ToriSwitchedMidHoldCreditsTheNewToriFromThenOn) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::White, CountKind::Yuko);
  rig.M().SetTori(Side::Blue);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(17);
  EXPECT_EQ(rig.S().blue.yuko, 1);
  rig.M().SetTori(Side::White);
  rig.Seconds(3);
  EXPECT_EQ(rig.S().blue, (SideCounts{0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(rig.S().white, (SideCounts{0, 1, 0, 0, 0, 0}));
}

TEST(HoldDown, ToketaShowsTheCountOnToriSideUntilTheLingerRunsOut) {
  EngineRig rig;
  HoldDown(rig, Side::White);
  rig.Seconds(12);
  rig.M().OsaeKomiToketa();
  EXPECT_EQ(rig.Caption("Label69"), "Osae Komi F6");
  EXPECT_TRUE(rig.Visible("Label108"));
  EXPECT_EQ(rig.Caption("Label108"), "12");
  EXPECT_FALSE(rig.Visible("Label107"));
  // Stopped time does not count.
  rig.M().HajimeMatte();
  rig.Seconds(40);
  rig.M().HajimeMatte();
  rig.Seconds(15);
  EXPECT_TRUE(rig.Visible("Label108"));
  EXPECT_EQ(rig.Caption("Label3"), "12");
  rig.Seconds(1);
  EXPECT_FALSE(rig.Visible("Label108"));
  EXPECT_EQ(rig.Caption("Label3"), "00");
  EXPECT_TRUE(rig.S().holdDownIdle);
}

TEST(HoldDown, ToketaWithoutToriShowsNoLastHoldDown) {
  EngineRig rig;
  HoldDown(rig, std::nullopt);
  rig.Seconds(3);
  rig.M().OsaeKomiToketa();
  EXPECT_FALSE(rig.Visible("Label107"));
  EXPECT_FALSE(rig.Visible("Label108"));
}

TEST(HoldDown, OsaeKomiWithTheClockStoppedWaitsForHajime) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::Blue);
  rig.M().OsaeKomiToketa();
  rig.Seconds(20);
  EXPECT_EQ(rig.Caption("Label3"), "0");
  rig.M().HajimeMatte();
  rig.Seconds(2);
  EXPECT_EQ(rig.Caption("Label3"), "2");
}

TEST(HoldDown, HajimeAfterTheIpponSecondCountsOnWithoutAwards) {
  EngineRig rig;
  HoldDown(rig, Side::Blue);
  rig.Seconds(26);
  ASSERT_FALSE(rig.S().clockRunning);
  rig.M().StepBackOneSnapshot();  // takes the ippon back
  ASSERT_EQ(rig.S().blue.ippon, 0);
  rig.M().HajimeMatte();
  EXPECT_TRUE(rig.S().holdDownTicking);
  rig.Seconds(3);
  EXPECT_EQ(rig.Caption("Label3"), "28");
  EXPECT_EQ(rig.S().blue.ippon, 0);
}

TEST(SonoMama, FreezesBothClocksAndYoshiResumesThem) {
  EngineRig rig;
  HoldDown(rig, Side::Blue);
  rig.Seconds(5);
  rig.M().SonoMamaYoshi();
  EXPECT_EQ(rig.Caption("Label28"), "Yoshi F9   ");
  EXPECT_FALSE(rig.Visible("Label18"));
  EXPECT_EQ(rig.TextColour("Label15"), 0xFF0000u);
  rig.Seconds(30);
  EXPECT_EQ(rig.Caption("Label15"), "4:55");
  EXPECT_EQ(rig.Caption("Label3"), "5");
  rig.M().SonoMamaYoshi();
  EXPECT_EQ(rig.Caption("Label28"), "SonoMama F9");
  EXPECT_TRUE(rig.Visible("Label18"));
  EXPECT_EQ(rig.TextColour("Label3"), 0xFFFF00u);
  rig.Seconds(10);
  EXPECT_EQ(rig.Caption("Label15"), "4:45");
  EXPECT_EQ(rig.S().blue.yuko, 1);
}

TEST(SonoMama, YoshiFromAStoppedClockStartsIt) {
  EngineRig rig;
  rig.Ready();
  rig.M().SonoMamaYoshi();
  rig.M().SonoMamaYoshi();
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_FALSE(rig.S().matchStarted);
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_FALSE(rig.S().holdDownTicking) << "no hold-down was active";
  rig.M().HajimeMatte();
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.Caption("Label18"), "Matte F5");
  rig.Seconds(2);
  EXPECT_EQ(rig.Caption("Label15"), "4:58");
}

struct AdjustRow {
  int start;  // -1: idle "00"
  MouseButton button;
  bool shift;
  const char* shown;
};

TEST(AdjustHoldDownSeconds, StepsTheCountWithinItsBounds) {
  const AdjustRow rows[] = {
      {5, MouseButton::Left, false, "6"},   {5, MouseButton::Right, false, "4"},
      {0, MouseButton::Right, false, "0"},  {99, MouseButton::Left, false, "99"},
      {-1, MouseButton::Right, false, "0"}, {-1, MouseButton::Left, false, "1"},
      {5, MouseButton::Left, true, "6"},    {5, MouseButton::Right, true, "4"},
      {5, MouseButton::Middle, true, "00"}, {5, MouseButton::Middle, false, "5"},
  };
  for (const AdjustRow& row : rows) {
    EngineRig rig;
    rig.Ready();
    for (int i = 0; i < row.start; ++i) rig.M().AdjustHoldDownSeconds(MouseButton::Left, false);
    rig.M().AdjustHoldDownSeconds(row.button, row.shift);
    EXPECT_EQ(rig.Caption("Label3"), row.shown)
        << row.start << " button " << static_cast<int>(row.button) << " shift " << row.shift;
    EXPECT_EQ(rig.S().holdDownIdle, std::string(row.shown) == "00");
  }
}

TEST(AdjustHoldDownSeconds, ACorrectionOverAnAwardSecondSkipsTheAward) {
  EngineRig rig;
  HoldDown(rig, Side::Blue);
  rig.Seconds(14);
  rig.M().AdjustHoldDownSeconds(MouseButton::Left, false);  // 15 by hand
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Label3"), "16");
  EXPECT_EQ(rig.S().blue.yuko, 0);
}

}  // namespace
}  // namespace tk::test
