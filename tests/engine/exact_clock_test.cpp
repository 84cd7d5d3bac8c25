// The match clock and the hold-down count are exact in running time,
// whatever the stops and however late the ticks are handled.
#include <gtest/gtest.h>

#include <random>

#include "engine_rig.h"
#include "util/errors.h"

namespace tk::test {
namespace {

std::int64_t Between(std::mt19937& rng, std::int64_t lo, std::int64_t hi) {
  return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
}

// Stops the running clock in one of the ways the operator or the rules do,
// and returns the running time that passed before it stopped.
std::int64_t StopSomehow(EngineRig& rig, std::mt19937& rng) {
  switch (Between(rng, 0, 2)) {
    case 0:
      rig.M().HajimeMatte();  // Matte
      return 0;
    case 1:
      rig.M().SonoMamaYoshi();  // Sono-mama
      return 0;
    default: {
      // A mistaken ippon: the end-of-match test stops the clock at the next
      // tick, and the ippon is undone.
      const std::int64_t untilTick = 1000 - rig.M().ClockPhaseMs();
      rig.M().AddScore(Side::White, CountKind::Ippon);
      rig.Run(untilTick);
      EXPECT_FALSE(rig.S().clockRunning);
      rig.M().StepBackOneSnapshot();
      return untilTick;
    }
  }
}

void StartAgain(EngineRig& rig) {
  if (rig.S().sonoMama) {
    rig.M().SonoMamaYoshi();  // Yoshi
  } else {
    rig.M().HajimeMatte();
  }
}

TEST(ExactClock, FourMinutesOfRunningTimeReachZeroHoweverOftenStopped) {
  std::mt19937 rng(4711);
  EngineRig rig;
  rig.settings.MatchMins = 4;
  rig.Ready();
  constexpr std::int64_t kTotalMs = 240'000;
  std::int64_t ranMs = 0;
  rig.M().HajimeMatte();
  while (ranMs < kTotalMs - 1) {
    const std::int64_t chunk = std::min(Between(rng, 1, 2'500), kTotalMs - 1 - ranMs);
    rig.Run(chunk);
    ranMs += chunk;
    ASSERT_TRUE(rig.S().clockRunning);
    ASSERT_EQ(rig.S().clockSeconds, 240 - ranMs / 1000) << "after " << ranMs << " ms";
    if (ranMs >= kTotalMs - 1'001) continue;
    ranMs += StopSomehow(rig, rng);
    rig.Run(Between(rng, 0, 4'000));
    StartAgain(rig);
  }
  EXPECT_EQ(rig.Caption("Label15"), "0:01");
  const int endOfMatchStops = rig.Buzzes();
  rig.Run(1);
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Buzzes(), endOfMatchStops + 1);
}

TEST(ExactClock, HoldDownAwardsItsYukoAfterExactly15SecondsOfCountingTime) {
  std::mt19937 rng(99);
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::Blue);
  rig.M().HajimeMatte();
  rig.Run(Between(rng, 1, 999));
  rig.M().OsaeKomiToketa();
  std::int64_t countedMs = 0;
  while (countedMs < 14'999) {
    const std::int64_t chunk = std::min(Between(rng, 1, 1'700), 14'999 - countedMs);
    rig.Run(chunk);
    countedMs += chunk;
    ASSERT_EQ(rig.S().holdDownSeconds, countedMs / 1000) << countedMs;
    rig.M().HajimeMatte();  // Matte
    rig.Run(Between(rng, 0, 3'000));
    rig.M().HajimeMatte();  // Hajime
  }
  EXPECT_EQ(rig.S().blue.yuko, 0);
  rig.Run(1);
  EXPECT_EQ(rig.S().blue.yuko, 1);
  EXPECT_EQ(rig.Caption("Label3"), "15");
}

TEST(ExactClock, StoppedClockMainTickKeepsItsOneSecondRhythm) {
  EngineRig rig;
  rig.Ready();
  rig.Run(300);
  rig.M().HajimeMatte();
  rig.Run(2'450);
  rig.M().HajimeMatte();  // Matte
  const std::int64_t stoppedAt = rig.clock.monotonicMs;
  // The rhythm goes on from the clock step that was pending.
  ASSERT_EQ(*rig.M().NextTickDueMs(), stoppedAt + 550);
  const int polls = rig.polls;
  for (int i = 0; i < 40; ++i) {
    const std::int64_t due = *rig.M().NextTickDueMs();
    EXPECT_EQ(due, stoppedAt + 550 + i * 1000);
    rig.Run(due - rig.clock.monotonicMs);
  }
  EXPECT_EQ(rig.polls, polls + 10);
  EXPECT_EQ(rig.Caption("Label15"), "4:58");
}

TEST(ExactClock, NoDriftOverAnHourOfLateHandledTicks) {
  std::mt19937 rng(7);
  EngineRig rig;
  rig.settings.MatchMins = 30;
  rig.Ready();
  const std::int64_t start = rig.clock.monotonicMs;
  // The event loop wakes up to 300 ms late for every tick.
  for (int i = 0; i < 1'800; ++i) {
    rig.clock.monotonicMs = *rig.M().NextTickDueMs() + Between(rng, 0, 300);
    rig.M().RunDueTicks();
  }
  EXPECT_EQ(*rig.M().NextTickDueMs(), start + 1'801 * 1000);
  rig.M().HajimeMatte();
  const std::int64_t hajime = rig.clock.monotonicMs;
  while (rig.S().clockRunning) {
    rig.clock.monotonicMs = *rig.M().NextTickDueMs() + Between(rng, 0, 300);
    rig.M().RunDueTicks();
  }
  // The last step fell due exactly 30 minutes of running time after Hajime.
  EXPECT_EQ(rig.Caption("Label15"), "0:00");
  EXPECT_LE(rig.clock.monotonicMs - hajime, 1'800'000 + 300);
  EXPECT_GE(rig.clock.monotonicMs - hajime, 1'800'000);
  EXPECT_EQ(*rig.M().NextTickDueMs(), hajime + 1'801'000);
}

TEST(ExactClock, ARunningClockThatFellBehindCatchesUpInBoundedBatches) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.clock.Advance(100'000);
  rig.M().RunDueTicks();
  EXPECT_EQ(rig.S().clockSeconds, 300 - Match::kMaxTicksPerRun);
  EXPECT_LE(*rig.M().NextTickDueMs(), rig.clock.monotonicMs);
  while (*rig.M().NextTickDueMs() <= rig.clock.monotonicMs) rig.M().RunDueTicks();
  EXPECT_EQ(rig.Caption("Label15"), "3:20");
}

TEST(ExactClock, AStoppedClockThatFellBehindDoesNotBurst) {
  EngineRig rig;
  rig.Ready();
  const int polls = rig.polls;
  rig.clock.Advance(60'000);
  rig.M().RunDueTicks();
  EXPECT_EQ(*rig.M().NextTickDueMs(), rig.clock.monotonicMs + 1000);
  rig.Seconds(3);
  EXPECT_EQ(rig.polls, polls + 1) << "one late tick and three on time";
}

TEST(ExactClock, ANewClockValueStartsAFreshSecond) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.Run(700);
  rig.settings.emergencyMins = 2;
  rig.settings.emergencySecs = 0;
  rig.M().EmergencyClockSet();
  rig.M().HajimeMatte();  // turns the caption back
  rig.M().HajimeMatte();  // Hajime
  rig.Run(999);
  EXPECT_EQ(rig.Caption("Label15"), "2:00");
  rig.Run(1);
  EXPECT_EQ(rig.Caption("Label15"), "1:59");
}

TEST(ExactClock, TheSecondStoppedByTheEndOfMatchTestIsOwedToTheNextHajime) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.Run(2'300);
  rig.M().AddScore(Side::Blue, CountKind::Hansokumake);
  rig.Run(700);
  ASSERT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Caption("Label15"), "4:58");
  rig.M().StepBackOneSnapshot();
  rig.Seconds(10);
  rig.M().HajimeMatte();
  rig.Run(0);
  EXPECT_EQ(rig.Caption("Label15"), "4:57");
  rig.Run(999);
  EXPECT_EQ(rig.Caption("Label15"), "4:57");
  rig.Run(1);
  EXPECT_EQ(rig.Caption("Label15"), "4:56");
}

// A signal file that cannot be read: every poll fails, and the event loop
// shows each error and carries on, as the window guard does.
class FailingPoll {
 public:
  explicit FailingPoll(EngineRig& rig) : rig_(rig) {
    MatchHooks hooks;
    hooks.pollSignalFile = [this] {
      ++attempts;
      throw FileError("signals.sig: sharing violation");
    };
    rig.M().SetHooks(std::move(hooks));
  }

  void Run(std::int64_t ms) {
    const std::int64_t end = rig_.clock.monotonicMs + ms;
    for (int guard = 0; guard < 10'000; ++guard) {
      const std::optional<std::int64_t> due = rig_.M().NextTickDueMs();
      if (!due || *due > end) break;
      rig_.clock.monotonicMs = std::max(rig_.clock.monotonicMs, *due);
      try {
        rig_.M().RunDueTicks();
      } catch (const Error&) {
        ++errors;
      }
    }
    rig_.clock.monotonicMs = end;
  }

  int attempts = 0, errors = 0;

 private:
  EngineRig& rig_;
};

TEST(ExactClock, AFailingSignalFilePollIsTriedAgainAtTheFourthTickNotAtEveryTick) {
  EngineRig rig;
  rig.Ready();
  FailingPoll poll(rig);
  poll.Run(12'000);
  EXPECT_EQ(poll.attempts, 3);
  EXPECT_EQ(poll.errors, 3);
}

TEST(ExactClock, AMainTickEndedByAnErrorOwesItsClockStep) {
  EngineRig rig;
  rig.Ready();
  FailingPoll poll(rig);
  rig.M().HajimeMatte();
  poll.Run(19'999);
  EXPECT_EQ(rig.Caption("Label15"), "4:41");
  poll.Run(1);
  EXPECT_EQ(rig.Caption("Label15"), "4:40");
  EXPECT_GE(poll.errors, 4);
  // The stop of the end-of-match test still owes its second as before.
  rig.M().AddScore(Side::Blue, CountKind::Ippon);
  poll.Run(1'000);
  ASSERT_FALSE(rig.S().clockRunning);
  EXPECT_EQ(rig.Caption("Label15"), "4:40");
}

}  // namespace
}  // namespace tk::test
