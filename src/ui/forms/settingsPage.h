// The "Settings" page of the main window with its tabbed pages, its bottom bar
// ("Discard your preferences and revert to defaults", "Ok", "Cancel"), and the
// Help and tournament-log pages. The fields edit the program's Settings.
#pragma once

#include <QWidget>

#include "program/program.h"

class QTabWidget;
class QPlainTextEdit;
class QLabel;

namespace tk::ui {

class SettingsPage : public QWidget {
  Q_OBJECT
 public:
  SettingsPage(Program& program, QWidget* parent = nullptr);
  // The fields show the current Settings again (after reading the file, a
  // revert, or a change made by the program such as a duration rule).
  void RefreshFromSettings();
  void SelectTab(SettingsTab tab);
  // Helper mode: the first four tabs and the revert button are removed.
  void HideScoreboardSettings();

 private:
  struct Impl;
  Impl* impl_;
};

// The Help page: the read-me text and an "Ok" button.
class HelpPage : public QWidget {
  Q_OBJECT
 public:
  HelpPage(Program& program, QWidget* parent = nullptr);
  void SetText(const std::string& text);

 private:
  QPlainTextEdit* text_ = nullptr;
};

// The tournament-log page: "Log File: ", the file's path, its lines, "Ok".
class LogPage : public QWidget {
  Q_OBJECT
 public:
  LogPage(Program& program, QWidget* parent = nullptr);
  void SetLog(const std::string& label, const std::string& text);

 private:
  QLabel* path_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace tk::ui
