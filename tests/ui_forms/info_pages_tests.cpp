// The Help and the tournament-log pages: their text and their "Ok", which
// returns to the board (to the Settings page in helper mode).
#include <gtest/gtest.h>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "forms_harness.h"

namespace tk::test {
namespace {

TEST(HelpPageTest, ShowsTheReadMeLinesAndOkReturnsToTheBoard) {
  FormsHarness h;
  {
    QFile readme(h.folder.filePath("readme.txt"));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.write("Scoreboard help\r\nF5 Hajime / Matte\r\n");
  }
  h.program->ShowHelp();
  auto* text = h.helpPage->findChild<QPlainTextEdit*>();
  EXPECT_EQ(text->toPlainText(), "Scoreboard help\nF5 Hajime / Matte");
  EXPECT_TRUE(text->isReadOnly());

  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(h.LastPage(), Page::Scoreboard);
  h.view.shown.clear();
  QTest::mouseClick(h.helpPage->findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
  EXPECT_EQ(h.LastPage(), Page::Scoreboard);
  EXPECT_EQ(h.view.shown.size(), 1u);
}

TEST(LogPageTest, ShowsTodaysLogAndItsPath) {
  FormsHarness h;  // the start-up reset wrote today's first line
  auto* path = h.logPage->findChild<QLabel*>("Label51");
  EXPECT_EQ(path->text(), "logfile.txt");
  h.program->ViewTodaysLog();
  EXPECT_EQ(h.LastPage(), Page::Log);
  EXPECT_EQ(path->text(), h.folder.filePath("tournament_log_25_12_2006.txt"));
  const QStringList lines =
      h.logPage->findChild<QPlainTextEdit*>("Memo2")->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[0].startsWith("The log file is appended to every time"));
  EXPECT_TRUE(lines[2].startsWith("25/12/2006 3:45:12 PM MatchDuration="))
      << lines[2].toStdString();
  EXPECT_FALSE(lines[2].contains('\r'));
}

TEST(LogPageTest, EnterInTheTextIsANewLineAndElsewhereOk) {
  FormsHarness h;
  h.logPage->SetLog("/x/tournament_log.txt", "one\r\ntwo");
  auto* memo = h.logPage->findChild<QPlainTextEdit*>("Memo2");
  memo->moveCursor(QTextCursor::End);
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(memo->toPlainText(), "one\ntwo\n");
  EXPECT_TRUE(h.view.shown.empty());
  QTest::keyClick(h.logPage->findChild<QPushButton*>("BitBtn4"), Qt::Key_Return);
  EXPECT_EQ(h.LastPage(), Page::Scoreboard);
}

TEST(LogPageTest, OkInHelperModeReturnsToTheSettingsPage) {
  FormsHarness h(Mode::Helper);
  QTest::mouseClick(h.logPage->findChild<QPushButton*>("BitBtn4"), Qt::LeftButton);
  EXPECT_EQ(h.LastPage(), Page::Settings);
}

}  // namespace
}  // namespace tk::test
