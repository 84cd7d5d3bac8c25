// The match engine: every operation on the match on the mat (clocks, score
// and penalty entry, hold-down, derived board values, undo and rewrite, reset
// and golden score). Each operation changes MatchState and writes the
// elements of the operator's board that show it at once; the clock value and
// Label15, the hold-down count and Label3, are always written together.
//
// Operations run one at a time on the interface thread and run to their end.
// Errors (a log that cannot be written, a buzzer file that cannot be played)
// are exceptions that end the operation; what was already changed stays.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/board_model.h"
#include "board/palette.h"
#include "engine/match_state.h"
#include "engine/tick_schedule.h"
#include "media/buzzer.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "records/last_match_banner.h"
#include "records/tournament_log.h"
#include "settings/settings.h"

namespace tk {

// Calls into the parts of the program around the match. Each may be empty;
// an empty hook is an empty step.
struct MatchHooks {
  std::function<void()> realignPanels;      // RealignPanels of the operator's board
  std::function<void()> pollSignalFile;     // every 4th main tick outside helper mode
  std::function<void()> moveQueuedPlayers;  // ResetAll, when PlayersNamePopup is on
  std::function<void()> applySettings;      // ApplySettings of the settings page
};

// The four duration fields of the "  Time Settings  " page.
enum class DurationField { MatchMins, MatchSecs, GoldenMins, GoldenSecs };

enum class MouseButton { Left, Right, Middle };

// What the board shows for one Side, derived from both Sides' raw counts.
struct ShownScores {
  int shownIppon = 0, shownWazari = 0, shownYuko = 0;
  int shownShido = 0, shownLegGrabs = 0, shownHansoku = 0;
  bool operator==(const ShownScores&) const = default;
};

// The rules of the board: penalties of the opponent score for X; two wazari
// make an ippon and ippon is capped at one unless the Kosen switch is on.
ShownScores DeriveShownScores(const SideCounts& x, const SideCounts& opponent, bool kosen);

// How a Side's penalty card and markers look for its shown values.
struct PenaltyMarks {
  std::string shidoCaption;    // "0", "3", "2H", "H"
  bool shidoSerious = false;   // serious colour instead of the normal one
  std::string legGrabCaption;  // "L", "1L", "2L"
  bool legGrabOn = false;
  bool hansokuOn = false;  // the "H" marker on its penalty-on colour
  bool operator==(const PenaltyMarks&) const = default;
};
PenaltyMarks PenaltyMarksFor(const ShownScores& shown);

// A raw count that ends the match: ippon 1, wazari 2, shido 4, leg grabs 3 or
// hansoku-make 1.
bool HasMatchEndingCount(const SideCounts& counts);

// Half the match length, rounded to the nearest second with halves going to
// the even neighbour (241 s gives 120, 243 s gives 122).
int HalfMatchSeconds(int matchSeconds);

// Ranges of the rewrite dialog's fields, in snapshot order.
inline constexpr std::array<IntRange, 6> kRewriteRanges = {IntRange{0, 9},  IntRange{0, 9},
                                                           IntRange{0, 20}, IntRange{0, 9},
                                                           IntRange{0, 9},  IntRange{0, 9}};

struct MatchServices {
  BoardModel& board;  // the operator's board
  Settings& settings;
  const Clock& clock;
  Dialogs& dialogs;
  Buzzer& buzzer;
  TournamentLog& log;
  LastMatchBanner& banner;
};

class Match {
 public:
  Match(MatchServices services, bool helperMode);

  const MatchState& State() const { return state_; }
  bool HelperMode() const { return helperMode_; }
  void SetHooks(MatchHooks hooks) { hooks_ = std::move(hooks); }

  // ---- Timing -------------------------------------------------------------
  // Starts the main tick's rhythm (start of the program).
  void StartTimers();
  // Runs every main and hold-down tick due by now, in time order; at most
  // kMaxTicksPerRun of them, the rest at the next call.
  void RunDueTicks();
  static constexpr int kMaxTicksPerRun = 32;
  // When the next tick is due on the monotonic clock, if any.
  std::optional<std::int64_t> NextTickDueMs() const;
  bool MainTimerOn() const { return mainTimerOn_; }

  // ---- Match clock --------------------------------------------------------
  void MainTick();
  void HajimeMatte();
  void Matte();
  void ResetClockOnly();
  // Sets a duration field (brought into its range); a real change runs
  // DurationChanged, which may set the golden-score fields in turn.
  void SetDurationField(DurationField field, int value);
  void DurationChanged();
  void EmergencyClockSet();
  void EndOfMatchTest();
  int MatchSeconds() const { return matchSeconds_; }
  // matchSeconds from MatchMins and MatchSecs, as the settings apply does.
  void RecomputeMatchSeconds();
  int GoldenScoreSeconds() const;

  // ---- Score and penalty entry ------------------------------------------
  void AddScore(Side side, CountKind kind);
  void AddPenalty(Side side, CountKind kind) { AddScore(side, kind); }
  void SetTori(Side side);
  void ClearTori();

  // ---- Hold-down ----------------------------------------------------------
  void OsaeKomiToketa();
  void SonoMamaYoshi();
  void HoldDownTick();
  void AdjustHoldDownSeconds(MouseButton button, bool shift);
  void LingerStep();
  // Running time of the clock since its last step, and counting time of the
  // hold-down since its last tick.
  std::int64_t ClockPhaseMs() const { return schedule_.ClockPhaseMs(clock_.MonotonicMs()); }
  std::int64_t HoldPhaseMs() const { return schedule_.HoldPhaseMs(clock_.MonotonicMs()); }

  // ---- Derived board values ---------------------------------------------
  void CalcAndColorScores();
  const BoardPalette& Palette() const { return palette_; }
  void SetPalette(const BoardPalette& palette) { palette_ = palette; }

  // ---- Undo and rewrite ---------------------------------------------------
  void RecordBoardSnapshot();
  void StepBackOneSnapshot();
  bool UndoEnabled() const { return undoEnabled_; }
  const std::vector<std::string>& History() const { return history_; }
  int SelectedSnapshot() const { return selected_; }
  // Opens the rewrite dialog through the dialogs port.
  void RewriteScores();
  // The "Ok" of the rewrite dialog: each count brought into its field's range.
  void ApplyRewrite(const std::array<int, 12>& counts);
  std::array<int, 12> RawCounts() const;
  // What the bout length in the log line is made of.
  LogLineFacts LogFacts() const;

  // ---- Reset, golden score, presets -------------------------------------
  void ResetAll();
  void GoldenScoreToggle();
  void GoldenScorePreset(int minutes);
  // 1:30 is (1, 30); the others (N, 0).
  void QuickJumpBouts(int minutes, int seconds);

 private:
  // The one place each pair of value and display is written.
  void SetClockSeconds(std::int32_t seconds);
  void SetClockColour(Rgb colour);
  void SetHoldDownSeconds(std::int32_t seconds);
  void SetHoldDownIdle();
  void SetClockRunning(bool running);
  void SetHoldDownTicking(bool ticking);
  void SetMainTimerOn(bool on);
  void SetGoldenScore(bool on);
  void SetHoldDownActive(bool active);
  void SetSonoMama(bool on);
  void SetToriCaptions(const char* blue, const char* white);
  void SetRawCounts(const std::array<int, 12>& counts);
  void ScheduleUpdate();
  // Inside a tick, the tick's due time; otherwise the monotonic clock.
  std::int64_t ScheduleNowMs() const;
  void RunTick(const DueTick& tick);
  void StepClock();
  void BlinkNoTori();
  void Realign();
  void Buzz();
  void PaintSide(Side side, const ShownScores& shown);
  void FitYukoDigit(const char* yuko);

  BoardModel& board_;
  Settings& settings_;
  const Clock& clock_;
  Dialogs& dialogs_;
  Buzzer& buzzer_;
  TournamentLog& log_;
  LastMatchBanner& banner_;
  bool helperMode_;
  MatchHooks hooks_;

  MatchState state_;
  BoardPalette palette_ = StartPalette();
  int matchSeconds_ = 300;
  int pollCounter_ = 0;
  bool mainTimerOn_ = true;
  bool timersStarted_ = false;
  TickSchedule schedule_;
  std::optional<std::int64_t> tickDueMs_;  // set while a scheduled tick runs
  bool clockStepOwed_ = false;             // a second this tick used, not yet shown
  // The clock value golden score started from, for the log's bout length.
  int goldenClockStart_ = 0;

  std::vector<std::string> history_;
  int selected_ = -1;
  bool undoEnabled_ = false;
};

}  // namespace tk
