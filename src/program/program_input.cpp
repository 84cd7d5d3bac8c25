// The operator's input: the commands of the menus and shortcuts, and the
// mouse actions on the boards, resolved by element name through one table.
#include "program/program.h"

#include <algorithm>
#include <string_view>

#include "util/text.h"

namespace tk {

// What a mouse action on an element of the operator's board does.
enum class Program::BoardAction {
  None,
  AddCount,  // the row's Side and count rise by one
  SetTori,   // the row's Side becomes tori
  ClearTori,
  AdjustHoldDown,  // the hold-down count follows the button (and Shift)
  HajimeMatte,
  OsaeKomiToketa,
  SonoMamaYoshi,
  ResetAll,
  GoldenScoreToggle,
  MatNumber,
  Realign,
  HideBanner,
};

struct Program::MouseRow {
  std::string_view element;
  BoardAction click = BoardAction::None;        // left click
  BoardAction doubleClick = BoardAction::None;  // left double click
  BoardAction press = BoardAction::None;        // a press of any button
  BoardAction rightPress = BoardAction::None;
  PopupMenu popup = PopupMenu::None;  // opened by the right button
  Side side = Side::Blue;
  CountKind kind = CountKind::Ippon;
};

const Program::MouseRow* Program::FindMouseRow(const std::string& element) {
  using A = BoardAction;
  constexpr PopupMenu kUndo = PopupMenu::Undo;
  constexpr PopupMenu kNone = PopupMenu::None;
  // A count element: a click adds one, the right button opens the undo menu.
  auto count = [](std::string_view name, Side side, CountKind kind) {
    return MouseRow{name, A::AddCount, A::None, A::None, A::None, kUndo, side, kind};
  };
  static const MouseRow kRows[] = {
      count("Label11", Side::Blue, CountKind::Ippon),
      count("Label12", Side::Blue, CountKind::Wazari),
      count("Label13", Side::Blue, CountKind::Yuko),
      count("Label23", Side::Blue, CountKind::Ippon),
      count("Label25", Side::Blue, CountKind::Wazari),
      count("Label26", Side::Blue, CountKind::Yuko),
      count("Label7", Side::White, CountKind::Ippon),
      count("Label8", Side::White, CountKind::Wazari),
      count("Label9", Side::White, CountKind::Yuko),
      count("Label4", Side::White, CountKind::Ippon),
      count("Label5", Side::White, CountKind::Wazari),
      count("Label6", Side::White, CountKind::Yuko),
      // Blue's card also takes a shido for the double click itself.
      {"Panel26", A::AddCount, A::AddCount, A::None, A::None, kUndo, Side::Blue, CountKind::Shido},
      count("Panel24", Side::Blue, CountKind::LegGrabs),
      count("Panel37", Side::Blue, CountKind::Hansokumake),
      count("Panel27", Side::White, CountKind::Shido),
      count("Panel25", Side::White, CountKind::LegGrabs),
      count("Panel38", Side::White, CountKind::Hansokumake),
      // The side columns and the small squares choose tori.
      {"Panel33", A::SetTori, A::None, A::None, A::ClearTori, kNone, Side::Blue},
      {"Panel35", A::SetTori, A::None, A::None, A::ClearTori, kNone, Side::White},
      {"Panel76", A::SetTori, A::None, A::None, A::None, kNone, Side::Blue},
      {"Panel75", A::SetTori, A::None, A::None, A::None, kNone, Side::White},
      // The last hold-down times act on the hold-down count itself.
      {"Label3", A::None, A::None, A::AdjustHoldDown},
      {"Label107", A::None, A::None, A::AdjustHoldDown},
      {"Label108", A::None, A::None, A::AdjustHoldDown},
      {"Label18", A::HajimeMatte},
      {"Label69", A::OsaeKomiToketa},
      {"Label28", A::SonoMamaYoshi},
      {"Label39", A::ResetAll, A::None, A::None, A::None, PopupMenu::BoutLengths},
      {"Label2", A::GoldenScoreToggle, A::None, A::None, A::None, PopupMenu::GoldenScore},
      {"Label77", A::GoldenScoreToggle},
      {"Label1", A::None, A::None, A::MatNumber},
      {"Panel6", A::Realign},
      {"Panel5", A::Realign},
      {"Panel23", A::HideBanner},
  };
  const auto* row = std::find_if(std::begin(kRows), std::end(kRows),
                                 [&](const MouseRow& r) { return r.element == element; });
  return row == std::end(kRows) ? nullptr : row;
}

bool Program::Reacts(const std::string& element) const {
  if (!mainBoard_->Has(element) || !mainBoard_->Shown(element)) return false;
  for (std::string name = element; !name.empty(); name = mainBoard_->at(name).parent) {
    if (!mainBoard_->at(name).enabled) return false;
  }
  return true;
}

void Program::MainBoardMouse(const std::string& element, MouseEventKind kind, MouseButton button,
                             bool shift) {
  const MouseRow* row = FindMouseRow(element);
  if (row == nullptr || !Reacts(element)) return;
  switch (kind) {
    case MouseEventKind::Press:
      Perform(row->press, *row, button, shift);
      if (button == MouseButton::Right) Perform(row->rightPress, *row, button, shift);
      break;
    case MouseEventKind::Click:
      if (button == MouseButton::Left) Perform(row->click, *row, button, shift);
      break;
    case MouseEventKind::DoubleClick:
      if (button == MouseButton::Left) Perform(row->doubleClick, *row, button, shift);
      break;
  }
}

void Program::Perform(BoardAction action, const MouseRow& row, MouseButton button, bool shift) {
  switch (action) {
    case BoardAction::None:
      break;
    case BoardAction::AddCount:
      match_->AddScore(row.side, row.kind);
      break;
    case BoardAction::SetTori:
      match_->SetTori(row.side);
      break;
    case BoardAction::ClearTori:
      match_->ClearTori();
      break;
    case BoardAction::AdjustHoldDown:
      match_->AdjustHoldDownSeconds(button, shift);
      break;
    case BoardAction::HajimeMatte:
      match_->HajimeMatte();
      break;
    case BoardAction::OsaeKomiToketa:
      match_->OsaeKomiToketa();
      break;
    case BoardAction::SonoMamaYoshi:
      match_->SonoMamaYoshi();
      break;
    case BoardAction::ResetAll:
      match_->ResetAll();
      break;
    case BoardAction::GoldenScoreToggle:
      match_->GoldenScoreToggle();
      break;
    case BoardAction::MatNumber:
      MatNumber(button);
      break;
    case BoardAction::Realign:
      Realign();
      break;
    case BoardAction::HideBanner:
      banner_->Hide();
      Realign();
      break;
  }
}

PopupMenu Program::PopupFor(const std::string& element) const {
  const MouseRow* row = FindMouseRow(element);
  if (row == nullptr || !Reacts(element)) return PopupMenu::None;
  return row->popup;
}

std::string Program::HintFor(const std::string& element) const {
  if (!toolTipsOn_ || !mainBoard_->Has(element)) return {};
  return mainBoard_->at(element).hint;
}

PopupMenu Program::PublicBoardMouse(const std::string& element, MouseEventKind kind,
                                    MouseButton button) {
  if (kind == MouseEventKind::Press && button == MouseButton::Right) return PopupMenu::Slave;
  if (kind == MouseEventKind::Click && button == MouseButton::Left &&
      (element == "Panel6" || element == "Panel5")) {
    RealignPublic();
  }
  return PopupMenu::None;
}

// The mat number is read back from its caption ("Mat 1" .. "Mat 36"); it is
// not stored, so every start shows "Mat 1".
void Program::MatNumber(MouseButton button) {
  if (helperMode_) return;
  constexpr int kHighestMat = 36;
  const std::string padded = mainBoard_->Caption("Label1") + "   ";
  int mat = StrToInt(TrimBlanks(padded.substr(4, 2)));
  if (button == MouseButton::Left) mat = std::min(mat + 1, kHighestMat);
  if (button == MouseButton::Right && mat > 1) --mat;
  mainBoard_->SetCaption("Label1", "Mat " + std::to_string(mat));
}

// ---- Commands ------------------------------------------------------------------

bool Program::CommandEnabled(Command command) const {
  if (const MenuEntry* entry = FindMenuEntry(command)) {
    if (!entry->built) return false;
    if (helperMode_ && (entry->menu == "Play" || entry->menu == "View")) return false;
  }
  for (const PopupEntry& entry : PopupMenus()) {
    if (entry.command == command && !entry.built) return false;
  }
  if (command == Command::UndoLastAction) return match_->UndoEnabled();
  return true;
}

void Program::Run(Command command) {
  if (!CommandEnabled(command)) return;
  Match& match = *match_;
  switch (command) {
    // File
    case Command::OpenSettings:
      OpenSettings();
      break;
    case Command::ViewTournamentLog:
      ViewTodaysLog();
      break;
    case Command::Exit:
      ports_.view.CloseMainWindow();
      break;
    // Play
    case Command::HajimeMatte:
      match.HajimeMatte();
      break;
    case Command::OsaeKomiToketa:
      match.OsaeKomiToketa();
      break;
    case Command::SonoMamaYoshi:
      match.SonoMamaYoshi();
      break;
    case Command::BlueIsTori:
      match.SetTori(Side::Blue);
      break;
    case Command::WhiteIsTori:
      match.SetTori(Side::White);
      break;
    case Command::ResetAll:
      match.ResetAll();
      break;
    case Command::GoldenScoreToggle:
      match.GoldenScoreToggle();
      break;
    case Command::YukoBlue:
      match.AddScore(Side::Blue, CountKind::Yuko);
      break;
    case Command::WazariBlue:
      match.AddScore(Side::Blue, CountKind::Wazari);
      break;
    case Command::IpponBlue:
      match.AddScore(Side::Blue, CountKind::Ippon);
      break;
    case Command::YukoWhite:
      match.AddScore(Side::White, CountKind::Yuko);
      break;
    case Command::WazariWhite:
      match.AddScore(Side::White, CountKind::Wazari);
      break;
    case Command::IpponWhite:
      match.AddScore(Side::White, CountKind::Ippon);
      break;
    case Command::QuickJump1m30:
      match.QuickJumpBouts(1, 30);
      break;
    case Command::QuickJump2:
    case Command::Bouts2:
      match.QuickJumpBouts(2, 0);
      break;
    case Command::QuickJump3:
    case Command::Bouts3:
      match.QuickJumpBouts(3, 0);
      break;
    case Command::QuickJump4:
    case Command::Bouts4:
      match.QuickJumpBouts(4, 0);
      break;
    case Command::QuickJump5:
    case Command::Bouts5:
      match.QuickJumpBouts(5, 0);
      break;
    // View
    case Command::ExpandShrink:
      break;
    case Command::RealignPanels:
      Realign();
      break;
    case Command::ShowSlave:
      ShowSlave();
      break;
    case Command::HideSlave:
    case Command::CloseSlave:
      HideSlave();
      break;
    case Command::NormaliseSlave:
      ports_.view.SetSlaveState(SlaveWindowState::Normal);
      break;
    case Command::MaximiseSlave:
      ports_.view.SetSlaveState(SlaveWindowState::Maximised);
      break;
    case Command::SlaveBorderNone:
      ports_.view.SetSlaveFrameless(true);
      break;
    case Command::SlaveBorderSizeable:
      ports_.view.SetSlaveFrameless(false);
      break;
    case Command::ToggleLastMatchBanner:
      banner_->Toggle();
      Realign();
      break;
    case Command::ToggleResetLink:
      ToggleResetLink();
      break;
    case Command::LinksBright:
      SetLinkBrightness(LinkBrightness::Bright);
      break;
    case Command::LinksMedium:
      SetLinkBrightness(LinkBrightness::Medium);
      break;
    case Command::LinksDark:
      SetLinkBrightness(LinkBrightness::Dark);
      break;
    // Help
    case Command::ShowHelp:
      ShowHelp();
      break;
    case Command::TestBuzzer:
      buzzer_->SoundBuzzer();
      break;
    // Pop-up menus
    case Command::UndoLastAction:
      match.StepBackOneSnapshot();
      break;
    case Command::RewriteScores:
      match.RewriteScores();
      break;
    case Command::GoldenScore1:
      match.GoldenScorePreset(1);
      break;
    case Command::GoldenScore2:
      match.GoldenScorePreset(2);
      break;
    case Command::GoldenScore3:
      match.GoldenScorePreset(3);
      break;
    // The windows behind these are not there yet; their entries are left
    // out of the menus.
    case Command::PrintScoresheet:
    case Command::PrintWeighInSheet:
    case Command::ShowPickList:
    case Command::ShowSlideShow:
    case Command::ShowInjuryTimer:
    case Command::RemoteShowSlideShow:
    case Command::RemoteHideSlideShow:
    case Command::RemoteRunSlideShow:
    case Command::RemoteStopSlideShow:
    case Command::RemotePreviousSlide:
    case Command::RemoteNextSlide:
    case Command::PickPlayers:
    case Command::MoveQueuedPlayers:
    case Command::UndoMoveQueuedPlayers:
    case Command::SwapCurrentPlayers:
    case Command::SwapNextPlayers:
      break;
  }
}

}  // namespace tk
