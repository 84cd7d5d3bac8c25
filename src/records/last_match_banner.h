// The last-match strip Panel23 along the bottom of the operator's board: the
// previous result, shown after Reset ALL until the next match has run for the
// set number of seconds, or until the operator hides it.
#pragma once

#include <string>

#include "board/board_model.h"

namespace tk {

class LastMatchBanner {
 public:
  // Writes Panel23 of `board`.
  explicit LastMatchBanner(BoardModel& board);

  static constexpr const char* kPrefix = "Prev. Match (Ctrl+Z or click to hide)   ";

  // text := prefix + the log line; visibility unchanged.
  void SetText(const std::string& logLine);
  // After Reset ALL: shown unless in helper mode; the counter restarts.
  void ShowAfterReset(bool helperMode);
  // Ctrl+Z: hides a shown strip, shows a hidden one with the counter at 0.
  void Toggle();
  // A click on the strip.
  void Hide();
  // One second of running match clock. Returns true when the strip hid itself.
  bool Tick(int secsToLeave);

  bool Visible() const;
  int RunningSeconds() const { return runningSeconds_; }
  const std::string& Text() const;

 private:
  BoardModel& board_;
  int runningSeconds_ = 0;
};

}  // namespace tk
