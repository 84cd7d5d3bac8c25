// How a number field reads what the operator typed.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>

#include "forms_harness.h"
#include "ui/forms/numberField.h"

namespace tk::test {
namespace {

TEST(NumberFieldTest, TextReadsAsAWholeNumberInRangeOrTheLowerBound) {
  ui::NumberField field(IntRange{4, 30});
  struct Row {
    const char* text;
    int value;
  } rows[] = {
      {"12", 12}, {"  7", 7}, {"$A", 10}, {"0x1e", 30}, {"99", 30}, {"-5", 4},
      {"2", 4},   {"abc", 4}, {"12x", 4}, {"", 4},      {"7 ", 4},  {"+", 4},
  };
  for (const Row& row : rows) EXPECT_EQ(field.ReadText(row.text), row.value) << row.text;
}

TEST(NumberFieldTest, ShowsItsFirstValueAndCorrectsTheTextOnFocusLoss) {
  ui::NumberField field(IntRange{0, 59});
  EXPECT_EQ(field.text(), "0");
  TypeInto(&field, "12x");
  EXPECT_EQ(field.value(), 0);
  EXPECT_EQ(field.text(), "12x") << "the operator's typing is left alone meanwhile";
  LeaveField(&field);
  EXPECT_EQ(field.text(), "0");
}

}  // namespace
}  // namespace tk::test
