#include "records/last_match_banner.h"

namespace tk {
namespace {

constexpr const char* kStrip = "Panel23";
constexpr const char* kInitialText = "Last Match results :- ";

}  // namespace

LastMatchBanner::LastMatchBanner(BoardModel& board) : board_(board) {
  board_.SetCaption(kStrip, kInitialText);
  board_.SetVisible(kStrip, false);
}

void LastMatchBanner::SetText(const std::string& logLine) {
  board_.SetCaption(kStrip, kPrefix + logLine);
}

void LastMatchBanner::ShowAfterReset(bool helperMode) {
  // The helper never shows the board, but its counter restarts all the same.
  if (!helperMode) board_.SetVisible(kStrip, true);
  runningSeconds_ = 0;
}

void LastMatchBanner::Toggle() {
  if (Visible()) {
    board_.SetVisible(kStrip, false);
  } else {
    board_.SetVisible(kStrip, true);
    runningSeconds_ = 0;
  }
}

void LastMatchBanner::Hide() {
  board_.SetVisible(kStrip, false);
}

bool LastMatchBanner::Tick(int secsToLeave) {
  if (!Visible()) return false;
  ++runningSeconds_;
  // "At least", so a setting lowered below the count hides at the next tick.
  if (runningSeconds_ < secsToLeave) return false;
  runningSeconds_ = 0;
  board_.SetVisible(kStrip, false);
  return true;
}

bool LastMatchBanner::Visible() const {
  return board_.Visible(kStrip);
}

const std::string& LastMatchBanner::Text() const {
  return board_.Caption(kStrip);
}

}  // namespace tk
