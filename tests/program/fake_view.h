// A window that records what the program asks of it, for the tests of the
// composition root. The layout timer runs until the test fires it.
#pragma once

#include <optional>
#include <string>

#include "program/program.h"

namespace tk::test {

struct SlavePlacement {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const SlavePlacement&) const = default;
};

class FakeView : public ProgramView {
 public:
  std::optional<Page> page;
  std::optional<SettingsTab> tab;
  bool scoreboardSettingsHidden = false;
  bool toolTips = false;
  bool playAndViewDisabled = false;
  bool manageSlaveEnabled = false;
  std::string applicationTitle, mainCaption;
  int settingsChanged = 0;
  bool resetLinkChecked = false;
  LinkBrightness brightness = LinkBrightness::Medium;
  bool layoutTimerRunning = false;
  int layoutTimerStarts = 0;
  std::optional<SlavePlacement> slaveShownAt;
  int slaveShows = 0;
  bool slaveShown = false;
  SlaveWindowState slaveState = SlaveWindowState::Normal;
  bool slaveFrameless = false;
  std::string helpText;
  std::string logLabel = "logfile.txt";
  std::string logText;
  bool closeRequested = false;

  void ShowPage(Page p) override { page = p; }
  void SelectSettingsTab(SettingsTab t) override { tab = t; }
  void HideScoreboardSettings() override { scoreboardSettingsHidden = true; }
  void SetToolTipsEnabled(bool on) override { toolTips = on; }
  void DisablePlayAndViewMenus() override { playAndViewDisabled = true; }
  void SetManageSlaveEnabled(bool on) override { manageSlaveEnabled = on; }
  void SetWindowTitles(const std::string& title, const std::string& caption) override {
    applicationTitle = title;
    mainCaption = caption;
  }
  void SettingsChanged() override { ++settingsChanged; }
  void SetMenuChecks(bool resetLink, LinkBrightness b) override {
    resetLinkChecked = resetLink;
    brightness = b;
  }
  void StartLayoutTimer() override {
    layoutTimerRunning = true;
    ++layoutTimerStarts;
  }
  bool LayoutTimerRunning() const override { return layoutTimerRunning; }
  void ShowSlaveAt(int left, int top, int width, int height) override {
    slaveShownAt = SlavePlacement{left, top, width, height};
    slaveShown = true;
    ++slaveShows;
  }
  void CloseSlave() override { slaveShown = false; }
  void SetSlaveState(SlaveWindowState state) override { slaveState = state; }
  void SetSlaveFrameless(bool frameless) override { slaveFrameless = frameless; }
  void SetHelpText(const std::string& text) override { helpText = text; }
  void SetLogPage(const std::string& label, const std::string& text) override {
    logLabel = label;
    logText = text;
  }
  void CloseMainWindow() override { closeRequested = true; }

  // The 900 ms one-shot fires.
  void FireLayoutTimer(Program& program) {
    layoutTimerRunning = false;
    program.Timer2Tick();
  }
};

}  // namespace tk::test
