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

// Ranges of the rewrite dialog's fields, in snapshot order.
inline constexpr std::array<IntRange, 6> kRewriteRanges = {
    IntRange{0, 9}, IntRange{0, 9}, IntRange{0, 20}, IntRange{0, 9}, IntRange{0, 9}, IntRange{0, 9}};

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
  // Runs every main and hold-down tick due by now, in time order.
  void RunDueTicks();
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
  // ApplySettings step 4.
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
  void ScheduleUpdate();
  void Realign();
  void PaintSide(Side side);
  LogLineFacts LogFacts() const;

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
  TickSchedule schedule_;
  // The clock value golden score started from, for the log's bout length.
  int goldenClockStart_ = 0;

  std::vector<std::string> history_;
  int selected_ = -1;
  bool undoEnabled_ = false;
};

}  // namespace tk
