#include "records/last_match_banner.h"

#include <gtest/gtest.h>

#include "records/board_fixture.h"

namespace tk {
namespace {

class LastMatchBannerTest : public ::testing::Test, protected test::RecordsBoard {
 protected:
  // Running seconds of the match clock until the strip hides itself, at most
  // `limit`; 0 when it did not hide.
  int TicksUntilHidden(int secsToLeave, int limit = 100) {
    for (int tick = 1; tick <= limit; ++tick) {
      if (banner.Tick(secsToLeave)) return tick;
    }
    return 0;
  }
  bool Shown() const { return board.Visible("Panel23"); }

  LastMatchBanner banner{board};
};

TEST_F(LastMatchBannerTest, StartsHiddenWithItsFirstCaption) {
  EXPECT_FALSE(Shown());
  EXPECT_EQ(board.Caption("Panel23"), "Last Match results :- ");
  EXPECT_FALSE(banner.Tick(10));
  EXPECT_EQ(banner.RunningSeconds(), 0);
}

TEST_F(LastMatchBannerTest, TextIsThePrefixAndTheLogLineAndLeavesTheVisibility) {
  banner.SetText("first line");
  EXPECT_FALSE(Shown());
  banner.ShowAfterReset(false);
  banner.SetText("second line");
  EXPECT_TRUE(Shown());
  EXPECT_EQ(board.Caption("Panel23"), "Prev. Match (Ctrl+Z or click to hide)   second line");
  EXPECT_EQ(banner.Text(), board.Caption("Panel23"));
}

TEST_F(LastMatchBannerTest, HidesInTheTickThatCompletesTheSetRunningSeconds) {
  banner.ShowAfterReset(false);
  // Hajime, Matte after 6 running seconds; stopped ticks do not reach the
  // strip, so after the next Hajime 4 more running seconds hide it.
  for (int tick = 0; tick < 6; ++tick) EXPECT_FALSE(banner.Tick(10));
  EXPECT_EQ(banner.RunningSeconds(), 6);
  EXPECT_EQ(TicksUntilHidden(10), 4);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(banner.RunningSeconds(), 0);
  EXPECT_FALSE(banner.Tick(10));  // hidden: nothing more to count
  EXPECT_EQ(banner.RunningSeconds(), 0);
}

TEST_F(LastMatchBannerTest, ToggleHidesAndShowsAgainWithAFullPeriod) {
  banner.ShowAfterReset(false);
  TicksUntilHidden(20, 15);
  banner.Toggle();
  EXPECT_FALSE(Shown());
  banner.Toggle();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(banner.RunningSeconds(), 0);
  EXPECT_EQ(TicksUntilHidden(20), 20);
}

TEST_F(LastMatchBannerTest, ClickHidesWithoutResettingAndToggleShowsWithACounterAtZero) {
  banner.ShowAfterReset(false);
  TicksUntilHidden(20, 7);
  banner.Hide();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(banner.RunningSeconds(), 7);
  banner.Toggle();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(TicksUntilHidden(20), 20);
}

TEST_F(LastMatchBannerTest, ResetShowsTheStripExceptInHelperModeAndRestartsTheCounter) {
  banner.ShowAfterReset(false);
  TicksUntilHidden(20, 5);
  banner.ShowAfterReset(false);  // a second reset in a row
  EXPECT_TRUE(Shown());
  EXPECT_EQ(banner.RunningSeconds(), 0);

  banner.Hide();
  TicksUntilHidden(20, 3);  // hidden: does not count
  banner.ShowAfterReset(true);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(banner.RunningSeconds(), 0);
}

TEST_F(LastMatchBannerTest, LoweringTheSettingBelowTheCountHidesAtTheNextRunningTick) {
  banner.ShowAfterReset(false);
  TicksUntilHidden(20, 15);
  EXPECT_TRUE(banner.Tick(10));
  EXPECT_FALSE(Shown());
}

}  // namespace
}  // namespace tk
