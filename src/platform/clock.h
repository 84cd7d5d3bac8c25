// The clock port: local date and time in the user's formats, and the
// monotonic clock that the match timers are scheduled against.
#pragma once

#include <cstdint>
#include <string>

namespace tk {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
  // The date in the user's short date format, e.g. "25/12/2006".
  virtual std::string ShortDate(const LocalDateTime& when) const = 0;
  // The time in the user's long time format, e.g. "3:45:12 PM".
  virtual std::string LongTime(const LocalDateTime& when) const = 0;
  // Milliseconds on a clock that never jumps; only differences mean anything.
  virtual std::int64_t MonotonicMs() const = 0;
};

}  // namespace tk
