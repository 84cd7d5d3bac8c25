// Creation, start-up, closing, the settings page's apply and revert, and the
// Help and log pages.
#include "program/program.h"

#include <filesystem>
#include <utility>

#include "board/catalogue.h"
#include "board/layout.h"
#include "board/palette.h"
#include "settings/config_file.h"
#include "util/errors.h"
#include "util/text.h"
#include "util/text_file.h"

namespace tk {

namespace {

constexpr const char* kScoreboardTitle = "Tavelkorn";
constexpr const char* kHelperTitle = "TK Helper";
constexpr const char* kMainCaption = "Pemra Tavelkorn Ver 5.1";
constexpr const char* kHelperCaptionPrefix = "Remote Helper -  ";
constexpr const char* kRevertQuestion =
    "Discard your preferences and use default settings - are you sure?";
constexpr int kStartClockBackground = 40;

// The folder of the executable, absolute and with its separator at the end.
std::string FolderOf(const std::string& executablePath) {
  std::filesystem::path path = std::filesystem::absolute(executablePath);
  return WithTrailingBackslash(path.parent_path().string());
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

// The elements that stop reacting in helper mode: the clock panel with its
// children, the digits, their captions, the penalty marks and both columns.
constexpr const char* kHelperDisabled[] = {
    "Panel3",  "Label11", "Label12", "Label13", "Label7",  "Label8",  "Label9",
    "Label23", "Label25", "Label26", "Label4",  "Label5",  "Label6",  "Panel24",
    "Panel26", "Panel37", "Panel25", "Panel27", "Panel38", "Panel33", "Panel35"};
// The clickable links of the clock panel, which the helper does not show.
constexpr const char* kHelperHidden[] = {"Label18", "Label69", "Label28", "Label39", "Label2"};
// The current and next players' names of both sides.
constexpr const char* kNameElements[] = {"Label70", "Label71", "Label10", "Label14"};

}  // namespace

Program::Program(ProgramPorts ports, std::string executablePath, std::vector<std::string> arguments)
    : ports_(ports),
      executablePath_(std::move(executablePath)),
      programFolder_(FolderOf(executablePath_)),
      helperMode_(!arguments.empty() && arguments.front() == "h") {
  mainBoard_ = std::make_unique<BoardModel>(MainBoardCatalogue(), ports_.measure);
  publicBoard_ = std::make_unique<BoardModel>(PublicBoardCatalogue(), ports_.measure);
  log_ = std::make_unique<TournamentLog>(programFolder_, ports_.clock);
  banner_ = std::make_unique<LastMatchBanner>(*mainBoard_);
  buzzer_ = std::make_unique<Buzzer>(settings_, ports_.sound, programFolder_);
  match_ = std::make_unique<Match>(MatchServices{*mainBoard_, settings_, ports_.clock,
                                                 ports_.dialogs, *buzzer_, *log_, *banner_},
                                   helperMode_);
  MatchHooks hooks;
  hooks.realignPanels = [this] { Realign(); };
  hooks.applySettings = [this] { ApplySettings(); };
  match_->SetHooks(std::move(hooks));
}

Program::~Program() = default;

std::string Program::SettingsFilePath() const {
  return ::tk::SettingsFilePath(executablePath_);
}

// Start-up goes on after a failed step: the error is shown and the remaining
// steps still run, so that a bad value in the settings file or a log that
// cannot be written never leaves the board half set up, and the reset
// warning is always restored after the start-up reset.
template <typename Step>
void Program::StartupStep(Step&& step) {
  try {
    step();
  } catch (const Error& error) {
    ports_.dialogs.ShowMessage(error.what());
  }
}

void Program::OnShow() {
  ProgramView& view = ports_.view;
  // The palette's start values; the apply below replaces them before use.
  match_->SetPalette(StartPalette());
  SetLinkBrightness(LinkBrightness::Medium);
  view.SetManageSlaveEnabled(!helperMode_ && !ports_.screens.Monitors().empty());
  if (helperMode_) {
    view.SetWindowTitles(kHelperTitle, std::string(kHelperCaptionPrefix) + kMainCaption);
  } else {
    view.SetWindowTitles(kScoreboardTitle, kMainCaption);
  }
  view.SelectSettingsTab(SettingsTab::Time);
  if (helperMode_) {
    view.ShowPage(Page::Settings);
    view.SelectSettingsTab(SettingsTab::Players);
  } else {
    view.ShowPage(Page::Scoreboard);
  }

  // The match length goes through the duration rule, which resets the clock
  // and derives the golden-score length only when the value really changes.
  StartupStep([this] {
    ReadConfig(
        SettingsFilePath(), programFolder_, settings_, [this](int Settings::*field, int value) {
          match_->SetDurationField(
              field == &Settings::MatchMins ? DurationField::MatchMins : DurationField::MatchSecs,
              value);
        });
  });
  view.SettingsChanged();
  StartupStep([this] { ApplySettings(); });
  SetClockBackground(kStartClockBackground);

  // The start-up reset never asks, whatever the operator chose.
  const bool resetWarning = settings_.ResetWarning;
  settings_.ResetWarning = false;
  StartupStep([this] { match_->ResetAll(); });
  view.StartLayoutTimer();
  settings_.ResetWarning = resetWarning;

  if (helperMode_) {
    view.HideScoreboardSettings();
    view.ShowPage(Page::Settings);
    view.SelectSettingsTab(SettingsTab::Players);
  } else {
    view.ShowPage(Page::Scoreboard);
    view.SelectSettingsTab(SettingsTab::Time);
  }
  view.SetMenuChecks(resetLinkChecked_, links_);
  match_->StartTimers();
}

void Program::Timer2Tick() {
  Realign();
  ShowSlave();
}

void Program::MainWindowResized() {
  // A countdown already running is not restarted: several size changes in a
  // row give one layout.
  if (!ports_.view.LayoutTimerRunning()) ports_.view.StartLayoutTimer();
}

void Program::Closing() {
  WriteConfig(SettingsFilePath(), settings_);
  if (helperMode_) {
    // The helper's last word to the scoreboard: no pair queued any more.
    mainBoard_->SetCaption("Label14", "Next Player");
    mainBoard_->SetCaption("Label10", "Next Player");
  }
}

void Program::Realign() {
  mainBoard_->SetBackground("Panel3", ClockBackgroundColour());
  RealignPanels(*mainBoard_, settings_.scoreLabelsVisible);
}

// ---- Settings page ---------------------------------------------------------

void Program::ApplySettings() {
  ShowSchemeOnBoard();
  toolTipsOn_ = settings_.toolTips;
  ports_.view.SetToolTipsEnabled(toolTipsOn_);
  mainBoard_->SetVisible("Label39", settings_.ResetLinkvisible);
  mainBoard_->SetVisible("Label2", settings_.ResetLinkvisible);
  match_->RecomputeMatchSeconds();
  ports_.view.ShowPage(Page::Scoreboard);
  if (helperMode_) LockBoardForHelper();
  Realign();
  ShowNameElements();
  match_->CalcAndColorScores();
}

void Program::ShowSchemeOnBoard() {
  match_->SetPalette(PaletteForScheme(settings_.ColourScheme));
  const SchemeColours scheme = SchemeColoursFor(settings_.ColourScheme);
  for (const char* name : {"Panel6", "Panel32", "Panel33", "Panel76"}) {
    mainBoard_->SetBackground(name, scheme.blueHalf);
  }
  mainBoard_->SetTextColor("Label88", scheme.divisionText);
  mainBoard_->SetTextColor("Label90", scheme.divisionText);
  mainBoard_->SetBackground("Label88", scheme.blueDivisionBack);
  mainBoard_->SetBackground("Label90", scheme.whiteDivisionBack);
}

void Program::LockBoardForHelper() {
  for (const char* name : kHelperDisabled) mainBoard_->SetEnabled(name, false);
  for (const char* name : kHelperHidden) mainBoard_->SetVisible(name, false);
  ports_.view.DisablePlayAndViewMenus();
}

void Program::ShowNameElements() {
  for (const char* name : kNameElements) {
    mainBoard_->SetVisible(name, settings_.PlayersNamesDisplay);
  }
}

void Program::RevertToDefaults() {
  if (ports_.dialogs.Confirm(kRevertQuestion, ConfirmButtons::YesCancel) != Answer::Yes) return;
  match_->SetDurationField(DurationField::MatchMins, 5);
  match_->SetDurationField(DurationField::MatchSecs, 0);
  struct WholeValue {
    int Settings::*field;
    int value;
  };
  static constexpr WholeValue kWholeValues[] = {{&Settings::Yuko, 15},
                                                {&Settings::Wazari, 20},
                                                {&Settings::Ippon, 25},
                                                {&Settings::SecsToLeaveNewazaScore, 8},
                                                {&Settings::SecsToLeaveLastMatch, 20},
                                                {&Settings::ColourScheme, kSchemeBlue}};
  for (const WholeValue& v : kWholeValues) settings_.*v.field = v.value;
  static constexpr bool Settings::*kSwitchedOff[] = {
      &Settings::ResetWarning, &Settings::NeWazaWaitForRef, &Settings::PlayersNamesDisplay,
      &Settings::PlayersNamePopup, &Settings::ResetLinkvisible};
  for (bool Settings::*flag : kSwitchedOff) settings_.*flag = false;
  settings_.MajorSound = "TADA.WAV";
  settings_.MinorSound = "DING.WAV";
  ports_.view.SettingsChanged();
}

void Program::CancelSettings() {
  ports_.view.ShowPage(Page::Scoreboard);
}

void Program::OpenSettings() {
  // The clock never runs while the operator edits the settings.
  if (mainBoard_->Caption("Label18") == "Matte F5") match_->HajimeMatte();
  ports_.view.ShowPage(Page::Settings);
}

// ---- Help and log pages ----------------------------------------------------

void Program::ShowHelp() {
  const std::string path = programFolder_ + "readme.txt";
  if (FileExists(path)) ports_.view.SetHelpText(JoinLines(ReadTextLines(path)));
  ports_.view.ShowPage(Page::Help);
}

void Program::HelpOk() {
  if (helperMode_) {
    ports_.view.ShowPage(Page::Settings);
    return;
  }
  ports_.view.ShowPage(Page::Scoreboard);
  Realign();
}

void Program::ViewTodaysLog() {
  const std::string path = log_->TodaysFileName();
  if (!FileExists(path)) {
    ports_.view.SetLogPage("file not found", "");
    return;
  }
  ports_.view.SetLogPage(path, JoinLines(ReadTextLines(path)));
  ports_.view.ShowPage(Page::Log);
}

}  // namespace tk
