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
  // The main tick just taken made no clock step (the end-of-match test
  // stopped the clock instead, or the tick ended early): its second of
  // running time stays owed and falls due as soon as the clock runs.
  void UnstepClock();

  // The earliest tick due, if any (main first on a tie).
  std::optional<DueTick> Next() const;
  // The tick returned by Next() is taken: schedules its successor. Call it
  // just before running the tick, so that the changes the tick itself reports
  // (at the tick's due time) are measured from the second it completed.
  // A stopped-clock main tick that fell far behind resumes its rhythm from
  // `nowMs` instead of firing a burst; a running clock's steps are all owed
  // and fall one after the other.
  void Fired(TickKind kind, std::int64_t nowMs);

  // Milliseconds of running time since the last clock step: 0..999, more
  // only while a step is overdue.
  std::int64_t ClockPhaseMs(std::int64_t nowMs) const;
  std::int64_t HoldPhaseMs(std::int64_t nowMs) const;

 private:
  // Time that accumulates only while `on`, converted into one tick per
  // period. `carriedMs` is what had accumulated at `markMs`.
  struct Phase {
    bool on = false;
    std::int64_t carriedMs = 0;
    std::int64_t markMs = 0;

    std::int64_t ElapsedMs(std::int64_t nowMs) const {
      return on ? carriedMs + (nowMs - markMs) : carriedMs;
    }
    std::int64_t DueMs() const { return markMs + kPeriodMs - carriedMs; }
    void Run(std::int64_t nowMs, bool run);
    void Reset(std::int64_t nowMs);
    void Step();
  };

  bool mainOn_ = false;
  std::int64_t rhythmDueMs_ = 0;  // next main tick while the clock is stopped
  Phase clock_;                   // running time of the match clock
  Phase hold_;                    // counting time of the hold-down
};

}  // namespace tk
