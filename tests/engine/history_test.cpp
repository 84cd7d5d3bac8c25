// Board snapshots, undo and the manual rewrite of the counts.
#include <gtest/gtest.h>

#include "engine_rig.h"

namespace tk::test {
namespace {

TEST(Snapshots, LineHoldsTheTwelveCountsThenTheTime) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::Blue, CountKind::Wazari);
  rig.M().AddPenalty(Side::White, CountKind::Shido);
  rig.M().AddPenalty(Side::White, CountKind::Shido);
  EXPECT_EQ(rig.M().History().back(), "0|1|0|0|0|0|0|0|0|2|0|0|3:45:12 PM");
  EXPECT_EQ(rig.M().SelectedSnapshot(), static_cast<int>(rig.M().History().size()) - 1);
}

TEST(Undo, TakesBackExactlyTheLastChangeThenWaitsForTheNext) {
  EngineRig rig;
  rig.Ready();
  EXPECT_TRUE(rig.M().UndoEnabled());
  rig.M().AddScore(Side::Blue, CountKind::Wazari);
  rig.M().AddScore(Side::White, CountKind::Yuko);
  rig.M().StepBackOneSnapshot();
  EXPECT_EQ(rig.S().blue.wazari, 1);
  EXPECT_EQ(rig.S().white.yuko, 0);
  EXPECT_EQ(rig.Caption("Label9"), "0");
  EXPECT_FALSE(rig.M().UndoEnabled());
  rig.M().AddPenalty(Side::Blue, CountKind::Shido);
  EXPECT_TRUE(rig.M().UndoEnabled());
  rig.M().StepBackOneSnapshot();
  EXPECT_EQ(rig.S().blue, (SideCounts{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(rig.Caption("Panel26"), "0");
}

TEST(Undo, RightAfterAResetRestoresTheZeroBoard) {
  EngineRig rig;
  rig.Ready();
  rig.M().StepBackOneSnapshot();
  EXPECT_EQ(rig.M().RawCounts(), (std::array<int, 12>{}));
  EXPECT_EQ(rig.M().History().size(), 2u);
}

TEST(Undo, BeforeAnythingWasRecordedDoesNothing) {
  EngineRig rig;
  EXPECT_FALSE(rig.M().UndoEnabled());
  rig.M().StepBackOneSnapshot();
  EXPECT_TRUE(rig.M().History().empty());
  EXPECT_EQ(rig.Caption("Label11"), "0");
}

TEST(Undo, TakesBackAHoldDownAwardWhileTheHoldCountsOn) {
  EngineRig rig;
  rig.Ready();
  rig.M().SetTori(Side::White);
  rig.M().HajimeMatte();
  rig.M().OsaeKomiToketa();
  rig.Seconds(15);
  ASSERT_EQ(rig.S().white.yuko, 1);
  rig.M().StepBackOneSnapshot();
  EXPECT_EQ(rig.S().white.yuko, 0);
  EXPECT_TRUE(rig.S().holdDownTicking);
  rig.Seconds(5);
  // The wazari second lowers a yuko of 0 no further.
  EXPECT_EQ(rig.S().white, (SideCounts{0, 1, 0, 0, 0, 0}));
}

TEST(Rewrite, ShowsCountsWithinTheFieldsRangesAndStoresTheOk) {
  EngineRig rig;
  rig.Ready();
  for (int i = 0; i < 25; ++i) rig.M().AddScore(Side::Blue, CountKind::Yuko);
  for (int i = 0; i < 11; ++i) rig.M().AddPenalty(Side::White, CountKind::Shido);
  rig.dialogs.editScores = [](std::array<int, 12>&, std::uint32_t) { return true; };
  rig.M().RewriteScores();
  EXPECT_EQ(rig.dialogs.lastShownCounts,
            (std::array<int, 12>{0, 0, 20, 0, 0, 0, 0, 0, 0, 9, 0, 0}));
  EXPECT_EQ(rig.dialogs.lastBluePanel, rig.Background("Panel6"));
  EXPECT_EQ(rig.S().blue.yuko, 20);
  EXPECT_EQ(rig.S().white.shido, 9);
  EXPECT_EQ(rig.Caption("Label13"), "20");
}

TEST(Rewrite, OkWithTwoWazariShowsIpponAndStopsTheClock) {
  EngineRig rig;
  rig.Ready();
  rig.M().HajimeMatte();
  rig.dialogs.editScores = [](std::array<int, 12>& counts, std::uint32_t) {
    counts[1] = 2;
    return true;
  };
  rig.M().RewriteScores();
  EXPECT_EQ(rig.Caption("Label11"), "1");
  EXPECT_EQ(rig.Caption("Label12"), "0");
  rig.Seconds(1);
  EXPECT_FALSE(rig.S().clockRunning);
}

TEST(Rewrite, CancelLeavesCountsBoardAndHistoryUntouched) {
  EngineRig rig;
  rig.Ready();
  rig.M().AddScore(Side::Blue, CountKind::Wazari);
  const auto history = rig.M().History();
  const auto revision = rig.board.Revision();
  rig.dialogs.editScores = [](std::array<int, 12>& counts, std::uint32_t) {
    counts.fill(7);
    return false;
  };
  rig.M().RewriteScores();
  EXPECT_EQ(rig.S().blue, (SideCounts{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(rig.M().History(), history);
  EXPECT_EQ(rig.board.Revision(), revision);
  EXPECT_TRUE(rig.M().UndoEnabled());
}

TEST(Rewrite, ValuesBeyondTheFieldsAreBroughtIntoRange) {
  EngineRig rig;
  rig.Ready();
  rig.M().ApplyRewrite({-3, 12, 25, 10, 0, 1, 0, 0, 21, -1, 99, 2});
  EXPECT_EQ(rig.M().RawCounts(), (std::array<int, 12>{0, 9, 20, 9, 0, 1, 0, 0, 20, 0, 9, 2}));
}

}  // namespace
}  // namespace tk::test
