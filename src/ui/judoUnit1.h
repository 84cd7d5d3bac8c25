// TFormjudo, the main window: the operator's console. It creates the program
// with the Qt ports and routes every Qt event into it; what the program asks
// of its windows (ProgramView) it carries out on the pages, menus, timers and
// the public window.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "program/program.h"
#include "ui/guard.h"
#include "ui/qtPorts.h"

class QStackedWidget;
class QMenu;
class QAction;

namespace tk::ui {

class BoardWidget;
class TFormslave2;
class TFormrewrite;
class SettingsPage;
class HelpPage;
class LogPage;

struct FormjudoOptions {
  // The running executable: its folder is the program folder.
  std::string executablePath;
  // The command-line parameters after the program name.
  std::vector<std::string> arguments;
  // Stand-ins for the Qt ports, or null for the Qt ones.
  Dialogs* dialogs = nullptr;
  Sound* sound = nullptr;
  Screens* screens = nullptr;
};

class TFormjudo : public QMainWindow, public ProgramView, public EventRunner {
  Q_OBJECT
 public:
  explicit TFormjudo(FormjudoOptions options);
  ~TFormjudo() override;

  // At the design size 810 x 650, centred; maximised as the scoreboard.
  void ShowAtStart();

  Program& GetProgram() { return *program_; }
  BoardWidget& Board() { return *board_; }
  TFormslave2& Slave() { return *slave_; }
  // The main-menu action of a command, or null when it is not in the menu.
  QAction* ActionFor(Command command) const;
  QMenu* PopupFor(PopupMenu kind) const;
  QWidget* CurrentPage() const;
  bool ToolTipsEnabled() const { return toolTips_; }

  // EventRunner
  void RunEvent(const std::function<void()>& handler) override;
  bool RunTick(const std::function<void()>& tick) override;

  // ProgramView
  void ShowPage(Page page) override;
  void SelectSettingsTab(SettingsTab tab) override;
  void HideScoreboardSettings() override;
  void SetToolTipsEnabled(bool on) override { toolTips_ = on; }
  void DisablePlayAndViewMenus() override;
  void SetManageSlaveEnabled(bool on) override;
  void SetWindowTitles(const std::string& applicationTitle,
                       const std::string& mainCaption) override;
  void SettingsChanged() override;
  void SetMenuChecks(bool resetLinkChecked, LinkBrightness brightness) override;
  void StartLayoutTimer() override { layoutTimer_.start(); }
  bool LayoutTimerRunning() const override { return layoutTimer_.isActive() || layoutDue_; }
  void ShowSlaveAt(int left, int top, int width, int height) override;
  void CloseSlave() override;
  void SetSlaveState(SlaveWindowState state) override;
  void SetSlaveFrameless(bool frameless) override;
  void SetHelpText(const std::string& text) override;
  void SetLogPage(const std::string& label, const std::string& text) override;
  void CloseMainWindow() override { close(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildPages();
  void ConnectBoard();
  // An operator action: a tick already due runs first, so that it is not
  // overtaken by the action.
  void RunOperatorAction(const std::function<void()>& action);
  void RunCommand(Command command);
  void OpenPopup(PopupMenu kind, const QPoint& globalPos);
  void AfterEvent();
  // After the event that no other event encloses: the ticks that had to wait
  // are due now.
  void AfterOutermostEvent();
  void ArmTickTimer();
  void SyncActions();
  // A key press for a widget of this window that is the shortcut of an
  // enabled main-menu entry.
  bool IsMenuKeyInThisWindow(QObject* watched, QEvent* event) const;

  // The ports, declared before the program that holds references to them.
  QtTextMeasure measure_;
  QtClock clock_;
  QtDialogs qtDialogs_;
  QtScreens qtScreens_;
  QtShell shell_;
  std::unique_ptr<QtSound> qtSound_;
  Dialogs& dialogs_;
  Sound& sound_;
  Screens& screens_;
  std::unique_ptr<Program> program_;

  BoardWidget* board_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QWidget* settingsPage_ = nullptr;
  QWidget* helpPage_ = nullptr;
  QWidget* logPage_ = nullptr;
  std::unique_ptr<TFormslave2> slave_;
  TFormrewrite* rewrite_ = nullptr;

  std::map<Command, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
  std::map<PopupMenu, QMenu*> popups_;
  std::set<std::string> disabledMenus_;
  QMenu* manageSlaveMenu_ = nullptr;
  bool manageSlaveEnabled_ = false;

  // The main tick and the hold-down tick: the engine says when the next one
  // is due; this one-shot only wakes it up then.
  QTimer tickTimer_;
  // Timer2: the layout 900 ms after start-up or a size change.
  QTimer layoutTimer_;
  // Events running, the one that a modal box interrupted included.
  int eventDepth_ = 0;
  // Timer2 fired while another event ran; it runs after that event.
  bool layoutDue_ = false;
  bool shown_ = false;
  bool toolTips_ = true;
};

}  // namespace tk::ui
