// The size-independent layout of a board: one run recomputes every panel
// size, the four fitted font sizes and every position from the current size
// of the board's root, measuring captions with the board's text measure.
#pragma once

#include "board/board_model.h"

namespace tk {

// Upper bound on the steps of one fitting loop, so that a target that cannot
// be reached (a board reduced to nothing, an empty name) still ends the loop.
inline constexpr int kMaxFitSteps = 400;
// Font sizes the fitting loops never leave.
inline constexpr int kMinFitPointSize = 1;
inline constexpr int kMaxFitPointSize = 1000;

// The operator's board (root "ScoreboardPage").
void RealignPanels(BoardModel& board, bool scoreLabelsVisible);
// The public board (root "SlaveBoard"): captions always shown, yuko digits not
// lowered, captions placed at the middle of their digits.
void RealignPublicBoard(BoardModel& board);

}  // namespace tk
