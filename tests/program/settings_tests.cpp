// The settings page's apply, revert and cancel, the appearance controls, the
// Help and log pages.
#include "board/palette.h"
#include "program/program_rig.h"

namespace tk::test {
namespace {

using SettingsTest = ProgramRig;

constexpr const char* kBlueAreas[] = {"Panel6", "Panel32", "Panel33", "Panel76"};

TEST_F(SettingsTest, RedSchemeReachesTheBoardOnlyAtTheNextApply) {
  Program& program = Start();
  program.SetSchemeRed();
  EXPECT_EQ(program.PreviewScheme(), kSchemeRed);
  program.CancelSettings();
  EXPECT_EQ(view_.page, Page::Scoreboard);
  EXPECT_EQ(Board().at("Panel6").background, 0x0000FFu);

  program.ApplySettings();
  for (const char* area : kBlueAreas) {
    SCOPED_TRACE(area);
    EXPECT_EQ(Board().at(area).background, 0xFF0000u);
  }
  EXPECT_EQ(Board().at("Label88").textColor, 0xAA0000u);
  EXPECT_EQ(Board().at("Label88").background, 0xFFA4A4u);
  EXPECT_EQ(Board().at("Label90").background, 0xFFCCCCu);
  EXPECT_EQ(Board().at("Panel5").background, 0xFFFFFFu);
  // The red palette paints the marks: Blue's unlit leg-grab mark.
  EXPECT_EQ(program.GetMatch().Palette().bluePenaltyOn, PaletteForScheme(kSchemeRed).bluePenaltyOn);
  program.Run(Command::ResetAll);
  program.MainBoardMouse("Panel24", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(Board().at("Panel24").background, 0xFFBB00u);
}

TEST_F(SettingsTest, SchemePreviewToggles) {
  Program& program = Start();
  program.GetSettings().ColourScheme = 12345;
  program.ToggleSchemePreview();
  EXPECT_EQ(program.PreviewScheme(), kSchemeRed);
  program.ToggleSchemePreview();
  EXPECT_EQ(program.PreviewScheme(), kSchemeBlue);
  program.SetSchemeRed();
  program.SetSchemeBlue();
  EXPECT_EQ(program.PreviewScheme(), kSchemeBlue);
}

TEST_F(SettingsTest, ApplyFollowsTheLinkAndNameSwitches) {
  Program& program = Start();
  program.GetSettings().ResetLinkvisible = false;
  program.GetSettings().PlayersNamesDisplay = false;
  program.GetSettings().toolTips = true;
  program.ApplySettings();
  EXPECT_FALSE(Board().Visible("Label39"));
  EXPECT_FALSE(Board().Visible("Label2"));
  for (const char* name : {"Label70", "Label71", "Label10", "Label14"}) {
    EXPECT_FALSE(Board().Visible(name)) << name;
  }
  EXPECT_TRUE(view_.toolTips);
}

TEST_F(SettingsTest, HelperApplyLeavesTheBoardInert) {
  Program& program = Start({"h"});
  // The start-up reset shows the Hajime link again, on a clock panel that
  // does not react.
  for (const char* link : {"Label69", "Label28", "Label39", "Label2"}) {
    EXPECT_FALSE(Board().Visible(link)) << link;
  }
  program.MainBoardMouse("Label18", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_FALSE(State().clockRunning);
  program.ApplySettings();
  EXPECT_FALSE(Board().Visible("Label18"));
  EXPECT_TRUE(view_.playAndViewDisabled);
  const char* inert[] = {"Label11", "Label12", "Label13", "Label7",  "Label8",
                         "Label9",  "Label23", "Label5",  "Panel26", "Panel24",
                         "Panel37", "Panel27", "Panel25", "Panel38"};
  for (const char* element : inert) {
    program.MainBoardMouse(element, MouseEventKind::Click, MouseButton::Left, false);
    program.MainBoardMouse(element, MouseEventKind::DoubleClick, MouseButton::Left, false);
    EXPECT_EQ(program.PopupFor(element), PopupMenu::None) << element;
  }
  // The clock panel is off with everything on it; the side columns too.
  program.MainBoardMouse("Label3", MouseEventKind::Press, MouseButton::Left, false);
  program.MainBoardMouse("Panel76", MouseEventKind::Click, MouseButton::Left, false);
  program.MainBoardMouse("Panel33", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().blue, SideCounts{});
  EXPECT_EQ(State().white, SideCounts{});
  EXPECT_EQ(State().tori, Tori::None);
  EXPECT_TRUE(State().holdDownIdle);
  // Shortcuts of the Play and View menus do nothing; File and Help work.
  program.Run(Command::HajimeMatte);
  program.Run(Command::WazariBlue);
  EXPECT_FALSE(State().clockRunning);
  EXPECT_EQ(State().blue.wazari, 0);
  EXPECT_FALSE(program.CommandEnabled(Command::ShowSlave));
  EXPECT_TRUE(program.CommandEnabled(Command::OpenSettings));
  EXPECT_TRUE(program.CommandEnabled(Command::ShowHelp));
}

TEST_F(SettingsTest, RevertSetsTheDefaultsWithoutApplyingThem) {
  Program& program = Start();
  Settings& s = program.GetSettings();
  program.SetDurationField(DurationField::MatchMins, 3);
  s.Yuko = 5, s.Wazari = 6, s.Ippon = 7, s.SecsToLeaveNewazaScore = 30;
  s.SecsToLeaveLastMatch = 60, s.MajorSound = "x.wav", s.MinorSound = "y.wav";
  s.ColourScheme = kSchemeRed, s.ResetWarning = true, s.NeWazaWaitForRef = true;
  s.MONsterKosenRules = true, s.toolTips = true;
  const int changesBefore = view_.settingsChanged;

  program.RevertToDefaults();
  ASSERT_EQ(dialogs_.confirmations.size(), 1u);
  EXPECT_EQ(dialogs_.confirmations[0],
            "Discard your preferences and use default settings - are you sure?");
  EXPECT_EQ(s.MatchMins, 5);
  EXPECT_EQ(s.MatchSecs, 0);
  EXPECT_EQ(s.Yuko, 15);
  EXPECT_EQ(s.Wazari, 20);
  EXPECT_EQ(s.Ippon, 25);
  EXPECT_EQ(s.SecsToLeaveNewazaScore, 8);
  EXPECT_EQ(s.SecsToLeaveLastMatch, 20);
  EXPECT_EQ(s.MajorSound, "TADA.WAV");
  EXPECT_EQ(s.MinorSound, "DING.WAV");
  EXPECT_EQ(s.ColourScheme, kSchemeBlue);
  EXPECT_FALSE(s.ResetWarning);
  EXPECT_FALSE(s.NeWazaWaitForRef);
  EXPECT_FALSE(s.PlayersNamesDisplay);
  EXPECT_FALSE(s.PlayersNamePopup);
  EXPECT_FALSE(s.ResetLinkvisible);
  // Not touched by the revert.
  EXPECT_TRUE(s.MONsterKosenRules);
  EXPECT_TRUE(s.toolTips);
  EXPECT_GT(view_.settingsChanged, changesBefore);
  // The duration rule ran: the clock is back at 5:00 before the first Hajime.
  EXPECT_EQ(Board().Caption("Label15"), "5:00");
  // Nothing reached the board yet; "Ok" hides the names and the links.
  EXPECT_TRUE(Board().Visible("Label39"));
  EXPECT_TRUE(Board().Visible("Label71"));
  program.ApplySettings();
  EXPECT_FALSE(Board().Visible("Label39"));
  EXPECT_FALSE(Board().Visible("Label2"));
  EXPECT_FALSE(Board().Visible("Label71"));
}

TEST_F(SettingsTest, RevertAnsweredWithCancelChangesNothing) {
  Program& program = Start();
  program.GetSettings().Yuko = 5;
  program.GetSettings().ResetWarning = true;
  const Settings before = program.GetSettings();
  dialogs_.answers.push_back(Answer::Cancel);
  program.RevertToDefaults();
  EXPECT_EQ(program.GetSettings().Yuko, before.Yuko);
  EXPECT_EQ(program.GetSettings().ResetWarning, before.ResetWarning);
  EXPECT_EQ(program.GetSettings().PlayersNamesDisplay, before.PlayersNamesDisplay);
}

TEST_F(SettingsTest, SettingsKeyStopsARunningClockFirst) {
  Program& program = Start();
  program.Run(Command::HajimeMatte);
  ASSERT_EQ(Board().Caption("Label18"), "Matte F5");
  view_.tab = SettingsTab::Rules;
  program.Run(Command::OpenSettings);
  EXPECT_EQ(Board().Caption("Label18"), "Hajime F5");
  EXPECT_FALSE(State().clockRunning);
  EXPECT_EQ(view_.page, Page::Settings);
  // The page opens on the tab chosen last.
  EXPECT_EQ(view_.tab, SettingsTab::Rules);
}

struct ClockBackgroundCase {
  int level;
  int storedLevel;
  Rgb colour;
};

TEST_F(SettingsTest, ClockBackgroundIsAGreenLevelTakenAtTheNextLayout) {
  Program& program = Start();
  EXPECT_EQ(program.ClockBackgroundLevel(), 40);
  EXPECT_EQ(program.ClockBackgroundColour(), 0x002800u);
  const ClockBackgroundCase cases[] = {
      {1, 1, 0x000100}, {75, 75, 0x004B00}, {0, 1, 0x000100}, {90, 75, 0x004B00}};
  for (const ClockBackgroundCase& c : cases) {
    program.SetClockBackground(c.level);
    EXPECT_EQ(program.ClockBackgroundLevel(), c.storedLevel) << c.level;
    EXPECT_EQ(program.ClockBackgroundColour(), c.colour) << c.level;
  }
  // The board's clock panel keeps the colour of its last layout until the next.
  program.SetClockBackground(10);
  EXPECT_EQ(Board().at("Panel3").background, 0x002800u);
  program.Run(Command::RealignPanels);
  EXPECT_EQ(Board().at("Panel3").background, 0x000A00u);
}

struct LinkCase {
  Command command;
  LinkBrightness brightness;
  Rgb colour;
};

TEST_F(SettingsTest, LinkBrightnessColoursTheFiveLinksAndMovesTheCheckMark) {
  Program& program = Start();
  EXPECT_EQ(view_.brightness, LinkBrightness::Medium);
  const LinkCase cases[] = {{Command::LinksBright, LinkBrightness::Bright, 0xFFFFFF},
                            {Command::LinksDark, LinkBrightness::Dark, 0x808080},
                            {Command::LinksMedium, LinkBrightness::Medium, 0xC0C0C0}};
  for (const LinkCase& c : cases) {
    program.Run(c.command);
    EXPECT_EQ(program.Links(), c.brightness);
    EXPECT_EQ(view_.brightness, c.brightness);
    for (const char* link : {"Label18", "Label69", "Label28", "Label39", "Label2"}) {
      EXPECT_EQ(Board().at(link).textColor, c.colour) << link;
    }
  }
}

TEST_F(SettingsTest, ResetLinkToggleFirstUseOnlySetsTheCheckMark) {
  Program& program = Start();
  ASSERT_TRUE(Board().Visible("Label39"));
  EXPECT_FALSE(view_.resetLinkChecked);

  program.Run(Command::ToggleResetLink);
  EXPECT_TRUE(Board().Visible("Label39"));
  EXPECT_TRUE(program.GetSettings().ResetLinkvisible);
  EXPECT_TRUE(view_.resetLinkChecked);

  program.Run(Command::ToggleResetLink);
  EXPECT_FALSE(Board().Visible("Label39"));
  EXPECT_FALSE(program.GetSettings().ResetLinkvisible);
  EXPECT_FALSE(view_.resetLinkChecked);
  // The golden-score link follows at the next apply.
  EXPECT_TRUE(Board().Visible("Label2"));
  program.ApplySettings();
  EXPECT_FALSE(Board().Visible("Label2"));
}

TEST_F(SettingsTest, HelpShowsTheReadMeWhenThereIsOne) {
  Program& program = Start();
  program.Run(Command::ShowHelp);
  EXPECT_EQ(view_.page, Page::Help);
  EXPECT_EQ(view_.helpText, "");

  WriteFile("readme.txt", "Keys\r\n\r\nF5 Hajime\r\n");
  program.Run(Command::ShowHelp);
  EXPECT_EQ(view_.helpText, "Keys\n\nF5 Hajime");

  // A read-me removed later leaves the text as it was.
  std::filesystem::remove(InFolder("readme.txt"));
  view_.page = Page::Scoreboard;
  program.Run(Command::ShowHelp);
  EXPECT_EQ(view_.helpText, "Keys\n\nF5 Hajime");
  EXPECT_EQ(view_.page, Page::Help);
}

TEST_F(SettingsTest, HelpOkReturnsToTheBoardOrInTheHelperToTheSettings) {
  Program& program = Start();
  program.Run(Command::ShowHelp);
  program.HelpOk();
  EXPECT_EQ(view_.page, Page::Scoreboard);

  Program& helper = Start({"h"});
  helper.Run(Command::ShowHelp);
  helper.HelpOk();
  EXPECT_EQ(view_.page, Page::Settings);
}

TEST_F(SettingsTest, LogPageShowsTodaysLog) {
  Program& program = Start();
  program.Run(Command::ResetAll);
  program.Run(Command::ViewTournamentLog);
  EXPECT_EQ(view_.page, Page::Log);
  EXPECT_EQ(view_.logLabel, TodaysLog());
  const std::string header = TournamentLog::HeaderLine();
  EXPECT_EQ(view_.logText.substr(0, header.size() + 1), header + "\n");
  EXPECT_EQ(std::count(view_.logText.begin(), view_.logText.end(), '\n'), 3);
}

TEST_F(SettingsTest, LogPageOfADayWithoutLogSaysFileNotFound) {
  Program& program = Start();
  view_.page = Page::Scoreboard;
  clock_.now.day = 26;
  program.Run(Command::ViewTournamentLog);
  EXPECT_EQ(view_.logLabel, "file not found");
  EXPECT_EQ(view_.logText, "");
  EXPECT_EQ(view_.page, Page::Scoreboard);
}

}  // namespace
}  // namespace tk::test
