// A long random run of every engine operation and of time passing, with the
// board checked against the raw state after every step.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "engine_rig.h"
#include "util/text.h"

namespace tk::test {
namespace {

constexpr int kSteps = 120'000;

std::array<int, 12> ParseSnapshot(const std::string& line) {
  std::array<int, 12> counts{};
  std::istringstream in(line);
  std::string field;
  for (int& count : counts) {
    std::getline(in, field, '|');
    count = std::stoi(field);
  }
  return counts;
}

class Soak {
 public:
  explicit Soak(unsigned seed) : rng_(seed) {
    rig_.Ready();
    rig_.dialogs.editScores = [this](std::array<int, 12>& counts, std::uint32_t) {
      for (int& c : counts) {
        if (Pick(3) == 0) c = Between(-2, 25);
      }
      return Pick(2) == 0;
    };
  }

  void Step(int step) {
    const std::array<int, 12> before = rig_.M().RawCounts();
    const std::int32_t clockBefore = rig_.S().clockSeconds;
    std::optional<std::array<int, 12>> undoTarget;
    bool entry = false;
    std::optional<std::int64_t> ranMs;
    switch (Pick(24)) {
      case 0:
      case 1:
        rig_.M().AddScore(Pick(2) ? Side::Blue : Side::White, kAllCountKinds[Pick(6)]);
        entry = true;
        break;
      case 2:
        if (!rig_.M().UndoEnabled()) break;
        undoTarget =
            ParseSnapshot(rig_.M().History()[std::max(rig_.M().SelectedSnapshot() - 1, 0)]);
        if (countsBeforeEntry_) {
          EXPECT_EQ(*undoTarget, *countsBeforeEntry_) << step;
        }
        rig_.M().StepBackOneSnapshot();
        break;
      case 3: {
        const std::size_t lines = rig_.M().History().size();
        rig_.M().RewriteScores();
        entry = rig_.M().History().size() != lines;
        break;
      }
      case 4: {
        if (Pick(8) != 0) break;
        rig_.settings.ResetWarning = Pick(2) == 0;
        const Answer answer = Pick(2) ? Answer::Yes : Answer::Cancel;
        rig_.dialogs.answers = {answer};
        const auto history = rig_.M().History();
        rig_.M().ResetAll();
        rig_.dialogs.answers.clear();
        if (!rig_.settings.ResetWarning || answer == Answer::Yes) {
          EXPECT_EQ(rig_.M().History().size(), 1u) << step;
          EXPECT_EQ(rig_.M().RawCounts(), (std::array<int, 12>{})) << step;
          EXPECT_EQ(rig_.S().clockSeconds, rig_.M().MatchSeconds()) << step;
          EXPECT_FALSE(rig_.S().clockRunning) << step;
        } else {
          EXPECT_EQ(rig_.M().History(), history) << step;
        }
        break;
      }
      case 5:
        rig_.M().GoldenScoreToggle();
        break;
      case 6:
        rig_.M().GoldenScorePreset(Between(1, 3));
        break;
      case 7: {
        static constexpr std::pair<int, int> kBouts[] = {{1, 30}, {2, 0}, {3, 0}, {4, 0}, {5, 0}};
        const auto [mins, secs] = kBouts[Pick(5)];
        rig_.M().QuickJumpBouts(mins, secs);
        break;
      }
      case 8:
        rig_.M().SetDurationField(static_cast<DurationField>(Pick(4)), Between(-1, 35));
        break;
      case 9:
        rig_.settings.emergencyMins = Between(0, 3);
        rig_.settings.emergencySecs = Between(0, 59);
        rig_.M().EmergencyClockSet();
        break;
      case 10:
        if (Pick(3) == 0)
          rig_.M().ClearTori();
        else
          rig_.M().SetTori(Pick(2) ? Side::Blue : Side::White);
        break;
      case 11:
        rig_.M().OsaeKomiToketa();
        break;
      case 12:
        rig_.M().SonoMamaYoshi();
        break;
      case 13:
        rig_.M().AdjustHoldDownSeconds(static_cast<MouseButton>(Pick(3)), Pick(4) == 0);
        break;
      case 14:
        if (Pick(4) == 0) {
          rig_.settings.MONsterKosenRules = !rig_.settings.MONsterKosenRules;
        } else {
          rig_.settings.NeWazaWaitForRef = !rig_.settings.NeWazaWaitForRef;
        }
        rig_.M().CalcAndColorScores();  // as the settings apply does
        break;
      case 15:
      case 16:
        rig_.M().HajimeMatte();
        break;
      case 17: {
        // The event loop stalled: the ticks owed are caught up.
        const std::int64_t ms = Between(2'000, 40'000);
        rig_.clock.Advance(ms);
        rig_.M().RunDueTicks();
        rig_.Run(0);
        ranMs = ms;
        break;
      }
      default: {
        const std::int64_t ms = Between(1, 3'000);
        rig_.Run(ms);
        ranMs = ms;
        break;
      }
    }
    if (undoTarget) {
      EXPECT_EQ(rig_.M().RawCounts(), *undoTarget) << step;
    }
    if (ranMs) {
      const std::int32_t stepped = clockBefore - rig_.S().clockSeconds;
      EXPECT_GE(stepped, 0) << step;
      EXPECT_LE(stepped, *ranMs / 1000 + 2) << step;
    }
    countsBeforeEntry_.reset();
    if (entry && rig_.M().RawCounts() != before) countsBeforeEntry_ = before;
    CheckInvariants(step, ranMs ? Overdue::NoneLeft : Overdue::AtMostNow);
  }

 private:
  // After time has passed no tick is left due; an operation may make one due
  // at once (the second owed after an end-of-match stop).
  enum class Overdue { NoneLeft, AtMostNow };

  void CheckInvariants(int step, Overdue overdue) {
    SCOPED_TRACE(step);
    const MatchState& s = rig_.S();
    for (int count : rig_.M().RawCounts()) ASSERT_GE(count, 0);

    const bool kosen = rig_.settings.MONsterKosenRules;
    CheckSide(DeriveShownScores(s.blue, s.white, kosen),
              {"Label11", "Label12", "Label13", "Panel26", "Panel24"});
    CheckSide(DeriveShownScores(s.white, s.blue, kosen),
              {"Label7", "Label8", "Label9", "Panel27", "Panel25"});

    ASSERT_GE(s.clockSeconds, 0);
    EXPECT_EQ(rig_.Caption("Label15"), SecondsToClockText(s.clockSeconds));
    EXPECT_EQ(rig_.TextColour("Label3"), rig_.TextColour("Label15"));
    ASSERT_GE(s.holdDownSeconds, 0);
    ASSERT_LE(s.holdDownSeconds, 99);
    if (s.holdDownIdle) {
      EXPECT_EQ(rig_.Caption("Label3"), "00");
      EXPECT_EQ(s.holdDownSeconds, 0);
    } else {
      EXPECT_EQ(rig_.Caption("Label3"), std::to_string(s.holdDownSeconds));
    }
    if (s.holdDownTicking) {
      EXPECT_TRUE(s.holdDownActive);
    }
    EXPECT_EQ(rig_.Caption("Label69"), s.holdDownActive ? "Toketa F6   " : "Osae Komi F6");
    EXPECT_EQ(rig_.Caption("Label28"), s.sonoMama ? "Yoshi F9   " : "SonoMama F9");
    EXPECT_EQ(rig_.Visible("Label77"), s.goldenScore);
    CheckTori(s.tori);

    ASSERT_FALSE(rig_.M().History().empty());
    EXPECT_EQ(ParseSnapshot(rig_.M().History().back()), rig_.M().RawCounts());
    const std::optional<std::int64_t> due = rig_.M().NextTickDueMs();
    ASSERT_TRUE(due.has_value());
    if (overdue == Overdue::NoneLeft) {
      EXPECT_GT(*due, rig_.clock.monotonicMs);
    } else {
      EXPECT_GE(*due, rig_.clock.monotonicMs);
    }
  }

  struct SideNames {
    const char *ippon, *wazari, *yuko, *shido, *legGrab;
  };

  void CheckSide(const ShownScores& shown, const SideNames& n) {
    EXPECT_EQ(rig_.Caption(n.ippon), std::to_string(shown.shownIppon));
    EXPECT_EQ(rig_.Caption(n.wazari), std::to_string(shown.shownWazari));
    EXPECT_EQ(rig_.Caption(n.yuko), std::to_string(shown.shownYuko));
    const PenaltyMarks marks = PenaltyMarksFor(shown);
    EXPECT_EQ(rig_.Caption(n.shido), marks.shidoCaption);
    EXPECT_EQ(rig_.Caption(n.legGrab), marks.legGrabCaption);
  }

  void CheckTori(Tori tori) {
    const std::string b = rig_.Caption("Panel33"), bs = rig_.Caption("Panel76");
    const std::string w = rig_.Caption("Panel35"), ws = rig_.Caption("Panel75");
    if (tori == Tori::Blue) {
      EXPECT_EQ(b + bs + "|" + w + ws, "ToriT|");
    } else if (tori == Tori::White) {
      EXPECT_EQ(b + bs + "|" + w + ws, "|ToriT");
    } else {
      // Empty, or the blinking "?" on one side.
      EXPECT_TRUE(b + bs + w + ws == "" || b + bs + w + ws == "??") << b << bs << w << ws;
    }
  }

  int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::mt19937 rng_;
  EngineRig rig_;
  std::optional<std::array<int, 12>> countsBeforeEntry_;
};

TEST(Soak, RandomOperationsKeepTheBoardTrueToTheState) {
  Soak soak(20061225);
  for (int step = 0; step < kSteps; ++step) {
    soak.Step(step);
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace tk::test
