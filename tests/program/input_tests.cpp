// The menus and their commands, the mouse table of the operator's board, the
// mat number and the public window.
#include <set>

#include "program/program_rig.h"

namespace tk::test {
namespace {

using InputTest = ProgramRig;

TEST(MenuTables, ShortcutsAreUniqueAndEveryCommandHasOnePlace) {
  std::set<std::string> shortcuts;
  std::set<Command> commands;
  for (const MenuEntry& entry : MainMenu()) {
    if (!entry.shortcut.empty()) {
      EXPECT_TRUE(shortcuts.insert(entry.shortcut).second) << entry.shortcut;
    }
    EXPECT_TRUE(commands.insert(entry.command).second) << entry.caption;
    EXPECT_EQ(FindMenuEntry(entry.command), &entry);
  }
  for (const PopupEntry& entry : PopupMenus()) {
    EXPECT_NE(entry.menu, PopupMenu::None) << entry.caption;
  }
}

TEST(MenuTables, WindowsNotBuiltYetAreLeftOutOfTheMenus) {
  const std::set<std::string> notBuilt = {"Print a Scoresheet", "Print a Weigh-in Sheet",
                                          "Show player pick list", "Show Message / Slide Show",
                                          "Show Injury Timer"};
  for (const MenuEntry& entry : MainMenu()) {
    const bool expectBuilt = !notBuilt.count(entry.caption) && entry.menu != "Slideshow-Remote";
    EXPECT_EQ(entry.built, expectBuilt) << entry.caption;
  }
  for (const PopupEntry& entry : PopupMenus()) {
    EXPECT_EQ(entry.built, entry.menu != PopupMenu::Players) << entry.caption;
  }
}

TEST_F(InputTest, EveryBuiltMenuEntryRuns) {
  Program& program = Start();
  for (const MenuEntry& entry : MainMenu()) {
    SCOPED_TRACE(entry.caption);
    EXPECT_EQ(program.CommandEnabled(entry.command), entry.built);
    EXPECT_NO_THROW(program.Run(entry.command));
  }
  for (const PopupEntry& entry : PopupMenus()) {
    SCOPED_TRACE(entry.caption);
    EXPECT_NO_THROW(program.Run(entry.command));
  }
  EXPECT_TRUE(view_.closeRequested);
  EXPECT_TRUE(dialogs_.messages.empty());
}

struct CommandCase {
  Command command;
  const char* element;
  const char* caption;
};

TEST_F(InputTest, PlayCommandsReachTheRightElement) {
  const CommandCase cases[] = {
      {Command::HajimeMatte, "Label18", "Matte F5"}, {Command::YukoBlue, "Label13", "1"},
      {Command::WazariBlue, "Label12", "1"},         {Command::IpponBlue, "Label11", "1"},
      {Command::YukoWhite, "Label9", "1"},           {Command::WazariWhite, "Label8", "1"},
      {Command::IpponWhite, "Label7", "1"},          {Command::BlueIsTori, "Panel33", "Tori"},
      {Command::WhiteIsTori, "Panel35", "Tori"},     {Command::QuickJump1m30, "Label15", "1:30"},
      {Command::QuickJump2, "Label15", "2:00"},      {Command::QuickJump4, "Label15", "4:00"},
      {Command::Bouts3, "Label15", "3:00"},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.element);
    Program& program = Start();
    program.Run(c.command);
    EXPECT_EQ(Board().Caption(c.element), c.caption);
  }
}

TEST_F(InputTest, GoldenScoreAndBannerCommands) {
  Program& program = Start();
  program.Run(Command::GoldenScoreToggle);
  EXPECT_TRUE(State().goldenScore);
  EXPECT_TRUE(Board().Visible("Label77"));
  program.Run(Command::GoldenScore1);
  EXPECT_TRUE(State().goldenScore);

  ASSERT_TRUE(program.Banner().Visible());
  program.Run(Command::ToggleLastMatchBanner);
  EXPECT_FALSE(program.Banner().Visible());
  program.Run(Command::ToggleLastMatchBanner);
  EXPECT_TRUE(program.Banner().Visible());
}

TEST_F(InputTest, UndoFollowsTheHistory) {
  Program& program = Start();
  program.Run(Command::WazariBlue);
  ASSERT_TRUE(program.CommandEnabled(Command::UndoLastAction));
  program.Run(Command::UndoLastAction);
  EXPECT_EQ(State().blue.wazari, 0);
  EXPECT_FALSE(program.CommandEnabled(Command::UndoLastAction));
}

TEST_F(InputTest, TestTheBuzzerPlaysTheProgramFoldersBuzzer) {
  Program& program = Start();
  program.Run(Command::TestBuzzer);
  EXPECT_TRUE(sound_.played.empty());
  WriteFile("TADA.WAV", "RIFF");
  program.Run(Command::TestBuzzer);
  ASSERT_EQ(sound_.played.size(), 1u);
  EXPECT_EQ(sound_.played[0], InFolder("TADA.WAV"));
}

// ---- Mouse ---------------------------------------------------------------------

struct MouseCase {
  const char* element;
  MouseEventKind kind;
  MouseButton button;
  SideCounts blue, white;
};

TEST_F(InputTest, CountElementsAddOnLeftClicksOnly) {
  constexpr auto kClick = MouseEventKind::Click;
  constexpr auto kDouble = MouseEventKind::DoubleClick;
  constexpr auto kPress = MouseEventKind::Press;
  constexpr auto kLeft = MouseButton::Left;
  constexpr auto kRight = MouseButton::Right;
  const MouseCase cases[] = {
      {"Label12", kClick, kLeft, {.wazari = 1}, {}},
      {"Label25", kClick, kLeft, {.wazari = 1}, {}},
      {"Label11", kClick, kLeft, {.ippon = 1}, {}},
      {"Label26", kClick, kLeft, {.yuko = 1}, {}},
      {"Label4", kClick, kLeft, {}, {.ippon = 1}},
      {"Label9", kClick, kLeft, {}, {.yuko = 1}},
      {"Panel26", kClick, kLeft, {.shido = 1}, {}},
      {"Panel26", kDouble, kLeft, {.shido = 1}, {}},
      {"Panel27", kDouble, kLeft, {}, {}},
      {"Panel24", kClick, kLeft, {.legGrabs = 1}, {}},
      {"Panel38", kClick, kLeft, {}, {.hansokumake = 1}},
      {"Label12", kPress, kRight, {}, {}},
      {"Label12", kPress, kLeft, {}, {}},
      {"Label12", kClick, kRight, {}, {}},
      {"Panel27", kPress, kRight, {}, {}},
  };
  for (const MouseCase& c : cases) {
    SCOPED_TRACE(c.element);
    Program& program = Start();
    program.MainBoardMouse(c.element, c.kind, c.button, false);
    EXPECT_EQ(State().blue, c.blue);
    EXPECT_EQ(State().white, c.white);
  }
}

TEST_F(InputTest, DoubleClickOnBluesCardAddsTwoShido) {
  Program& program = Start();
  program.MainBoardMouse("Panel26", MouseEventKind::Click, MouseButton::Left, false);
  program.MainBoardMouse("Panel26", MouseEventKind::DoubleClick, MouseButton::Left, false);
  program.MainBoardMouse("Panel27", MouseEventKind::Click, MouseButton::Left, false);
  program.MainBoardMouse("Panel27", MouseEventKind::DoubleClick, MouseButton::Left, false);
  EXPECT_EQ(State().blue.shido, 2);
  EXPECT_EQ(State().white.shido, 1);
  EXPECT_EQ(Board().Caption("Panel26"), "2");
}

TEST_F(InputTest, RightButtonOpensThePopUpOfTheElement) {
  Program& program = Start();
  const std::pair<const char*, PopupMenu> cases[] = {
      {"Label12", PopupMenu::Undo},        {"Label6", PopupMenu::Undo},
      {"Panel26", PopupMenu::Undo},        {"Panel38", PopupMenu::Undo},
      {"Label39", PopupMenu::BoutLengths}, {"Label2", PopupMenu::GoldenScore},
      {"Label15", PopupMenu::None},        {"Panel6", PopupMenu::None},
      {"Label71", PopupMenu::None},        {"NoSuchElement", PopupMenu::None},
  };
  for (const auto& [element, popup] : cases) {
    EXPECT_EQ(program.PopupFor(element), popup) << element;
  }
}

TEST_F(InputTest, DisabledElementOrAncestorDoesNothing) {
  Program& program = Start();
  Board().SetEnabled("Label12", false);
  program.MainBoardMouse("Label12", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().blue.wazari, 0);
  EXPECT_EQ(program.PopupFor("Label12"), PopupMenu::None);

  Board().SetEnabled("Panel6", false);
  program.MainBoardMouse("Label11", MouseEventKind::Click, MouseButton::Left, false);
  program.MainBoardMouse("Panel26", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().blue, SideCounts{});
  // White's half still reacts.
  program.MainBoardMouse("Label8", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().white.wazari, 1);
}

TEST_F(InputTest, ToriFromTheColumnsAndSquaresAndClearedByTheRightButton) {
  Program& program = Start();
  program.MainBoardMouse("Panel75", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().tori, Tori::White);
  program.MainBoardMouse("Panel33", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().tori, Tori::Blue);
  EXPECT_EQ(Board().Caption("Panel76"), "T");
  program.MainBoardMouse("Panel35", MouseEventKind::Press, MouseButton::Right, false);
  EXPECT_EQ(State().tori, Tori::None);
  EXPECT_EQ(Board().Caption("Panel33"), "");
  program.MainBoardMouse("Panel76", MouseEventKind::Click, MouseButton::Left, false);
  program.MainBoardMouse("Panel76", MouseEventKind::Press, MouseButton::Right, false);
  EXPECT_EQ(State().tori, Tori::Blue);
}

TEST_F(InputTest, HoldDownCountFollowsPressesOnItAndOnTheLastTimes) {
  Program& program = Start();
  program.MainBoardMouse("Label3", MouseEventKind::Press, MouseButton::Left, false);
  program.MainBoardMouse("Label3", MouseEventKind::Press, MouseButton::Left, false);
  EXPECT_EQ(State().holdDownSeconds, 2);
  program.MainBoardMouse("Label3", MouseEventKind::Press, MouseButton::Right, false);
  EXPECT_EQ(State().holdDownSeconds, 1);
  // A click after the press does not count a second time.
  program.MainBoardMouse("Label3", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().holdDownSeconds, 1);
  program.MainBoardMouse("Label3", MouseEventKind::Press, MouseButton::Middle, true);
  EXPECT_TRUE(State().holdDownIdle);
  EXPECT_EQ(Board().Caption("Label3"), "00");
  // The last hold-down times act on the count when they are shown.
  Board().SetVisible("Label107", true);
  program.MainBoardMouse("Label107", MouseEventKind::Press, MouseButton::Left, false);
  EXPECT_EQ(State().holdDownSeconds, 1);
}

TEST_F(InputTest, LinksOnTheClockPanel) {
  Program& program = Start();
  program.MainBoardMouse("Label18", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_TRUE(State().clockRunning);
  program.MainBoardMouse("Label18", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_FALSE(State().clockRunning);
  program.MainBoardMouse("Label2", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_TRUE(State().goldenScore);
  program.MainBoardMouse("Label77", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_FALSE(State().goldenScore);
  program.MainBoardMouse("Label12", MouseEventKind::Click, MouseButton::Left, false);
  program.MainBoardMouse("Label39", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(State().blue.wazari, 0);
  EXPECT_EQ(Lines(TodaysLog()).size(), 4u);
}

TEST_F(InputTest, ClickOnTheBannerHidesIt) {
  Program& program = Start();
  ASSERT_TRUE(program.Banner().Visible());
  program.MainBoardMouse("Panel23", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_FALSE(program.Banner().Visible());
}

TEST_F(InputTest, ClickOnAHalfRealignsTheBoard) {
  Program& program = Start();
  Board().SetLeft("Label11", -999);
  program.MainBoardMouse("Panel32", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_EQ(Board().Left("Label11"), -999);
  program.MainBoardMouse("Panel5", MouseEventKind::Click, MouseButton::Left, false);
  EXPECT_NE(Board().Left("Label11"), -999);
}

TEST_F(InputTest, HintsOnlyWhileToolTipsAreOn) {
  Program& program = Start();
  EXPECT_EQ(program.HintFor("Label11"), "");
  program.GetSettings().toolTips = true;
  program.ApplySettings();
  EXPECT_EQ(program.HintFor("Label11"), "Left Click = Add 1,  Right Click = Subtract 1");
  EXPECT_EQ(program.HintFor("Panel75"), "Tori is white");
  EXPECT_EQ(program.HintFor("NoSuchElement"), "");
}

// The tool-tip switch takes effect with "Ok", as every switch of the board
// does; ticking or clearing it and leaving with Cancel changes nothing yet.
TEST_F(InputTest, ToolTipSwitchWithoutOkLeavesTheHintsAsTheyWere) {
  Program& program = Start();
  program.GetSettings().toolTips = true;
  program.CancelSettings();
  EXPECT_EQ(program.HintFor("Label11"), "");
  program.ApplySettings();
  program.GetSettings().toolTips = false;
  program.CancelSettings();
  EXPECT_EQ(program.HintFor("Label11"), "Left Click = Add 1,  Right Click = Subtract 1");
  EXPECT_TRUE(view_.toolTips);
}

struct MatCase {
  const char* before;
  MouseButton button;
  const char* after;
};

TEST_F(InputTest, MatNumberStepsBetweenOneAndThirtySix) {
  Program& program = Start();
  const MatCase cases[] = {
      {"Mat 1", MouseButton::Left, "Mat 2"},   {"Mat 9", MouseButton::Left, "Mat 10"},
      {"Mat 35", MouseButton::Left, "Mat 36"}, {"Mat 36", MouseButton::Left, "Mat 36"},
      {"Mat 1", MouseButton::Right, "Mat 1"},  {"Mat 2", MouseButton::Right, "Mat 1"},
      {"Mat 10", MouseButton::Right, "Mat 9"}, {"Mat 12", MouseButton::Middle, "Mat 12"},
  };
  for (const MatCase& c : cases) {
    Board().SetCaption("Label1", c.before);
    program.MainBoardMouse("Label1", MouseEventKind::Press, c.button, false);
    EXPECT_EQ(Board().Caption("Label1"), c.after) << c.before;
  }
}

TEST_F(InputTest, MatNumberIsFixedInHelperMode) {
  Program& program = Start({"h"});
  program.MainBoardMouse("Label1", MouseEventKind::Press, MouseButton::Left, false);
  EXPECT_EQ(Board().Caption("Label1"), "Mat 1");
}

// ---- Public window ---------------------------------------------------------------

TEST_F(InputTest, ShowSlavePlacesTheWindowOnTheFirstMonitor) {
  screens_.monitors = {{1920, -200, 1280, 1024}, {0, 0, 1920, 1080}};
  Program& program = Start();
  view_.slaveState = SlaveWindowState::Maximised;
  program.Run(Command::ShowSlave);
  EXPECT_EQ(view_.slaveShownAt, (SlavePlacement{1930, -190, 640, 480}));
  EXPECT_EQ(view_.slaveState, SlaveWindowState::Normal);
}

TEST_F(InputTest, ShowSlaveDoesNothingInHelperModeOrWithoutMonitor) {
  Program& helper = Start({"h"});
  view_.FireLayoutTimer(helper);
  helper.ShowSlave();
  EXPECT_EQ(view_.slaveShows, 0);

  screens_.monitors.clear();
  Program& program = Start();
  view_.FireLayoutTimer(program);
  program.Run(Command::ShowSlave);
  EXPECT_EQ(view_.slaveShows, 0);
}

TEST_F(InputTest, SlaveWindowEntries) {
  Program& program = Start();
  view_.FireLayoutTimer(program);
  program.Run(Command::MaximiseSlave);
  EXPECT_EQ(view_.slaveState, SlaveWindowState::Maximised);
  program.Run(Command::NormaliseSlave);
  EXPECT_EQ(view_.slaveState, SlaveWindowState::Normal);
  program.Run(Command::SlaveBorderNone);
  EXPECT_TRUE(view_.slaveFrameless);
  // Showing again keeps the frame removed.
  program.Run(Command::ShowSlave);
  EXPECT_TRUE(view_.slaveFrameless);
  program.Run(Command::SlaveBorderSizeable);
  EXPECT_FALSE(view_.slaveFrameless);

  program.Run(Command::SlaveBorderNone);
  program.Run(Command::MaximiseSlave);
  program.Run(Command::CloseSlave);
  EXPECT_FALSE(view_.slaveShown);
  EXPECT_FALSE(view_.slaveFrameless);
  EXPECT_EQ(view_.slaveState, SlaveWindowState::Normal);
}

class PublicCopyTest : public ProgramRig {
 protected:
  // Runs one copy tick and tells whether it realigned the public board.
  bool TickRealigned() {
    P().PublicBoard().SetLeft("Label11", -999);
    P().PublicCopyTick();
    return P().PublicBoard().Left("Label11") != -999;
  }
};

TEST_F(PublicCopyTest, RealignsOnTheThirdTickAndThenEveryEleventh) {
  Start();
  std::vector<int> realigned;
  for (int tick = 1; tick <= 25; ++tick) {
    if (TickRealigned()) realigned.push_back(tick);
  }
  EXPECT_EQ(realigned, (std::vector<int>{3, 14, 25}));

  // Closed and shown again: the counter starts over.
  P().HideSlave();
  EXPECT_FALSE(TickRealigned());
  EXPECT_FALSE(TickRealigned());
  EXPECT_TRUE(TickRealigned());
  // Closed by its own frame: the same.
  P().PublicWindowClosed();
  EXPECT_FALSE(TickRealigned());
  EXPECT_FALSE(TickRealigned());
  EXPECT_TRUE(TickRealigned());
}

TEST_F(PublicCopyTest, CopiesTheBoardAndTheClockBackground) {
  Program& program = Start();
  program.Run(Command::WazariWhite);
  program.SetClockBackground(75);
  program.PublicCopyTick();
  EXPECT_EQ(program.PublicBoard().Caption("Label8"), "1");
  EXPECT_EQ(program.PublicBoard().at("Panel36").background, 0x004B00u);
  // Its clock panel takes the colour at its realignment, the third tick.
  ASSERT_FALSE(TickRealigned());
  EXPECT_EQ(program.PublicBoard().at("Panel3").background, 0x002800u);
  ASSERT_TRUE(TickRealigned());
  EXPECT_EQ(program.PublicBoard().at("Panel3").background, 0x004B00u);
}

TEST_F(PublicCopyTest, OnlyTheHalvesReactAndTheRightButtonGivesTheWindowMenu) {
  Program& program = Start();
  BoardModel& board = program.PublicBoard();
  board.SetLeft("Label11", -999);
  EXPECT_EQ(program.PublicBoardMouse("Label11", MouseEventKind::Click, MouseButton::Left),
            PopupMenu::None);
  EXPECT_EQ(board.Left("Label11"), -999);
  EXPECT_EQ(program.PublicBoardMouse("Label11", MouseEventKind::Press, MouseButton::Right),
            PopupMenu::Slave);
  EXPECT_EQ(program.PublicBoardMouse("Panel6", MouseEventKind::Click, MouseButton::Left),
            PopupMenu::None);
  EXPECT_NE(board.Left("Label11"), -999);
  EXPECT_EQ(State().blue, SideCounts{});
}

}  // namespace
}  // namespace tk::test
