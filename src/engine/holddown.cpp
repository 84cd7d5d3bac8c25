// The hold-down clock: Osae-komi and Toketa, Sono-mama and Yoshi, the
// hold-down tick with its awards, the operator's correction of the count and
// the linger rule that keeps the count shown for a while after it stops.
#include <algorithm>
#include <optional>

#include "engine/board_elements.h"
#include "engine/match.h"

namespace tk {

using namespace engine;

namespace {

// The display stops at 99; the count read back is then 99 at every tick.
constexpr std::int32_t kHoldDownShownMax = 99;

}  // namespace

void Match::OsaeKomiToketa() {
  state_.holdDownLinger = 0;
  if (state_.holdDownActive) {
    // Toketa: the count at this moment stays on tori's side panel.
    SetHoldDownTicking(false);
    SetHoldDownActive(false);
    const char* lastHoldDown = state_.tori == Tori::Blue    ? kBlueElements.lastHoldDown
                               : state_.tori == Tori::White ? kWhiteElements.lastHoldDown
                                                            : nullptr;
    if (lastHoldDown != nullptr) {
      board_.SetVisible(lastHoldDown, true);
      board_.SetCaption(lastHoldDown, board_.Caption(kHoldDown));
    }
  } else {
    SetHoldDownActive(true);
    board_.SetVisible(kSonoMamaYoshi, true);
    SetHoldDownSeconds(0);
    // The count starts from a fresh second; with the clock stopped it starts
    // at the next Hajime.
    schedule_.ResetHoldPhase(ScheduleNowMs());
    SetHoldDownTicking(true);
  }
  Realign();
}

void Match::HoldDownTick() {
  if (!state_.clockRunning) return;
  const std::int32_t n = state_.holdDownSeconds + 1;
  if (n <= kHoldDownShownMax) SetHoldDownSeconds(n);
  // The display grows to two digits.
  if (n == 10) Realign();

  // Each award second is compared with "equals", in this order, so equal
  // award seconds each award; tori is read afresh at every step.
  struct Award {
    int Settings::*second;
    CountKind raised;
    std::optional<CountKind> lowered;
  };
  static const Award kAwards[] = {
      {&Settings::Yuko, CountKind::Yuko, std::nullopt},
      {&Settings::Wazari, CountKind::Wazari, CountKind::Yuko},
      {&Settings::Ippon, CountKind::Ippon, CountKind::Wazari},
  };
  for (const Award& award : kAwards) {
    if (n != settings_.*award.second) continue;
    if (state_.tori != Tori::None && !settings_.NeWazaWaitForRef) {
      SideCounts& counts = state_.Counts(state_.tori == Tori::Blue ? Side::Blue : Side::White);
      RaiseCount(counts[award.raised]);
      if (award.lowered) counts[*award.lowered] = std::max(counts[*award.lowered] - 1, 0);
    }
    CalcAndColorScores();
    if (award.raised == CountKind::Ippon && !settings_.MONsterKosenRules) {
      SetHoldDownTicking(false);
    }
  }
  if (state_.tori == Tori::None) BlinkNoTori();
}

void Match::BlinkNoTori() {
  // The "?" alternates between Blue's and White's panel and square.
  const bool blueShowsIt = board_.Caption(kBlueElements.toriPanel) == kNoToriText;
  const char* blue = blueShowsIt ? "" : kNoToriText;
  const char* white = blueShowsIt ? kNoToriText : "";
  board_.SetCaption(kBlueElements.toriPanel, blue);
  board_.SetCaption(kBlueElements.toriSquare, blue);
  board_.SetCaption(kWhiteElements.toriPanel, white);
  board_.SetCaption(kWhiteElements.toriSquare, white);
}

void Match::SonoMamaYoshi() {
  state_.holdDownLinger = 0;
  if (!state_.sonoMama) {
    // Sono-mama freezes both clocks; F5 does nothing until Yoshi.
    board_.SetVisible(kHajimeMatte, false);
    SetSonoMama(true);
    SetHoldDownTicking(false);
    SetClockRunning(false);
    SetClockColour(kClockRed);
    return;
  }
  // Yoshi always starts the clock, whatever it did before Sono-mama.
  SetSonoMama(false);
  SetClockRunning(true);
  SetClockColour(kClockYellow);
  if (board_.Caption(kOsaeKomiToketa) == kToketaText) SetHoldDownTicking(true);
  board_.SetVisible(kHajimeMatte, true);
}

void Match::AdjustHoldDownSeconds(MouseButton button, bool shift) {
  // Both corrections start from the count shown before the press, so Shift
  // with the left or right button still ends one up or one down.
  const std::int32_t n = state_.holdDownSeconds;
  if (shift) SetHoldDownIdle();
  if (button == MouseButton::Right) SetHoldDownSeconds(std::max(n - 1, 0));
  if (button == MouseButton::Left) SetHoldDownSeconds(std::min(n + 1, kHoldDownShownMax));
}

void Match::LingerStep() {
  // Only seconds of running match time count.
  if (state_.holdDownTicking || !state_.clockRunning) return;
  ++state_.holdDownLinger;
  if (state_.holdDownLinger <= settings_.SecsToLeaveNewazaScore) return;
  state_.holdDownLinger = 0;
  SetHoldDownIdle();
  board_.SetVisible(kBlueElements.lastHoldDown, false);
  board_.SetVisible(kWhiteElements.lastHoldDown, false);
}

}  // namespace tk
