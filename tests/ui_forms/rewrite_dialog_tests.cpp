// The rewrite dialog: counts shown in the fields' ranges, what the operator
// types, and how the dialog is left.
#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "forms_harness.h"
#include "ui/forms/rewriteU1.h"

namespace tk::test {
namespace {

using Counts = std::array<int, 12>;

QSpinBox* Field(ui::TFormrewrite& dialog, int number) {
  return dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit%1").arg(number));
}

QPushButton* ButtonCalled(ui::TFormrewrite& dialog, const char* caption) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == QLatin1String(caption)) return button;
  return nullptr;
}

// Runs `operate` once the dialog is up; it must leave the dialog.
bool EditWith(ui::TFormrewrite& dialog, Counts& counts, std::uint32_t blue,
              const std::function<void(ui::TFormrewrite&)>& operate) {
  QTimer::singleShot(0, &dialog, [&] {
    operate(dialog);
    if (dialog.isVisible()) dialog.reject();  // never leave a test hanging
  });
  return dialog.Edit(counts, blue);
}

struct RewriteCase {
  const char* name;
  Counts given;
  std::function<void(ui::TFormrewrite&)> operate;
  bool ok;
  Counts result;
};

class RewriteDialogTest : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewriteDialogTest, GivesTheCountsOfTheFields) {
  const RewriteCase& c = GetParam();
  ui::TFormrewrite dialog;
  Counts counts = c.given;
  EXPECT_EQ(EditWith(dialog, counts, 0x0000FF, c.operate), c.ok);
  EXPECT_EQ(counts, c.result);
}

void Click(ui::TFormrewrite& d, const char* caption) {
  QTest::mouseClick(ButtonCalled(d, caption), Qt::LeftButton);
}
void Type(ui::TFormrewrite& d, int field, const char* text) {
  Field(d, field)->setFocus();
  Field(d, field)->selectAll();
  QTest::keyClicks(Field(d, field), text);
}

INSTANTIATE_TEST_SUITE_P(Cases, RewriteDialogTest,
                         ::testing::Values(
                             // Blue yuko 25 is shown as 20 and stored as 20; White shido 12 as 9.
                             RewriteCase{"OutOfRangeCountsAreShownAtTheRangeEnd",
                                         {0, 1, 25, 0, 0, 0, 0, 0, 0, 12, 0, 0},
                                         [](ui::TFormrewrite& d) { Click(d, "Ok"); },
                                         true,
                                         {0, 1, 20, 0, 0, 0, 0, 0, 0, 9, 0, 0}},
                             RewriteCase{"TypedValuesAtOk",
                                         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                         [](ui::TFormrewrite& d) {
                                           Type(d, 2, "2");
                                           Type(d, 9, "15");
                                           Type(d, 10, "3");
                                           Type(d, 12, "1");
                                           Click(d, "Ok");
                                         },
                                         true,
                                         {0, 2, 0, 0, 0, 0, 0, 0, 15, 3, 0, 1}},
                             RewriteCase{"NoWholeNumberGivesZeroAndTooLargeTheMaximum",
                                         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                                         [](ui::TFormrewrite& d) {
                                           Type(d, 1, "x");
                                           Type(d, 7, "");
                                           Type(d, 3, "35");
                                           Click(d, "Ok");
                                         },
                                         true,
                                         {0, 1, 20, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                             RewriteCase{"EnterIsOk",
                                         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                         [](ui::TFormrewrite& d) {
                                           Type(d, 4, "2");
                                           QTest::keyClick(Field(d, 4), Qt::Key_Return);
                                         },
                                         true,
                                         {0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}},
                             RewriteCase{"EscapeIsCancel",
                                         {3, 0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                         [](ui::TFormrewrite& d) {
                                           Type(d, 1, "5");
                                           QTest::keyClick(Field(d, 1), Qt::Key_Escape);
                                         },
                                         false,
                                         {3, 0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                             RewriteCase{"CancelChangesNothing",
                                         {0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0},
                                         [](ui::TFormrewrite& d) {
                                           Type(d, 8, "1");
                                           Click(d, "Cancel");
                                         },
                                         false,
                                         {0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RewriteDialogLookTest, TitleFieldsAndBluePanelColour) {
  ui::TFormrewrite dialog;
  EXPECT_EQ(dialog.windowTitle(), "Manually set all scores and penalties");
  const int maxima[] = {9, 9, 20, 9, 9, 9};
  for (int i = 1; i <= 12; ++i) {
    ASSERT_NE(Field(dialog, i), nullptr) << i;
    EXPECT_EQ(Field(dialog, i)->minimum(), 0);
    EXPECT_EQ(Field(dialog, i)->maximum(), maxima[(i - 1) % 6]) << i;
  }
  Counts counts{};
  QRgb seen = 0;
  EditWith(dialog, counts, 0xFF0000, [&](ui::TFormrewrite& d) {
    QWidget* panel = d.findChild<QWidget*>("BluePanel");
    seen = panel->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    Click(d, "Cancel");
  });
  EXPECT_EQ(seen, 0xFF0000u);
}

}  // namespace
}  // namespace tk::test
