// The engine's plumbing: construction, the setters that keep each value and
// the element showing it together, and the timing that drives the ticks.
#include "engine/match.h"

#include "engine/board_elements.h"
#include "util/text.h"

namespace tk {

using namespace engine;

Match::Match(MatchServices services, bool helperMode)
    : board_(services.board),
      settings_(services.settings),
      clock_(services.clock),
      dialogs_(services.dialogs),
      buzzer_(services.buzzer),
      log_(services.log),
      banner_(services.banner),
      helperMode_(helperMode) {
  // A fresh match: the clock stands at the match length, so the reset that
  // start-up performs logs a bout of 0:00 rather than the difference between
  // the match length and whatever time the board was designed with.
  matchSeconds_ = settings_.MatchMins * 60 + settings_.MatchSecs;
  SetClockSeconds(matchSeconds_);
}

// ---- Value and element together -------------------------------------------

void Match::SetClockSeconds(std::int32_t seconds) {
  state_.clockSeconds = seconds;
  board_.SetCaption(kClock, SecondsToClockText(seconds));
}

void Match::SetClockColour(Rgb colour) {
  // The hold-down display always takes the clock's colour.
  board_.SetTextColor(kClock, colour);
  board_.SetTextColor(kHoldDown, colour);
}

void Match::SetHoldDownSeconds(std::int32_t seconds) {
  state_.holdDownSeconds = seconds;
  state_.holdDownIdle = false;
  board_.SetCaption(kHoldDown, std::to_string(seconds));
}

void Match::SetHoldDownIdle() {
  // "00" reads back as 0, so an idle display holds the count 0.
  state_.holdDownSeconds = 0;
  state_.holdDownIdle = true;
  board_.SetCaption(kHoldDown, kHoldDownIdleText);
}

void Match::SetClockRunning(bool running) {
  state_.clockRunning = running;
  ScheduleUpdate();
}

void Match::SetHoldDownTicking(bool ticking) {
  state_.holdDownTicking = ticking;
  ScheduleUpdate();
}

void Match::SetMainTimerOn(bool on) {
  mainTimerOn_ = on;
  ScheduleUpdate();
}

void Match::SetGoldenScore(bool on) {
  state_.goldenScore = on;
  board_.SetVisible(kGoldenScoreSign, on);
}

void Match::SetHoldDownActive(bool active) {
  state_.holdDownActive = active;
  board_.SetCaption(kOsaeKomiToketa, active ? kToketaText : kOsaeKomiText);
}

void Match::SetSonoMama(bool on) {
  state_.sonoMama = on;
  board_.SetCaption(kSonoMamaYoshi, on ? kYoshiText : kSonoMamaText);
}

void Match::SetToriCaptions(const char* blue, const char* white) {
  board_.SetCaption(kBlueElements.toriPanel, blue);
  board_.SetCaption(kWhiteElements.toriPanel, white);
}

void Match::Realign() {
  if (hooks_.realignPanels) hooks_.realignPanels();
}

void Match::Buzz() {
  buzzer_.SoundBuzzer();
}

// ---- Timing -----------------------------------------------------------------

void Match::ScheduleUpdate() {
  schedule_.Update(ScheduleNowMs(), mainTimerOn_ && timersStarted_, state_.clockRunning,
                   state_.holdDownTicking && state_.clockRunning);
}

std::int64_t Match::ScheduleNowMs() const {
  return tickDueMs_ ? *tickDueMs_ : clock_.MonotonicMs();
}

void Match::StartTimers() {
  timersStarted_ = true;
  schedule_.Start(clock_.MonotonicMs());
  ScheduleUpdate();
}

void Match::RunDueTicks() {
  const std::int64_t nowMs = clock_.MonotonicMs();
  for (int i = 0; i < kMaxTicksPerRun; ++i) {
    const std::optional<DueTick> due = schedule_.Next();
    if (!due || due->dueMs > nowMs) return;
    schedule_.Fired(due->kind, nowMs);
    RunTick(*due);
  }
}

void Match::RunTick(const DueTick& tick) {
  // What the tick changes happens at its due time, even when it is handled
  // late, so a late tick carries no extra running time into the schedule.
  // A second of running time that a main tick used up but did not show on
  // the clock (the end-of-match test stopped it, or an error ended the tick
  // first) is owed: it falls due as soon as the clock runs.
  struct DueTimeScope {
    Match& match;
    ~DueTimeScope() {
      if (match.clockStepOwed_) match.schedule_.UnstepClock();
      match.tickDueMs_.reset();
      match.clockStepOwed_ = false;
    }
  } scope{*this};
  tickDueMs_ = tick.dueMs;
  clockStepOwed_ = tick.kind == TickKind::Main && state_.clockRunning;
  if (tick.kind == TickKind::Main) {
    MainTick();
  } else {
    HoldDownTick();
  }
}

std::optional<std::int64_t> Match::NextTickDueMs() const {
  const std::optional<DueTick> due = schedule_.Next();
  if (!due) return std::nullopt;
  return due->dueMs;
}

}  // namespace tk
