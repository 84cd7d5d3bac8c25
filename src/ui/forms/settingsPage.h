// The "Settings" page of the main window with its tabbed pages, its bottom bar
// ("Discard your preferences and revert to defaults", "Ok", "Cancel"), and the
// Help and tournament-log pages. The fields edit the program's Settings.
#pragma once

#include <QWidget>
#include <memory>

#include "program/program.h"
#include "ui/forms/formsSupport.h"

class QTabWidget;
class QPlainTextEdit;
class QLabel;
class QKeyEvent;
class QShowEvent;

namespace tk::ui {

class SettingsPage : public QWidget {
  Q_OBJECT
 public:
  SettingsPage(Program& program, QWidget* parent = nullptr);
  ~SettingsPage() override;
  // The fields show the current Settings again (after reading the file, a
  // revert, or a change made by the program such as a duration rule).
  void RefreshFromSettings();
  void SelectTab(SettingsTab tab);
  // Helper mode: the first four tabs and the revert button are removed.
  void HideScoreboardSettings();
  // Every handler of the page runs through `guard`.
  void SetGuard(HandlerGuard guard);

 protected:
  // Enter is "Ok" and Escape "Cancel" wherever the focus is on the page,
  // unless the focused field uses the key itself.
  void keyPressEvent(QKeyEvent* event) override;
  // The page shows the Settings as they are whenever it comes up, whatever
  // changed them meanwhile (a quick bout-length jump, the buzzer's fall-back).
  void showEvent(QShowEvent* event) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The Help page: the read-me text and an "Ok" button.
class HelpPage : public QWidget {
  Q_OBJECT
 public:
  HelpPage(Program& program, QWidget* parent = nullptr);
  void SetText(const std::string& text);
  void SetGuard(HandlerGuard guard) { guard_ = std::move(guard); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Ok();

  Program& program_;
  HandlerGuard guard_;
  QPlainTextEdit* text_ = nullptr;
};

// The tournament-log page: "Log File: ", the file's path, its lines, "Ok".
// The lines may be edited on the page but are never saved.
class LogPage : public QWidget {
  Q_OBJECT
 public:
  LogPage(Program& program, QWidget* parent = nullptr);
  void SetLog(const std::string& label, const std::string& text);
  void SetGuard(HandlerGuard guard) { guard_ = std::move(guard); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Ok();

  Program& program_;
  HandlerGuard guard_;
  QLabel* path_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace tk::ui
