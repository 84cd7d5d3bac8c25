// The main window and the public window driven as the operator drives them:
// real key presses and mouse clicks on an off-screen window, real timers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <fstream>

#include "ui/boardWidget.h"
#include "ui/slaveU2.h"
#include "ui_support.h"

namespace tk::test {
namespace {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override { ui_.ShowAndActivate(); }

  BoardModel& Board() { return ui_.program().MainBoard(); }
  BoardModel& Public() { return ui_.program().PublicBoard(); }
  ui::BoardWidget& BoardWidget() { return ui_.window->Board(); }

  void ClickElement(const std::string& element, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = BoardWidget().ElementCentre(element);
    ASSERT_EQ(BoardWidget().ElementAt(at), element);
    QTest::mouseClick(&BoardWidget(), button, Qt::NoModifier, at);
  }

  // The lines of today's tournament log in the program folder.
  int LogLines() {
    const QStringList logs = QDir(ui_.dir.path()).entryList({"tournament_log_*.txt"}, QDir::Files);
    if (logs.isEmpty()) return 0;
    QFile file(QDir(ui_.dir.path()).filePath(logs.front()));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(file.readAll().count('\n'));
  }

  // A page of 1280 x 720 pixels under the menu bar and the blank strip.
  void SizePage(int width, int height) {
    const int above = ui_.window->menuBar()->sizeHint().height() + 25;
    ui_.window->resize(width, height + above);
    ASSERT_TRUE(WaitUntil([&] { return BoardWidget().height() == height; }, 2000))
        << BoardWidget().height();
    ASSERT_EQ(BoardWidget().width(), width);
  }

  WindowUnderTest ui_;
};

TEST_F(MainWindowTest, StartsOnTheScoreboardWithTheProgramsTitles) {
  EXPECT_EQ(ui_.window->windowTitle(), "Pemra Tavelkorn Ver 5.1");
  EXPECT_EQ(QCoreApplication::applicationName(), "Tavelkorn");
  EXPECT_EQ(ui_.window->CurrentPage(), &BoardWidget());
  // The start-up reset wrote the first line (after the file's header).
  EXPECT_GE(LogLines(), 2);
  EXPECT_TRUE(ui_.dialogs.messages.empty());
}

TEST_F(MainWindowTest, F5StartsAndStopsTheMatchClock) {
  ui_.Key(Qt::Key_F5);
  EXPECT_EQ(ui_.Caption("Label18"), "Matte F5");
  const std::string start = ui_.Caption("Label15");
  // The clock steps by itself, driven by the real tick timer.
  EXPECT_TRUE(WaitUntil([&] { return ui_.Caption("Label15") != start; }, 1500))
      << ui_.Caption("Label15");
  ui_.Key(Qt::Key_F5);
  EXPECT_EQ(ui_.Caption("Label18"), "Hajime F5");
  const std::string stopped = ui_.Caption("Label15");
  QTest::qWait(1200);
  EXPECT_EQ(ui_.Caption("Label15"), stopped);
}

TEST_F(MainWindowTest, CtrlF5IsTheFiveMinuteJumpNotHajime) {
  ui_.Key(Qt::Key_F2, Qt::ControlModifier);  // two-minute bouts first
  EXPECT_EQ(ui_.Caption("Label15"), "2:00");
  ui_.window->ShowPage(Page::Scoreboard);
  ui_.Key(Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(ui_.Caption("Label15"), "5:00");
  EXPECT_EQ(ui_.Caption("Label18"), "Hajime F5");
}

TEST_F(MainWindowTest, F6AndF9DriveTheHoldDown) {
  ui_.Key(Qt::Key_F6);
  EXPECT_EQ(ui_.Caption("Label69"), "Toketa F6   ");
  ui_.Key(Qt::Key_F9);
  EXPECT_EQ(ui_.Caption("Label28"), "Yoshi F9   ");
  EXPECT_FALSE(Board().Visible("Label18"));
  ui_.Key(Qt::Key_F9);
  EXPECT_EQ(ui_.Caption("Label28"), "SonoMama F9");
  EXPECT_TRUE(Board().Visible("Label18"));
  ui_.Key(Qt::Key_F6);
  EXPECT_EQ(ui_.Caption("Label69"), "Osae Komi F6");
}

TEST_F(MainWindowTest, TwoBlueWazariShowAsOneIppon) {
  ui_.Key(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(ui_.Caption("Label12"), "1");
  ui_.Key(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(ui_.Caption("Label11"), "1");
  EXPECT_EQ(ui_.Caption("Label7"), "0");
}

TEST_F(MainWindowTest, CtrlAResetsTheBoardAndWritesALogLine) {
  ui_.Key(Qt::Key_Y, Qt::ControlModifier | Qt::AltModifier);
  ASSERT_EQ(ui_.Caption("Label9"), "1");
  const int before = LogLines();
  ui_.Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(ui_.Caption("Label9"), "0");
  EXPECT_EQ(LogLines(), before + 1);
}

TEST_F(MainWindowTest, CtrlGTogglesGoldenScore) {
  ASSERT_FALSE(Board().Visible("Label77"));
  ui_.Key(Qt::Key_G, Qt::ControlModifier);
  EXPECT_TRUE(Board().Visible("Label77"));
  ui_.Key(Qt::Key_G, Qt::ControlModifier);
  EXPECT_FALSE(Board().Visible("Label77"));
}

TEST_F(MainWindowTest, CtrlZTogglesTheLastMatchBanner) {
  // The start-up reset put the banner up.
  ASSERT_TRUE(Board().Visible("Panel23"));
  ui_.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Board().Visible("Panel23"));
  ui_.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Board().Visible("Panel23"));
}

TEST_F(MainWindowTest, AClickOnBluesWazariDigitAddsAWazari) {
  ClickElement("Label12");
  EXPECT_EQ(ui_.Caption("Label12"), "1");
  // A click on its "W" caption counts for the digit below.
  ClickElement("Label25");
  EXPECT_EQ(ui_.Caption("Label11"), "1");
}

TEST_F(MainWindowTest, ARightClickOnADigitOpensTheUndoMenu) {
  QMenu* undo = ui_.window->PopupFor(PopupMenu::Undo);
  ASSERT_NE(undo, nullptr);
  ASSERT_FALSE(undo->actions().isEmpty());
  QAction* undoLast = undo->actions().front();
  EXPECT_EQ(undoLast->text(), "Undo last action");

  ui_.Key(Qt::Key_Y, Qt::ControlModifier);
  ASSERT_EQ(ui_.Caption("Label13"), "1");
  ClickElement("Label13", Qt::RightButton);
  ASSERT_TRUE(WaitUntil([&] { return undo->isVisible(); }, 1000));
  EXPECT_EQ(ui_.Caption("Label13"), "1");  // the right button counts nothing
  EXPECT_TRUE(undoLast->isEnabled());
  undoLast->trigger();
  EXPECT_EQ(ui_.Caption("Label13"), "0");
  undo->close();

  // Nothing left to take back: the entry is off when the menu opens again.
  ClickElement("Label9", Qt::RightButton);
  ASSERT_TRUE(WaitUntil([&] { return undo->isVisible(); }, 1000));
  EXPECT_FALSE(undoLast->isEnabled());
}

TEST_F(MainWindowTest, ThePublicBoardShowsANewScoreWithinHalfASecond) {
  ui_.Key(Qt::Key_S, Qt::ControlModifier);
  ui::TFormslave2& slave = ui_.window->Slave();
  ASSERT_TRUE(slave.isVisible());
  EXPECT_TRUE(slave.CopyTimerActive());
  EXPECT_EQ(slave.windowTitle(),
            "Tavelkorn - Second Screen Slave - DRAG me across to the \"public\" monitor !");
  // The operator's window keeps the keyboard.
  EXPECT_TRUE(ui_.window->isActiveWindow());

  ui_.Key(Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
  ASSERT_EQ(ui_.Caption("Label8"), "1");
  QElapsedTimer elapsed;
  elapsed.start();
  ASSERT_TRUE(WaitUntil([&] { return Public().Caption("Label8") == "1"; }, 1000));
  // One copy period, with room for a busy machine.
  EXPECT_LE(elapsed.elapsed(), 650);

  ui_.Key(Qt::Key_H, Qt::ControlModifier);
  EXPECT_FALSE(slave.isVisible());
  EXPECT_FALSE(slave.CopyTimerActive());
}

TEST_F(MainWindowTest, ThePublicWindowOpensByItselfAfterStartUp) {
  ui::TFormslave2& slave = ui_.window->Slave();
  EXPECT_TRUE(WaitUntil([&] { return slave.isVisible(); }, 2000));
  EXPECT_EQ(slave.width(), 640);
  EXPECT_EQ(slave.height(), 480);
}

TEST_F(MainWindowTest, ThePublicWindowsMenuManagesTheWindow) {
  ui_.Key(Qt::Key_S, Qt::ControlModifier);
  ui::TFormslave2& slave = ui_.window->Slave();
  ASSERT_TRUE(slave.isVisible());
  ui::BoardWidget& board = slave.Board();
  const QPoint onBoard = board.ElementCentre("Label15");
  QTest::mouseClick(&board, Qt::RightButton, Qt::NoModifier, onBoard);
  QMenu* menu = slave.WindowMenu();
  ASSERT_TRUE(WaitUntil([&] { return menu->isVisible(); }, 1000));
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  EXPECT_EQ(captions,
            QStringList({"Close Slave Window", "Normalise Slave Window", "Maximise Slave Window",
                         "Slave Border None", "Slave Border Sizeable"}));
  menu->actions()[3]->trigger();  // no border
  EXPECT_TRUE(slave.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(slave.isVisible());
  menu->actions()[0]->trigger();  // close
  EXPECT_FALSE(slave.isVisible());
  // Closing gives the frame back.
  EXPECT_FALSE(slave.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(MainWindowTest, TheCloseBoxOfThePublicWindowHidesItTheProgramsWay) {
  ui_.Key(Qt::Key_S, Qt::ControlModifier);
  ui::TFormslave2& slave = ui_.window->Slave();
  ASSERT_TRUE(slave.isVisible());
  ui_.window->SetSlaveFrameless(true);
  slave.close();
  EXPECT_FALSE(slave.isVisible());
  EXPECT_FALSE(slave.CopyTimerActive());
  EXPECT_FALSE(slave.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(ui_.window->isVisible());
}

TEST_F(MainWindowTest, ALayoutOfA720PixelPageGivesA200PixelClockPanel) {
  ui_.Key(Qt::Key_Z, Qt::ControlModifier);  // the banner down: the board fills the page
  ASSERT_FALSE(Board().Visible("Panel23"));
  SizePage(1280, 720);
  ui_.Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(Board().Height("Panel31"), 720);
  EXPECT_EQ(Board().Height("Panel3"), 200);
  EXPECT_EQ(Board().Height("Panel6"), 260);
  EXPECT_EQ(Board().Height("Panel5"), 260);
}

TEST_F(MainWindowTest, ASizeChangeLaysTheBoardOutOnceTheCountdownEnds) {
  SizePage(1000, 600);
  ASSERT_TRUE(WaitUntil([&] { return !ui_.window->LayoutTimerRunning(); }, 2000));
  const int before = Board().Height("Panel3");
  SizePage(1280, 900);
  EXPECT_TRUE(ui_.window->LayoutTimerRunning());
  EXPECT_EQ(Board().Height("Panel3"), before);
  ASSERT_TRUE(WaitUntil([&] { return !ui_.window->LayoutTimerRunning(); }, 2000));
  EXPECT_EQ(Board().Height("Panel3"),
            static_cast<int>(std::lround(Board().Height("Panel31") / 3.6)));
}

TEST_F(MainWindowTest, AnErrorEndsTheEventWithAMessageAndTheProgramGoesOn) {
  // A buzzer file that is there but cannot be played.
  std::ofstream(ui_.Folder() + "TADA.WAV") << "no sound";
  ui_.sound.fail = true;
  ui_.Key(Qt::Key_B, Qt::ControlModifier);
  ASSERT_EQ(ui_.dialogs.messages.size(), 1u);
  EXPECT_NE(ui_.dialogs.messages.front().find("TADA.WAV"), std::string::npos);
  ui_.Key(Qt::Key_F5);
  EXPECT_EQ(ui_.Caption("Label18"), "Matte F5");
}

TEST_F(MainWindowTest, TheMenuHoldsBuiltEntriesOnlyWithTheirShortcuts) {
  for (const MenuEntry& entry : MainMenu()) {
    QAction* action = ui_.window->ActionFor(entry.command);
    if (!entry.built) {
      EXPECT_EQ(action, nullptr) << entry.caption;
      continue;
    }
    ASSERT_NE(action, nullptr) << entry.caption;
    EXPECT_EQ(action->text().toStdString(), entry.caption);
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromStdString(entry.shortcut)))
        << entry.caption;
  }
  // Start-up found a monitor, so the public window can be managed.
  EXPECT_TRUE(ui_.window->ActionFor(Command::MaximiseSlave)->isEnabled());
  EXPECT_TRUE(ui_.window->ActionFor(Command::LinksMedium)->isChecked());
  EXPECT_FALSE(ui_.window->ActionFor(Command::ToggleResetLink)->isChecked());
}

TEST_F(MainWindowTest, ShortcutsActWhileTheHelpPageIsShown) {
  ui_.Key(Qt::Key_F1);
  ASSERT_NE(ui_.window->CurrentPage(), &BoardWidget());
  ui_.Key(Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(ui_.Caption("Label11"), "1");
}

// A field of the settings page would take these keys for its own editing
// (select all, undo); the menu's keys win anywhere in the main window.
TEST_F(MainWindowTest, ShortcutsActWhileAFieldOfTheSettingsPageHasTheFocus) {
  struct Row {
    const char* field;
    Qt::Key key;
  } rows[] = {{"SpinEdit1", Qt::Key_A}, {"Edit7", Qt::Key_A}, {"SpinEdit9", Qt::Key_Z}};
  for (const Row& row : rows) {
    ui_.window->ShowPage(Page::Scoreboard);
    ui_.Key(Qt::Key_W, Qt::ControlModifier);
    const bool bannerBefore = Board().Visible("Panel23");
    const int logBefore = LogLines();
    ui_.Key(Qt::Key_F2);
    auto* field = ui_.window->CurrentPage()->findChild<QWidget*>(row.field);
    ASSERT_NE(field, nullptr) << row.field;
    field->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return field->hasFocus(); }, 1000)) << row.field;
    QTest::keyClick(field, row.key, Qt::ControlModifier);
    if (row.key == Qt::Key_A) {
      EXPECT_EQ(ui_.Caption("Label12"), "0") << row.field << ": Ctrl+A resets everything";
      EXPECT_EQ(LogLines(), logBefore + 1) << row.field;
    } else {
      EXPECT_NE(Board().Visible("Panel23"), bannerBefore) << row.field << ": Ctrl+Z";
    }
  }
}

// The rewrite dialog waits for the operator in an event loop of its own, in
// which the timers keep firing. A hold-down award falling due meanwhile must
// not be overwritten by the counts the dialog was opened with: it is given
// once the dialog has closed, on top of the rewritten counts.
TEST_F(MainWindowTest, AHoldDownAwardDueWhileTheRewriteDialogIsOpenIsNotLost) {
  Settings& settings = ui_.program().GetSettings();
  settings.Yuko = 1;
  settings.Wazari = 39;
  settings.Ippon = 40;
  ui_.Key(Qt::Key_F5);
  ui_.Key(Qt::Key_F7);
  ui_.Key(Qt::Key_F6);
  constexpr std::size_t kWhiteShido = 9;
  ui_.dialogs.editScores = [&](std::array<int, 12>& counts, std::uint32_t) {
    QTest::qWait(1600);  // the operator takes a while; the yuko second passes
    counts[kWhiteShido] = 1;
    return true;
  };
  ui_.window->PopupFor(PopupMenu::Undo)->actions().at(1)->trigger();
  EXPECT_EQ(ui_.program().GetMatch().RawCounts()[kWhiteShido], 1) << "the rewrite applies";
  EXPECT_TRUE(WaitUntil([&] { return ui_.Caption("Label13") == "1"; }, 1000))
      << "Blue's yuko from the hold-down: " << ui_.Caption("Label13");
  EXPECT_EQ(ui_.program().GetMatch().RawCounts()[kWhiteShido], 1);
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsFile) {
  const QString settings = QDir(ui_.dir.path()).filePath("tavelkorn.ini");
  ASSERT_FALSE(QFile::exists(settings));
  ui_.window->close();
  EXPECT_TRUE(QFile::exists(settings));
  EXPECT_FALSE(ui_.window->Slave().isVisible());
}

TEST(HelperWindow, TheHelperHasItsTitlesAndNoMatchControls) {
  WindowUnderTest helper({"h"});
  helper.ShowAndActivate();
  EXPECT_EQ(helper.window->windowTitle(), "Remote Helper -  Pemra Tavelkorn Ver 5.1");
  EXPECT_EQ(QCoreApplication::applicationName(), "TK Helper");
  EXPECT_NE(helper.window->CurrentPage(), &helper.window->Board());
  EXPECT_FALSE(helper.window->ActionFor(Command::HajimeMatte)->isEnabled());
  helper.Key(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(helper.Caption("Label12"), "0");
  // The public window never opens for the helper.
  QTest::qWait(1200);
  EXPECT_FALSE(helper.window->Slave().isVisible());
  QCoreApplication::setApplicationName("Tavelkorn");
}

}  // namespace
}  // namespace tk::test
