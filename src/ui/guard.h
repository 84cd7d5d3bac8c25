// The one error guard at the window boundary: every event handler and timer
// tick runs through it, so an error ends that event only and the operator
// reads its message; the program goes on.
#pragma once

#include <exception>
#include <functional>
#include <utility>

#include "platform/dialogs.h"
#include "util/errors.h"

namespace tk::ui {

// Runs the handler; an error it raises is shown as a message. Nothing else in
// the windows catches the program's errors.
template <typename Handler>
void Guarded(Dialogs& dialogs, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const Error& error) {
    dialogs.ShowMessage(error.what());
  } catch (const std::exception& error) {
    // A fault of the program itself: still better shown than a dead board.
    dialogs.ShowMessage(error.what());
  }
}

// Runs one event of any window: the handler under the guard, then what every
// event needs afterwards (the boards repaint what changed, the tick timer is
// armed for the next due tick).
class EventRunner {
 public:
  virtual ~EventRunner() = default;
  virtual void RunEvent(const std::function<void()>& handler) = 0;
};

}  // namespace tk::ui
