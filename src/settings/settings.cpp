#include "settings/settings.h"

namespace tk {

const std::vector<SettingDecl>& SettingDeclarations() {
  // File order. A whole number with `ranged` false (the colour) is stored as
  // read; ColoursSwapped has no member: it is written as 1 and never read.
  static const std::vector<SettingDecl> declarations = {
      {"MatchMins", &Settings::MatchMins, true, kMatchMinsRange},
      {"MatchSecs", &Settings::MatchSecs, true, kMatchSecsRange},
      {"Yuko", &Settings::Yuko, true, kHoldDownSecondsRange},
      {"Wazari", &Settings::Wazari, true, kHoldDownSecondsRange},
      {"Ippon", &Settings::Ippon, true, kHoldDownSecondsRange},
      {"MajorSound", &Settings::MajorSound},
      {"MinorSound", &Settings::MinorSound},
      {"ColourScheme", &Settings::ColourScheme},
      {"ColoursSwapped", std::monostate{}},
      {"ResetWarning", &Settings::ResetWarning},
      {"NeWazaWaitForRef", &Settings::NeWazaWaitForRef},
      {"PlayersNamesDisplay", &Settings::PlayersNamesDisplay},
      {"PlayersNamePopup", &Settings::PlayersNamePopup},
      {"ResetLinkvisible", &Settings::ResetLinkvisible},
      {"MONsterKosenRules", &Settings::MONsterKosenRules},
      {"ManualControlSlaveScreenFont", &Settings::ManualControlSlaveScreenFont},
      {"SlaveScreenFontSize", &Settings::SlaveScreenFontSize, true, kSlaveScreenFontSizeRange},
      {"SecsToLeaveNewazaScore", &Settings::SecsToLeaveNewazaScore, true, kSecsToLeaveNewazaRange},
      {"SecsToLeaveLastMatch", &Settings::SecsToLeaveLastMatch, true, kSecsToLeaveLastMatchRange},
      {"LastPlayerListUsed", &Settings::LastPlayerListUsed},
      {"LastPoolsListUsed", &Settings::LastPoolsListUsed},
  };
  return declarations;
}

}  // namespace tk
