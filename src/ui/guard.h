// The one error guard at the window boundary: every event handler and timer
// tick runs through it, so an error ends that event only and the operator
// reads its message; the program goes on.
#pragma once

#include <cstdio>
#include <exception>
#include <functional>
#include <utility>

#include "platform/dialogs.h"
#include "util/errors.h"

namespace tk::ui {

// Shows an error; a box that cannot be shown leaves the text on the standard
// error stream, so that nothing leaves the guard.
inline void ShowError(Dialogs& dialogs, const char* text) noexcept {
  try {
    dialogs.ShowMessage(text);
  } catch (...) {
    std::fputs(text, stderr);
    std::fputc('\n', stderr);
  }
}

// Runs the handler; an error it raises is shown as a message. Nothing else in
// the windows catches the program's errors, and nothing thrown ever reaches
// Qt's event loop, which cannot carry an exception.
template <typename Handler>
void Guarded(Dialogs& dialogs, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (const Error& error) {
    ShowError(dialogs, error.what());
  } catch (const std::exception& error) {
    // A fault of the program itself: still better shown than a dead board.
    ShowError(dialogs, error.what());
  } catch (...) {
    ShowError(dialogs, "Unknown error");
  }
}

// Runs one event of any window: the handler under the guard, then what every
// event needs afterwards (the boards repaint what changed, the tick timer is
// armed for the next due tick).
class EventRunner {
 public:
  virtual ~EventRunner() = default;
  virtual void RunEvent(const std::function<void()>& handler) = 0;
  // A timer's tick, run as an event unless another event is still running:
  // a box or dialog opened in the middle of an operation lets timers fire,
  // and a tick taken there would run a second operation inside the first.
  // Such a tick is not run, and the result is false.
  virtual bool RunTick(const std::function<void()>& tick) = 0;
};

}  // namespace tk::ui
