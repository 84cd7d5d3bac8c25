// TFormslave2, the public window: a copy of the board without controls for
// the competitors and the audience, dragged onto the public monitor. It
// follows the operator's board by the program's copy tick twice a second.
#pragma once

#include <QTimer>
#include <QWidget>

#include "program/program.h"
#include "ui/guard.h"

class QMenu;

namespace tk::ui {

class BoardWidget;

class TFormslave2 : public QWidget {
  Q_OBJECT
 public:
  // `runner` runs every event of this window (the main window's guard).
  TFormslave2(Program& program, EventRunner& runner);
  ~TFormslave2() override;

  BoardWidget& Board() { return *board_; }
  void RefreshBoard();
  QMenu* WindowMenu() const { return menu_; }
  bool CopyTimerActive() const { return copyTimer_.isActive(); }

  // What the program asks of the window.
  void ShowAt(int left, int top, int width, int height);
  void CloseFromProgram() { hide(); }
  void SetState(SlaveWindowState state);
  void SetFrameless(bool frameless);
  // The program ends: the window goes without telling the program.
  void HideForExit() { hide(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RunCommand(Command command);

  Program& program_;
  EventRunner& runner_;
  BoardWidget* board_ = nullptr;
  QMenu* menu_ = nullptr;
  // The copy tick, 500 ms while the window is shown.
  QTimer copyTimer_;
};

}  // namespace tk::ui
