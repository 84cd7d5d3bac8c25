#include "program/commands.h"

namespace tk {

namespace {

constexpr const char* kManageSlave = "Manage Slave Window";
constexpr bool kNotBuilt = false;

}  // namespace

const std::vector<MenuEntry>& MainMenu() {
  static const std::vector<MenuEntry> entries = {
      {"File", "", "Settings", "F2", Command::OpenSettings},
      {"File", "", "Print a Scoresheet", "", Command::PrintScoresheet, kNotBuilt},
      {"File", "", "Print a Weigh-in Sheet", "", Command::PrintWeighInSheet, kNotBuilt},
      {"File", "", "View Tournament Log file", "", Command::ViewTournamentLog},
      {"File", "", "Exit", "", Command::Exit},

      {"Play", "", "Hajime - Matte (toggle)", "F5", Command::HajimeMatte},
      {"Play", "", "Osaekomi - Toketa (toggle)", "F6", Command::OsaeKomiToketa},
      {"Play", "", "Sone Mama - Yosh (toggle)", "F9", Command::SonoMamaYoshi},
      {"Play", "", "Blue is Tori   (white is pinned)", "F7", Command::BlueIsTori},
      {"Play", "", "White is Tori  (blue is pinned)", "F8", Command::WhiteIsTori},
      {"Play", "", "Show player pick list", "F10", Command::ShowPickList, kNotBuilt},
      {"Play", "", "Reset Everything (All)", "Ctrl+A", Command::ResetAll},
      {"Play", "", "Golden Score (toggle)", "Ctrl+G", Command::GoldenScoreToggle},
      {"Play", "", "Yuko     BLUE", "Ctrl+Y", Command::YukoBlue},
      {"Play", "", "Wazari  BLUE", "Ctrl+W", Command::WazariBlue},
      {"Play", "", "Ippon    BLUE", "Ctrl+I", Command::IpponBlue},
      {"Play", "", "YUKO      white", "Ctrl+Alt+Y", Command::YukoWhite},
      {"Play", "", "WAZARI   white", "Ctrl+Alt+W", Command::WazariWhite},
      {"Play", "", "IPPON     white", "Ctrl+Alt+I", Command::IpponWhite},
      {"Play", "", "Quick Jump to 1min:30sec Bouts", "Ctrl+F1", Command::QuickJump1m30},
      {"Play", "", "Quick Jump to 2 minute bouts", "Ctrl+F2", Command::QuickJump2},
      {"Play", "", "Quick Jump to 3 minute bouts", "Ctrl+F3", Command::QuickJump3},
      {"Play", "", "Quick Jump to 4 minute bouts", "Ctrl+F4", Command::QuickJump4},
      {"Play", "", "Quick Jump to 5 minute bouts", "Ctrl+F5", Command::QuickJump5},

      {"View", "", "Expand-shrink (main window)", "Ctrl+E", Command::ExpandShrink},
      {"View", "", "Re-align Panels", "Ctrl+R", Command::RealignPanels},
      {"View", "", "Show Slave window", "Ctrl+S", Command::ShowSlave},
      {"View", "", "Hide Slave Window", "Ctrl+H", Command::HideSlave},
      {"View", kManageSlave, "Close Slave Window", "", Command::CloseSlave},
      {"View", kManageSlave, "Normalise Slave Window", "", Command::NormaliseSlave},
      {"View", kManageSlave, "Maximise Slave Window", "", Command::MaximiseSlave},
      {"View", kManageSlave, "Slave Border None", "", Command::SlaveBorderNone},
      {"View", kManageSlave, "Slave Border Sizeable", "", Command::SlaveBorderSizeable},
      {"View", "", "Show Message / Slide Show", "Ctrl+M", Command::ShowSlideShow, kNotBuilt},
      {"View", "", "Show-Hide last match result", "Ctrl+Z", Command::ToggleLastMatchBanner},
      {"View", "", "Show Injury Timer", "", Command::ShowInjuryTimer, kNotBuilt},
      {"View", "", "Show RESET ALL link", "", Command::ToggleResetLink},
      {"View", "", "Clickable Links Bright", "", Command::LinksBright},
      {"View", "", "Clickable Links Medium", "", Command::LinksMedium},
      {"View", "", "Clickable Links Dark", "", Command::LinksDark},

      // The remote control of the slideshow window: kept switched off.
      {"Slideshow-Remote", "", "Show Messages/Slideshow", "", Command::RemoteShowSlideShow,
       kNotBuilt},
      {"Slideshow-Remote", "", "Hide Slideshow", "", Command::RemoteHideSlideShow, kNotBuilt},
      {"Slideshow-Remote", "", "RUN Slideshow", "", Command::RemoteRunSlideShow, kNotBuilt},
      {"Slideshow-Remote", "", "Stop Slideshow", "", Command::RemoteStopSlideShow, kNotBuilt},
      {"Slideshow-Remote", "", "Previous Slide", "", Command::RemotePreviousSlide, kNotBuilt},
      {"Slideshow-Remote", "", "Next Slide", "", Command::RemoteNextSlide, kNotBuilt},

      {"Help", "", "Help", "F1", Command::ShowHelp},
      {"Help", "", "Test the Buzzer", "Ctrl+B", Command::TestBuzzer},
  };
  return entries;
}

const std::vector<PopupEntry>& PopupMenus() {
  static const std::vector<PopupEntry> entries = {
      {PopupMenu::BoutLengths, "2 Minute Bouts", Command::Bouts2},
      {PopupMenu::BoutLengths, "3 Minute Bouts", Command::Bouts3},
      {PopupMenu::BoutLengths, "4 Minute Bouts", Command::Bouts4},
      {PopupMenu::BoutLengths, "5 Minute Bouts", Command::Bouts5},

      {PopupMenu::Players, "Pick Players", Command::PickPlayers, kNotBuilt},
      {PopupMenu::Players, "Move queued players to \"Current Match\"", Command::MoveQueuedPlayers,
       kNotBuilt},
      {PopupMenu::Players, "UNDO \"Move Queued Players\" ", Command::UndoMoveQueuedPlayers,
       kNotBuilt},
      {PopupMenu::Players, "Swap CURRENT players - Blue with White", Command::SwapCurrentPlayers,
       kNotBuilt},
      {PopupMenu::Players, "Swap NEXT players - Blue with White", Command::SwapNextPlayers,
       kNotBuilt},

      {PopupMenu::Undo, "Undo last action", Command::UndoLastAction},
      {PopupMenu::Undo, "Manually rewrite the scores", Command::RewriteScores},

      {PopupMenu::GoldenScore, "1 Minute Golden Score", Command::GoldenScore1},
      {PopupMenu::GoldenScore, "2 Minute Golden Score", Command::GoldenScore2},
      {PopupMenu::GoldenScore, "3 Minute Golden Score", Command::GoldenScore3},

      {PopupMenu::Slave, "Close Slave Window", Command::CloseSlave},
      {PopupMenu::Slave, "Normalise Slave Window", Command::NormaliseSlave},
      {PopupMenu::Slave, "Maximise Slave Window", Command::MaximiseSlave},
      {PopupMenu::Slave, "Slave Border None", Command::SlaveBorderNone},
      {PopupMenu::Slave, "Slave Border Sizeable", Command::SlaveBorderSizeable},
  };
  return entries;
}

const MenuEntry* FindMenuEntry(Command command) {
  for (const MenuEntry& entry : MainMenu()) {
    if (entry.command == command) return &entry;
  }
  return nullptr;
}

}  // namespace tk
