// Board snapshots for undo, and the manual rewrite of all twelve counts.
#include <algorithm>

#include "engine/board_elements.h"
#include "engine/match.h"
#include "util/text.h"

namespace tk {

using namespace engine;

std::array<int, 12> Match::RawCounts() const {
  std::array<int, 12> counts{};
  for (std::size_t i = 0; i < kAllCountKinds.size(); ++i) {
    counts[i] = state_.blue[kAllCountKinds[i]];
    counts[i + 6] = state_.white[kAllCountKinds[i]];
  }
  return counts;
}

void Match::SetRawCounts(const std::array<int, 12>& counts) {
  for (std::size_t i = 0; i < kAllCountKinds.size(); ++i) {
    state_.blue[kAllCountKinds[i]] = counts[i];
    state_.white[kAllCountKinds[i]] = counts[i + 6];
  }
}

void Match::RecordBoardSnapshot() {
  // Twelve counts, each followed by "|", then the time of day (never read).
  std::string line;
  for (int count : RawCounts()) line += std::to_string(count) + "|";
  line += clock_.LongTime(clock_.Now());
  history_.push_back(std::move(line));
  selected_ = static_cast<int>(history_.size()) - 1;
  undoEnabled_ = true;
}

void Match::StepBackOneSnapshot() {
  // Nothing recorded yet: nothing to go back to.
  if (history_.empty()) return;
  int i = std::clamp(selected_, 0, static_cast<int>(history_.size()) - 1);
  if (i > 0) --i;
  std::array<int, 12> counts{};
  for (int field = 0; field < 12; ++field) {
    counts[field] = StrToInt(DelimitedField(history_[i], field + 1, '|'));
  }
  SetRawCounts(counts);
  selected_ = i;
  // Records a copy of the restored counts; undo then waits for a new change.
  CalcAndColorScores();
  undoEnabled_ = false;
}

void Match::RewriteScores() {
  std::array<int, 12> counts = RawCounts();
  for (std::size_t i = 0; i < counts.size(); ++i)
    counts[i] = kRewriteRanges[i % 6].Clamp(counts[i]);
  if (!dialogs_.EditScores(counts, board_.at(kBlueHalf).background)) return;
  ApplyRewrite(counts);
}

void Match::ApplyRewrite(const std::array<int, 12>& counts) {
  std::array<int, 12> clamped{};
  for (std::size_t i = 0; i < counts.size(); ++i)
    clamped[i] = kRewriteRanges[i % 6].Clamp(counts[i]);
  SetRawCounts(clamped);
  CalcAndColorScores();
}

}  // namespace tk
