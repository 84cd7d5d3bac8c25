// Reset ALL between matches, golden score and the bout-length presets.
#include <algorithm>

#include "engine/board_elements.h"
#include "engine/match.h"

namespace tk {

using namespace engine;

void Match::ResetAll() {
  board_.SetVisible(kBlueElements.lastHoldDown, false);
  board_.SetVisible(kWhiteElements.lastHoldDown, false);
  if (settings_.ResetWarning && dialogs_.Confirm("Reset everything, are you sure?",
                                                 ConfirmButtons::YesCancel) != Answer::Yes) {
    return;
  }
  // The finished match goes to the log before anything is cleared; a log that
  // cannot be written ends the reset here, with the board as it was.
  const std::string line = log_.WriteLogLine(board_, LogFacts());
  banner_.SetText(line);

  SetRawCounts({});
  CalcAndColorScores();
  history_.clear();
  RecordBoardSnapshot();
  board_.SetVisible(kHajimeMatte, true);
  Matte();
  ResetClockOnly();
  SetHoldDownActive(false);
  SetSonoMama(false);
  board_.SetCaption(kHajimeMatte, kHajimeText);
  SetGoldenScore(false);
  state_.matchStarted = false;
  SetHoldDownIdle();
  SetClockColour(kClockYellow);
  SetClockRunning(false);
  SetHoldDownTicking(false);
  ClearTori();
  banner_.ShowAfterReset(helperMode_);
  if (settings_.PlayersNamePopup && hooks_.moveQueuedPlayers) hooks_.moveQueuedPlayers();
  Realign();
  // After a reset the history holds the zero board only.
  history_.clear();
  RecordBoardSnapshot();
}

LogLineFacts Match::LogFacts() const {
  // The bout length: the time the clock ran down from the match length; after
  // golden score, the match length plus the golden-score time used, so the
  // line never shows a negative or a shortened bout.
  LogLineFacts facts;
  if (state_.goldenScore) {
    facts.boutSeconds = matchSeconds_ + std::max(goldenClockStart_ - state_.clockSeconds, 0);
  } else {
    facts.boutSeconds = std::max(matchSeconds_ - state_.clockSeconds, 0);
  }
  facts.bluePenaltyTotal = state_.blue.PenaltyTotal();
  facts.whitePenaltyTotal = state_.white.PenaltyTotal();
  return facts;
}

void Match::GoldenScoreToggle() {
  if (state_.goldenScore) {
    SetGoldenScore(false);
    ResetClockOnly();
  } else {
    SetGoldenScore(true);
    if (board_.Caption(kHajimeMatte) == kMatteText) HajimeMatte();
    ResetClockOnly();
    board_.SetVisible(kHajimeMatte, true);
    state_.matchStarted = false;
    SetClockRunning(false);
    SetClockSeconds(GoldenScoreSeconds());
    schedule_.ResetClockPhase(ScheduleNowMs());
    goldenClockStart_ = GoldenScoreSeconds();
    SetClockColour(kClockYellow);
    SetHoldDownIdle();
  }
  Realign();
}

void Match::GoldenScorePreset(int minutes) {
  // The duration rule sets both fields back to half the match length, so a
  // preset restarts golden score when it is on and leaves it off otherwise.
  SetDurationField(DurationField::GoldenMins, minutes);
  SetDurationField(DurationField::GoldenSecs, 0);
  GoldenScoreToggle();
  GoldenScoreToggle();
}

void Match::QuickJumpBouts(int minutes, int seconds) {
  SetDurationField(DurationField::MatchMins, minutes);
  SetDurationField(DurationField::MatchSecs, seconds);
  if (hooks_.applySettings) hooks_.applySettings();
}

}  // namespace tk
