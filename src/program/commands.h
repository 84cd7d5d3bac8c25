// Every command the operator can give from the main menu, a shortcut or a
// pop-up menu, and the tables that place them: one row per menu entry.
#pragma once

#include <string>
#include <vector>

namespace tk {

enum class Command {
  // File
  OpenSettings,
  PrintScoresheet,
  PrintWeighInSheet,
  ViewTournamentLog,
  Exit,
  // Play
  HajimeMatte,
  OsaeKomiToketa,
  SonoMamaYoshi,
  BlueIsTori,
  WhiteIsTori,
  ShowPickList,
  ResetAll,
  GoldenScoreToggle,
  YukoBlue,
  WazariBlue,
  IpponBlue,
  YukoWhite,
  WazariWhite,
  IpponWhite,
  QuickJump1m30,
  QuickJump2,
  QuickJump3,
  QuickJump4,
  QuickJump5,
  // View
  ExpandShrink,
  RealignPanels,
  ShowSlave,
  HideSlave,
  CloseSlave,
  NormaliseSlave,
  MaximiseSlave,
  SlaveBorderNone,
  SlaveBorderSizeable,
  ShowSlideShow,
  ToggleLastMatchBanner,
  ShowInjuryTimer,
  ToggleResetLink,
  LinksBright,
  LinksMedium,
  LinksDark,
  // Slideshow-Remote
  RemoteShowSlideShow,
  RemoteHideSlideShow,
  RemoteRunSlideShow,
  RemoteStopSlideShow,
  RemotePreviousSlide,
  RemoteNextSlide,
  // Help
  ShowHelp,
  TestBuzzer,
  // Pop-up menus
  Bouts2,
  Bouts3,
  Bouts4,
  Bouts5,
  UndoLastAction,
  RewriteScores,
  GoldenScore1,
  GoldenScore2,
  GoldenScore3,
  PickPlayers,
  MoveQueuedPlayers,
  UndoMoveQueuedPlayers,
  SwapCurrentPlayers,
  SwapNextPlayers,
};

struct MenuEntry {
  std::string menu;      // "File", "Play", "View", "Slideshow-Remote", "Help"
  std::string submenu;   // "Manage Slave Window" or empty
  std::string caption;   // exactly as shown
  std::string shortcut;  // Qt key sequence text ("F5", "Ctrl+Alt+Y") or empty
  Command command;
  bool built = true;  // false: the window behind it does not exist yet
};

// The main menu, in menu order. Entries whose windows are not built yet are
// listed with built = false and left out of the menu.
const std::vector<MenuEntry>& MainMenu();
// The main-menu entry of a command, or nullptr for a pop-up-only command.
const MenuEntry* FindMenuEntry(Command command);

enum class PopupMenu { None, BoutLengths, Players, Undo, GoldenScore, Slave };

struct PopupEntry {
  PopupMenu menu;
  std::string caption;
  Command command;
  bool built = true;
};
const std::vector<PopupEntry>& PopupMenus();

}  // namespace tk
