#include "settings/config_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

#include "support/temp_folder.h"
#include "util/errors.h"

namespace tk {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

// Every stored member, so that two Settings compare on all of them.
auto Stored(const Settings& s) {
  return std::make_tuple(s.MatchMins, s.MatchSecs, s.Yuko, s.Wazari, s.Ippon, s.MajorSound,
                         s.MinorSound, s.ColourScheme, s.ResetWarning, s.NeWazaWaitForRef,
                         s.PlayersNamesDisplay, s.PlayersNamePopup, s.ResetLinkvisible,
                         s.MONsterKosenRules, s.ManualControlSlaveScreenFont, s.SlaveScreenFontSize,
                         s.SecsToLeaveNewazaScore, s.SecsToLeaveLastMatch, s.LastPlayerListUsed,
                         s.LastPoolsListUsed);
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  // The program folder as the program holds it, with its trailing separator.
  std::string Folder() const { return folder_.Path() + "/"; }
  std::string IniPath() const { return folder_ / "judo.ini"; }

  void Read(const std::vector<std::string>& lines, const StoreMatchLength& store = {}) {
    WriteFileBytes(IniPath(), CrLf(lines));
    ReadConfig(IniPath(), Folder(), settings_, store);
  }
  std::string MakeFile(const std::string& name) {
    WriteFileBytes(folder_ / name, "x\r\n");
    return folder_ / name;
  }

  TempFolder folder_;
  Settings settings_;
};

TEST(SettingsFilePath, ReplacesOrAppendsTheExtensionOfTheExecutableName) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/opt/board/judo.exe", "/opt/board/judo.ini"},
      {"/opt/board/tavelkorn", "/opt/board/tavelkorn.ini"},
      {"/opt/board.v5/tavelkorn", "/opt/board.v5/tavelkorn.ini"},  // a dot in the folder only
      {"/opt/board/mat.2.exe", "/opt/board/mat.2.ini"},
      {"judo.exe", "judo.ini"},
  };
  for (const auto& [executable, expected] : cases) {
    EXPECT_EQ(SettingsFilePath(executable), expected) << executable;
  }
}

TEST_F(ConfigFileTest, HandEditedFileIsReadByItsLineRules) {
  settings_.ResetWarning = true;  // so that "yes" must turn it off
  ReadConfig(std::string(TK_TEST_DATA) + "/settings_sample.ini", Folder(), settings_);

  Settings expected;
  expected.MatchMins = 7;                      // matchmins=7: any case, no blanks
  expected.MatchSecs = 30;                     // blanks around key and value
  expected.Yuko = 10;                          // $A, tabs around "="
  expected.Wazari = 30;                        // 0x1e
  expected.Ippon = 1;                          // 0 brought into range
  expected.MajorSound = "/media/sounds/gong";  // cut at the second "="
  expected.MinorSound = "";                    // an empty text is stored
  expected.ResetWarning = false;               // "yes"
  expected.NeWazaWaitForRef = true;            // "10"
  expected.PlayersNamesDisplay = false;
  expected.PlayersNamePopup = false;  // "true"
  expected.ResetLinkvisible = true;   // forced on whatever the file says
  expected.MONsterKosenRules = true;
  expected.SlaveScreenFontSize = 100;  // 50 brought into range
  expected.SecsToLeaveNewazaScore = 8;
  expected.SecsToLeaveLastMatch = 12;                              // the last of two lines
  expected.LastPlayerListUsed = Folder() + "players.txt";          // named file missing
  expected.LastPoolsListUsed = Folder() + "sample_divisions.txt";  // no line at all
  // No ColourScheme line: Blue's half stays blue.
  EXPECT_EQ(Stored(settings_), Stored(expected));
}

struct RangeCase {
  std::string line;
  int Settings::*field;
  int expected;
};

TEST_F(ConfigFileTest, WholeNumbersAreConvertedAndBroughtIntoTheirRange) {
  const std::vector<RangeCase> cases = {
      {"MatchMins = 45", &Settings::MatchMins, 30},
      {"MatchMins = 0", &Settings::MatchMins, 1},
      {"MatchSecs = -5", &Settings::MatchSecs, 0},
      {"MatchSecs = 60", &Settings::MatchSecs, 59},
      {"Ippon = 0", &Settings::Ippon, 1},
      {"Yuko = 41", &Settings::Yuko, 40},
      {"Wazari = $1E", &Settings::Wazari, 30},
      {"Wazari = 0x1e", &Settings::Wazari, 30},
      {"Wazari = +12", &Settings::Wazari, 12},
      {"SlaveScreenFontSize = 50", &Settings::SlaveScreenFontSize, 100},
      {"SlaveScreenFontSize = 301", &Settings::SlaveScreenFontSize, 300},
      {"SecsToLeaveNewazaScore = 3", &Settings::SecsToLeaveNewazaScore, 4},
      {"SecsToLeaveNewazaScore = 31", &Settings::SecsToLeaveNewazaScore, 30},
      {"SecsToLeaveLastMatch = 9", &Settings::SecsToLeaveLastMatch, 10},
      {"SecsToLeaveLastMatch = 61", &Settings::SecsToLeaveLastMatch, 60},
      {"ColourScheme = 255", &Settings::ColourScheme, 255},  // a colour has no range
      {"ColourScheme = -1", &Settings::ColourScheme, -1},
      {"ColourScheme = 99999999", &Settings::ColourScheme, 99999999},
  };
  for (const auto& c : cases) {
    settings_ = Settings{};
    Read({c.line});
    EXPECT_EQ(settings_.*c.field, c.expected) << c.line;
  }
}

TEST_F(ConfigFileTest, FlagIsOnOnlyWhenItsValueStartsWithOne) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"1", true},    {"10", true},    {"  1  ", true}, {"1abc", true}, {"0", false},
      {"yes", false}, {"true", false}, {"", false},     {"01", false},  {"-1", false},
  };
  for (const auto& [value, expected] : cases) {
    settings_.ResetWarning = !expected;
    Read({"ResetWarning = " + value});
    EXPECT_EQ(settings_.ResetWarning, expected) << "'" << value << "'";
  }
}

TEST_F(ConfigFileTest, LinesWithoutAKnownKeyChangeNothing) {
  Settings before;
  before.ResetWarning = true;
  before.MinorSound = "BELL.WAV";
  settings_ = before;
  Read({"", "   ", "MatchMins 7", "; MatchMins = 7", "Match Mins = 7", "ColoursSwapped = 0", "=7",
        "MinorSoundX = x"});
  before.LastPlayerListUsed = Folder() + "players.txt";
  before.LastPoolsListUsed = Folder() + "sample_divisions.txt";
  EXPECT_EQ(Stored(settings_), Stored(before));
}

TEST_F(ConfigFileTest, TextValuesAreTrimmedAndCutAtASecondEquals) {
  const std::string divisions = MakeFile("div.txt");
  Read({"LastPoolsListUsed =  " + divisions + "=old copy", "MajorSound = \t my gong.wav \t",
        "MinorSound = a=b=c"});
  EXPECT_EQ(settings_.LastPoolsListUsed, divisions);
  EXPECT_EQ(settings_.MajorSound, "my gong.wav");
  EXPECT_EQ(settings_.MinorSound, "a");
}

TEST_F(ConfigFileTest, LastOccurrenceOfAKeyWins) {
  Read({"MajorSound = one.wav", "ResetWarning = 1", "majorsound = two.wav", "RESETWARNING = 0"});
  EXPECT_EQ(settings_.MajorSound, "two.wav");
  EXPECT_FALSE(settings_.ResetWarning);
}

TEST_F(ConfigFileTest, UnconvertibleNumberStopsTheReadingWhereItStands) {
  for (const std::string bad : {"1O", "", "5 5", "0x", "seven", "99999999999"}) {
    settings_ = Settings{};
    settings_.ResetLinkvisible = false;
    const std::string players = MakeFile("players.txt");
    try {
      Read({"MatchMins = 7", "LastPlayerListUsed = " + players, "Yuko = " + bad, "Wazari = 30",
            "MajorSound = later.wav"});
      ADD_FAILURE() << "no error for '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + bad + "' is not a valid integer value");
    }
    EXPECT_EQ(settings_.MatchMins, 7) << bad;  // read before the bad line
    EXPECT_EQ(settings_.LastPlayerListUsed, players) << bad;
    EXPECT_EQ(settings_.Yuko, 15) << bad;
    EXPECT_EQ(settings_.Wazari, 20) << bad;  // not read
    EXPECT_EQ(settings_.MajorSound, "TADA.WAV") << bad;
    EXPECT_EQ(settings_.LastPoolsListUsed, "") << bad;  // no fall-back
    EXPECT_FALSE(settings_.ResetLinkvisible) << bad;    // not forced on
  }
}

TEST_F(ConfigFileTest, ListPathsThatNameNoFileFallBackToTheProgramFolder) {
  struct Case {
    bool playersExists, poolsExists;
  };
  for (const Case c :
       {Case{true, true}, Case{false, true}, Case{true, false}, Case{false, false}}) {
    const std::string players = folder_ / "mat2_players.txt";
    const std::string pools = folder_ / "mat2_pools.txt";
    std::filesystem::remove(players);
    std::filesystem::remove(pools);
    if (c.playersExists) MakeFile("mat2_players.txt");
    if (c.poolsExists) MakeFile("mat2_pools.txt");
    Read({"LastPlayerListUsed = " + players, "LastPoolsListUsed = " + pools});
    EXPECT_EQ(settings_.LastPlayerListUsed, c.playersExists ? players : Folder() + "players.txt");
    EXPECT_EQ(settings_.LastPoolsListUsed,
              c.poolsExists ? pools : Folder() + "sample_divisions.txt");
  }
}

TEST_F(ConfigFileTest, FallBackPathsHaveOneSeparatorWhateverTheFolderIsGivenAs) {
  ReadConfig(IniPath(), folder_.Path(), settings_);
  EXPECT_EQ(settings_.LastPlayerListUsed, Folder() + "players.txt");
  ReadConfig(IniPath(), Folder(), settings_);
  EXPECT_EQ(settings_.LastPlayerListUsed, Folder() + "players.txt");
}

TEST_F(ConfigFileTest, MissingFileKeepsTheSettingsButFallsBackAndShowsTheLinks) {
  Settings before;
  before.MatchMins = 3;
  before.ResetWarning = true;
  before.ResetLinkvisible = false;
  before.LastPlayerListUsed = MakeFile("players_elsewhere.txt");  // replaced all the same
  settings_ = before;
  ReadConfig(folder_ / "no_such.ini", Folder(), settings_);
  before.ResetLinkvisible = true;
  before.LastPlayerListUsed = Folder() + "players.txt";
  before.LastPoolsListUsed = Folder() + "sample_divisions.txt";
  EXPECT_EQ(Stored(settings_), Stored(before));
}

TEST_F(ConfigFileTest, MatchLengthIsHandedToItsOwnerInFileOrder) {
  std::vector<std::pair<int Settings::*, int>> stored;
  Read({"MatchMins = 45", "Yuko = 12", "MatchSecs = 30", "matchmins = 4"},
       [&](int Settings::*field, int value) { stored.emplace_back(field, value); });
  const std::vector<std::pair<int Settings::*, int>> expected = {
      {&Settings::MatchMins, 30}, {&Settings::MatchSecs, 30}, {&Settings::MatchMins, 4}};
  EXPECT_EQ(stored, expected);
  EXPECT_EQ(settings_.MatchMins, 5);  // the owner stores it, not the reader
  EXPECT_EQ(settings_.MatchSecs, 0);
  EXPECT_EQ(settings_.Yuko, 12);
}

// Every stored value away from its default, with list files that exist.
Settings Unusual(const std::string& players, const std::string& pools) {
  Settings s;
  s.MatchMins = 4;
  s.MatchSecs = 30;
  s.Yuko = 10;
  s.Wazari = 15;
  s.Ippon = 20;
  s.MajorSound = "/srv/judo/gong.wav";
  s.MinorSound = "BELL.WAV";
  s.ColourScheme = 255;
  s.ResetWarning = true;
  s.NeWazaWaitForRef = true;
  s.PlayersNamesDisplay = false;
  s.PlayersNamePopup = false;
  s.ResetLinkvisible = false;
  s.MONsterKosenRules = true;
  s.ManualControlSlaveScreenFont = true;
  s.SlaveScreenFontSize = 150;
  s.SecsToLeaveNewazaScore = 8;
  s.SecsToLeaveLastMatch = 45;
  s.LastPlayerListUsed = players;
  s.LastPoolsListUsed = pools;
  return s;
}

TEST_F(ConfigFileTest, WrittenFileReadsBackEverySettingWithTheLinksShown) {
  const Settings written =
      Unusual(MakeFile("players mat 2.txt"), MakeFile("divisions (senior).txt"));
  WriteConfig(IniPath(), written);
  Settings read;
  ReadConfig(IniPath(), Folder(), read);
  Settings expected = written;
  expected.ResetLinkvisible = true;
  EXPECT_EQ(Stored(read), Stored(expected));
}

TEST_F(ConfigFileTest, WrittenFileHasTheTwentyOneLinesInOrderWithCrLf) {
  const Settings s = Unusual("/srv/judo/players mat 2.txt", "/srv/judo/divisions.txt");
  WriteConfig(IniPath(), s);
  EXPECT_EQ(ReadFileBytes(IniPath()),
            ReadFileBytes(std::string(TK_TEST_DATA) + "/settings_written.ini"));
}

TEST_F(ConfigFileTest, WritingReplacesALongerOldFileCompletely) {
  std::string old;
  for (int i = 0; i < 100; ++i) old += "MinorSound = a long line left over from an old file\r\n";
  WriteFileBytes(IniPath(), old);
  WriteConfig(IniPath(), Settings{});
  const std::string text = ReadFileBytes(IniPath());
  EXPECT_EQ(text.find("left over"), std::string::npos);
  EXPECT_EQ(text.substr(0, 15), "MatchMins = 5\r\n");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

// Files grow no larger than `bytes` while it lives, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(ConfigFileTest, FailedWriteLeavesTheOldFileAndNamesThePath) {
  const std::string old = CrLf({"MatchMins = 3", "Yuko = 12"});
  WriteFileBytes(IniPath(), old);
  try {
    FileSizeLimit fullDisk(64);
    WriteConfig(IniPath(), Settings{});
    ADD_FAILURE() << "no error on a full disk";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + IniPath());
  }
  EXPECT_EQ(ReadFileBytes(IniPath()), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                          std::filesystem::directory_iterator()),
            1)
      << "a temporary file was left behind";
}

TEST_F(ConfigFileTest, WriteIntoAMissingFolderFailsWithTheFullPath) {
  const std::string path = folder_ / "gone/judo.ini";
  try {
    WriteConfig(path, Settings{});
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
  }
}

}  // namespace
}  // namespace tk
