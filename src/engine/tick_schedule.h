// When the main tick and the hold-down tick fall, against the monotonic clock.
//
// While the match clock runs, main ticks fall at whole seconds of running
// time: the part of a second already run when the clock stops is carried to
// the next start, so N seconds of running time give exactly N clock steps
// however often the clock was stopped. While the clock is stopped the main
// tick keeps a one-second rhythm of its own. The hold-down tick falls at whole
// seconds of counting time (hold-down ticking and clock running), its phase
// starting at Osae-komi and carried across every pause. Due times are computed
// from the previous due time, never from the moment a tick was handled, so
// nothing drifts.
#pragma once

#include <cstdint>
#include <optional>

namespace tk {

enum class TickKind { Main, HoldDown };

struct DueTick {
  TickKind kind;
  std::int64_t dueMs;
};

class TickSchedule {
 public:
  static constexpr std::int64_t kPeriodMs = 1000;

  // The main tick's rhythm starts now (timer on from the start).
  void Start(std::int64_t nowMs);

  // The engine reports every change of its flags at the moment it happens.
  // `mainTimerOn`: Timer1 is on. `clockRunning`: the match clock runs.
  // `holdCounting`: the hold-down ticks and the clock runs.
  void Update(std::int64_t nowMs, bool mainTimerOn, bool clockRunning, bool holdCounting);

  // The match clock was set to a new value: the next step is a full second
  // of running time away.
  void ResetClockPhase(std::int64_t nowMs);
  // A hold-down starts counting from 0 (Osae-komi).
  void ResetHoldPhase(std::int64_t nowMs);

  // The earliest tick due, if any (main first on a tie).
  std::optional<DueTick> Next() const;
  // The tick returned by Next() has been run; schedules its successor.
  // A stopped-clock main tick that fell far behind resumes its rhythm from
  // `nowMs` instead of firing a burst.
  void Fired(TickKind kind, std::int64_t nowMs);

  // Milliseconds of running time since the last clock step (0..999).
  std::int64_t ClockPhaseMs(std::int64_t nowMs) const;
  std::int64_t HoldPhaseMs(std::int64_t nowMs) const;

 private:
  bool mainOn_ = false, clockRunning_ = false, holdCounting_ = false;
  std::int64_t mainDueMs_ = 0;    // next main tick
  std::int64_t clockPhaseMs_ = 0; // carried while stopped
  std::int64_t holdDueMs_ = 0;    // next hold-down tick while counting
  std::int64_t holdPhaseMs_ = 0;  // carried while paused
};

}  // namespace tk
