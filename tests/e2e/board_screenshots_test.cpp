// Pictures of the operator's board, the public board and the settings pages
// of the real main window in the middle of a match, at the two common screen
// sizes, saved under the build folder's artifacts/ for a look by eye. The
// checks make sure each picture shows what it claims to show.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "board/layout.h"
#include "support/fakes.h"
#include "ui/boardWidget.h"
#include "ui/judoUnit1.h"
#include "ui/slaveU2.h"

namespace tk::test {
namespace {

constexpr int kLayoutWaitMs = 1200;  // the 900 ms layout one-shot and some

QString ArtifactPath(const std::string& name) {
  QDir().mkpath(QStringLiteral(TK_ARTIFACTS_DIR));
  return QDir(QStringLiteral(TK_ARTIFACTS_DIR)).filePath(QString::fromStdString(name));
}

QImage Save(QWidget& widget, const std::string& name) {
  const QImage picture = widget.grab().toImage();
  EXPECT_FALSE(picture.isNull()) << name;
  EXPECT_TRUE(picture.save(ArtifactPath(name))) << name;
  return picture;
}

// The share of the element's area in the picture painted in its own
// background colour: a panel shown where the board model says it is.
double BackgroundShare(const QImage& picture, const BoardModel& board, const std::string& element) {
  const Rect r = board.AbsoluteRect(element);
  const QRgb background = board.at(element).background;
  int matching = 0, total = 0;
  for (int y = r.top; y < r.top + r.height; ++y) {
    for (int x = r.left; x < r.left + r.width; ++x) {
      if (!picture.valid(x, y)) continue;
      ++total;
      if ((picture.pixel(x, y) & 0xFFFFFFu) == background) ++matching;
    }
  }
  return total == 0 ? 0.0 : static_cast<double>(matching) / total;
}

// The real main window in a fresh program folder, on stand-ins for the
// dialogs, the sound and the monitor list.
struct MainWindow {
  MainWindow() {
    screens.monitors = {{0, 0, 1920, 1080}};
    ui::FormjudoOptions options;
    options.executablePath = folder.filePath("tavelkorn").toStdString();
    options.dialogs = &dialogs;
    options.sound = &sound;
    options.screens = &screens;
    window = std::make_unique<ui::TFormjudo>(std::move(options));
    window->show();
    QTest::qWait(kLayoutWaitMs);
  }

  Program& program() { return window->GetProgram(); }
  BoardModel& board() { return program().MainBoard(); }

  // The operator's window, then the public window as it is dragged onto a
  // monitor of that size: the layout one-shot after a size change puts the
  // public window back at its start place first.
  void Resize(int width, int height) {
    window->resize(width, height);
    QTest::qWait(kLayoutWaitMs);
    window->Slave().resize(width, height);
    QTest::qWait(50);
    // The public board re-lays itself out every few copies; one now, as a
    // click on its free area does.
    RealignPublicBoard(program().PublicBoard());
    program().PublicCopyTick();
    window->Slave().RefreshBoard();
    QTest::qWait(50);
  }

  QTemporaryDir folder;
  FakeDialogs dialogs;
  FakeSound sound;
  FakeScreens screens;
  std::unique_ptr<ui::TFormjudo> window;
};

// Names on the board, a Blue wazari, two White yuko, a Blue shido, and Blue
// holding down for some seconds, then Toketa and Matte: the clock stands
// still and the hold-down time stays on display for a while.
void PlayMidMatch(MainWindow& w) {
  w.board().SetCaption("Label71", "Ann Lee");
  w.board().SetCaption("Label70", "Bo Kim");
  Program& p = w.program();
  p.Run(Command::HajimeMatte);
  p.Run(Command::WazariBlue);
  p.Run(Command::YukoWhite);
  p.Run(Command::YukoWhite);
  p.GetMatch().AddPenalty(Side::Blue, CountKind::Shido);
  p.Run(Command::BlueIsTori);
  p.Run(Command::OsaeKomiToketa);
  // Running time for the clock and the hold-down count.
  QTest::qWait(3300);
  p.Run(Command::OsaeKomiToketa);
  p.Run(Command::HajimeMatte);
}

struct Size {
  int width, height;
  std::string Tag() const { return std::to_string(width) + "x" + std::to_string(height); }
};

TEST(BoardScreenshots, BothBoardsMidMatch) {
  MainWindow w;
  PlayMidMatch(w);
  const MatchState& state = w.program().GetMatch().State();
  ASSERT_EQ(state.blue.wazari, 1);
  ASSERT_GE(state.holdDownSeconds, 2) << "the hold-down did not count";
  ASSERT_FALSE(state.clockRunning);

  for (const Size size : {Size{1280, 720}, Size{1920, 1080}}) {
    SCOPED_TRACE(size.Tag());
    w.Resize(size.width, size.height);
    const QImage operatorPicture = Save(w.window->Board(), "board_main_" + size.Tag() + ".png");
    const QImage publicPicture =
        Save(w.window->Slave().Board(), "board_public_" + size.Tag() + ".png");
    Save(*w.window, "window_main_" + size.Tag() + ".png");

    // The pictures are of the laid-out boards at this size.
    EXPECT_EQ(publicPicture.size(), QSize(size.width, size.height));
    EXPECT_EQ(operatorPicture.width(), size.width);
    // Both halves and the clock panel are painted where their models put
    // them, in their own colours.
    for (const char* element : {"Panel6", "Panel5", "Panel3"}) {
      EXPECT_GT(BackgroundShare(operatorPicture, w.board(), element), 0.25) << element;
      EXPECT_GT(BackgroundShare(publicPicture, w.program().PublicBoard(), element), 0.25)
          << element;
    }
    // The public board copies the names and the running hold-down count.
    EXPECT_EQ(w.program().PublicBoard().Caption("Label71"), "Ann Lee");
    EXPECT_EQ(w.program().PublicBoard().Caption("Label3"), w.board().Caption("Label3"));
  }
}

TEST(BoardScreenshots, SettingsPagesInTheMainWindow) {
  MainWindow w;
  w.window->resize(1280, 720);
  QTest::qWait(kLayoutWaitMs);
  w.program().Run(Command::OpenSettings);
  ASSERT_NE(w.window->CurrentPage(), &w.window->Board()) << "the settings page did not open";
  const std::pair<SettingsTab, const char*> tabs[] = {
      {SettingsTab::Time, "time"},
      {SettingsTab::Appearance, "appearance"},
      {SettingsTab::Rules, "rules"},
      {SettingsTab::Useability, "useability"},
  };
  QImage previous;
  for (const auto& [tab, name] : tabs) {
    w.window->SelectSettingsTab(tab);
    QTest::qWait(50);
    const QImage picture =
        Save(*w.window, std::string("window_settings_") + name + "_1280x720.png");
    // Each tab shows a page of its own.
    EXPECT_NE(picture, previous) << name;
    previous = picture;
  }
}

}  // namespace
}  // namespace tk::test
