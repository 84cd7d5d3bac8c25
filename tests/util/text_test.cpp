// The text, number and clock-text helpers, checked at their edges.
#include "util/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "util/errors.h"

namespace tk {
namespace {

using namespace std::string_literals;

struct TextCase {
  std::string input;
  std::string expected;
};

// Runs `call` on the input; on a ConversionError returns its message instead,
// so tables can mix results and failures.
template <typename Call>
std::string ResultOrMessage(Call call) {
  try {
    return std::to_string(call());
  } catch (const ConversionError& error) {
    return error.what();
  }
}

TEST(TrimBlanksTest, DropsOnlyTheFourBlanksAtTheEdges) {
  const std::vector<TextCase> cases = {
      {"\t a b\r\n", "a b"},
      {"   ", ""},
      {"", ""},
      {"\xA0"
       "a\xA0",
       "\xA0"
       "a\xA0"},               // the non-breaking space is no blank
      {"\v a \f", "\v a \f"},  // neither are other control characters
      {"\x01x", "\x01x"},
      {" a\t\tb ", "a\t\tb"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimBlanks(c.input), c.expected) << c.input;
}

TEST(TrimBlanksTest, LeftAndRightTrimOneSideEach) {
  EXPECT_EQ(TrimLeftBlanks(" \t a b \n"), "a b \n");
  EXPECT_EQ(TrimRightBlanks(" \t a b \n"), " \t a b");
  EXPECT_EQ(TrimLeftBlanks("\r\n"), "");
  EXPECT_EQ(TrimRightBlanks("\r\n"), "");
}

TEST(StrToIntTest, ReadsDecimalAndHexadecimalNumbers) {
  struct Case {
    std::string text;
    std::int32_t expected;
  };
  const std::vector<Case> cases = {
      {"0", 0},
      {"42", 42},
      {"  42", 42},
      {"+7", 7},
      {"-7", -7},
      {"  -007", -7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"000000000000000000012", 12},
      {"$1F", 31},
      {"$ff", 255},
      {"x10", 16},
      {"X10", 16},
      {"0x10", 16},
      {"0XaB", 171},
      {"-$10", -16},
      {" +0x7FFFFFFF", 2147483647},
      {"$80000000", -2147483647 - 1},
      {"$FFFFFFFF", -1},
      {"-$1", -1},
      {"$000000000001", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
}

TEST(StrToIntTest, RejectsEverythingElseNamingTheText) {
  const std::vector<std::string> texts = {
      "",
      "   ",
      "42 ",
      "4 2",
      "\t42",
      "42\n",
      "+",
      "-",
      "--1",
      "+-1",
      "- 1",
      "1.0",
      "1e3",
      "abc",
      "$",
      "0x",
      "x",
      "$G",
      "0x1G",
      "$ 1",
      "00x1",
      "$-1",
      "2147483648",
      "-2147483649",
      "99999999999",
      "$100000000",
      "0x123456789",
      "\xA0"
      "1",
      "1,000",
  };
  for (const auto& text : texts) {
    EXPECT_EQ(ResultOrMessage([&] { return StrToInt(text); }),
              "'" + text + "' is not a valid integer value")
        << text;
  }
}

TEST(ClockTextToSecondsTest, ReadsMinutesAndSeconds) {
  const std::vector<TextCase> cases = {
      {"4:00", "240"},      {"4 : 05", "245"},
      {"\t4:\t05 ", "245"}, {"0:75", "75"},
      {"1:75", "135"},      {"90", "90"},
      {"  90", "90"},       {"4:00:59", "240"},
      {"1:02:03", "62"},    {"-1:30", "-30"},
      {"1:-30", "30"},      {"60:00", "3600"},
      {"$A:00", "600"},     {"35791394:07", "2147483647"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResultOrMessage([&] { return ClockTextToSeconds(c.input); }), c.expected) << c.input;
  }
}

TEST(ClockTextToSecondsTest, FailsNamingThePartThatIsNoNumber) {
  const std::vector<TextCase> cases = {
      {"abc", "'abc' is not a valid integer value"},
      {":30", "'' is not a valid integer value"},
      {"4:", "'' is not a valid integer value"},
      {"90 ", "'90 ' is not a valid integer value"},  // a bare number is not trimmed
      {"", "'' is not a valid integer value"},
      {"4:0a", "'0a' is not a valid integer value"},
      {" x : 05", "'x' is not a valid integer value"},
      {"35791394:08", "'35791394:08' is not a valid integer value"},  // past 32 bits
      {"-35791395:00", "'-35791395:00' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResultOrMessage([&] { return ClockTextToSeconds(c.input); }), c.expected) << c.input;
  }
}

TEST(SecondsToClockTextTest, WritesMinutesAndTwoDigitSeconds) {
  const std::vector<std::pair<std::int32_t, std::string>> cases = {
      {0, "0:00"},
      {9, "0:09"},
      {10, "0:10"},
      {59, "0:59"},
      {60, "1:00"},
      {605, "10:05"},
      {3599, "59:59"},
      {3600, "60:00"},
      {6000, "100:00"},
      {-5, "-0:05"},
      {-65, "-1:05"},
      {-600, "-10:00"},
      {2147483647, "35791394:07"},
      {-2147483647 - 1, "-35791394:08"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(SecondsToClockText(seconds), text) << seconds;
}

TEST(SecondsToClockTextTest, EveryTimeOfDayOrMatchReadsBackUnchanged) {
  for (std::int32_t seconds = 0; seconds <= 2 * 3600; ++seconds) {
    ASSERT_EQ(ClockTextToSeconds(SecondsToClockText(seconds)), seconds);
  }
}

TEST(WithTrailingBackslashTest, EndsInOneSeparator) {
  const std::vector<TextCase> cases = {
      {"  /data/mat1 \t", "/data/mat1/"},
      {"/data/mat1/", "/data/mat1/"},
      {"/data/mat1//", "/data/mat1//"},
      {" /data/mat1/ ", "/data/mat1/"},
      {"", "/"},
      {"   ", "/"},
      {"/", "/"},
      {"relative", "relative/"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithTrailingBackslash(c.input), c.expected) << c.input;
}

TEST(ZeroPadTest, KeepsTheLastWidthCharactersOfTheZeroFilledText) {
  struct Case {
    std::string text;
    int width;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"7", 2, "07"},
      {"12", 2, "12"},
      {"", 2, "00"},
      {"5", 2, "05"},
      {"123", 2, "23"},
      {"123", 0, ""},
      {"", 0, ""},
      {"1", 20, "00000000000000000001"},
      {"1", 25, "00000000000000000001"},  // at most nineteen zeros are added
      {"", 30, "0000000000000000000"},
      {"ab", -1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZeroPad(c.text, c.width), c.expected) << c.text << " width " << c.width;
  }
}

TEST(ProperCaseTest, CapitalisesAfterSpacesOnly) {
  const std::vector<TextCase> cases = {
      {"JOHN SMITH", "John Smith"},
      {"  ann", "  Ann"},
      {"x", "x"},
      {"X", "x"},
      {"", ""},
      {"MARY-JANE O'NEIL", "Mary-jane O'neil"},
      {"a.b\tc", "A.b\tc"},
      {"ab  cd", "Ab  Cd"},
      {"1st place", "1st Place"},
      {"\xC9LODIE \xC9MILE", "\xC9lodie \xC9mile"},  // bytes above 127 stay
  };
  for (const auto& c : cases) EXPECT_EQ(ProperCase(c.input), c.expected) << c.input;
}

TEST(DelimitedFieldTest, ReturnsTheNthFieldExactly) {
  struct Case {
    std::string text;
    int n;
    char delimiter;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a|b||d", 1, '|', "a"},    {"a|b||d", 2, '|', "b"},
      {"a|b||d", 3, '|', ""},     {"a|b||d", 4, '|', "d"},
      {"a|b||d", 5, '|', ""},     {"a|b||d", 0, '|', ""},
      {"a|b||d", -3, '|', ""},    {"a|b||d", 1000, '|', ""},
      {"", 1, '|', " "},  // the empty text's field 1 is one space
      {"", 2, '|', ""},           {"", 0, '|', ""},
      {"abc", 1, '|', "abc"},     {"abc", 2, '|', ""},
      {"a|", 1, '|', "a"},        {"a|", 2, '|', ""},
      {"|a", 1, '|', ""},         {"|a", 2, '|', "a"},
      {"|", 1, '|', ""},          {"|", 2, '|', ""},
      {" x | y ", 2, '|', " y "}, {"Smith\tJohn\t12", 2, '\t', "John"},
      {"4:05", 2, ':', "05"},     {"key = value", 2, '=', " value"},
      {"a,b", 2, ',', "b"},       {" ", 1, '|', " "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DelimitedField(c.text, c.n, c.delimiter), c.expected)
        << "'" << c.text << "' field " << c.n;
  }
}

TEST(SearchNoCaseTest, FindsThePartIgnoringAsciiCase) {
  struct Case {
    std::string text;
    std::string part;
    int position;
  };
  const std::vector<Case> cases = {
      {"Open (U18)", "(", 6},
      {"Open (U18)", "u18", 7},
      {"Open (U18)", "OPEN", 1},
      {"Open (U18)", "", -1},
      {"", "a", -1},
      {"", "", -1},
      {"ab", "abc", -1},
      {"abcabc", "CA", 3},
      {"4:00", ":", 2},
      {"\xE9t\xE9", "\xC9", -1},  // accented letters keep their case
      {"\xE9t\xE9", "T", 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PositionNoCase(c.text, c.part), c.position) << c.text << " / " << c.part;
    EXPECT_EQ(ContainsNoCase(c.text, c.part), c.position > 0) << c.text << " / " << c.part;
  }
}

TEST(FileNameSafeTest, ReplacesEveryCharacterOutsideTheKeptSet) {
  const std::vector<TextCase> cases = {
      {"12/05/2007 a.b", "12_05_2007_a_b"},
      {"Az09_", "Az09_"},
      {"", ""},
      {"a-b\\c:d", "a_b_c_d"},
      {"\xC3\xA9t\xE9", "__t_"},  // every byte above 127 counts on its own
      {"\t\r\n"s + '\0', "____"},
      {"[`{@", "____"},  // the neighbours of the letter and digit ranges
  };
  for (const auto& c : cases) EXPECT_EQ(FileNameSafe(c.input), c.expected) << c.input;
  EXPECT_EQ(DateForFileName("25/12/2006"), "25_12_2006");
  EXPECT_EQ(DateForFileName("2006-12-25"), "2006_12_25");
  EXPECT_EQ(DateForFileName("25.12.06"), "25_12_06");
}

TEST(ReplaceCharTest, ReplacesEveryOccurrenceOnly) {
  EXPECT_EQ(ReplaceChar("line 1\rline 2\r", '\r', '^'), "line 1^line 2^");
  EXPECT_EQ(ReplaceChar("abc", 'x', 'y'), "abc");
  EXPECT_EQ(ReplaceChar("", 'a', 'b'), "");
  EXPECT_EQ(ReplaceChar("aAa", 'a', 'b'), "bAb");
  EXPECT_EQ(ReplaceChar("a\0a"s, '\0', '-'), "a-a");
}

TEST(TextBeforeBracketTest, KeepsThePartBeforeTheFirstBracket) {
  const std::vector<TextCase> cases = {
      {"-60 Kg (under 60 Kg Male)", "-60 Kg"},
      {"Open  ", "Open"},
      {"(x)", ""},
      {"  Open (a) (b)", "  Open"},
      {"", ""},
      {"a)b", "a)b"},
      {"Open\t(U18)", "Open"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextBeforeBracket(c.input), c.expected) << c.input;
}

TEST(RandomInRangeTest, StaysWithinTheRangeAndReachesBothEnds) {
  std::set<int> seen;
  for (int i = 0; i < 20000; ++i) {
    const int value = RandomInRange(100, 999);
    ASSERT_GE(value, 100);
    ASSERT_LE(value, 999);
    seen.insert(value);
  }
  EXPECT_TRUE(seen.count(100) && seen.count(999));
  EXPECT_GT(seen.size(), 800u);
  EXPECT_EQ(RandomInRange(5, 5), 5);
  EXPECT_EQ(RandomInRange(7, 3), 7);
  std::set<int> around;
  for (int i = 0; i < 100; ++i) around.insert(RandomInRange(-1, 1));
  EXPECT_EQ(around, (std::set<int>{-1, 0, 1}));
}

TEST(AsciiCaseTest, ChangesAsciiLettersOnly) {
  EXPECT_EQ(ToUpperAscii("abz AZ 09 \xE9\xC9 [`{@"), "ABZ AZ 09 \xE9\xC9 [`{@");
  EXPECT_EQ(ToLowerAscii("ABZ az 09 \xE9\xC9 [`{@"), "abz az 09 \xE9\xC9 [`{@");
  EXPECT_EQ(ToUpperAscii(""), "");
}

}  // namespace
}  // namespace tk
