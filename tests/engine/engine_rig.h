// A match engine wired to the real operator's board, log and banner in a
// fresh folder, with fake ports; and helpers that let time pass on the fake
// monotonic clock the way the event loop would.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "board/board_model.h"
#include "board/catalogue.h"
#include "board/palette.h"
#include "engine/match.h"
#include "media/buzzer.h"
#include "records/last_match_banner.h"
#include "records/tournament_log.h"
#include "settings/settings.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace tk::test {

enum class Mode { Scoreboard, Helper };

class EngineRig {
 public:
  explicit EngineRig(Mode mode = Mode::Scoreboard) {
    WriteFileBytes(folder / "TADA.WAV", "RIFF buzzer");
    match = std::make_unique<Match>(
        MatchServices{board, settings, clock, dialogs, buzzer, log, banner}, mode == Mode::Helper);
    match->SetHooks(
        {[this] { ++realigns; }, [this] { ++polls; }, [this] { ++moves; }, [this] { ++applies; }});
    match->SetPalette(PaletteForScheme(kSchemeBlue));
    match->StartTimers();
  }

  // The board as after start-up: one reset without asking.
  EngineRig& Ready() {
    const bool warn = settings.ResetWarning;
    settings.ResetWarning = false;
    match->ResetAll();
    settings.ResetWarning = warn;
    return *this;
  }

  Match& M() { return *match; }
  const MatchState& S() const { return match->State(); }
  const std::string& Caption(const char* name) const { return board.Caption(name); }
  Rgb TextColour(const char* name) const { return board.at(name).textColor; }
  Rgb Background(const char* name) const { return board.at(name).background; }
  bool Visible(const char* name) const { return board.Visible(name); }
  int Buzzes() const { return static_cast<int>(sound.played.size()); }

  // Lets `ms` pass, running every tick when it falls due, as a timely event
  // loop does.
  void Run(std::int64_t ms) {
    const std::int64_t end = clock.monotonicMs + ms;
    while (true) {
      const std::optional<std::int64_t> due = match->NextTickDueMs();
      if (!due || *due > end) break;
      if (*due > clock.monotonicMs) clock.monotonicMs = *due;
      match->RunDueTicks();
    }
    clock.monotonicMs = end;
  }
  void Seconds(int seconds) { Run(std::int64_t{seconds} * 1000); }

  TempFolder folder;
  FakeClock clock;
  FakeDialogs dialogs;
  FakeSound sound;
  FakeTextMeasure measure;
  Settings settings;
  BoardModel board{MainBoardCatalogue(), measure};
  TournamentLog log{folder.Path(), clock};
  LastMatchBanner banner{board};
  Buzzer buzzer{settings, sound, folder.Path()};
  std::unique_ptr<Match> match;
  int realigns = 0, polls = 0, moves = 0, applies = 0;
};

}  // namespace tk::test
