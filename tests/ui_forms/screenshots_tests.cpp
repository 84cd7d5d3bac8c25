// Pictures of every settings page, the Help and log pages and the rewrite
// dialog, saved under the build folder's artifacts/ for a look by eye.
#include <gtest/gtest.h>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "forms_harness.h"
#include "ui/forms/rewriteU1.h"

namespace tk::test {
namespace {

QString Artifact(const char* name) {
  QDir().mkpath(QStringLiteral(TK_ARTIFACTS_DIR));
  return QDir(QStringLiteral(TK_ARTIFACTS_DIR)).filePath(QString::fromLatin1(name));
}

void Save(QWidget& widget, const char* name) {
  const QPixmap picture = widget.grab();
  ASSERT_FALSE(picture.isNull()) << name;
  EXPECT_TRUE(picture.save(Artifact(name))) << name;
}

TEST(ScreenshotTest, SettingsPages) {
  FormsHarness h;
  h.settingsPage->resize(1024, 640);
  h.settingsPage->show();
  auto* tabs = h.settingsPage->findChild<QTabWidget*>();
  const char* names[] = {"settings_time.png", "settings_appearance.png", "settings_rules.png",
                         "settings_useability.png"};
  ASSERT_EQ(tabs->count(), 4);
  for (int i = 0; i < 4; ++i) {
    tabs->setCurrentIndex(i);
    QTest::qWait(20);
    Save(*h.settingsPage, names[i]);
  }
  // The smallest window the helper opens in.
  h.settingsPage->resize(800, 560);
  tabs->setCurrentIndex(1);
  QTest::qWait(20);
  Save(*h.settingsPage, "settings_appearance_small.png");
}

TEST(ScreenshotTest, HelpAndLogPages) {
  FormsHarness h;
  h.helpPage->SetText("Scoreboard help\nF5 Hajime / Matte\nF6 Osae-komi / Toketa");
  h.helpPage->resize(800, 500);
  h.helpPage->show();
  Save(*h.helpPage, "help_page.png");
  h.program->ViewTodaysLog();
  h.logPage->resize(800, 500);
  h.logPage->show();
  Save(*h.logPage, "log_page.png");
}

TEST(ScreenshotTest, RewriteDialog) {
  ui::TFormrewrite dialog;
  std::array<int, 12> counts{0, 1, 2, 1, 0, 0, 1, 0, 3, 2, 1, 0};
  QTimer::singleShot(0, &dialog, [&] {
    QTest::qWait(20);
    Save(dialog, "rewrite_dialog.png");
    dialog.reject();
  });
  dialog.Edit(counts, 0x0000FF);
}

}  // namespace
}  // namespace tk::test
