#include "board/public_copy.h"

#include <gtest/gtest.h>

#include "board/catalogue.h"
#include "board/layout.h"
#include "support/fakes.h"

namespace tk {
namespace {

enum class Prop { Caption, Text, Back, Visible };

struct Change {
  const char* name;
  Prop prop;
  const char* caption = "";
  Rgb colour = 0;
  bool visible = false;
};

void Apply(BoardModel& b, const Change& c) {
  switch (c.prop) {
    case Prop::Caption:
      return b.SetCaption(c.name, c.caption);
    case Prop::Text:
      return b.SetTextColor(c.name, c.colour);
    case Prop::Back:
      return b.SetBackground(c.name, c.colour);
    case Prop::Visible:
      return b.SetVisible(c.name, c.visible);
  }
}

bool Holds(const BoardModel& b, const Change& c) {
  const Element& e = b.at(c.name);
  switch (c.prop) {
    case Prop::Caption:
      return e.caption == c.caption;
    case Prop::Text:
      return e.textColor == c.colour;
    case Prop::Back:
      return e.background == c.colour;
    case Prop::Visible:
      return e.visible == c.visible;
  }
  return false;
}

class PublicCopyTest : public ::testing::Test {
 protected:
  test::FakeTextMeasure measure;
  BoardModel main{MainBoardCatalogue(), measure};
  BoardModel pub{PublicBoardCatalogue(), measure};
};

TEST_F(PublicCopyTest, CopiesWhatThePublicSeesAndNothingElse) {
  using enum Prop;
  const Change copied[] = {
      {"Label88", Text, "", 0xAA0000},
      {"Label88", Back, "", 0xFFA4A4},
      {"Label88", Caption, "-66 Kg "},
      {"Label90", Back, "", 0xFFCCCC},
      {"Label90", Caption, "-66 Kg "},
      {"Label77", Back, "", 0x123456},
      {"Label77", Caption, "GS 2"},
      {"Label77", Visible, "", 0, true},
      {"Label70", Visible},
      {"Label71", Caption, "Ann Blue"},
      {"Label10", Caption, "Next White"},
      {"Label14", Visible},
      {"Label7", Caption, "1"},
      {"Label9", Text, "", 0x222222},
      {"Label11", Text, "", 0x0000DD},
      {"Label13", Caption, "12"},
      {"Panel24", Back, "", 0xFF0000},
      {"Panel24", Caption, "1L"},
      {"Panel26", Caption, "2"},
      {"Panel37", Back, "", 0xFF0000},
      {"Panel27", Back, "", 0xFF0000},
      {"Panel27", Caption, "4H"},
      {"Panel38", Back, "", 0xFFBB00},
      {"Label1", Caption, "Mat 7"},
      {"Label3", Caption, "12"},
      {"Label3", Text, "", 0x00FF00},
      {"Label15", Caption, "10:00"},
      {"Label15", Text, "", 0xFF0000},
      {"Panel33", Caption, "Tori"},
      {"Panel35", Text, "", 0x333333},
      {"Panel75", Caption, "T"},
      {"Panel76", Caption, "T"},
      {"Panel5", Back, "", 0xFFFFFE},
      {"Panel6", Back, "", 0xFF0000},
      {"Panel32", Back, "", 0xFF0000},
      {"Panel34", Back, "", 0xFFFFFD},
      {"Label107", Visible, "", 0, true},
      {"Label107", Caption, "17"},
      {"Label108", Text, "", 0x444444},
  };
  const Change notCopied[] = {
      {"Label23", Caption, "X"},        {"Label4", Text, "", 0x555555},
      {"Label18", Caption, "Matte F5"}, {"Label69", Text, "", 0xFFFFFF},
      {"Label28", Caption, "Yoshi F9"}, {"Label39", Visible, "", 0, true},
      {"Panel75", Back, "", 0x666666},  {"Panel76", Back, "", 0xFF0000},
      {"Panel3", Back, "", 0x004B00},   {"Panel28", Back, "", 0x777777},
      {"Label1", Back, "", 0x888888},   {"Panel26", Text, "", 0x999999},
  };
  for (const Change& c : copied) Apply(main, c);
  for (const Change& c : notCopied) Apply(main, c);
  main.SetFontSize("Label11", 40);
  main.SetLeft("Label15", 3);

  CopyFromMain(main, pub, 0x002800);
  for (const Change& c : copied) EXPECT_TRUE(Holds(pub, c)) << c.name << " " << int(c.prop);
  for (const Change& c : notCopied) EXPECT_FALSE(Holds(pub, c)) << c.name << " " << int(c.prop);
  EXPECT_EQ(pub.FontSize("Label11"), 132);
  EXPECT_NE(pub.Left("Label15"), 3);

  const auto revision = pub.Revision();
  CopyFromMain(main, pub, 0x002800);  // an unchanged board leaves nothing to repaint
  EXPECT_EQ(pub.Revision(), revision);
}

TEST_F(PublicCopyTest, ClockColourReachesThePublicClockPanelAtItsNextRealignment) {
  CopyFromMain(main, pub, 0x000100);
  EXPECT_EQ(pub.at("Panel36").background, 0x000100u);
  EXPECT_EQ(pub.at("Panel3").background, 0x002800u);
  RealignPublicBoard(pub);
  EXPECT_EQ(pub.at("Panel3").background, 0x000100u);
}

TEST(PublicBoardTicksTest, RealignsOnTheThirdTickThenEveryEleventh) {
  PublicBoardTicks ticks;
  std::vector<int> due;
  for (int tick = 1; tick <= 40; ++tick) {
    if (ticks.Tick()) due.push_back(tick);
  }
  EXPECT_EQ(due, (std::vector<int>{3, 14, 25, 36}));

  // Shown again without closing: the count goes on; closing sets it back.
  PublicBoardTicks again;
  again.Tick();
  again.Tick();
  EXPECT_EQ(again.Counter(), 10);
  again.WindowClosed();
  EXPECT_EQ(again.Counter(), 8);
  EXPECT_FALSE(again.Tick());
  EXPECT_FALSE(again.Tick());
  EXPECT_TRUE(again.Tick());
  EXPECT_EQ(again.Counter(), 0);
}

}  // namespace
}  // namespace tk
