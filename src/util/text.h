// Stateless helpers on texts, whole numbers and clock times, used by every
// subsystem. Texts are byte strings in the system's 8-bit encoding; positions
// and field numbers count from 1; case changes touch ASCII letters only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

// Tab, line feed, carriage return and space; nothing else is blank.
bool IsBlankChar(char c);

std::string TrimLeftBlanks(std::string_view text);
std::string TrimRightBlanks(std::string_view text);
std::string TrimBlanks(std::string_view text);

// The one whole-number conversion used everywhere: optional leading blanks
// (spaces), an optional sign, decimal digits; "$", "x" or "0x" (either case)
// before the digits makes them hexadecimal. Anything else, the empty text and
// trailing characters of any kind throw ConversionError naming the text.
// Decimal values must lie in the signed 32-bit range. Hexadecimal ones may use
// all 32 bits and are the bit pattern ("$FFFFFFFF" is -1, "-$1" is -1); a sign
// before them negates that pattern.
std::int32_t StrToInt(std::string_view text);

// "4:00" -> 240, "90" -> 90 (a bare number is seconds), "1:75" -> 135,
// "-1:30" -> -30 (each part keeps its sign), "1:02:03" -> 62. Throws
// ConversionError when a part is no number (naming that part, trimmed) or when
// the total leaves the 32-bit range (naming the whole text).
std::int32_t ClockTextToSeconds(std::string_view text);
// 240 -> "4:00", 605 -> "10:05", 3600 -> "60:00". A negative time is a minus
// sign before the text of its size (-65 -> "-1:05"); it is for display only,
// since ClockTextToSeconds reads the sign of each part on its own.
std::string SecondsToClockText(std::int32_t seconds);

// Trimmed path ending in the platform's directory separator; an empty or blank
// path gives the separator alone. The name is the folder helper's historical
// one; on Linux the separator is '/', and a path already ending in it stays.
std::string WithTrailingBackslash(std::string_view path);

// The last `width` characters of the text prefixed with nineteen zeros.
std::string ZeroPad(std::string_view text, int width);
// Lower case, then upper case at the start and after every space (texts longer
// than one character only).
std::string ProperCase(std::string_view text);
// The n-th field (from 1) of a text split at `delimiter`, or the empty text.
std::string DelimitedField(std::string_view text, int n, char delimiter);
bool ContainsNoCase(std::string_view text, std::string_view part);
// Position from 1 of the first occurrence ignoring case, or -1.
int PositionNoCase(std::string_view text, std::string_view part);
// Same length; every character other than 0-9, A-Z, a-z and '_' becomes '_'.
std::string FileNameSafe(std::string_view text);
// A short-date text made safe for a file name: "25/12/2006" -> "25_12_2006".
std::string DateForFileName(std::string_view shortDateText);
std::string ReplaceChar(std::string_view text, char from, char to);
// The part before the first "(", without trailing blanks.
std::string TextBeforeBracket(std::string_view text);

// A whole number from low to high, both included, from a generator that starts
// from the same fixed state in every run. A range with high <= low gives low.
int RandomInRange(int low, int high);

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

}  // namespace tk
