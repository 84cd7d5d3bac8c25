// Pictures of both boards at two common screen sizes, written to the build's
// artifacts folder for a person to look at; each is checked for the clock
// panel and the clock's digits where the layout puts them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QTest>

#include "ui/boardWidget.h"
#include "ui/slaveU2.h"
#include "ui_support.h"

// Names the screen size in test listings.
void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << "x" << size.height();
}

namespace tk::test {
namespace {

// True when some pixel of the element's rectangle has the colour.
bool ElementShows(const QImage& image, const BoardModel& board, const std::string& element,
                  QRgb colour) {
  const Rect r = board.AbsoluteRect(element);
  for (int y = std::max(0, r.top); y < std::min(image.height(), r.top + r.height); ++y) {
    for (int x = std::max(0, r.left); x < std::min(image.width(), r.left + r.width); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == colour) return true;
    }
  }
  return false;
}

void CheckAndSave(const QImage& image, const BoardModel& board, const QString& name) {
  const Rect clockPanel = board.AbsoluteRect("Panel3");
  EXPECT_EQ(image.pixel(clockPanel.left + clockPanel.width - 2, clockPanel.top + 1) & 0xFFFFFF,
            0x002800u)
      << name.toStdString();
  EXPECT_TRUE(ElementShows(image, board, "Label15", 0xFFFF00)) << name.toStdString();
  EXPECT_TRUE(ElementShows(image, board, "Panel26", 0xFFFF00)) << name.toStdString();  // card
  QDir().mkpath(TK_ARTIFACTS_DIR);
  EXPECT_TRUE(image.save(QString(TK_ARTIFACTS_DIR) + "/" + name + ".png"));
}

class Screenshots : public testing::TestWithParam<QSize> {};

TEST_P(Screenshots, BothBoardsReadAsAScoreboard) {
  const QSize size = GetParam();
  WindowUnderTest ui;
  ui.ShowAndActivate();
  // A match under way: scores, a penalty, a hold-down, the clock running.
  ui.Key(Qt::Key_Z, Qt::ControlModifier);
  ui.Key(Qt::Key_W, Qt::ControlModifier);
  ui.Key(Qt::Key_Y, Qt::ControlModifier | Qt::AltModifier);
  ui.Key(Qt::Key_Y, Qt::ControlModifier | Qt::AltModifier);
  ui::BoardWidget& board = ui.window->Board();
  QTest::mouseClick(&board, Qt::LeftButton, Qt::NoModifier, board.ElementCentre("Panel27"));
  ui.Key(Qt::Key_F5);
  ui.Key(Qt::Key_F7);
  ui.Key(Qt::Key_F6);

  const int above = ui.window->menuBar()->sizeHint().height() + 25;
  ui.window->resize(size.width(), size.height() + above);
  ASSERT_TRUE(WaitUntil([&] { return board.size() == size; }, 2000));
  ui.Key(Qt::Key_R, Qt::ControlModifier);
  QTest::qWait(1100);  // a tick or two on the clocks
  const QString suffix = QString("%1x%2").arg(size.width()).arg(size.height());
  CheckAndSave(board.grab().toImage(), ui.program().MainBoard(), "main_board_" + suffix);

  ui.Key(Qt::Key_S, Qt::ControlModifier);
  ui::TFormslave2& slave = ui.window->Slave();
  slave.resize(size);
  ASSERT_TRUE(WaitUntil([&] { return slave.Board().size() == size; }, 2000));
  // Eleven copy ticks bring a realignment of the public board.
  for (int i = 0; i < 11; ++i) ui.window->RunEvent([&] { ui.program().PublicCopyTick(); });
  CheckAndSave(slave.Board().grab().toImage(), ui.program().PublicBoard(),
               "public_board_" + suffix);
}

INSTANTIATE_TEST_SUITE_P(CommonScreens, Screenshots,
                         testing::Values(QSize(1280, 720), QSize(1920, 1080)),
                         [](const auto& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });

}  // namespace
}  // namespace tk::test
