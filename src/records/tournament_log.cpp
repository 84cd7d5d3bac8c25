#include "records/tournament_log.h"

#include <utility>
#include <vector>

#include "util/text.h"
#include "util/text_file.h"

namespace tk {
namespace {

// The name displays and score digits of the board that the line quotes.
constexpr const char* kBlueName = "Label71";
constexpr const char* kWhiteName = "Label70";

struct SideDigits {
  const char* yuko;
  const char* wazari;
  const char* ippon;
};
constexpr SideDigits kBlueDigits{"Label13", "Label12", "Label11"};
constexpr SideDigits kWhiteDigits{"Label9", "Label8", "Label7"};

std::string Scores(const BoardModel& board, const SideDigits& digits, int penaltyTotal) {
  return " Yuko=" + board.Caption(digits.yuko) + " Wazari=" + board.Caption(digits.wazari) +
         " Ippon=" + board.Caption(digits.ippon) + " Shidos=" + std::to_string(penaltyTotal);
}

}  // namespace

TournamentLog::TournamentLog(std::string programFolder, const Clock& clock)
    : folder_(std::move(programFolder)), clock_(clock) {}

const std::string& TournamentLog::HeaderLine() {
  static const std::string line =
      "The log file is appended to every time the scoreboard is RESET, therefore there may be "
      "several invalid (non-match) entries in a log file.";
  return line;
}

const std::string& TournamentLog::HeaderRule() {
  static const std::string rule(HeaderLine().size(), '-');
  return rule;
}

std::string TournamentLog::FileName(const LocalDateTime& when) const {
  return WithTrailingBackslash(folder_) + "tournament_log_" +
         DateForFileName(clock_.ShortDate(when)) + ".txt";
}

std::string TournamentLog::BuildLine(const LocalDateTime& when, const BoardModel& board,
                                     const LogLineFacts& facts) const {
  // The blank after White's name and the one opening each scores piece make
  // the double blanks; the line is for people to read, not to be parsed.
  return clock_.ShortDate(when) + " " + clock_.LongTime(when) +
         " MatchDuration=" + SecondsToClockText(facts.boutSeconds) + " " +
         board.Caption(kBlueName) + " v " + board.Caption(kWhiteName) + " " +
         " - Scores(Blue): " + Scores(board, kBlueDigits, facts.bluePenaltyTotal) +
         " - Scores(White): " + Scores(board, kWhiteDigits, facts.whitePenaltyTotal);
}

std::string TournamentLog::WriteLogLine(const BoardModel& board, const LogLineFacts& facts) {
  // One reading of the clock names the file and stamps the line, so a line
  // written at midnight lands in the file of its own date.
  const LocalDateTime now = clock_.Now();
  const std::string path = FileName(now);
  std::vector<std::string> lines;
  if (!FileExists(path)) lines = {HeaderLine(), HeaderRule()};
  std::string line = BuildLine(now, board, facts);
  lines.push_back(line);
  AppendTextLines(path, lines);
  return line;
}

}  // namespace tk
