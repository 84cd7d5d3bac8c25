// The schedule of the main and hold-down ticks on its own.
#include "engine/tick_schedule.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// Fires every tick due by `nowMs`, as the engine does, and returns how many.
int FireDue(TickSchedule& s, std::int64_t nowMs, TickKind* lastKind = nullptr) {
  int fired = 0;
  while (auto due = s.Next()) {
    if (due->dueMs > nowMs) break;
    s.Fired(due->kind, nowMs);
    if (lastKind) *lastKind = due->kind;
    ++fired;
  }
  return fired;
}

TEST(TickSchedule, StoppedClockKeepsAOneSecondRhythmWithoutDrift) {
  TickSchedule s;
  s.Start(500);
  for (int i = 1; i <= 3600; ++i) {
    ASSERT_EQ(s.Next()->dueMs, 500 + i * 1000);
    // Handled late every time; the next due time does not move.
    s.Fired(TickKind::Main, 500 + i * 1000 + 250);
  }
}

TEST(TickSchedule, StoppedRhythmFarBehindResumesFromNowInsteadOfBursting) {
  TickSchedule s;
  s.Start(0);
  EXPECT_EQ(FireDue(s, 10'500), 1);
  EXPECT_EQ(s.Next()->dueMs, 11'500);
}

TEST(TickSchedule, RunningClockCarriesThePartOfASecondAcrossAStop) {
  TickSchedule s;
  s.Start(0);
  s.Update(100, true, true, false);  // Hajime
  EXPECT_EQ(s.Next()->dueMs, 1'100);
  s.Update(500, true, false, false);  // Matte after 400 ms
  EXPECT_EQ(s.ClockPhaseMs(9'000), 400);
  // The stopped rhythm goes on from the step that was pending.
  EXPECT_EQ(s.Next()->dueMs, 1'100);
  s.Update(9'000, true, true, false);  // Hajime: 600 ms are left of the second
  EXPECT_EQ(s.Next()->dueMs, 9'600);
}

TEST(TickSchedule, ANewClockValueStartsAFreshSecond) {
  TickSchedule s;
  s.Start(0);
  s.Update(0, true, true, false);
  s.Update(700, true, false, false);
  s.ResetClockPhase(800);
  s.Update(2'000, true, true, false);
  EXPECT_EQ(s.Next()->dueMs, 3'000);
}

TEST(TickSchedule, RunningClockThatFellBehindOwesEverySecond) {
  TickSchedule s;
  s.Start(0);
  s.Update(0, true, true, false);
  EXPECT_EQ(FireDue(s, 5'300), 5);
  EXPECT_EQ(s.Next()->dueMs, 6'000);
}

TEST(TickSchedule, HoldDownPhaseStartsAtOsaeKomiAndCarriesAcrossPauses) {
  TickSchedule s;
  s.Start(0);
  s.Update(0, true, true, false);
  s.ResetHoldPhase(250);
  s.Update(250, true, true, true);  // Osae-komi
  TickKind kind = TickKind::Main;
  ASSERT_EQ(FireDue(s, 1'000), 1);  // the main tick at 1000
  ASSERT_EQ(FireDue(s, 1'250, &kind), 1);
  EXPECT_EQ(kind, TickKind::HoldDown);
  s.Update(1'950, true, false, false);  // Matte 700 ms into the next second
  EXPECT_EQ(s.HoldPhaseMs(5'000), 700);
  s.Update(5'000, true, true, true);  // Hajime
  EXPECT_EQ(s.HoldPhaseMs(5'100), 800);
  // The main tick due at 5'000 + 1000 - 950 comes first, then the hold-down.
  auto next = s.Next();
  EXPECT_EQ(next->kind, TickKind::Main);
  EXPECT_EQ(next->dueMs, 5'050);
  s.Fired(TickKind::Main, 5'050);
  next = s.Next();
  EXPECT_EQ(next->kind, TickKind::HoldDown);
  EXPECT_EQ(next->dueMs, 5'300);
}

TEST(TickSchedule, MainTickComesFirstOnATie) {
  TickSchedule s;
  s.Start(0);
  s.Update(0, true, true, true);
  s.ResetHoldPhase(0);
  EXPECT_EQ(s.Next()->kind, TickKind::Main);
  s.Fired(TickKind::Main, 1'000);
  EXPECT_EQ(s.Next()->kind, TickKind::HoldDown);
  EXPECT_EQ(s.Next()->dueMs, 1'000);
}

TEST(TickSchedule, ATickThatStopsTheClockLeavesNoCarry) {
  // The tick is taken first; a stop it reports at its due time comes with
  // the second it completed already used.
  TickSchedule s;
  s.Start(0);
  s.Update(0, true, true, false);
  s.Fired(TickKind::Main, 1'000);
  s.Update(1'000, true, false, false);
  EXPECT_EQ(s.ClockPhaseMs(1'500), 0);
  EXPECT_EQ(s.Next()->dueMs, 2'000);
}

TEST(TickSchedule, AnUnmadeStepFallsDueAtTheNextStart) {
  TickSchedule s;
  s.Start(0);
  s.Update(0, true, true, false);
  s.Fired(TickKind::Main, 1'000);
  s.Update(1'000, true, false, false);  // stopped in that tick without a step
  s.UnstepClock();
  EXPECT_EQ(s.ClockPhaseMs(3'000), 1'000);
  s.Update(5'000, true, true, false);
  EXPECT_EQ(s.Next()->dueMs, 5'000);
  s.Fired(TickKind::Main, 5'000);
  EXPECT_EQ(s.Next()->dueMs, 6'000);
}

TEST(TickSchedule, MainTimerOffMeansNoMainTicks) {
  TickSchedule s;
  s.Start(0);
  s.Update(10, false, false, false);
  EXPECT_FALSE(s.Next().has_value());
  s.Update(3'210, true, false, false);  // switched on again: a fresh interval
  EXPECT_EQ(s.Next()->dueMs, 4'210);
}

}  // namespace
}  // namespace tk
