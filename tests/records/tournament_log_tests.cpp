#include "records/tournament_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "board/catalogue.h"
#include "records/board_fixture.h"
#include "support/fakes.h"
#include "support/temp_folder.h"
#include "util/errors.h"
#include "util/text_file.h"

namespace tk {
namespace {

using test::ReadFileBytes;
using test::TempFolder;

const std::string kAnnLeeLine =
    "25/12/2006 3:45:12 PM MatchDuration=2:45 Ann Lee v Bo Kim  - Scores(Blue):  Yuko=1 Wazari=0 "
    "Ippon=0 Shidos=1 - Scores(White):  Yuko=0 Wazari=0 Ippon=0 Shidos=0";

class TournamentLogTest : public ::testing::Test, protected test::RecordsBoard {
 protected:
  std::string LogPath(const std::string& date) const {
    return folder_ / ("tournament_log_" + date + ".txt");
  }
  // Ann Lee (Blue) with one yuko and one shido, Bo Kim (White) with nothing,
  // stopped with 1:15 left of 4:00.
  LogLineFacts AnnLeeBeatsBoKim() {
    board.SetCaption("Label71", "Ann Lee");
    board.SetCaption("Label70", "Bo Kim");
    board.SetCaption("Label13", "1");
    return LogLineFacts{165, 1, 0};
  }
  void ClearBoard() {
    for (const char* name : {"Label71", "Label70"}) board.SetCaption(name, "Player`s name");
    for (const char* name : {"Label13", "Label12", "Label11", "Label9", "Label8", "Label7"}) {
      board.SetCaption(name, "0");
    }
  }

  TempFolder folder_;
  test::FakeClock clock_;  // 25/12/2006 3:45:12 PM
  TournamentLog log_{folder_.Path(), clock_};
};

TEST_F(TournamentLogTest, FirstResetOfTheDayWritesTheHeaderAndEveryLaterOneALine) {
  EXPECT_EQ(log_.WriteLogLine(board, AnnLeeBeatsBoKim()), kAnnLeeLine);
  EXPECT_EQ(ReadTextLines(LogPath("25_12_2006")).size(), 3u);

  ClearBoard();
  clock_.now.minute = 46;
  clock_.now.second = 40;
  log_.WriteLogLine(board, LogLineFacts{});
  EXPECT_EQ(ReadFileBytes(LogPath("25_12_2006")),
            ReadFileBytes(std::string(TK_TEST_DATA) + "/tournament_log_25_12_2006.txt"));
}

TEST_F(TournamentLogTest, HeaderRuleIsAsLongAsTheHeaderLine) {
  EXPECT_EQ(TournamentLog::HeaderLine().size(), 137u);
  EXPECT_EQ(TournamentLog::HeaderRule(), std::string(137, '-'));
}

TEST_F(TournamentLogTest, FileIsNamedAfterTheDateWithOrWithoutATrailingSeparator) {
  struct Case {
    std::string folder;
    LocalDateTime when;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"/srv/judo", {2006, 12, 25, 15, 45, 12}, "/srv/judo/tournament_log_25_12_2006.txt"},
      {"/srv/judo/", {2006, 12, 25, 15, 45, 12}, "/srv/judo/tournament_log_25_12_2006.txt"},
      {"/srv/judo", {2007, 2, 1, 0, 0, 1}, "/srv/judo/tournament_log_1_2_2007.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TournamentLog(c.folder, clock_).FileName(c.when), c.expected) << c.folder;
  }
}

TEST_F(TournamentLogTest, PastMidnightTheLogContinuesInANewFileWithItsOwnHeader) {
  log_.WriteLogLine(board, AnnLeeBeatsBoKim());
  clock_.now = {2006, 12, 26, 0, 0, 5};
  const std::string line = log_.WriteLogLine(board, LogLineFacts{});
  EXPECT_EQ(line.substr(0, 24), "26/12/2006 12:00:05 AM M");
  EXPECT_EQ(ReadTextLines(LogPath("25_12_2006")).size(), 3u);
  EXPECT_EQ(
      ReadTextLines(LogPath("26_12_2006")),
      (std::vector<std::string>{TournamentLog::HeaderLine(), TournamentLog::HeaderRule(), line}));
}

TEST_F(TournamentLogTest, LineQuotesTheBoardAndTheFactsAsTheyStand) {
  struct Case {
    int boutSeconds;
    std::string blue, white;
    std::string expectedStart;
  };
  const std::vector<Case> cases = {
      {0, "Player`s name", "Player`s name",
       "25/12/2006 3:45:12 PM MatchDuration=0:00 Player`s name v Player`s name  - "},
      {605, "Ann v Lee", " Bo ", "25/12/2006 3:45:12 PM MatchDuration=10:05 Ann v Lee v  Bo   - "},
  };
  for (const auto& c : cases) {
    board.SetCaption("Label71", c.blue);
    board.SetCaption("Label70", c.white);
    const std::string line = log_.BuildLine(clock_.now, board, LogLineFacts{c.boutSeconds, 0, 0});
    EXPECT_EQ(line.substr(0, c.expectedStart.size()), c.expectedStart);
  }
}

TEST_F(TournamentLogTest, EachSideQuotesItsOwnDigitsAndPenalties) {
  const std::vector<std::pair<const char*, const char*>> digits = {
      {"Label13", "12"}, {"Label12", "1"}, {"Label11", "2"},  // Blue
      {"Label9", "3"},   {"Label8", "4"},  {"Label7", "5"},   // White
  };
  for (const auto& [name, caption] : digits) board.SetCaption(name, caption);
  const std::string line = log_.BuildLine(clock_.now, board, LogLineFacts{0, 6, 7});
  const std::string scores = line.substr(line.find(" - Scores(Blue): "));
  EXPECT_EQ(scores,
            " - Scores(Blue):  Yuko=12 Wazari=1 Ippon=2 Shidos=6 - Scores(White):  Yuko=3 "
            "Wazari=4 Ippon=5 Shidos=7");
}

TEST_F(TournamentLogTest, UntouchedOperatorsBoardGivesALineOfZeros) {
  test::FakeTextMeasure measure;
  const BoardModel operators(MainBoardCatalogue(), measure);
  EXPECT_EQ(log_.BuildLine(clock_.now, operators, LogLineFacts{}),
            "25/12/2006 3:45:12 PM MatchDuration=0:00 Player`s name v Player`s name  - "
            "Scores(Blue):  Yuko=0 Wazari=0 Ippon=0 Shidos=0 - Scores(White):  Yuko=0 Wazari=0 "
            "Ippon=0 Shidos=0");
}

TEST_F(TournamentLogTest, LogThatCannotBeWrittenRaisesAFileErrorNamingIt) {
  std::filesystem::create_directory(LogPath("25_12_2006"));  // root ignores read-only folders
  try {
    log_.WriteLogLine(board, AnnLeeBeatsBoKim());
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(LogPath("25_12_2006")), std::string::npos) << e.what();
  }
}

TEST_F(TournamentLogTest, LogInAMissingFolderRaisesAFileError) {
  TournamentLog nowhere(folder_ / "gone", clock_);
  EXPECT_THROW(nowhere.WriteLogLine(board, LogLineFacts{}), FileError);
}

}  // namespace
}  // namespace tk
