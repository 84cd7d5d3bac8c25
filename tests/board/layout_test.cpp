#include "board/layout.h"

#include <gtest/gtest.h>

#include "board/catalogue.h"
#include "support/fakes.h"

namespace tk {
namespace {

// The fake measure: a line is 1.6 px a point high, a character 0.8 px a
// point wide (both rounded down).
class LayoutTest : public ::testing::Test {
 protected:
  test::FakeTextMeasure measure;
  BoardModel main{MainBoardCatalogue(), measure};
  BoardModel pub{PublicBoardCatalogue(), measure};

  int LineHeight(int pointSize) const {
    Font f;
    f.pointSize = pointSize;
    return measure.LineHeight(f);
  }
  int Bottom(const BoardModel& b, const char* n) const {
    return b.AbsoluteRect(n).top + b.Height(n);
  }
};

TEST_F(LayoutTest, ClockPanelIsTheBoardOverThreePointSixAndTheHalvesShareTheRest) {
  struct Case {
    int width, height;
    int clock, blue, white;         // heights
    int infoColumn, penaltyColumn;  // widths
  };
  const Case cases[] = {
      {700, 720, 200, 260, 260, 200, 140},
      {801, 721, 200, 260, 261, 229, 160},  // the odd pixel goes to White's half
      {100, 27, 8, 9, 10, 29, 20},          // 7.5 rounds to the even 8
      {100, 9, 2, 3, 4, 29, 20},            // 2.5 rounds to the even 2
  };
  for (const Case& c : cases) {
    main.SetRootSize(c.width, c.height);
    RealignPanels(main, true);
    EXPECT_EQ(main.Height("Panel3"), c.clock) << c.height;
    EXPECT_EQ(main.Height("Panel6"), c.blue) << c.height;
    EXPECT_EQ(main.Height("Panel5"), c.white) << c.height;
    EXPECT_EQ(main.Top("Panel5"), c.blue) << c.height;
    for (const char* n : {"Panel32", "Panel34"}) EXPECT_EQ(main.Width(n), c.infoColumn) << n;
    for (const char* n : {"Panel33", "Panel35"}) EXPECT_EQ(main.Width(n), c.penaltyColumn) << n;
    EXPECT_EQ(main.Left("Panel33"), c.width - c.penaltyColumn);
  }
}

TEST_F(LayoutTest, TheShownStripShortensTheBoardAndTheBordersGo) {
  main.SetRootSize(700, 746);
  main.SetVisible("Panel23", true);
  RealignPanels(main, true);
  EXPECT_EQ(main.Height("Panel31"), 720);
  EXPECT_EQ(main.Height("Panel3"), 200);
  for (const char* n : {"Panel3", "Panel28", "Panel31"}) {
    EXPECT_EQ(main.at(n).bevel, Bevel::None) << n;
  }
  EXPECT_EQ(main.AbsoluteRect("Panel3"), (Rect{0, 520, 700, 200}));
}

// From a far too small and a far too large start, and at the bound itself:
// growing stops at the first size reaching the lower margin, shrinking at the
// first size strictly below the upper one.
TEST_F(LayoutTest, DigitBoxEndsSixtyToEightyPixelsTallerThanBluesHalf) {
  struct Case {
    int boardHeight;
    int startSize;
  };
  const Case cases[] = {{720, 1}, {720, 400}, {400, 132}, {1080, 132}, {0, 132}, {0, 400}};
  for (const Case& c : cases) {
    main.SetRootSize(800, c.boardHeight);
    main.SetFontSize("Label11", c.startSize);
    RealignPanels(main, true);
    const int p = main.Height("Panel6");
    const int h = main.Height("Label11");
    const int size = main.FontSize("Label11");
    EXPECT_GE(h - p, 60) << c.boardHeight << " from " << c.startSize;
    EXPECT_LT(h - p, 80) << c.boardHeight << " from " << c.startSize;
    if (c.startSize == 1) {
      EXPECT_LT(LineHeight(size - 1), p + 60);
    }
    if (c.startSize == 400) {
      EXPECT_GE(LineHeight(size + 1), p + 80);
    }
    EXPECT_EQ(main.Top("Label11"), -16);
    for (const char* n : {"Label12", "Label13", "Label7", "Label8", "Label9"}) {
      EXPECT_EQ(main.FontSize(n), size) << n;
    }
  }
  // Blue's half of 260: size 213 measures exactly 340, which is not below it.
  main.SetRootSize(800, 720);
  main.SetFontSize("Label11", 400);
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label11"), 212);
  EXPECT_EQ(main.Height("Label11"), 339);
}

TEST_F(LayoutTest, ClockShrinksUntilAtMostThirtyPixelsTallerThanItsPanel) {
  main.SetRootSize(800, 180);  // a clock panel of 50
  ASSERT_EQ(LineHeight(50), 80);
  main.SetFontSize("Label15", 400);
  RealignPanels(main, true);
  EXPECT_EQ(main.Height("Panel3"), 50);
  EXPECT_EQ(main.FontSize("Label15"), 50);  // 80 is at the bound, and that is enough
  main.SetFontSize("Label15", 1);
  RealignPanels(main, true);
  EXPECT_EQ(main.Height("Label15"), 70);  // the first size reaching 50 + 20
  EXPECT_EQ(main.Top("Label15"), 1);
  EXPECT_EQ(main.Left("Label15"), main.Left("Label11"));
}

TEST_F(LayoutTest, NamesFitTheirColumnAndShrinkStrictlyBelowItsWidth) {
  main.SetRootSize(728, 720);  // information columns of 208
  main.SetFontSize("Label71", 100);
  main.SetCaption("Label70", "Jo");
  RealignPanels(main, true);
  ASSERT_EQ(main.Width("Panel32"), 208);
  // "Player`s name" is 10.4 px a point wide: size 20 measures 208 exactly.
  EXPECT_EQ(main.FontSize("Label71"), 19);
  EXPECT_EQ(main.Width("Label71"), 197);
  EXPECT_GE(main.Width("Label70"), 188);
  EXPECT_LT(main.Width("Label70"), 208);
  EXPECT_EQ(main.Top("Label71"), main.Height("Label88"));
  EXPECT_EQ(main.Top("Label14"), main.Top("Label71") + main.Height("Label71"));
  EXPECT_EQ(main.Top("Label70"), main.Height("Label90"));
  EXPECT_EQ(main.Top("Label10"), main.Top("Label70") + main.Height("Label70"));
}

TEST_F(LayoutTest, TwoDigitYukoIsHalvedAndLoweredOnlyOnTheMainBoard) {
  main.SetRootSize(800, 720);
  pub.SetRootSize(800, 720);
  main.SetCaption("Label13", "12");
  main.SetCaption("Label9", " 10 ");
  pub.SetCaption("Label13", "12");
  RealignPanels(main, true);
  RealignPublicBoard(pub);
  for (const BoardModel* b : {&main, &pub}) {
    EXPECT_EQ(b->FontSize("Label13"), b->FontSize("Label11") / 2);
    EXPECT_EQ(b->FontSize("Label12"), b->FontSize("Label11"));
  }
  EXPECT_EQ(main.FontSize("Label9"), main.FontSize("Label11") / 2);
  EXPECT_EQ(main.Top("Label13"), -16 + main.Height("Label13") / 2);
  EXPECT_EQ(main.Top("Label9"), -16 + main.Height("Label9") / 2);
  EXPECT_EQ(pub.Top("Label13"), -16);
  EXPECT_EQ(pub.FontSize("Label9"), pub.FontSize("Label11"));

  main.SetCaption("Label13", "9");  // back to one digit: full size at the common top
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label13"), main.FontSize("Label11"));
  EXPECT_EQ(main.Top("Label13"), -16);
  main.SetCaption("Label13", "");  // not a number: drawn as a one-digit yuko
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label13"), main.FontSize("Label11"));
}

TEST_F(LayoutTest, CaptionsOffMakeTheDigitsLargerAndHigher) {
  main.SetRootSize(800, 720);
  RealignPanels(main, false);
  const int p = main.Height("Panel6");
  EXPECT_GE(main.Height("Label11") - p, 120);
  EXPECT_LT(main.Height("Label11") - p, 140);
  EXPECT_EQ(main.Top("Label11"), -56);
  EXPECT_EQ(main.Top("Label8"), -56);
  for (const char* n : {"Label23", "Label25", "Label26", "Label4", "Label5", "Label6"}) {
    EXPECT_FALSE(main.Visible(n)) << n;
  }
  RealignPanels(main, true);
  EXPECT_EQ(main.Top("Label11"), -16);
  EXPECT_TRUE(main.Visible("Label25"));
  EXPECT_LT(main.Height("Label11") - p, 80);
}

TEST_F(LayoutTest, DigitsCaptionsAndMarksKeepTheirPlaces) {
  for (int width : {640, 1024, 1920}) {
    main.SetRootSize(width, width * 9 / 16);
    pub.SetRootSize(width, width * 9 / 16);
    RealignPanels(main, true);
    RealignPublicBoard(pub);
    // White's digits stand where Blue's do; the yuko digits end 10 px before
    // the penalty column and the wazari digit is midway.
    const char* blue[] = {"Label11", "Label12", "Label13"};
    const char* white[] = {"Label7", "Label8", "Label9"};
    const char* blueCaption[] = {"Label23", "Label25", "Label26"};
    const char* whiteCaption[] = {"Label4", "Label5", "Label6"};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(main.Left(white[i]), main.Left(blue[i])) << width;
      EXPECT_EQ(main.Top(white[i]), main.Top(blue[i])) << width;
      const int middle = main.Left(blue[i]) + main.Width(blue[i]) / 2;
      EXPECT_EQ(main.Left(blueCaption[i]), middle - main.Width(blueCaption[i]) / 2) << width;
      EXPECT_EQ(main.Left(whiteCaption[i]), main.Left(blueCaption[i])) << width;
      EXPECT_EQ(pub.Left(blueCaption[i]), pub.Left(blue[i]) + pub.Width(blue[i]) / 2) << width;
      EXPECT_EQ(pub.Left(whiteCaption[i]), pub.Left(blueCaption[i])) << width;
    }
    EXPECT_EQ(main.Top("Label23"), -5);
    EXPECT_EQ(main.Top("Label4"), -6);
    EXPECT_EQ(main.Left("Label11"), main.Width("Panel32") + 10);
    EXPECT_EQ(main.Left("Label13") + main.Width("Label13"),
              main.Width("Panel6") - main.Width("Panel33") - 10);
    EXPECT_EQ(main.Left("Label12"), (main.Left("Label11") + main.Left("Label13")) / 2);
    // The hansoku-make marks stand under the leg-grab marks, bottom-aligned
    // with the cards; the cards end 14 px plus a mark's width before the edge.
    for (auto [card, legGrab, hansoku] : {std::tuple{"Panel26", "Panel24", "Panel37"},
                                          std::tuple{"Panel27", "Panel25", "Panel38"}}) {
      EXPECT_EQ(main.Top(card), 10);
      EXPECT_EQ(main.Left(legGrab), main.Left(card) + main.Width(card) + 4);
      EXPECT_EQ(main.Left(hansoku), main.Left(legGrab));
      EXPECT_EQ(Bottom(main, hansoku), Bottom(main, card));
      EXPECT_EQ(main.Left(legGrab) + main.Width(legGrab) + 6, main.Width(main.at(card).parent));
    }
    // The division text straddles the border between the halves.
    const int border = main.AbsoluteRect("Panel5").top;
    EXPECT_NEAR(main.AbsoluteRect("Label88").top + main.Height("Label88") / 2, border, 1);
    EXPECT_NEAR(main.AbsoluteRect("Label90").top + main.Height("Label90") / 2, border, 1);
    EXPECT_EQ(main.FontSize("Label90"), main.FontSize("Label88"));
    // The tori squares stack at the clock panel's right edge.
    EXPECT_EQ(main.Left("Panel76") + main.Width("Panel76"), main.Width("Panel3") - 1);
    EXPECT_EQ(main.Top("Panel75"), 2 + main.Height("Panel76"));
    EXPECT_EQ(main.Left("Label2"), main.Left("Label39") + main.Width("Label39") + 25);
    EXPECT_EQ(main.Top("Label39"), main.Top("Label28"));
  }
}

TEST_F(LayoutTest, DerivedSizesFollowTheFittedOnes) {
  main.SetRootSize(800, 720);
  RealignPanels(main, true);
  // The last hold-down times take the hold-down count's size of the run
  // before: the start size 72 on the first run.
  EXPECT_EQ(main.FontSize("Label107"), 58);
  EXPECT_EQ(main.FontSize("Label108"), 58);
  const int clock = main.FontSize("Label15");
  const int count = main.FontSize("Label3");
  EXPECT_EQ(count, (clock * 66 + 50) / 100);
  EXPECT_EQ(main.FontSize("Label1"), (count * 4 + 5) / 10);
  EXPECT_EQ(main.FontSize("Label77"), 2 * main.FontSize("Label1"));
  EXPECT_EQ(main.Top("Label3"), 20 + main.Height("Label18"));
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label107"), (count * 8 + 5) / 10);
}

TEST_F(LayoutTest, ARepeatedRunChangesNothing) {
  main.SetRootSize(1024, 700);
  RealignPanels(main, true);
  RealignPanels(main, true);
  const auto revision = main.Revision();
  RealignPanels(main, true);
  EXPECT_EQ(main.Revision(), revision);
}

TEST_F(LayoutTest, FittingEndsWhenTheTargetCannotBeReached) {
  main.SetRootSize(0, 0);
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label71"), kMinFitPointSize);  // no width is below 0
  for (const Element& e : main.Elements()) {
    EXPECT_GE(e.font.pointSize, kMinFitPointSize) << e.name;
    EXPECT_LE(e.font.pointSize, kMaxFitPointSize) << e.name;
  }
  // An empty name in a very wide column: each run grows by at most the step
  // bound, and never beyond the largest size. Shrinking is bounded alike.
  main.SetRootSize(200000, 720);
  main.SetCaption("Label71", "");
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label71"), kMinFitPointSize + kMaxFitSteps);
  for (int run = 0; run < 4; ++run) RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label71"), kMaxFitPointSize);
  main.SetRootSize(800, 720);
  main.SetFontSize("Label11", kMaxFitPointSize);
  RealignPanels(main, true);
  EXPECT_EQ(main.FontSize("Label11"), kMaxFitPointSize - kMaxFitSteps);
}

TEST_F(LayoutTest, PublicBoardTakesTheHoldersClockColourAndKeepsItsLinksHidden) {
  pub.SetRootSize(624, 441);
  pub.SetBackground("Panel36", 0x004B00);
  RealignPublicBoard(pub);
  EXPECT_EQ(pub.at("Panel3").background, 0x004B00u);
  EXPECT_EQ(pub.Top("Label3"), 20 + LineHeight(16));  // under the hidden "Hajime F5"
  EXPECT_EQ(pub.Top("Label11"), -16);
  for (const char* n : {"Label18", "Label69", "Label28", "Label39", "Panel75", "Panel76"}) {
    EXPECT_FALSE(pub.Shown(n)) << n;
  }
  const int resetLeft = pub.Left("Label39");
  pub.SetRootSize(1920, 1080);
  RealignPublicBoard(pub);
  EXPECT_EQ(pub.Left("Label39"), resetLeft);

  main.SetBackground("Panel3", 0x000100);  // set by the composition root
  RealignPanels(main, true);
  EXPECT_EQ(main.at("Panel3").background, 0x000100u);
}

}  // namespace
}  // namespace tk
