// The tournament log: one text file per calendar day in the program folder,
// "tournament_log_" + the date made safe for a file name + ".txt", which
// receives one line for every Reset ALL. The log keeps no state in memory.
#pragma once

#include <string>

#include "board/board_model.h"
#include "platform/clock.h"

namespace tk {

// What the board cannot tell the log line by itself.
struct LogLineFacts {
  int boutSeconds = 0;        // the bout length to write, 0 or more
  int bluePenaltyTotal = 0;   // raw shido + leg grabs
  int whitePenaltyTotal = 0;
};

class TournamentLog {
 public:
  // `programFolder` with or without a trailing separator.
  TournamentLog(std::string programFolder, const Clock& clock);

  // The two lines a new log opens with: "The log file is appended to ..."
  // (137 characters) and a row of as many hyphens.
  static const std::string& HeaderLine();
  static const std::string& HeaderRule();

  // The full path of the log for the date of `when`.
  std::string FileName(const LocalDateTime& when) const;
  std::string TodaysFileName() const { return FileName(clock_.Now()); }

  // The match line from the board's names and digits and the facts, stamped
  // with `when`.
  std::string BuildLine(const LocalDateTime& when, const BoardModel& board,
                        const LogLineFacts& facts) const;

  // Appends today's line (creating the file with its header first) and
  // returns the line. Throws FileError when the file cannot be written.
  std::string WriteLogLine(const BoardModel& board, const LogLineFacts& facts);

 private:
  std::string folder_;
  const Clock& clock_;
};

}  // namespace tk
