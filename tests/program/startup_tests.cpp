// Start-up in both modes, start-up failures, the layout timer and closing.
#include <algorithm>
#include <filesystem>

#include "board/palette.h"
#include "program/program_rig.h"

namespace tk::test {
namespace {

using StartupTest = ProgramRig;

struct ModeCase {
  std::vector<std::string> arguments;
  bool helper;
};

TEST_F(StartupTest, HelperModeOnlyForExactlyHAsFirstParameter) {
  const ModeCase cases[] = {
      {{}, false},         {{"h"}, true},   {{"h", "x"}, true}, {{"H"}, false},
      {{"x", "h"}, false}, {{"hh"}, false}, {{" h"}, false},    {{""}, false},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments.front());
    EXPECT_EQ(Create(c.arguments).HelperMode(), c.helper);
  }
}

TEST_F(StartupTest, ScoreboardModeShowsTheBoardWritesALogLineAndShowsTheBanner) {
  Program& program = Start();

  EXPECT_EQ(view_.applicationTitle, "Tavelkorn");
  EXPECT_EQ(view_.mainCaption, "Pemra Tavelkorn Ver 5.1");
  EXPECT_EQ(view_.page, Page::Scoreboard);
  EXPECT_EQ(view_.tab, SettingsTab::Time);
  EXPECT_FALSE(view_.scoreboardSettingsHidden);
  EXPECT_TRUE(view_.manageSlaveEnabled);
  EXPECT_FALSE(view_.playAndViewDisabled);
  EXPECT_TRUE(view_.layoutTimerRunning);
  EXPECT_TRUE(program.Banner().Visible());
  EXPECT_EQ(program.ProgramFolder(), folder_.string() + "/");

  const std::vector<std::string> log = Lines(TodaysLog());
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], TournamentLog::HeaderLine());
  EXPECT_EQ(log[1], std::string(log[0].size(), '-'));
  // The start-up reset closes no bout: its clock never ran.
  EXPECT_EQ(log[2].rfind("25/12/2006 3:45:12 PM MatchDuration=0:00 ", 0), 0u) << log[2];
  EXPECT_EQ(program.Banner().Text(), std::string(LastMatchBanner::kPrefix) + log[2]);
  // The clock runs its one-second rhythm from the start.
  EXPECT_TRUE(program.NextTickDueMs().has_value());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(StartupTest, HelperModeShowsOnlyItsSettingsAndNoBanner) {
  Program& program = Start({"h"});

  EXPECT_EQ(view_.applicationTitle, "TK Helper");
  EXPECT_EQ(view_.mainCaption, "Remote Helper -  Pemra Tavelkorn Ver 5.1");
  EXPECT_EQ(view_.page, Page::Settings);
  EXPECT_EQ(view_.tab, SettingsTab::Players);
  EXPECT_TRUE(view_.scoreboardSettingsHidden);
  EXPECT_FALSE(view_.manageSlaveEnabled);
  EXPECT_TRUE(view_.playAndViewDisabled);
  EXPECT_FALSE(program.Banner().Visible());
  // The helper's start-up reset writes its line too.
  EXPECT_EQ(Lines(TodaysLog()).size(), 3u);
}

TEST_F(StartupTest, NoMonitorLeavesManageSlaveDisabled) {
  screens_.monitors.clear();
  Start();
  EXPECT_FALSE(view_.manageSlaveEnabled);
}

TEST_F(StartupTest, ResetWarningInTheFileAsksNothingAndStaysOn) {
  WriteFile("tavelkorn.ini", "ResetWarning = 1\r\n");
  Program& program = Start();

  EXPECT_TRUE(dialogs_.confirmations.empty());
  EXPECT_TRUE(program.GetSettings().ResetWarning);
  EXPECT_EQ(Lines(TodaysLog()).size(), 3u);
  // The operator's own reset asks.
  dialogs_.answers.push_back(Answer::Cancel);
  program.Run(Command::ResetAll);
  EXPECT_EQ(dialogs_.confirmations.size(), 1u);
}

TEST_F(StartupTest, BadNumberInTheSettingsIsShownAndStartUpCompletes) {
  WriteFile("tavelkorn.ini", "ResetWarning = 1\r\nMatchMins = abc\r\nYuko = 7\r\n");
  Program& program = Start();

  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0], "'abc' is not a valid integer value");
  // Reading stopped at the bad line; the later steps of start-up still ran.
  EXPECT_EQ(program.GetSettings().Yuko, 15);
  EXPECT_TRUE(program.GetSettings().ResetWarning);
  EXPECT_TRUE(dialogs_.confirmations.empty());
  EXPECT_EQ(Lines(TodaysLog()).size(), 3u);
  EXPECT_TRUE(program.Banner().Visible());
  EXPECT_EQ(view_.page, Page::Scoreboard);
  EXPECT_TRUE(view_.layoutTimerRunning);
}

TEST_F(StartupTest, FailedStartUpResetIsShownAndTheWarningIsRestored) {
  WriteFile("tavelkorn.ini", "ResetWarning = 1\r\n");
  // A folder where today's log should be: the log cannot be written.
  std::filesystem::create_directory(TodaysLog());
  Program& program = Start({"h"});

  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(program.GetSettings().ResetWarning);
  // The steps after the reset still ran.
  EXPECT_TRUE(view_.layoutTimerRunning);
  EXPECT_TRUE(view_.scoreboardSettingsHidden);
  EXPECT_EQ(view_.page, Page::Settings);
  program.Closing();
  const std::vector<std::string> lines = Lines(SettingsFile());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "ResetWarning = 1"), lines.end());
}

TEST_F(StartupTest, SettingsSurviveClosingAndRestart) {
  Program& first = Start();
  first.SetDurationField(DurationField::MatchMins, 3);
  first.SetDurationField(DurationField::MatchSecs, 30);
  first.SetSchemeRed();
  Settings& s = first.GetSettings();
  s.Yuko = 10;
  s.ResetWarning = true;
  s.PlayersNamesDisplay = false;
  s.ResetLinkvisible = false;
  s.MajorSound = "/sounds/horn.wav";
  s.SecsToLeaveLastMatch = 45;
  first.Closing();

  Program& second = Start();
  const Settings& r = second.GetSettings();
  EXPECT_EQ(r.MatchMins, 3);
  EXPECT_EQ(r.MatchSecs, 30);
  EXPECT_EQ(r.ColourScheme, kSchemeRed);
  EXPECT_EQ(r.Yuko, 10);
  EXPECT_TRUE(r.ResetWarning);
  EXPECT_FALSE(r.PlayersNamesDisplay);
  EXPECT_EQ(r.MajorSound, "/sounds/horn.wav");
  EXPECT_EQ(r.SecsToLeaveLastMatch, 45);
  // The reset-all link always comes back on.
  EXPECT_TRUE(r.ResetLinkvisible);
  // The stored length reached the clock and the board took the stored scheme.
  EXPECT_EQ(second.MainBoard().Caption("Label15"), "3:30");
  EXPECT_EQ(second.GetMatch().MatchSeconds(), 210);
  EXPECT_EQ(second.MainBoard().at("Panel6").background, 0xFF0000u);
  EXPECT_FALSE(second.MainBoard().Visible("Label71"));
}

TEST_F(StartupTest, HelperClosingWritesTheSettingsToo) {
  Program& program = Start({"h"});
  program.GetSettings().Ippon = 30;
  program.Closing();
  const std::vector<std::string> lines = Lines(SettingsFile());
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[4], "Ippon = 30");
  EXPECT_EQ(program.MainBoard().Caption("Label14"), "Next Player");
  EXPECT_EQ(program.MainBoard().Caption("Label10"), "Next Player");
}

TEST_F(StartupTest, SizeChangesWithinTheCountdownGiveOneLayoutAndOneShow) {
  Program& program = Start();
  ASSERT_EQ(view_.layoutTimerStarts, 1);
  view_.FireLayoutTimer(program);
  EXPECT_EQ(view_.slaveShows, 1);

  program.MainWindowResized();
  program.MainWindowResized();
  EXPECT_EQ(view_.layoutTimerStarts, 2);
  view_.FireLayoutTimer(program);
  EXPECT_EQ(view_.slaveShows, 2);

  program.MainWindowResized();
  EXPECT_EQ(view_.layoutTimerStarts, 3);
}

TEST_F(StartupTest, LayoutTimerLaysOutTheBoardInTheClockBackground) {
  Program& program = Start();
  program.SetClockBackground(75);
  view_.FireLayoutTimer(program);
  EXPECT_EQ(program.MainBoard().at("Panel3").background, 0x004B00u);
  // The banner takes 26 of the 720 pixels; the clock panel is 694 / 3.6.
  EXPECT_EQ(program.MainBoard().Height("Panel3"), 193);
}

}  // namespace
}  // namespace tk::test
