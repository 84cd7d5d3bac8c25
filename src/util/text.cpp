#include "util/text.h"

#include <algorithm>
#include <limits>
#include <random>

#include "util/errors.h"

namespace tk {

namespace {

constexpr char kPathSeparator = '/';

bool IsAsciiUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsAsciiLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

char UpperAscii(char c) {
  return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerAscii(char c) {
  return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// Value of a hexadecimal digit, or -1 for any other character.
int HexDigitValue(char c) {
  if (IsDecimalDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the digits (at least one, nothing after them) in the given base into
// `value`; false when a character is no digit or the value exceeds `limit`.
bool ReadDigits(std::string_view digits, int base, std::uint64_t limit, std::uint64_t& value) {
  if (digits.empty()) return false;
  value = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0 || digit >= base) return false;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return false;
  }
  return true;
}

// The prefixes that make the digits after them hexadecimal, longest first.
constexpr std::string_view kHexPrefixes[] = {"0x", "0X", "$", "x", "X"};

std::string_view StripHexPrefix(std::string_view text, bool& isHex) {
  for (std::string_view prefix : kHexPrefixes) {
    if (text.starts_with(prefix)) {
      isHex = true;
      return text.substr(prefix.size());
    }
  }
  isHex = false;
  return text;
}

}  // namespace

bool IsBlankChar(char c) {
  return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

std::string TrimLeftBlanks(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankChar);
  return std::string(first, text.end());
}

std::string TrimRightBlanks(std::string_view text) {
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankChar);
  return std::string(text.begin(), last.base());
}

std::string TrimBlanks(std::string_view text) {
  return TrimRightBlanks(TrimLeftBlanks(text));
}

std::int32_t StrToInt(std::string_view text) {
  std::string_view rest = text;
  while (rest.starts_with(' ')) rest.remove_prefix(1);
  bool negative = false;
  if (rest.starts_with('+') || rest.starts_with('-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  bool isHex = false;
  rest = StripHexPrefix(rest, isHex);

  // Decimal numbers must fit the signed range; hexadecimal ones may use all 32
  // bits and are read as the bit pattern ($FFFFFFFF is -1).
  constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int32_t>::max();
  const std::uint64_t limit =
      isHex ? std::numeric_limits<std::uint32_t>::max() : kMaxPositive + (negative ? 1 : 0);
  std::uint64_t magnitude = 0;
  if (!ReadDigits(rest, isHex ? 16 : 10, limit, magnitude))
    throw ConversionError(std::string(text));

  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

std::int32_t ClockTextToSeconds(std::string_view text) {
  if (!ContainsNoCase(text, ":")) return StrToInt(text);
  const std::int64_t minutes = StrToInt(TrimBlanks(DelimitedField(text, 1, ':')));
  const std::int64_t seconds = StrToInt(TrimBlanks(DelimitedField(text, 2, ':')));
  // Minutes have no bound of their own, but the result must stay a 32-bit
  // number; a text beyond it does not describe a clock.
  const std::int64_t total = minutes * 60 + seconds;
  if (total < std::numeric_limits<std::int32_t>::min() ||
      total > std::numeric_limits<std::int32_t>::max()) {
    throw ConversionError(std::string(text));
  }
  return static_cast<std::int32_t>(total);
}

std::string SecondsToClockText(std::int32_t seconds) {
  // A negative time (only a golden-score duration can be one) is written as a
  // minus sign before the clock text of its size, never as "0:0-5".
  if (seconds < 0) {
    const std::int64_t size = -static_cast<std::int64_t>(seconds);
    const std::int64_t rest = size % 60;
    return "-" + std::to_string(size / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
  }
  const std::int32_t minutes = seconds / 60;
  const std::int32_t rest = seconds - minutes * 60;
  return std::to_string(minutes) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string WithTrailingBackslash(std::string_view path) {
  std::string result = TrimBlanks(path);
  if (result.empty() || result.back() != kPathSeparator) result += kPathSeparator;
  return result;
}

std::string ZeroPad(std::string_view text, int width) {
  std::string padded = std::string(19, '0') + std::string(text);
  const std::size_t keep = static_cast<std::size_t>(std::max(width, 0));
  if (padded.size() > keep) padded.erase(0, padded.size() - keep);
  return padded;
}

std::string ProperCase(std::string_view text) {
  std::string result = ToLowerAscii(text);
  if (result.size() <= 1) return result;
  result[0] = UpperAscii(result[0]);
  for (std::size_t i = 1; i < result.size(); ++i) {
    if (result[i - 1] == ' ') result[i] = UpperAscii(result[i]);
  }
  return result;
}

std::string DelimitedField(std::string_view text, int n, char delimiter) {
  // The working text is delimiter, text, delimiter, space, delimiter; positions
  // below count from 1 as the field numbers do. The empty text stands in as a
  // single space, which makes its field 1 that space.
  const std::string body = text.empty() ? std::string(" ") : std::string(text);
  const std::string work = std::string(1, delimiter) + body + delimiter + ' ' + delimiter;
  const std::size_t length = work.size();
  auto at = [&work](std::size_t position) { return work[position - 1]; };

  std::size_t p = 0;
  for (int found = 0; found < n && p < length;) {
    ++p;
    if (at(p) == delimiter) ++found;
  }
  std::size_t q = p + 1;
  while (q <= length - 1 && at(q) != delimiter) ++q;
  if (q > p + 1 && q < length) return work.substr(p, q - p - 1);
  return std::string();
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return PositionNoCase(text, part) > 0;
}

int PositionNoCase(std::string_view text, std::string_view part) {
  if (part.empty() || part.size() > text.size()) return -1;
  const std::size_t found = ToUpperAscii(text).find(ToUpperAscii(part));
  return found == std::string::npos ? -1 : static_cast<int>(found) + 1;
}

std::string FileNameSafe(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (!IsDecimalDigit(c) && !IsAsciiUpper(c) && !IsAsciiLower(c) && c != '_') c = '_';
  }
  return result;
}

std::string DateForFileName(std::string_view shortDateText) {
  return FileNameSafe(shortDateText);
}

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string result(text);
  std::replace(result.begin(), result.end(), from, to);
  return result;
}

std::string TextBeforeBracket(std::string_view text) {
  const std::string extended = std::string(text) + " (";
  return TrimRightBlanks(std::string_view(extended).substr(0, extended.find('(')));
}

int RandomInRange(int low, int high) {
  // One generator for the whole program, from a fixed seed: every run draws
  // the same sequence.
  static std::mt19937 generator(20061225u);
  if (high <= low) return low;
  std::uniform_int_distribution<std::int64_t> draw(0, static_cast<std::int64_t>(high) - low);
  return static_cast<int>(low + draw(generator));
}

std::string ToUpperAscii(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
  return result;
}

std::string ToLowerAscii(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
  return result;
}

}  // namespace tk
