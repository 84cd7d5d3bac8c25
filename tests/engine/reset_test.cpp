// Reset ALL, golden score, the presets and the bout length in the log.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine_rig.h"
#include "util/text_file.h"

namespace tk::test {
namespace {

constexpr Rgb kYellow = 0xFFFF00;

// The match lines of today's log (the two header lines left out).
std::vector<std::string> LogLines(EngineRig& rig) {
  const std::string path = rig.log.TodaysFileName();
  if (!std::filesystem::exists(path)) return {};
  std::vector<std::string> lines = ReadTextLines(path);
  lines.erase(lines.begin(), lines.begin() + 2);
  return lines;
}

std::string Duration(const std::string& line) {
  const std::size_t at = line.find("MatchDuration=") + 14;
  return line.substr(at, line.find(' ', at) - at);
}

TEST(ResetAll, CancelWithTheWarningOnlyHidesTheLastHoldDowns) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::Blue);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(4);
  rig.M().OsaeKomiToketa();
  rig.M().AddScore(Side::Blue, CountKind::Yuko);
  ASSERT_TRUE(rig.Visible("Label107"));
  const std::size_t lines = LogLines(rig).size();
  const auto history = rig.M().History();
  rig.settings.ResetWarning = true;
  rig.dialogs.answers = {Answer::Cancel};
  rig.M().ResetAll();
  EXPECT_EQ(rig.dialogs.confirmations, std::vector<std::string>{"Reset everything, are you sure?"});
  EXPECT_FALSE(rig.Visible("Label107"));
  EXPECT_EQ(LogLines(rig).size(), lines);
  EXPECT_EQ(rig.S().blue.yuko, 1);
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.Caption("Panel33"), "Tori");
  EXPECT_EQ(rig.M().History(), history);
}

TEST(ResetAll, MidMatchWithARunningHoldDownClearsEverything) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::White);
  rig.M().AddScore(Side::White, CountKind::Wazari);
  rig.M().AddPenalty(Side::Blue, CountKind::Shido);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(16);  // White's hold-down has given a yuko at 15
  const int moves = rig.moves;
  rig.settings.ResetWarning = true;  // answered Yes
  rig.M().ResetAll();
  EXPECT_EQ(rig.Caption("Label15"), "5:00");
  EXPECT_EQ(rig.TextColour("Label15"), kYellow);
  EXPECT_EQ(rig.TextColour("Label3"), kYellow);
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_TRUE(rig.Visible("Label18"));
  EXPECT_EQ(rig.Caption("Label3"), "00");
  EXPECT_EQ(rig.Caption("Label69"), "Osae Komi F6");
  EXPECT_EQ(rig.Caption("Label28"), "SonoMama F9");
  EXPECT_FALSE(rig.Visible("Label77"));
  for (const char* e : {"Panel33", "Panel35", "Panel76", "Panel75"}) EXPECT_EQ(rig.Caption(e), "");
  EXPECT_EQ(rig.M().RawCounts(), (std::array<int, 12>{}));
  EXPECT_EQ(rig.Caption("Label8"), "0");
  EXPECT_EQ(rig.Caption("Panel26"), "0");
  const MatchState& s = rig.S();
  EXPECT_FALSE(s.clockRunning || s.holdDownTicking || s.holdDownActive || s.matchStarted ||
               s.sonoMama || s.goldenScore);
  EXPECT_EQ(s.tori, Tori::None);
  ASSERT_EQ(rig.M().History().size(), 1u);
  EXPECT_EQ(rig.M().History()[0].substr(0, 24), "0|0|0|0|0|0|0|0|0|0|0|0|");
  EXPECT_EQ(rig.moves, moves + 1);
  // The line was built before anything was cleared.
  const auto lines = LogLines(rig);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines.back().find("MatchDuration=0:16"), std::string::npos) << lines.back();
  EXPECT_NE(lines.back().find("Scores(White):  Yuko=1 Wazari=1 Ippon=0 Shidos=0"),
            std::string::npos);
  EXPECT_NE(lines.back().find("Scores(Blue):  Yuko=0 Wazari=0 Ippon=0 Shidos=1"),
            std::string::npos);
  EXPECT_TRUE(rig.banner.Visible());
  EXPECT_EQ(rig.banner.Text(), LastMatchBanner::kPrefix + lines.back());
  // Nothing ticks any more.
  rig.Seconds(5);
  EXPECT_EQ(rig.Caption("Label15"), "5:00");
  EXPECT_EQ(rig.Caption("Label3"), "00");
}

TEST(ResetAll, MovesTheQueuedPlayersOnlyWhenSoConfigured) {
  EngineRig rig;
  rig.settings.PlayersNamePopup = false;
  rig.Ready();
  EXPECT_EQ(rig.moves, 0);
}

TEST(ResetAll, ALogThatCannotBeWrittenEndsTheResetWithTheBoardUncleared) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::Blue, CountKind::Wazari);
  rig.M().HajimeMatte();
  rig.Seconds(3);
  std::filesystem::remove(rig.log.TodaysFileName());
  std::filesystem::create_directory(rig.log.TodaysFileName());
  const std::string banner = rig.banner.Text();
  EXPECT_THROW(rig.M().ResetAll(), Error);
  EXPECT_EQ(rig.S().blue.wazari, 1);
  EXPECT_EQ(rig.Caption("Label12"), "1");
  EXPECT_EQ(rig.Caption("Label15"), "4:57");
  EXPECT_TRUE(rig.S().clockRunning);
  EXPECT_EQ(rig.banner.Text(), banner);
}

TEST(ResetAll, HelperModeWritesALogLineButShowsNoBanner) {
  EngineRig rig(Mode::Helper);
  rig.Ready();
  EXPECT_EQ(LogLines(rig).size(), 1u);
  EXPECT_FALSE(rig.banner.Visible());
  EXPECT_EQ(rig.banner.Text(), LastMatchBanner::kPrefix + LogLines(rig).back());
}

TEST(ResetAll, KeepsTheLingerCounting) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::Blue);
  rig.M().HajimeMatte();
  rig.Seconds(5);
  EXPECT_EQ(rig.S().holdDownLinger, 5);
  rig.M().ResetAll();
  EXPECT_EQ(rig.S().holdDownLinger, 5);
}

TEST(LogDuration, IsTheTimeRunAndNeverNegative) {
  EngineRig rig;
  rig.Ready();
  rig.M().QuickJumpBouts(4, 0);
  rig.settings.emergencyMins = 1;
  rig.settings.emergencySecs = 15;
  rig.M().EmergencyClockSet();
  EXPECT_EQ(rig.M().LogFacts().boutSeconds, 165);
  // A clock set above the match length counts as no time run.
  rig.settings.emergencyMins = 6;
  rig.M().EmergencyClockSet();
  EXPECT_EQ(rig.M().LogFacts().boutSeconds, 0);
}

TEST(LogDuration, AfterGoldenScoreIsTheMatchPlusTheGoldenTimeUsed) {
  EngineRig rig;
  rig.Ready();
  rig.M().QuickJumpBouts(2, 0);
  rig.M().SetDurationField(DurationField::GoldenMins, 5);  // bounces back to 1:00
  rig.M().HajimeMatte();
  rig.Seconds(120);
  ASSERT_EQ(rig.Caption("Label15"), "0:00");
  rig.M().GoldenScoreToggle();
  EXPECT_EQ(rig.Caption("Label15"), "1:00");
  EXPECT_EQ(rig.M().LogFacts().boutSeconds, 120);
  rig.M().HajimeMatte();
  rig.Seconds(20);
  EXPECT_EQ(rig.M().LogFacts().boutSeconds, 140);
  rig.M().ResetAll();
  EXPECT_EQ(Duration(LogLines(rig).back()), "2:20");
}

TEST(LogDuration, GoldenScoreLongerThanTheMatchIsNeverNegative) {
  // A 1:00 match with golden score at 3:00 (the start value).
  EngineRig rig;
  rig.settings.MatchMins = 1;
  rig.Ready();
  rig.M().GoldenScoreToggle();
  EXPECT_EQ(rig.Caption("Label15"), "3:00");
  rig.M().HajimeMatte();
  rig.Seconds(30);
  EXPECT_EQ(rig.M().LogFacts().boutSeconds, 90);
}

TEST(GoldenScore, OnWhileRunningStopsAndShowsTheGoldenTimeInYellow) {
  EngineRig rig;
  rig.Ready();
  rig.M().QuickJumpBouts(4, 0);
  rig.M().HajimeMatte();
  rig.Seconds(4 * 60 - 72);
  ASSERT_EQ(rig.Caption("Label15"), "1:12");
  rig.M().GoldenScoreToggle();
  EXPECT_EQ(rig.Caption("Label15"), "2:00");
  EXPECT_EQ(rig.TextColour("Label15"), kYellow);
  EXPECT_TRUE(rig.Visible("Label77"));
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_FALSE(rig.S().matchStarted);
  rig.M().HajimeMatte();
  rig.Seconds(3);
  EXPECT_EQ(rig.Caption("Label15"), "1:57");
}

TEST(GoldenScore, OffWhileRunningResetsTheClockAndLeavesTheCaption) {
  EngineRig rig;
  rig.Ready();
  rig.M().GoldenScoreToggle();
  rig.M().HajimeMatte();
  rig.Seconds(10);
  rig.M().GoldenScoreToggle();
  EXPECT_FALSE(rig.Visible("Label77"));
  EXPECT_EQ(rig.Caption("Label15"), "5:00");
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Caption("Label18"), "Matte F5");
  rig.M().HajimeMatte();
  EXPECT_EQ(rig.Caption("Label18"), "Hajime F5");
  EXPECT_FALSE(rig.S().clockRunning);
}

TEST(GoldenScore, PresetRestartsAGoldenScoreThatIsOn) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetDurationField(DurationField::MatchSecs, 1);
  rig.M().SetDurationField(DurationField::MatchSecs, 0);  // golden 2:30 from a 5:00 match
  rig.M().GoldenScoreToggle();
  rig.M().HajimeMatte();
  rig.Seconds(40);
  rig.M().GoldenScorePreset(1);
  EXPECT_TRUE(rig.S().goldenScore);
  EXPECT_EQ(rig.Caption("Label15"), "2:30");
  EXPECT_EQ(rig.settings.goldenMins, 2);
  EXPECT_EQ(rig.settings.goldenSecs, 30);
}

TEST(GoldenScore, PresetLeavesAGoldenScoreThatIsOffOff) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.Seconds(7);
  rig.M().GoldenScorePreset(3);
  EXPECT_FALSE(rig.S().goldenScore);
  EXPECT_EQ(rig.Caption("Label15"), "5:00");
}

TEST(QuickJump, BeforeHajimeSetsTheClockAndTheGoldenFieldsAtOnce) {
  EngineRig rig;
  rig.Ready();
  const int applies = rig.applies;
  rig.M().QuickJumpBouts(3, 0);
  EXPECT_EQ(rig.Caption("Label15"), "3:00");
  EXPECT_EQ(rig.settings.goldenMins, 1);
  EXPECT_EQ(rig.settings.goldenSecs, 30);
  EXPECT_EQ(rig.applies, applies + 1);
  rig.M().QuickJumpBouts(1, 30);
  EXPECT_EQ(rig.Caption("Label15"), "1:30");
  EXPECT_EQ(rig.settings.goldenMins, 1);
  EXPECT_EQ(rig.settings.goldenSecs, 0);
}

TEST(QuickJump, MidMatchLeavesTheClockUntilTheNextReset) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.Seconds(10);
  rig.M().QuickJumpBouts(3, 0);
  EXPECT_EQ(rig.Caption("Label15"), "4:50");
  rig.M().ResetAll();
  EXPECT_EQ(rig.Caption("Label15"), "3:00");
}

TEST(QuickJump, DuringGoldenScoreBeforeItsHajimeShowsTheNewMatchLength) {
  EngineRig rig;
  rig.Ready();
  rig.M().GoldenScoreToggle();
  rig.M().QuickJumpBouts(2, 0);
  EXPECT_EQ(rig.Caption("Label15"), "2:00");
  EXPECT_TRUE(rig.Visible("Label77"));
  EXPECT_TRUE(rig.S().goldenScore);
}

}  // namespace
}  // namespace tk::test
