#include "ui/slaveU2.h"

#include <QCloseEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/boardWidget.h"
#include "ui/fonts.h"
#include "ui/menus.h"

namespace tk::ui {

namespace {
constexpr int kCopyPeriodMs = 500;
constexpr const char* kCaption =
    "Tavelkorn - Second Screen Slave - DRAG me across to the \"public\" monitor !";
}  // namespace

TFormslave2::TFormslave2(Program& program, EventRunner& runner)
    : QWidget(nullptr), program_(program), runner_(runner) {
  setWindowTitle(kCaption);
  setFont(ToQFont(Font{"MS Sans Serif", 8}));
  // Only the main window's closing ends the program; and showing the public
  // board leaves the keyboard with the operator's window.
  setAttribute(Qt::WA_QuitOnClose, false);
  setAttribute(Qt::WA_ShowWithoutActivating, true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  board_ = new BoardWidget(program_.PublicBoard(), this);
  board_->setObjectName("SlaveBoard");
  layout->addWidget(board_);

  menu_ = BuildPopupMenu(PopupMenu::Slave, this, [this](Command c) { RunCommand(c); });

  BoardWidget::Handlers handlers;
  handlers.mouse = [this](const std::string& element, MouseEventKind kind, MouseButton button,
                          bool) {
    // The right button is the window menu's, below.
    if (button == MouseButton::Right) return;
    runner_.RunEvent([&] { program_.PublicBoardMouse(element, kind, button); });
  };
  handlers.rightPress = [this](const std::string& element, const QPoint& globalPos) {
    runner_.RunEvent([&] {
      if (program_.PublicBoardMouse(element, MouseEventKind::Press, MouseButton::Right) ==
          PopupMenu::Slave) {
        EnableActions(*menu_, [this](Command c) { return program_.CommandEnabled(c); });
        menu_->popup(globalPos);
      }
    });
  };
  board_->SetHandlers(std::move(handlers));

  copyTimer_.setInterval(kCopyPeriodMs);
  connect(&copyTimer_, &QTimer::timeout, this,
          [this] { runner_.RunTick([this] { program_.PublicCopyTick(); }); });
}

TFormslave2::~TFormslave2() = default;

void TFormslave2::RefreshBoard() {
  board_->RefreshIfChanged();
}

void TFormslave2::RunCommand(Command command) {
  runner_.RunEvent([&] {
    program_.RunDueTicks();
    program_.Run(command);
  });
}

void TFormslave2::ShowAt(int left, int top, int width, int height) {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) showNormal();
  move(left, top);
  resize(width, height);
  show();
  raise();
}

void TFormslave2::SetState(SlaveWindowState state) {
  const bool maximise = state == SlaveWindowState::Maximised;
  if (!isVisible()) {
    // Remembered for the next showing.
    setWindowState(maximise ? Qt::WindowMaximized : Qt::WindowNoState);
  } else if (maximise) {
    showMaximized();
  } else {
    showNormal();
  }
}

void TFormslave2::SetFrameless(bool frameless) {
  if (windowFlags().testFlag(Qt::FramelessWindowHint) == frameless) return;
  const bool shown = isVisible();
  const QRect place = geometry();
  // Changing the frame re-creates the native window, which hides it.
  setWindowFlag(Qt::FramelessWindowHint, frameless);
  if (!shown) return;
  if (!(windowState() & Qt::WindowMaximized)) setGeometry(place);
  show();
}

void TFormslave2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) copyTimer_.start();
}

void TFormslave2::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) copyTimer_.stop();
}

void TFormslave2::closeEvent(QCloseEvent* event) {
  // The close box of the frame: the program hides the window its own way.
  event->accept();
  runner_.RunEvent([this] { program_.HideSlave(); });
}

}  // namespace tk::ui
