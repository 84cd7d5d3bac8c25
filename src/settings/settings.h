// The operator's preferences. Every stored setting is declared once in
// SettingDeclarations() (key, kind, range, default); the settings file, the
// settings page and revert-to-defaults all read that declaration.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tk {

struct Settings {
  // Stored in the settings file, in file order.
  int MatchMins = 5;
  int MatchSecs = 0;
  int Yuko = 15;
  int Wazari = 20;
  int Ippon = 25;
  std::string MajorSound = "TADA.WAV";
  std::string MinorSound = "DING.WAV";
  int ColourScheme = 16711680;  // colour value, red in the low byte
  bool ResetWarning = false;
  bool NeWazaWaitForRef = false;
  bool PlayersNamesDisplay = true;
  bool PlayersNamePopup = true;
  bool ResetLinkvisible = true;
  bool MONsterKosenRules = false;
  bool ManualControlSlaveScreenFont = false;
  int SlaveScreenFontSize = 100;
  int SecsToLeaveNewazaScore = 15;
  int SecsToLeaveLastMatch = 20;
  std::string LastPlayerListUsed;
  std::string LastPoolsListUsed;

  // Held by the settings page for the run only.
  int goldenMins = 3;
  int goldenSecs = 0;
  int emergencyMins = 1;
  int emergencySecs = 30;
  bool toolTips = false;
  bool scoreLabelsVisible = true;
};

struct IntRange {
  int lo, hi;
  int Clamp(int value) const { return value < lo ? lo : (value > hi ? hi : value); }
};

// One stored setting. `field` points at the member; ColoursSwapped has none
// (it is always written as 1 and never read).
struct SettingDecl {
  const char* key;
  std::variant<std::monostate, int Settings::*, bool Settings::*, std::string Settings::*>
      field;
  bool ranged = false;  // whole numbers brought into `range`
  IntRange range{0, 0};
};

// The stored settings in file order (21 entries).
const std::vector<SettingDecl>& SettingDeclarations();

// Ranges of the fields the engine and the settings page clamp to.
inline constexpr IntRange kMatchMinsRange{1, 30}, kMatchSecsRange{0, 59};
inline constexpr IntRange kGoldenMinsRange{1, 30}, kGoldenSecsRange{0, 59};
inline constexpr IntRange kEmergencyMinsRange{0, 30}, kEmergencySecsRange{0, 59};
inline constexpr IntRange kHoldDownSecondsRange{1, 40};
inline constexpr IntRange kSecsToLeaveNewazaRange{4, 30};
inline constexpr IntRange kSecsToLeaveLastMatchRange{10, 60};
inline constexpr IntRange kSlaveScreenFontSizeRange{100, 300};

}  // namespace tk
