// A Program on the fakes of the ports with the settings, help and log pages
// on top of it, as the main window puts them together; a temporary program
// folder holds its settings file and logs.
#pragma once

#include <QApplication>
#include <QSpinBox>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "program/program.h"
#include "support/fakes.h"
#include "ui/forms/settingsPage.h"

namespace tk::test {

// The main window's side of the program, reduced to what the pages need: it
// forwards to the pages and records the page shown.
class FakeView : public ProgramView {
 public:
  ui::SettingsPage* settingsPage = nullptr;
  ui::HelpPage* helpPage = nullptr;
  ui::LogPage* logPage = nullptr;
  std::vector<Page> shown;
  bool layoutTimer = false;

  void ShowPage(Page page) override { shown.push_back(page); }
  void SelectSettingsTab(SettingsTab tab) override {
    if (settingsPage) settingsPage->SelectTab(tab);
  }
  void HideScoreboardSettings() override {
    if (settingsPage) settingsPage->HideScoreboardSettings();
  }
  void SetToolTipsEnabled(bool) override {}
  void DisablePlayAndViewMenus() override {}
  void SetManageSlaveEnabled(bool) override {}
  void SetWindowTitles(const std::string&, const std::string&) override {}
  void SettingsChanged() override {
    if (settingsPage) settingsPage->RefreshFromSettings();
  }
  void SetMenuChecks(bool, LinkBrightness) override {}
  void StartLayoutTimer() override { layoutTimer = true; }
  bool LayoutTimerRunning() const override { return layoutTimer; }
  void ShowSlaveAt(int, int, int, int) override {}
  void CloseSlave() override {}
  void SetSlaveState(SlaveWindowState) override {}
  void SetSlaveFrameless(bool) override {}
  void SetHelpText(const std::string& text) override {
    if (helpPage) helpPage->SetText(text);
  }
  void SetLogPage(const std::string& label, const std::string& text) override {
    if (logPage) logPage->SetLog(label, text);
  }
  void CloseMainWindow() override {}
};

enum class Mode { Scoreboard, Helper };

struct FormsHarness {
  // `settingsFile`: the lines of the settings file found at start, if any.
  explicit FormsHarness(Mode mode = Mode::Scoreboard, const std::string& settingsFile = {});

  template <typename T>
  T* Find(const char* name) const {
    return settingsPage->findChild<T*>(QString::fromLatin1(name));
  }
  QSpinBox* Field(const char* name) const { return Find<QSpinBox>(name); }
  const Element& Board(const char* name) { return program->MainBoard().at(name); }
  Page LastPage() const { return view.shown.empty() ? Page::Scoreboard : view.shown.back(); }

  QTemporaryDir folder;
  FakeTextMeasure measure;
  FakeClock clock;
  FakeDialogs dialogs;
  FakeSound sound;
  FakeScreens screens;
  FakeShell shell;
  FakeView view;
  std::unique_ptr<Program> program;
  std::unique_ptr<ui::SettingsPage> settingsPage;
  std::unique_ptr<ui::HelpPage> helpPage;
  std::unique_ptr<ui::LogPage> logPage;
  // Errors the pages' handlers raised, in order.
  std::vector<std::string> errors;
};

// Typing as the operator does: the field's text selected and replaced.
void TypeInto(QSpinBox* field, const QString& text);
// The keyboard focus leaves the field.
void LeaveField(QWidget* field);

}  // namespace tk::test
