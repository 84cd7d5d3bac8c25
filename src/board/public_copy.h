// The public board follows the operator's board by copying its captions,
// colours and visibility twice a second; every eleventh copy re-lays it out.
#pragma once

#include "board/board_model.h"

namespace tk {

// Copies from the operator's board what the public board shows, in order:
// captions, colours and visibility, never fonts or positions (the public
// board lays itself out). The last step gives the public board's holder
// Panel36 the clock-panel colour, which lives on the settings page's
// preview rather than on the board: pass it as `clockBackground`.
void CopyFromMain(const BoardModel& main, BoardModel& publicBoard, Rgb clockBackground);

// The copy timer's tick counter: 8 when the window is created and whenever it
// closes, so the first realignment comes on the third tick after showing.
class PublicBoardTicks {
 public:
  // One copy tick; true when the public board is due for a realignment.
  bool Tick();
  void WindowClosed() { counter_ = 8; }
  int Counter() const { return counter_; }

 private:
  int counter_ = 8;
};

}  // namespace tk
