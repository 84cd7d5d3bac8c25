#include "ui/judoUnit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/boardWidget.h"
#include "ui/menus.h"
#include "ui/qtText.h"
#include "ui/slaveU2.h"

#ifdef TK_HAVE_UI_FORMS
#include "ui/forms/rewriteU1.h"
#include "ui/forms/settingsPage.h"
#else
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#endif

namespace tk::ui {

namespace {

constexpr int kDesignWidth = 810;
constexpr int kDesignHeight = 650;
constexpr int kBlankStripHeight = 25;  // Panel42, under the menu bar
constexpr int kLayoutDelayMs = 900;

// The entries of the View menu that carry a check mark.
bool Checkable(Command command) {
  switch (command) {
    case Command::ToggleResetLink:
    case Command::LinksBright:
    case Command::LinksMedium:
    case Command::LinksDark:
      return true;
    default:
      return false;
  }
}

#ifndef TK_HAVE_UI_FORMS
// Stand-ins while the settings pages are not part of the build: a text and
// the buttons that leave the page.
QWidget* PlaceholderPage(QWidget* parent, QPlainTextEdit** text,
                         std::vector<std::pair<QString, std::function<void()>>> buttons) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  *text = new QPlainTextEdit(page);
  (*text)->setReadOnly(true);
  layout->addWidget(*text);
  for (auto& [caption, action] : buttons) {
    auto* button = new QPushButton(caption, page);
    QObject::connect(button, &QPushButton::clicked, page, action);
    layout->addWidget(button, 0, Qt::AlignRight);
  }
  return page;
}
#endif

}  // namespace

TFormjudo::TFormjudo(FormjudoOptions options)
    : qtDialogs_(this),
      qtSound_(options.sound ? nullptr : std::make_unique<QtSound>()),
      dialogs_(options.dialogs ? *options.dialogs : qtDialogs_),
      sound_(options.sound ? *options.sound : *qtSound_),
      screens_(options.screens ? *options.screens : qtScreens_) {
  program_ = std::make_unique<Program>(
      ProgramPorts{measure_, clock_, dialogs_, sound_, screens_, shell_, *this},
      std::move(options.executablePath), std::move(options.arguments));

  setFont(ToQFont(Font{"MS Sans Serif", 8}));
  resize(kDesignWidth, kDesignHeight);
  BuildMenus();
  BuildPages();
  slave_ = std::make_unique<TFormslave2>(*program_, *this);
#ifdef TK_HAVE_UI_FORMS
  rewrite_ = new TFormrewrite(this);
  qtDialogs_.SetRewriteDialog(rewrite_);
#endif
  ConnectBoard();

  tickTimer_.setSingleShot(true);
  tickTimer_.setTimerType(Qt::PreciseTimer);
  // A tick that has to wait is re-armed when the enclosing event ends; the
  // engine's schedule still owes it, so no running time is lost.
  connect(&tickTimer_, &QTimer::timeout, this,
          [this] { RunTick([this] { program_->RunDueTicks(); }); });
  layoutTimer_.setSingleShot(true);
  layoutTimer_.setInterval(kLayoutDelayMs);
  connect(&layoutTimer_, &QTimer::timeout, this, [this] {
    if (!RunTick([this] { program_->Timer2Tick(); })) layoutDue_ = true;
  });

  // The tool-tip switch holds for every window of the program.
  qApp->installEventFilter(this);
}

TFormjudo::~TFormjudo() {
  qApp->removeEventFilter(this);
  tickTimer_.stop();
  layoutTimer_.stop();
  // The public window paints the program's board: it goes first.
  slave_.reset();
  delete pages_;
  pages_ = nullptr;
}

// ---- Building ---------------------------------------------------------------

void TFormjudo::BuildMenus() {
  std::map<std::string, QMenu*> submenus;
  for (const MenuEntry& entry : MainMenu()) {
    QMenu*& menu = menus_[entry.menu];
    if (menu == nullptr) menu = menuBar()->addMenu(MenuCaption(entry.menu));
    if (!entry.built) continue;
    QMenu* target = menu;
    if (!entry.submenu.empty()) {
      QMenu*& submenu = submenus[entry.menu + "/" + entry.submenu];
      if (submenu == nullptr) submenu = menu->addMenu(MenuCaption(entry.submenu));
      target = submenu;
    }
    QAction* action = target->addAction(MenuCaption(entry.caption));
    action->setProperty("tkCommand", static_cast<int>(entry.command));
    if (!entry.shortcut.empty()) {
      action->setShortcut(QKeySequence(ToQString(entry.shortcut)));
      // Anywhere in the main window, whichever page has the focus.
      action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setCheckable(Checkable(entry.command));
    const Command command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    actions_[entry.command] = action;
  }
  // A menu none of whose entries is built stays, switched off.
  for (auto& [name, menu] : menus_) {
    if (menu->actions().isEmpty()) menu->menuAction()->setEnabled(false);
  }
  auto manage = submenus.find("View/Manage Slave Window");
  if (manage != submenus.end()) {
    manageSlaveMenu_ = manage->second;
    manageSlaveMenu_->menuAction()->setEnabled(false);
  }
  for (PopupMenu kind :
       {PopupMenu::BoutLengths, PopupMenu::Players, PopupMenu::Undo, PopupMenu::GoldenScore}) {
    popups_[kind] = BuildPopupMenu(kind, this, [this](Command c) { RunCommand(c); });
  }
}

void TFormjudo::BuildPages() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* strip = new QWidget(central);
  strip->setObjectName("Panel42");
  strip->setFixedHeight(kBlankStripHeight);
  column->addWidget(strip);
  pages_ = new QStackedWidget(central);
  column->addWidget(pages_, 1);
  setCentralWidget(central);

  board_ = new BoardWidget(program_->MainBoard(), pages_);
  board_->setObjectName("Scoreboard");
  board_->setFocusPolicy(Qt::StrongFocus);
  pages_->addWidget(board_);
#ifdef TK_HAVE_UI_FORMS
  const HandlerGuard guard = [this](const std::function<void()>& h) { RunEvent(h); };
  auto* settings = new SettingsPage(*program_, pages_);
  settings->SetGuard(guard);
  auto* help = new HelpPage(*program_, pages_);
  help->SetGuard(guard);
  auto* log = new LogPage(*program_, pages_);
  log->SetGuard(guard);
  settingsPage_ = settings;
  helpPage_ = help;
  logPage_ = log;
#else
  QPlainTextEdit* unused = nullptr;
  settingsPage_ =
      PlaceholderPage(pages_, &unused,
                      {{"Ok", [this] { RunEvent([this] { program_->ApplySettings(); }); }},
                       {"Cancel", [this] { RunEvent([this] { program_->CancelSettings(); }); }}});
  unused->setPlainText("Settings");
  QPlainTextEdit* helpText = nullptr;
  helpPage_ = PlaceholderPage(pages_, &helpText,
                              {{"Ok", [this] { RunEvent([this] { program_->HelpOk(); }); }}});
  helpPage_->setProperty("text", QVariant::fromValue(static_cast<QObject*>(helpText)));
  QPlainTextEdit* logText = nullptr;
  logPage_ = PlaceholderPage(pages_, &logText,
                             {{"Ok", [this] { RunEvent([this] { program_->HelpOk(); }); }}});
  logPage_->setProperty("text", QVariant::fromValue(static_cast<QObject*>(logText)));
#endif
  settingsPage_->setObjectName("Settings");
  helpPage_->setObjectName("help4");
  logPage_->setObjectName("log7");
  pages_->addWidget(settingsPage_);
  pages_->addWidget(helpPage_);
  pages_->addWidget(logPage_);
}

void TFormjudo::ConnectBoard() {
  BoardWidget::Handlers handlers;
  handlers.mouse = [this](const std::string& element, MouseEventKind kind, MouseButton button,
                          bool shift) {
    RunOperatorAction([&] { program_->MainBoardMouse(element, kind, button, shift); });
  };
  handlers.rightPress = [this](const std::string& element, const QPoint& globalPos) {
    RunEvent([&] { OpenPopup(program_->PopupFor(element), globalPos); });
  };
  handlers.hint = [this](const std::string& element) { return program_->HintFor(element); };
  board_->SetHandlers(std::move(handlers));
}

// ---- Events -----------------------------------------------------------------

void TFormjudo::RunEvent(const std::function<void()>& handler) {
  ++eventDepth_;
  Guarded(dialogs_, handler);
  Guarded(dialogs_, [this] { AfterEvent(); });
  --eventDepth_;
  if (eventDepth_ == 0) Guarded(dialogs_, [this] { AfterOutermostEvent(); });
}

bool TFormjudo::RunTick(const std::function<void()>& tick) {
  if (eventDepth_ > 0) return false;
  RunEvent(tick);
  return true;
}

void TFormjudo::RunOperatorAction(const std::function<void()>& action) {
  RunEvent([&] {
    program_->RunDueTicks();
    action();
  });
}

void TFormjudo::RunCommand(Command command) {
  RunOperatorAction([&] { program_->Run(command); });
}

void TFormjudo::OpenPopup(PopupMenu kind, const QPoint& globalPos) {
  auto it = popups_.find(kind);
  if (it == popups_.end() || it->second->actions().isEmpty()) return;
  EnableActions(*it->second, [this](Command c) { return program_->CommandEnabled(c); });
  it->second->popup(globalPos);
}

void TFormjudo::AfterEvent() {
  if (program_ == nullptr) return;
  board_->RefreshIfChanged();
  if (slave_) slave_->RefreshBoard();
  SyncActions();
}

void TFormjudo::AfterOutermostEvent() {
  if (program_ == nullptr) return;
  if (layoutDue_) {
    layoutDue_ = false;
    RunEvent([this] { program_->Timer2Tick(); });
  }
  ArmTickTimer();
}

void TFormjudo::ArmTickTimer() {
  const std::optional<std::int64_t> due = program_->NextTickDueMs();
  if (!due) {
    tickTimer_.stop();
    return;
  }
  const std::int64_t waitMs = std::max<std::int64_t>(0, *due - clock_.MonotonicMs());
  tickTimer_.start(static_cast<int>(std::min<std::int64_t>(waitMs, 24 * 3600 * 1000)));
}

void TFormjudo::SyncActions() {
  for (const MenuEntry& entry : MainMenu()) {
    auto it = actions_.find(entry.command);
    if (it == actions_.end()) continue;
    const bool menuOn =
        disabledMenus_.count(entry.menu) == 0 && (entry.submenu.empty() || manageSlaveEnabled_);
    it->second->setEnabled(menuOn && program_->CommandEnabled(entry.command));
  }
  SetMenuChecks(program_->ResetLinkChecked(), program_->Links());
}

void TFormjudo::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  RunEvent([this] { program_->OnShow(); });
}

void TFormjudo::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Size changes before the start-up sequence belong to the window opening.
  if (shown_) RunEvent([this] { program_->MainWindowResized(); });
}

void TFormjudo::closeEvent(QCloseEvent* event) {
  RunEvent([this] { program_->Closing(); });
  tickTimer_.stop();
  layoutTimer_.stop();
  slave_->HideForExit();
  event->accept();
}

bool TFormjudo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !toolTips_) return true;
  if (event->type() == QEvent::ShortcutOverride && IsMenuKeyInThisWindow(watched, event)) {
    // A text or number field of the settings or log page would take Ctrl+A,
    // Ctrl+Z and the like for its own editing; the menu's keys act anywhere
    // in the main window, so the field is not asked.
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TFormjudo::IsMenuKeyInThisWindow(QObject* watched, QEvent* event) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  const QKeySequence pressed(key->keyCombination());
  return std::any_of(actions_.begin(), actions_.end(), [&](const auto& entry) {
    const QAction* action = entry.second;
    return action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed;
  });
}

void TFormjudo::ShowAtStart() {
  resize(kDesignWidth, kDesignHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - QPoint(kDesignWidth / 2, kDesignHeight / 2));
  }
  if (program_->HelperMode()) {
    show();
  } else {
    showMaximized();
  }
}

QAction* TFormjudo::ActionFor(Command command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* TFormjudo::PopupFor(PopupMenu kind) const {
  auto it = popups_.find(kind);
  return it == popups_.end() ? nullptr : it->second;
}

QWidget* TFormjudo::CurrentPage() const {
  return pages_->currentWidget();
}

// ---- ProgramView --------------------------------------------------------------

void TFormjudo::ShowPage(Page page) {
  QWidget* const byPage[] = {board_, settingsPage_, helpPage_, logPage_};
  QWidget* target = byPage[static_cast<int>(page)];
  pages_->setCurrentWidget(target);
  // Keys typed on the board must not land in a field of a hidden page.
  target->setFocus();
}

void TFormjudo::SelectSettingsTab(SettingsTab tab) {
#ifdef TK_HAVE_UI_FORMS
  static_cast<SettingsPage*>(settingsPage_)->SelectTab(tab);
#else
  (void)tab;
#endif
}

void TFormjudo::HideScoreboardSettings() {
#ifdef TK_HAVE_UI_FORMS
  static_cast<SettingsPage*>(settingsPage_)->HideScoreboardSettings();
#endif
}

void TFormjudo::DisablePlayAndViewMenus() {
  for (const char* name : {"Play", "View"}) {
    disabledMenus_.insert(name);
    auto it = menus_.find(name);
    if (it != menus_.end()) it->second->menuAction()->setEnabled(false);
  }
  SyncActions();
}

void TFormjudo::SetManageSlaveEnabled(bool on) {
  manageSlaveEnabled_ = on;
  if (manageSlaveMenu_ != nullptr) manageSlaveMenu_->menuAction()->setEnabled(on);
}

void TFormjudo::SetWindowTitles(const std::string& applicationTitle,
                                const std::string& mainCaption) {
  QCoreApplication::setApplicationName(ToQString(applicationTitle));
  setWindowTitle(ToQString(mainCaption));
}

void TFormjudo::SettingsChanged() {
#ifdef TK_HAVE_UI_FORMS
  static_cast<SettingsPage*>(settingsPage_)->RefreshFromSettings();
#endif
}

void TFormjudo::SetMenuChecks(bool resetLinkChecked, LinkBrightness brightness) {
  const std::pair<Command, bool> checks[] = {
      {Command::ToggleResetLink, resetLinkChecked},
      {Command::LinksBright, brightness == LinkBrightness::Bright},
      {Command::LinksMedium, brightness == LinkBrightness::Medium},
      {Command::LinksDark, brightness == LinkBrightness::Dark},
  };
  for (const auto& [command, checked] : checks) {
    if (QAction* action = ActionFor(command)) action->setChecked(checked);
  }
}

void TFormjudo::ShowSlaveAt(int left, int top, int width, int height) {
  const bool operatorActive = isActiveWindow();
  slave_->ShowAt(left, top, width, height);
  // The operator's keys must keep reaching the board, wherever the public
  // window opens; some window systems activate every window they show.
  if (operatorActive) activateWindow();
}

void TFormjudo::CloseSlave() {
  slave_->CloseFromProgram();
}

void TFormjudo::SetSlaveState(SlaveWindowState state) {
  slave_->SetState(state);
}

void TFormjudo::SetSlaveFrameless(bool frameless) {
  slave_->SetFrameless(frameless);
}

void TFormjudo::SetHelpText(const std::string& text) {
#ifdef TK_HAVE_UI_FORMS
  static_cast<HelpPage*>(helpPage_)->SetText(text);
#else
  qobject_cast<QPlainTextEdit*>(helpPage_->property("text").value<QObject*>())
      ->setPlainText(ToQString(text));
#endif
}

void TFormjudo::SetLogPage(const std::string& label, const std::string& text) {
#ifdef TK_HAVE_UI_FORMS
  static_cast<LogPage*>(logPage_)->SetLog(label, text);
#else
  qobject_cast<QPlainTextEdit*>(logPage_->property("text").value<QObject*>())
      ->setPlainText(ToQString(label + "\n" + text));
#endif
}

}  // namespace tk::ui
