// The composition root: owns the state of the whole program (settings, both
// board models, the match, the log, the banner, the buzzer, the public-board
// copy) and carries out start-up, the settings apply, the commands of the
// menus and the mouse actions on the board. The main window is a thin router:
// it turns Qt events into calls here and implements ProgramView.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/board_model.h"
#include "board/public_copy.h"
#include "engine/match.h"
#include "media/buzzer.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screens.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/text_measure.h"
#include "program/commands.h"
#include "records/last_match_banner.h"
#include "records/tournament_log.h"
#include "settings/settings.h"

namespace tk {

enum class Page { Scoreboard, Settings, Help, Log };
enum class SettingsTab { Time, Appearance, Rules, Useability, Players, Divisions, SlideShow };
enum class LinkBrightness { Bright, Medium, Dark };
enum class SlaveWindowState { Normal, Maximised };

// What the program asks of its windows.
class ProgramView {
 public:
  virtual ~ProgramView() = default;
  virtual void ShowPage(Page page) = 0;
  virtual void SelectSettingsTab(SettingsTab tab) = 0;
  // Helper mode: the first four settings tabs and the revert button go.
  virtual void HideScoreboardSettings() = 0;
  virtual void SetToolTipsEnabled(bool on) = 0;
  // Helper mode: the "Play" and "View" menus are disabled.
  virtual void DisablePlayAndViewMenus() = 0;
  virtual void SetManageSlaveEnabled(bool on) = 0;
  virtual void SetWindowTitles(const std::string& applicationTitle,
                               const std::string& mainCaption) = 0;
  // The settings page's fields show the current Settings again.
  virtual void SettingsChanged() = 0;
  // The menu check marks of "Show RESET ALL link" and the link brightness.
  virtual void SetMenuChecks(bool resetLinkChecked, LinkBrightness brightness) = 0;
  // Timer2: a 900 ms one-shot; the program calls Timer2Tick when it fires.
  virtual void StartLayoutTimer() = 0;
  virtual bool LayoutTimerRunning() const = 0;
  // The public window.
  virtual void ShowSlaveAt(int left, int top, int width, int height) = 0;
  virtual void CloseSlave() = 0;
  virtual void SetSlaveState(SlaveWindowState state) = 0;
  virtual void SetSlaveFrameless(bool frameless) = 0;
  // The Help page's text and the log page's label and text.
  virtual void SetHelpText(const std::string& text) = 0;
  virtual void SetLogPage(const std::string& label, const std::string& text) = 0;
  virtual void CloseMainWindow() = 0;
};

struct ProgramPorts {
  const TextMeasure& measure;
  const Clock& clock;
  Dialogs& dialogs;
  Sound& sound;
  const Screens& screens;
  Shell& shell;
  ProgramView& view;
};

enum class MouseEventKind { Press, Click, DoubleClick };

class Program {
 public:
  // `executablePath`: the running executable; its folder is the program
  // folder and its name gives the settings file's name. `arguments` are the
  // command-line parameters after the program name.
  Program(ProgramPorts ports, std::string executablePath, std::vector<std::string> arguments);
  ~Program();

  // ---- Start, run, stop ---------------------------------------------------
  void OnShow();
  void Timer2Tick();
  void MainWindowResized();
  // Closing the main window: WriteConfig, and in helper mode the last signal.
  void Closing();

  // ---- Operator input -----------------------------------------------------
  void Run(Command command);
  // Which pop-up menu a right press on the element opens (PopupMenu::None:
  // none). The public board has its own window menu (PopupMenu::Slave).
  PopupMenu PopupFor(const std::string& element) const;
  bool CommandEnabled(Command command) const;
  // A mouse action on an element of the operator's board.
  void MainBoardMouse(const std::string& element, MouseEventKind kind, MouseButton button,
                      bool shift);
  // A mouse action on the public board: a click on the free area of either
  // half realigns it; a right press anywhere asks for its window menu.
  PopupMenu PublicBoardMouse(const std::string& element, MouseEventKind kind, MouseButton button);
  // Hint of an element while tool tips are on; empty otherwise. Tool tips
  // follow the settings page's switch as of the last apply ("Ok").
  std::string HintFor(const std::string& element) const;

  // ---- Settings page ------------------------------------------------------
  void ApplySettings();
  void RevertToDefaults();
  void CancelSettings();
  void SetDurationField(DurationField field, int value) { match_->SetDurationField(field, value); }
  void EmergencyClockSet() { match_->EmergencyClockSet(); }
  void SetSchemeBlue();
  void SetSchemeRed();
  void ToggleSchemePreview();
  void SetClockBackground(int level);  // 1..75
  int ClockBackgroundLevel() const { return clockBackground_; }
  void TestBuzzer() { buzzer_->TestBuzzer(); }
  void BrowseBuzzerFile() { buzzer_->BrowseBuzzerFile(ports_.dialogs, ports_.shell); }
  // "Ok" of the Help and the log pages.
  void HelpOk();
  void ShowHelp();
  void ViewTodaysLog();

  // ---- Public board -------------------------------------------------------
  void ShowSlave();
  void HideSlave();
  // The public window's copy tick (500 ms while shown).
  void PublicCopyTick();
  // The public window closed by its own frame: counter back to 8.
  void PublicWindowClosed();

  // ---- Ticks --------------------------------------------------------------
  void RunDueTicks() { match_->RunDueTicks(); }
  std::optional<std::int64_t> NextTickDueMs() const { return match_->NextTickDueMs(); }

  // ---- State for the windows and tests ----------------------------------
  Settings& GetSettings() { return settings_; }
  const Settings& GetSettings() const { return settings_; }
  BoardModel& MainBoard() { return *mainBoard_; }
  BoardModel& PublicBoard() { return *publicBoard_; }
  Match& GetMatch() { return *match_; }
  const Match& GetMatch() const { return *match_; }
  LastMatchBanner& Banner() { return *banner_; }
  bool HelperMode() const { return helperMode_; }
  const std::string& ProgramFolder() const { return programFolder_; }
  std::string SettingsFilePath() const;
  LinkBrightness Links() const { return links_; }
  bool ResetLinkChecked() const { return resetLinkChecked_; }
  // The scheme shown in the preview (applied to the board at the next apply).
  // Settings.ColourScheme is the preview's colour.
  int PreviewScheme() const { return settings_.ColourScheme; }
  Rgb ClockBackgroundColour() const;

 private:
  enum class BoardAction;
  struct MouseRow;
  static const MouseRow* FindMouseRow(const std::string& element);

  void Realign();
  void RealignPublic();
  void MatNumber(MouseButton button);
  void OpenSettings();
  void ShowSchemeOnBoard();
  void LockBoardForHelper();
  void ShowNameElements();
  void SetLinkBrightness(LinkBrightness brightness);
  void ToggleResetLink();
  void SlaveWindowClosed();
  void Perform(BoardAction action, const MouseRow& row, MouseButton button, bool shift);
  // True when the element and every element above it are enabled and shown.
  bool Reacts(const std::string& element) const;
  // One step of start-up: an error is shown and start-up goes on.
  template <typename Step>
  void StartupStep(Step&& step);

  ProgramPorts ports_;
  std::string executablePath_;
  std::string programFolder_;
  bool helperMode_ = false;
  Settings settings_;
  std::unique_ptr<BoardModel> mainBoard_, publicBoard_;
  std::unique_ptr<TournamentLog> log_;
  std::unique_ptr<LastMatchBanner> banner_;
  std::unique_ptr<Buzzer> buzzer_;
  std::unique_ptr<Match> match_;
  PublicBoardTicks publicTicks_;
  int clockBackground_ = 40;
  LinkBrightness links_ = LinkBrightness::Medium;
  bool resetLinkChecked_ = false;
  bool toolTipsOn_ = false;
};

}  // namespace tk
