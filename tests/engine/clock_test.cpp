// The match clock and the main tick, on the operator's board.
#include <gtest/gtest.h>

#include "engine_rig.h"
#include "util/text.h"

namespace tk::test {
namespace {

constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kRed = 0xFF0000;

// The remaining time set with the emergency fields.
void SetRemaining(EngineRig& rig, int mins, int secs) {
  rig.settings.emergencyMins = mins;
  rig.settings.emergencySecs = secs;
  rig.M().EmergencyClockSet();
}

TEST(MatchClock, ResetBoardShowsTheDurationInYellowReadyForHajime) {
  EngineRig rig;
  rig.Ready();
  EXPECT_EQ(rig.Caption("Label15"), "5:00");
  EXPECT_EQ(rig.TextColour("Label15"), kYellow);
  EXPECT_EQ(rig.TextColour("Label3"), kYellow);
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_EQ(rig.Caption("Label3"), "00");
  rig.Seconds(10);
  EXPECT_EQ(rig.Caption("Label15"), "5:00") << "a stopped clock does not move";
}

TEST(MatchClock, HajimeCountsDownOneSecondPerSecondAndMatteStopsInRed) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  EXPECT_EQ(rig.Caption("Label18"), "Matte F5");
  EXPECT_TRUE(rig.S().matchStarted);
  rig.Seconds(3);
  EXPECT_EQ(rig.Caption("Label15"), "4:57");
  rig.M().HajimeMatte();
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_EQ(rig.TextColour("Label15"), kRed);
  EXPECT_EQ(rig.TextColour("Label3"), kRed);
  rig.Seconds(5);
  EXPECT_EQ(rig.Caption("Label15"), "4:57");
}

TEST(MatchClock, ExpiryAtOneSecondShowsZeroInRedWithOneBuzzer) {
  EngineRig rig;
  rig.Ready();
  SetRemaining(rig, 0, 1);
  rig.M().HajimeMatte();
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.TextColour("Label15"), kRed);
  EXPECT_EQ(rig.Buzzes(), 1);
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Caption("Label18"), "Matte F5") << "expiry leaves the control alone";
  rig.Seconds(5);
  EXPECT_EQ(rig.Buzzes(), 1);
  // F5 is then a Matte that only turns the caption back.
  rig.M().HajimeMatte();
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_FALSE(rig.S().clockRunning);
}

TEST(MatchClock, HajimeAtZeroExpiresAgainAtTheNextTick) {
  EngineRig rig;
  rig.Ready();
  SetRemaining(rig, 0, 0);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.TextColour("Label15"), kYellow);
  rig.M().HajimeMatte();
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.TextColour("Label15"), kRed);
  EXPECT_EQ(rig.Buzzes(), 1);
  rig.M().HajimeMatte();  // Matte
  rig.M().HajimeMatte();  // Hajime at 0:00
  rig.Seconds(1);
  EXPECT_EQ(rig.Buzzes(), 2);
  EXPECT_FALSE(rig.S().clockRunning);
}

TEST(MatchClock, ExpiryTouchesNeitherTheHoldDownNorTheCounts) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::Blue, CountKind::Yuko);
  SetRemaining(rig, 0, 3);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(1);
  rig.M().OsaeKomiToketa();  // Toketa at 1
  rig.Seconds(2);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.Caption("Label3"), "1");
  EXPECT_EQ(rig.Caption("Label13"), "1");
}

TEST(MatchClock, HoldDownKeepsTheClockAtZeroUntilItStops) {
  EngineRig rig;
  rig.Ready();
  SetRemaining(rig, 0, 2);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.S().clockSeconds, 0);
  rig.Seconds(10);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), 0);
  EXPECT_EQ(rig.Caption("Label3"), "11");
  rig.M().OsaeKomiToketa();  // Toketa: the first tick after it expires the time
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.TextColour("Label15"), kRed);
  EXPECT_EQ(rig.Buzzes(), 1);
}

TEST(MatchClock, MatteAndHajimeResumeAHoldDownWhereItStopped) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(7);
  rig.M().HajimeMatte();  // Matte
  EXPECT_TRUE(rig.S().holdDownActive);
  EXPECT_FALSE(rig.S().holdDownTicking);
  rig.Seconds(30);
  EXPECT_EQ(rig.Caption("Label3"), "7");
  rig.M().HajimeMatte();  // Hajime
  EXPECT_TRUE(rig.S().holdDownTicking);
  rig.Seconds(3);
  EXPECT_EQ(rig.Caption("Label3"), "10");
  EXPECT_EQ(rig.Caption("Label15"), "4:50");
}

TEST(MatchClock, SonoMamaHidesTheControlSoF5DoesNothing) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.M().SonoMamaYoshi();
  EXPECT_FALSE(rig.Visible("Label18"));
  rig.M().HajimeMatte();
  EXPECT_EQ(rig.Caption("Label18"), "Matte F5");
  EXPECT_FALSE(rig.S().clockRunning);
}

TEST(DurationFields, ChangeBeforeHajimeResetsTheClockAfterItLeavesIt) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetDurationField(DurationField::MatchMins, 3);
  EXPECT_EQ(rig.Caption("Label15"), "3:00");
  EXPECT_EQ(rig.settings.goldenMins, 1);
  EXPECT_EQ(rig.settings.goldenSecs, 30);
  rig.M().HajimeMatte();
  rig.Seconds(4);
  rig.M().HajimeMatte();
  rig.M().SetDurationField(DurationField::MatchMins, 4);
  EXPECT_EQ(rig.Caption("Label15"), "2:56");
  EXPECT_EQ(rig.settings.goldenMins, 2);
  EXPECT_EQ(rig.settings.goldenSecs, 0);
  // The new length takes effect at the next reset.
  rig.M().ResetAll();
  EXPECT_EQ(rig.Caption("Label15"), "4:00");
}

TEST(DurationFields, GoldenScoreFollowsHalfTheMatchWithAMinuteAtLeast) {
  struct Row {
    int mins, secs, goldenMins, goldenSecs;
  };
  const Row rows[] = {{1, 30, 1, 0}, {4, 0, 2, 0}, {5, 0, 2, 30},   {4, 1, 2, 0},
                      {4, 3, 2, 2},  {1, 0, 1, 0}, {30, 59, 15, 30}};
  for (const Row& row : rows) {
    EngineRig rig;
    rig.Ready();
    rig.M().SetDurationField(DurationField::MatchSecs, row.secs == 0 ? 1 : 0);
    rig.M().SetDurationField(DurationField::MatchMins, row.mins);
    rig.M().SetDurationField(DurationField::MatchSecs, row.secs);
    EXPECT_EQ(rig.settings.goldenMins, row.goldenMins) << row.mins << ":" << row.secs;
    EXPECT_EQ(rig.settings.goldenSecs, row.goldenSecs) << row.mins << ":" << row.secs;
    EXPECT_EQ(rig.M().GoldenScoreSeconds(), row.goldenMins * 60 + row.goldenSecs);
  }
}

TEST(DurationFields, TypingIntoTheGoldenFieldsBouncesBack) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetDurationField(DurationField::GoldenMins, 2);
  EXPECT_EQ(rig.settings.goldenMins, 2);
  EXPECT_EQ(rig.settings.goldenSecs, 30);
  rig.M().SetDurationField(DurationField::GoldenMins, 7);
  EXPECT_EQ(rig.settings.goldenMins, 2);
  rig.M().SetDurationField(DurationField::GoldenSecs, 5);
  EXPECT_EQ(rig.settings.goldenSecs, 30);
}

TEST(DurationFields, SameValueIsNoChangeSoGoldenScoreKeepsItsStartValue) {
  // A settings file with 5:00 sets the fields to what they already hold.
  EngineRig five;
  EXPECT_EQ(five.Caption("Label15"), "5:00") << "a fresh match stands at the match length";
  five.settings.emergencyMins = 0;
  five.settings.emergencySecs = 42;
  five.M().EmergencyClockSet();
  five.M().SetDurationField(DurationField::MatchMins, 5);
  five.M().SetDurationField(DurationField::MatchSecs, 0);
  EXPECT_EQ(five.M().GoldenScoreSeconds(), 180);
  EXPECT_EQ(five.Caption("Label15"), "0:42") << "no change: the clock is not reset";

  EngineRig four;
  four.M().SetDurationField(DurationField::MatchMins, 4);
  four.M().SetDurationField(DurationField::MatchSecs, 0);
  EXPECT_EQ(four.M().GoldenScoreSeconds(), 120);
  EXPECT_EQ(four.Caption("Label15"), "4:00");
}

TEST(DurationFields, ValuesAreBroughtIntoTheFieldsRanges) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetDurationField(DurationField::MatchMins, 99);
  rig.M().SetDurationField(DurationField::MatchSecs, -5);
  EXPECT_EQ(rig.settings.MatchMins, 30);
  EXPECT_EQ(rig.settings.MatchSecs, 0);
  EXPECT_EQ(rig.Caption("Label15"), "30:00");
  rig.M().SetDurationField(DurationField::MatchMins, 0);
  EXPECT_EQ(rig.Caption("Label15"), "1:00");
}

TEST(EmergencyClockSet, SetsTheRemainingTimeKeepsMatchStartedAndApplies) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.Seconds(20);
  const int applies = rig.applies;
  SetRemaining(rig, 2, 5);
  EXPECT_EQ(rig.Caption("Label15"), "2:05");
  EXPECT_EQ(rig.TextColour("Label15"), kYellow);
  // The internal stop leaves the caption: the first F5 only turns it back.
  EXPECT_EQ(rig.Caption("Label18"), "Matte F5");
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.applies, applies + 1);
  // Once started, a duration change leaves the set time alone.
  rig.M().SetDurationField(DurationField::MatchMins, 3);
  EXPECT_EQ(rig.Caption("Label15"), "2:05");
}

TEST(EndOfMatchTest, AMatchEndingCountStopsARunningClockAtTheNextTick) {
  struct Row {
    Side side;
    CountKind kind;
    int times;
    bool stops;
  };
  const Row rows[] = {
      {Side::Blue, CountKind::Ippon, 1, true},     {Side::White, CountKind::Wazari, 1, false},
      {Side::White, CountKind::Wazari, 2, true},   {Side::Blue, CountKind::Shido, 3, false},
      {Side::Blue, CountKind::Shido, 4, true},     {Side::White, CountKind::LegGrabs, 2, false},
      {Side::White, CountKind::LegGrabs, 3, true}, {Side::Blue, CountKind::Hansokumake, 1, true},
      {Side::Blue, CountKind::Yuko, 9, false},
  };
  for (const Row& row : rows) {
    EngineRig rig;
    rig.Ready();
    rig.M().HajimeMatte();
    rig.Run(400);
    for (int i = 0; i < row.times; ++i) rig.M().AddScore(row.side, row.kind);
    rig.Run(600);
    SCOPED_TRACE(static_cast<int>(row.kind) * 10 + row.times);
    EXPECT_EQ(rig.S().clockRunning, !row.stops);
    EXPECT_EQ(rig.Buzzes(), row.stops ? 1 : 0);
    // The clock is not stepped in the tick that stops it, and keeps yellow.
    EXPECT_EQ(rig.Caption("Label15"), row.stops ? "5:00" : "4:59");
    EXPECT_EQ(rig.TextColour("Label15"), kYellow);
    EXPECT_EQ(rig.Caption("Label18"), row.stops ? "Hajime F5" : "Matte F5");
  }
}

TEST(EndOfMatchTest, ThreeShidoAndALegGrabScoreIpponButTheClockRuns) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  for (int i = 0; i < 3; ++i) rig.M().AddPenalty(Side::Blue, CountKind::Shido);
  rig.M().AddPenalty(Side::Blue, CountKind::LegGrabs);
  rig.Seconds(3);
  EXPECT_EQ(rig.Caption("Label7"), "1");
  EXPECT_TRUE(rig.S().clockRunning);
}

TEST(EndOfMatchTest, HajimeWithAnIpponStandingStopsAgainWithTheBuzzer) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::Blue, CountKind::Ippon);
  rig.M().HajimeMatte();
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
  rig.M().HajimeMatte();
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), 2);
  EXPECT_EQ(rig.Caption("Label15"), "5:00");
}

TEST(EndOfMatchTest, KosenSwitchLetsTheClockRunToZero) {
  EngineRig rig;
  rig.Ready();
  rig.settings.MONsterKosenRules = true;
  for (int i = 0; i < 3; ++i) rig.M().AddScore(Side::Blue, CountKind::Ippon);
  EXPECT_EQ(rig.Caption("Label11"), "3");
  rig.M().SetDurationField(DurationField::MatchMins, 1);
  rig.M().HajimeMatte();
  rig.Seconds(59);
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), 0);
  rig.Seconds(1);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.Buzzes(), 1);
}

TEST(MainTick, PollsTheSignalFileOnEveryFourthTickWhetherOrNotTheClockRuns) {
  EngineRig rig;
  rig.Ready();
  rig.Seconds(8);
  EXPECT_EQ(rig.polls, 2);
  rig.M().HajimeMatte();
  rig.Seconds(4);
  EXPECT_EQ(rig.polls, 3);
}

TEST(MainTick, HelperModeSwitchesTimer1OffAtItsFirstTickAndNeverPolls) {
  EngineRig rig(Mode::Helper);
  rig.Ready();
  EXPECT_TRUE(rig.M().MainTimerOn());
  rig.Seconds(1);
  EXPECT_FALSE(rig.M().MainTimerOn());
  EXPECT_FALSE(rig.M().NextTickDueMs().has_value());
  rig.Seconds(20);
  EXPECT_EQ(rig.polls, 0);
  rig.M().HajimeMatte();
  EXPECT_TRUE(rig.M().MainTimerOn());
}

TEST(MainTick, BannerHidesAfterItsRunningSecondsOnly) {
  EngineRig rig;
  rig.Ready();
  rig.settings.SecsToLeaveLastMatch = 10;
  EXPECT_TRUE(rig.banner.Visible());
  rig.M().HajimeMatte();
  rig.Seconds(6);
  rig.M().HajimeMatte();
  rig.Seconds(60);
  EXPECT_TRUE(rig.banner.Visible());
  const int realigns = rig.realigns;
  rig.M().HajimeMatte();
  rig.Seconds(3);
  EXPECT_TRUE(rig.banner.Visible());
  rig.Seconds(1);
  EXPECT_FALSE(rig.banner.Visible());
  EXPECT_GT(rig.realigns, realigns);
}

TEST(MainTick, ABuzzerThatCannotPlayStillLeavesTheExpiredClockAtZero) {
  EngineRig rig;
  rig.Ready();
  SetRemaining(rig, 0, 1);
  rig.M().HajimeMatte();
  rig.sound.fail = true;
  rig.clock.Advance(1000);
  EXPECT_THROW(rig.M().RunDueTicks(), Error);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_EQ(rig.TextColour("Label15"), kRed);
  EXPECT_FALSE(rig.S().clockRunning);
  // The failed tick is not repeated.
  rig.sound.fail = false;
  rig.Seconds(3);
  EXPECT_EQ(rig.Buzzes(), 0);
}

}  // namespace
}  // namespace tk::test
