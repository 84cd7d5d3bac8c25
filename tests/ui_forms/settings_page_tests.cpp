// The settings page against a real Program: the fields show and edit the
// Settings, the duration rule acts before "Ok", previews change at once and
// the board only at the next apply.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "board/palette.h"
#include "forms_harness.h"

namespace tk::test {
namespace {

constexpr Rgb kBlue = 0x0000FF, kRed = 0xFF0000;

QRgb Background(const QWidget* widget) {
  return widget->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
}

TEST(SettingsPageTest, FieldsShowTheSettingsReadAtStart) {
  FormsHarness h(Mode::Scoreboard,
                 "MatchMins = 4\r\nMatchSecs = 0\r\nYuko = 12\r\nWazari = 17\r\nIppon = 22\r\n"
                 "MajorSound = gong.wav\r\nResetWarning = 1\r\nMONsterKosenRules = 1\r\n"
                 "SecsToLeaveNewazaScore = 9\r\nSecsToLeaveLastMatch = 33\r\n");
  ASSERT_TRUE(h.errors.empty());
  struct Row {
    const char* field;
    int shown;
  } rows[] = {
      {"SpinEdit1", 4},  {"SpinEdit2", 0},  {"SpinEdit10", 2}, {"SpinEdit11", 0},
      {"SpinEdit4", 12}, {"SpinEdit5", 17}, {"SpinEdit6", 22}, {"SpinEdit7", 1},
      {"SpinEdit8", 30}, {"SpinEdit3", 9},  {"SpinEdit9", 33},
  };
  for (const Row& row : rows) {
    QSpinBox* field = h.Field(row.field);
    ASSERT_NE(field, nullptr) << row.field;
    EXPECT_EQ(field->value(), row.shown) << row.field;
    EXPECT_EQ(field->text(), QString::number(row.shown)) << row.field;
  }
  struct Box {
    const char* name;
    bool checked, enabled;
  } boxes[] = {
      {"CheckBox1", true, true},
      {"CheckBox11", true, true},
      {"CheckBox7", false, true},
      {"CheckBox5", false, true},
      {"CheckBox6", true, true},
      // Forced on at every start; only the View menu changes it.
      {"CheckBox10", true, false},
  };
  for (const Box& box : boxes) {
    auto* check = h.Find<QCheckBox>(box.name);
    ASSERT_NE(check, nullptr) << box.name;
    EXPECT_EQ(check->isChecked(), box.checked) << box.name;
    EXPECT_EQ(check->isEnabled(), box.enabled) << box.name;
  }
  EXPECT_EQ(h.Find<QLineEdit>("Edit7")->text(), "gong.wav");
  EXPECT_EQ(h.Find<QScrollBar>("ScrollBar3")->value(), 40);
}

TEST(SettingsPageTest, TabsInOrderAndUnbuiltTabsCannotBeSelected) {
  FormsHarness h;
  auto* tabs = h.settingsPage->findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  const QStringList expected = {"  Time Settings  ", "  Appearance and Sounds  ",
                                "  Rules and Refereeing  ", "  Useability  "};
  ASSERT_EQ(tabs->count(), expected.size());
  for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->tabText(i), expected[i]);

  h.settingsPage->SelectTab(SettingsTab::Rules);
  EXPECT_EQ(tabs->currentIndex(), 2);
  h.settingsPage->SelectTab(SettingsTab::Players);
  EXPECT_EQ(tabs->currentIndex(), 2);
}

TEST(SettingsPageTest, MatchMinutesBeforeFirstHajimeResetClockAndGoldenScoreAtOnce) {
  FormsHarness h;
  TypeInto(h.Field("SpinEdit1"), "3");
  EXPECT_EQ(h.program->GetSettings().MatchMins, 3);
  EXPECT_EQ(h.Board("Label15").caption, "3:00");
  EXPECT_EQ(h.Field("SpinEdit10")->text(), "1");
  EXPECT_EQ(h.Field("SpinEdit11")->text(), "30");
  EXPECT_TRUE(h.view.shown.empty()) << "nothing is applied before Ok";
}

TEST(SettingsPageTest, MatchMinutesAfterHajimeLeaveTheClock) {
  FormsHarness h;
  h.program->Run(Command::HajimeMatte);
  h.program->Run(Command::HajimeMatte);
  TypeInto(h.Field("SpinEdit1"), "3");
  EXPECT_EQ(h.Board("Label15").caption, "5:00");
  EXPECT_EQ(h.Field("SpinEdit10")->text(), "1");
  EXPECT_EQ(h.Field("SpinEdit11")->text(), "30");
}

TEST(SettingsPageTest, GoldenScoreFieldsReturnAtOnceToHalfTheMatch) {
  FormsHarness h;
  QSpinBox* minutes = h.Field("SpinEdit10");
  TypeInto(minutes, "7");
  EXPECT_EQ(minutes->text(), "2");
  EXPECT_EQ(h.Field("SpinEdit11")->text(), "30");
  TypeInto(h.Field("SpinEdit11"), "5");
  EXPECT_EQ(h.Field("SpinEdit11")->text(), "30");
  EXPECT_EQ(h.program->GetSettings().goldenMins, 2);
  EXPECT_EQ(h.program->GetSettings().goldenSecs, 30);
}

// What a typed text reads as at once, and what the field shows when the
// focus leaves it.
struct TypedCase {
  const char* field;
  const char* typed;
  int Settings::*member;
  int value;
};

class TypedTextTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedTextTest, ReadsAsANumberInRangeAndShowsItOnFocusLoss) {
  const TypedCase& c = GetParam();
  FormsHarness h;
  QSpinBox* field = h.Field(c.field);
  ASSERT_NE(field, nullptr);
  TypeInto(field, QString::fromLatin1(c.typed));
  EXPECT_EQ(field->value(), c.value);
  EXPECT_EQ(h.program->GetSettings().*c.member, c.value);
  LeaveField(field);
  EXPECT_EQ(field->text(), QString::number(c.value));
  EXPECT_EQ(h.program->GetSettings().*c.member, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedTextTest,
    ::testing::Values(TypedCase{"SpinEdit4", "abc", &Settings::Yuko, 1},
                      TypedCase{"SpinEdit4", "99", &Settings::Yuko, 40},
                      TypedCase{"SpinEdit5", "-3", &Settings::Wazari, 1},
                      TypedCase{"SpinEdit6", "12x", &Settings::Ippon, 1},
                      TypedCase{"SpinEdit3", "2", &Settings::SecsToLeaveNewazaScore, 4},
                      TypedCase{"SpinEdit9", "", &Settings::SecsToLeaveLastMatch, 10},
                      TypedCase{"SpinEdit9", "45", &Settings::SecsToLeaveLastMatch, 45},
                      TypedCase{"SpinEdit7", "1a", &Settings::emergencyMins, 0},
                      TypedCase{"SpinEdit8", "75", &Settings::emergencySecs, 59},
                      TypedCase{"SpinEdit2", "12", &Settings::MatchSecs, 12},
                      TypedCase{"SpinEdit1", "31", &Settings::MatchMins, 30}));

TEST(SettingsPageTest, ChecksAndBuzzerFileWriteTheirSettingsAtOnce) {
  FormsHarness h;
  QTest::mouseClick(h.Find<QCheckBox>("CheckBox7"), Qt::LeftButton);
  QTest::mouseClick(h.Find<QCheckBox>("CheckBox5"), Qt::LeftButton);
  QTest::mouseClick(h.Find<QCheckBox>("CheckBox6"), Qt::LeftButton);
  QTest::mouseClick(h.Find<QCheckBox>("CheckBox10"), Qt::LeftButton);
  auto* file = h.Find<QLineEdit>("Edit7");
  file->selectAll();
  QTest::keyClicks(file, "/sounds/horn.wav");
  const Settings& s = h.program->GetSettings();
  EXPECT_TRUE(s.NeWazaWaitForRef);
  EXPECT_TRUE(s.toolTips);
  EXPECT_FALSE(s.scoreLabelsVisible);
  EXPECT_TRUE(s.ResetLinkvisible) << "the greyed box cannot be changed here";
  EXPECT_EQ(s.MajorSound, "/sounds/horn.wav");
}

TEST(SettingsPageTest, BrowseShowsTheChosenFileAndCancelKeepsIt) {
  FormsHarness h;
  auto* browse = h.Find<QPushButton>("SpeedButton20");
  h.dialogs.fileToChoose = "/sounds/bell.wav";
  QTest::mouseClick(browse, Qt::LeftButton);
  EXPECT_EQ(h.Find<QLineEdit>("Edit7")->text(), "/sounds/bell.wav");
  h.dialogs.fileToChoose.reset();
  QTest::mouseClick(browse, Qt::LeftButton);
  EXPECT_EQ(h.Find<QLineEdit>("Edit7")->text(), "/sounds/bell.wav");
}

TEST(SettingsPageTest, TestTheBuzzerShowsTheFallBackFileAndReportsAFailure) {
  FormsHarness h;
  h.sound.fail = true;
  QTest::mouseClick(h.Find<QPushButton>("SpeedButton26"), Qt::LeftButton);
  ASSERT_EQ(h.errors.size(), 1u);
  // The chosen file was missing: the field shows the program folder's default.
  const QString fallBack = h.folder.filePath("TADA.WAV");
  EXPECT_EQ(h.Find<QLineEdit>("Edit7")->text(), fallBack);
}

// "Cancel" leaves a chosen scheme pending in the preview; the next "Ok" puts
// it on the board. Both by the buttons and by the keys of the page.
struct CloseCase {
  const char* name;
  void (*cancel)(FormsHarness&);
  void (*ok)(FormsHarness&);
};

class SchemeTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(SchemeTest, RedSchemeReachesTheBoardOnlyAtTheNextOk) {
  FormsHarness h;
  h.settingsPage->show();
  QTest::mouseClick(h.Find<QPushButton>("SpeedButton8"), Qt::LeftButton);
  EXPECT_EQ(Background(h.Find<QLabel>("Panel21")), kRed);
  EXPECT_EQ(h.Board("Panel6").background, kBlue);

  GetParam().cancel(h);
  EXPECT_EQ(h.LastPage(), Page::Scoreboard);
  EXPECT_EQ(h.Board("Panel6").background, kBlue);
  EXPECT_EQ(h.program->GetSettings().ColourScheme, kSchemeRed);

  GetParam().ok(h);
  EXPECT_EQ(h.Board("Panel6").background, kRed);
  EXPECT_EQ(h.LastPage(), Page::Scoreboard);
}

INSTANTIATE_TEST_SUITE_P(
    Closing, SchemeTest,
    ::testing::Values(
        CloseCase{"Buttons",
                  [](FormsHarness& h) {
                    QTest::mouseClick(h.Find<QPushButton>("BitBtn5"), Qt::LeftButton);
                  },
                  [](FormsHarness& h) {
                    QTest::mouseClick(h.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
                  }},
        CloseCase{"KeysInAField",
                  [](FormsHarness& h) { QTest::keyClick(h.Field("SpinEdit4"), Qt::Key_Escape); },
                  [](FormsHarness& h) { QTest::keyClick(h.Field("SpinEdit4"), Qt::Key_Return); }},
        CloseCase{
            "KeysInTheFileName",
            [](FormsHarness& h) { QTest::keyClick(h.Find<QLineEdit>("Edit7"), Qt::Key_Escape); },
            [](FormsHarness& h) { QTest::keyClick(h.Find<QLineEdit>("Edit7"), Qt::Key_Enter); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsPageTest, PreviewClickTogglesTheScheme) {
  FormsHarness h(Mode::Scoreboard, "ColourScheme = 12345\r\n");
  EXPECT_EQ(Background(h.Find<QLabel>("Panel21")), RgbFromColourValue(12345));
  const char* parts[] = {"Panel20", "Panel40", "Panel21"};
  const Rgb after[] = {kRed, kBlue, kRed};
  for (int i = 0; i < 3; ++i) {
    QTest::mouseClick(h.Find<QLabel>(parts[i]), Qt::LeftButton);
    EXPECT_EQ(Background(h.Find<QLabel>("Panel21")), after[i]) << parts[i];
  }
  EXPECT_EQ(h.program->GetSettings().ColourScheme, kSchemeRed);
}

TEST(SettingsPageTest, BackgroundBarChangesThePreviewAtOnceAndTheBoardAtOk) {
  FormsHarness h;
  const Rgb startColour = h.Board("Panel3").background;
  auto* bar = h.Find<QScrollBar>("ScrollBar3");
  auto* preview = h.Find<QLabel>("Panel36");
  EXPECT_EQ(Background(preview), 0x002800u);
  bar->setValue(75);
  EXPECT_EQ(Background(preview), 0x004B00u);
  EXPECT_EQ(h.Board("Panel3").background, startColour);
  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(h.program->ClockBackgroundLevel(), 1);
  EXPECT_EQ(Background(preview), 0x000100u);
  QTest::mouseClick(h.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
  EXPECT_EQ(h.Board("Panel3").background, 0x000100u);
}

TEST(SettingsPageTest, RevertAnsweredYesShowsTheDefaults) {
  FormsHarness h(Mode::Scoreboard,
                 "MatchMins = 4\r\nYuko = 12\r\nResetWarning = 1\r\nColourScheme = 255\r\n"
                 "MajorSound = gong.wav\r\nSecsToLeaveLastMatch = 40\r\n");
  TypeInto(h.Field("SpinEdit3"), "25");
  h.dialogs.answers.push_back(Answer::Yes);
  QTest::mouseClick(h.Find<QPushButton>("SpeedButton19"), Qt::LeftButton);
  ASSERT_EQ(h.dialogs.confirmations.size(), 1u);
  struct Row {
    const char* field;
    int shown;
  } rows[] = {{"SpinEdit1", 5},   {"SpinEdit2", 0},  {"SpinEdit10", 2},
              {"SpinEdit11", 30}, {"SpinEdit4", 15}, {"SpinEdit5", 20},
              {"SpinEdit6", 25},  {"SpinEdit3", 8},  {"SpinEdit9", 20}};
  for (const Row& row : rows)
    EXPECT_EQ(h.Field(row.field)->text(), QString::number(row.shown)) << row.field;
  EXPECT_FALSE(h.Find<QCheckBox>("CheckBox1")->isChecked());
  EXPECT_FALSE(h.Find<QCheckBox>("CheckBox10")->isChecked());
  EXPECT_EQ(h.Find<QLineEdit>("Edit7")->text(), "TADA.WAV");
  EXPECT_EQ(Background(h.Find<QLabel>("Panel21")), kBlue);
  EXPECT_EQ(h.Board("Panel6").background, kRed) << "nothing is applied before Ok";
  EXPECT_TRUE(h.view.shown.empty());
}

TEST(SettingsPageTest, RevertAnsweredCancelChangesNothing) {
  FormsHarness h(Mode::Scoreboard, "Yuko = 12\r\n");
  h.dialogs.answers.push_back(Answer::Cancel);
  QTest::mouseClick(h.Find<QPushButton>("SpeedButton19"), Qt::LeftButton);
  EXPECT_EQ(h.Field("SpinEdit4")->text(), "12");
  EXPECT_EQ(h.program->GetSettings().Yuko, 12);
}

TEST(SettingsPageTest, EmergencyGoSetsTheClockAndReturnsToTheBoard) {
  FormsHarness h;
  TypeInto(h.Field("SpinEdit7"), "0");
  TypeInto(h.Field("SpinEdit8"), "42");
  QTest::mouseClick(h.Find<QPushButton>("SpeedButton13"), Qt::LeftButton);
  EXPECT_EQ(h.Board("Label15").caption, "0:42");
  EXPECT_EQ(h.LastPage(), Page::Scoreboard);
}

TEST(SettingsPageTest, HelperModeHasNoScoreboardTabsAndNoRevert) {
  FormsHarness h(Mode::Helper);
  auto* tabs = h.settingsPage->findChild<QTabWidget*>();
  EXPECT_EQ(tabs->count(), 0);
  EXPECT_TRUE(h.Find<QPushButton>("SpeedButton19")->isHidden());
  EXPECT_FALSE(h.Find<QPushButton>("BitBtn2")->isHidden());
  h.settingsPage->SelectTab(SettingsTab::Time);
  EXPECT_EQ(tabs->count(), 0);
}

TEST(SettingsPageTest, ProgramChangesShowWithoutFeedingBack) {
  FormsHarness h;
  h.program->Run(Command::QuickJump3);
  h.settingsPage->show();
  EXPECT_EQ(h.Field("SpinEdit1")->text(), "3");
  EXPECT_EQ(h.Field("SpinEdit10")->text(), "1");
  EXPECT_EQ(h.Field("SpinEdit11")->text(), "30");
  // A value out of the field's range set by the program is shown in range.
  h.program->GetSettings().SecsToLeaveLastMatch = 99;
  h.settingsPage->RefreshFromSettings();
  EXPECT_EQ(h.Field("SpinEdit9")->text(), "60");
  EXPECT_EQ(h.program->GetSettings().SecsToLeaveLastMatch, 99) << "refreshing writes nothing";
}

}  // namespace
}  // namespace tk::test
