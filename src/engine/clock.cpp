// The match clock: the main tick, Hajime and Matte, resetting the clock, the
// duration fields with the golden-score length that follows them, the
// emergency setting of the remaining time and the end-of-match test.
#include "board/board_model.h"
#include "engine/board_elements.h"
#include "engine/match.h"
#include "util/text.h"

namespace tk {

using namespace engine;

namespace {

// The signal file is read on every 4th main tick.
constexpr int kPollEveryTicks = 4;

}  // namespace

void Match::MainTick() {
  // The helper never runs a match; its Timer1 stops at the first tick.
  if (helperMode_) SetMainTimerOn(false);
  if (!helperMode_ && ++pollCounter_ >= kPollEveryTicks) {
    // The count restarts before the poll, so a signal file that cannot be
    // read is tried again at the 4th tick, not at every tick from now on.
    pollCounter_ = 0;
    if (hooks_.pollSignalFile) hooks_.pollSignalFile();
  }
  EndOfMatchTest();
  if (state_.clockRunning) {
    if (banner_.Tick(settings_.SecsToLeaveLastMatch)) Realign();
    StepClock();
  }
  LingerStep();
}

void Match::StepClock() {
  // The second this tick used up is shown now.
  clockStepOwed_ = false;
  std::int32_t s = state_.clockSeconds - 1;
  if (s <= 0) s = 0;
  // The clock cannot run out while the hold-down ticks; it then shows "0:00"
  // as soon as it would show one second, and reads back 0 at the next tick.
  if (state_.holdDownTicking) {
    if (s <= 1)
      SetClockSeconds(0);
    else
      SetClockSeconds(s);
    return;
  }
  if (s > 0) {
    SetClockSeconds(s);
    return;
  }
  // Time expiry. The clock shows "0:00" before the buzzer sounds, so a buzzer
  // that cannot play (its error ends the tick) never leaves an expired clock
  // showing one second.
  SetClockRunning(false);
  SetClockColour(kClockRed);
  SetClockSeconds(0);
  Buzz();
}

void Match::HajimeMatte() {
  if (!board_.Visible(kHajimeMatte)) return;
  if (board_.Caption(kHajimeMatte) == kHajimeText) {
    Realign();
    board_.SetCaption(kHajimeMatte, kMatteText);
    SetMainTimerOn(true);
    SetClockRunning(true);
    state_.matchStarted = true;
    SetClockColour(kClockYellow);
    // A hold-down interrupted by Matte resumes.
    if (state_.holdDownActive) SetHoldDownTicking(true);
    return;
  }
  board_.SetCaption(kHajimeMatte, kHajimeText);
  SetClockRunning(false);
  SetHoldDownTicking(false);
  SetClockColour(kClockRed);
}

void Match::Matte() {
  SetClockRunning(false);
  SetHoldDownTicking(false);
  SetClockColour(kClockRed);
}

void Match::ResetClockOnly() {
  Matte();
  RecomputeMatchSeconds();
  board_.SetVisible(kHajimeMatte, true);
  state_.matchStarted = false;
  SetClockRunning(false);
  SetClockSeconds(matchSeconds_);
  schedule_.ResetClockPhase(ScheduleNowMs());
  // Golden score left on (a duration change before its Hajime) counts from
  // the value the clock now starts from.
  if (state_.goldenScore) goldenClockStart_ = matchSeconds_;
  SetClockColour(kClockYellow);
  SetHoldDownIdle();
  Realign();
}

void Match::RecomputeMatchSeconds() {
  matchSeconds_ = settings_.MatchMins * 60 + settings_.MatchSecs;
}

int Match::GoldenScoreSeconds() const {
  return settings_.goldenMins * 60 + settings_.goldenSecs;
}

void Match::SetDurationField(DurationField field, int value) {
  struct FieldSlot {
    int Settings::*member;
    IntRange range;
  };
  static constexpr FieldSlot kSlots[] = {
      {&Settings::MatchMins, kMatchMinsRange},
      {&Settings::MatchSecs, kMatchSecsRange},
      {&Settings::goldenMins, kGoldenMinsRange},
      {&Settings::goldenSecs, kGoldenSecsRange},
  };
  const FieldSlot& slot = kSlots[static_cast<int>(field)];
  const int clamped = slot.range.Clamp(value);
  int& stored = settings_.*slot.member;
  // Setting a field to the value it already holds is no change.
  if (stored == clamped) return;
  stored = clamped;
  DurationChanged();
}

void Match::DurationChanged() {
  // Before the first Hajime the clock always shows the configured duration.
  if (!state_.matchStarted) ResetClockOnly();
  const int half = HalfMatchSeconds(settings_.MatchMins * 60 + settings_.MatchSecs);
  // Each of these is a change of its own and runs this again when it alters
  // the field; that nested run finds the fields consistent.
  SetDurationField(DurationField::GoldenMins, half / 60);
  SetDurationField(DurationField::GoldenSecs, half - 60 * settings_.goldenMins);
}

void Match::EmergencyClockSet() {
  Matte();
  const int seconds = kEmergencyMinsRange.Clamp(settings_.emergencyMins) * 60 +
                      kEmergencySecsRange.Clamp(settings_.emergencySecs);
  board_.SetVisible(kHajimeMatte, true);
  SetClockSeconds(seconds);
  schedule_.ResetClockPhase(ScheduleNowMs());
  SetClockColour(kClockYellow);
  Realign();
  if (hooks_.applySettings) hooks_.applySettings();
}

void Match::EndOfMatchTest() {
  if (settings_.MONsterKosenRules || !state_.clockRunning) return;
  if (!HasMatchEndingCount(state_.blue) && !HasMatchEndingCount(state_.white)) return;
  SetClockRunning(false);
  SetHoldDownTicking(false);
  // The clock is not stepped in this tick; the second it ran is owed to the
  // next Hajime (see RunTick), so running time and clock stay exact.
  board_.SetCaption(kHajimeMatte, kHajimeText);
  Buzz();
}

}  // namespace tk
