#include "engine/tick_schedule.h"

namespace tk {

void TickSchedule::Phase::Run(std::int64_t nowMs, bool run) {
  if (run == on) return;
  carriedMs = ElapsedMs(nowMs);
  markMs = nowMs;
  on = run;
}

void TickSchedule::Phase::Reset(std::int64_t nowMs) {
  carriedMs = 0;
  markMs = nowMs;
}

void TickSchedule::Phase::Step() {
  if (!on) {
    carriedMs = carriedMs > kPeriodMs ? carriedMs - kPeriodMs : 0;
    return;
  }
  // One period of running time is used up exactly at the due time, however
  // late the tick is handled: the next one is a period after that.
  markMs = DueMs();
  carriedMs = 0;
}

void TickSchedule::Start(std::int64_t nowMs) {
  mainOn_ = true;
  rhythmDueMs_ = nowMs + kPeriodMs;
}

void TickSchedule::Update(std::int64_t nowMs, bool mainTimerOn, bool clockRunning,
                          bool holdCounting) {
  // A timer switched on starts a fresh interval.
  if (mainTimerOn && !mainOn_) rhythmDueMs_ = nowMs + kPeriodMs;
  mainOn_ = mainTimerOn;
  // When the clock stops, the one-second rhythm goes on from the step that
  // was pending, so the main tick never pauses.
  if (clock_.on && !clockRunning) rhythmDueMs_ = clock_.DueMs();
  clock_.Run(nowMs, clockRunning);
  hold_.Run(nowMs, holdCounting);
}

void TickSchedule::ResetClockPhase(std::int64_t nowMs) {
  clock_.Reset(nowMs);
}

void TickSchedule::ResetHoldPhase(std::int64_t nowMs) {
  hold_.Reset(nowMs);
}

void TickSchedule::UnstepClock() {
  clock_.carriedMs += kPeriodMs;
}

std::optional<DueTick> TickSchedule::Next() const {
  std::optional<DueTick> next;
  if (mainOn_) next = DueTick{TickKind::Main, clock_.on ? clock_.DueMs() : rhythmDueMs_};
  if (hold_.on && (!next || hold_.DueMs() < next->dueMs)) {
    next = DueTick{TickKind::HoldDown, hold_.DueMs()};
  }
  return next;
}

void TickSchedule::Fired(TickKind kind, std::int64_t nowMs) {
  if (kind == TickKind::HoldDown) {
    hold_.Step();
    return;
  }
  if (clock_.on) {
    clock_.Step();
    return;
  }
  rhythmDueMs_ += kPeriodMs;
  if (rhythmDueMs_ <= nowMs) rhythmDueMs_ = nowMs + kPeriodMs;
}

std::int64_t TickSchedule::ClockPhaseMs(std::int64_t nowMs) const {
  return clock_.ElapsedMs(nowMs);
}

std::int64_t TickSchedule::HoldPhaseMs(std::int64_t nowMs) const {
  return hold_.ElapsedMs(nowMs);
}

}  // namespace tk
