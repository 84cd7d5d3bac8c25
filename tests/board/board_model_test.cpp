#include "board/board_model.h"

#include <functional>
#include <stdexcept>

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace tk {
namespace {

Element MakePanel(std::string name, std::string parent, Rect rect, Dock dock = Dock::None) {
  Element e;
  e.name = std::move(name);
  e.parent = std::move(parent);
  e.kind = ElementKind::Panel;
  e.transparent = false;
  e.rect = rect;
  e.dock = dock;
  return e;
}

Element MakeLabel(std::string name, std::string parent, std::string caption, int left, int top,
                  Align align = Align::Left) {
  Element e;
  e.name = std::move(name);
  e.parent = std::move(parent);
  e.caption = std::move(caption);
  e.font.pointSize = 10;  // fake measure: 8 px a character, 16 px a line
  e.rect = {left, top, 0, 0};
  e.align = align;
  e.autoSize = true;
  return e;
}

class BoardModelTest : public ::testing::Test {
 protected:
  test::FakeTextMeasure measure;
};

TEST_F(BoardModelTest, RejectsCataloguesItCannotIndex) {
  using Rows = std::vector<Element>;
  const Element root = MakePanel("Root", "", {0, 0, 100, 100});
  const Rows cases[] = {
      {},
      {root, MakePanel("A", "Root", {}), MakePanel("A", "Root", {})},
      {root, MakePanel("Child", "Later", {}), MakePanel("Later", "Root", {})},
      {root, MakePanel("Orphan", "", {})},
  };
  for (const Rows& rows : cases) {
    EXPECT_THROW(BoardModel(rows, measure), std::invalid_argument) << rows.size();
  }
  BoardModel board({root}, measure);
  EXPECT_THROW(board.at("Nobody"), std::out_of_range);
  EXPECT_THROW(board.SetCaption("Nobody", "x"), std::out_of_range);
}

TEST_F(BoardModelTest, CountsARevisionOnlyOnARealChange) {
  BoardModel board(
      {MakePanel("Root", "", {0, 0, 200, 100}), MakePanel("Box", "Root", {5, 5, 50, 40}),
       MakeLabel("Text", "Root", "ab", 10, 10)},
      measure);
  struct Case {
    const char* what;
    std::function<void()> set;
  };
  Font bigger;
  bigger.pointSize = 20;
  const Case cases[] = {
      {"caption", [&] { board.SetCaption("Text", "abc"); }},
      {"text colour", [&] { board.SetTextColor("Text", 0x123456); }},
      {"background", [&] { board.SetBackground("Box", 0x654321); }},
      {"visible", [&] { board.SetVisible("Box", false); }},
      {"enabled", [&] { board.SetEnabled("Box", false); }},
      {"font", [&] { board.SetFont("Text", bigger); }},
      {"font size", [&] { board.SetFontSize("Text", 30); }},
      {"left", [&] { board.SetLeft("Box", 7); }},
      {"top", [&] { board.SetTop("Box", 8); }},
      {"width", [&] { board.SetWidth("Box", 60); }},
      {"height", [&] { board.SetHeight("Box", 70); }},
      {"bevel", [&] { board.SetBevel("Box", Bevel::Lowered); }},
      {"hint", [&] { board.SetHint("Box", "a hint"); }},
  };
  for (const Case& c : cases) {
    const auto before = board.Revision();
    c.set();
    EXPECT_GT(board.Revision(), before) << c.what;
    const auto after = board.Revision();
    c.set();
    EXPECT_EQ(board.Revision(), after) << c.what << " set again";
  }
}

TEST_F(BoardModelTest, SelfSizingLabelIsTheSizeOfItsCaption) {
  BoardModel board({MakePanel("Root", "", {0, 0, 200, 100}), MakeLabel("Text", "Root", "ab", 3, 4)},
                   measure);
  EXPECT_EQ(board.at("Text").rect, (Rect{3, 4, 16, 16}));
  board.SetCaption("Text", "");  // an empty caption measures as one blank
  EXPECT_EQ(board.Width("Text"), 8);
  board.SetFontSize("Text", 20);
  EXPECT_EQ(board.Width("Text"), 16);
  EXPECT_EQ(board.Height("Text"), 32);
  const auto revision = board.Revision();
  board.SetWidth("Text", 500);  // the caption decides
  board.SetHeight("Text", 500);
  EXPECT_EQ(board.at("Text").rect, (Rect{3, 4, 16, 32}));
  EXPECT_EQ(board.Revision(), revision);
}

TEST_F(BoardModelTest, AlignmentDecidesWhichEdgeStaysWhenTheCaptionGrows) {
  struct Case {
    Align align;
    int leftAfterGrowth;  // "4:00" (32 px) at 100 becomes "10:00" (40 px)
  };
  const Case cases[] = {{Align::Left, 100}, {Align::Right, 92}, {Align::Center, 96}};
  for (const Case& c : cases) {
    BoardModel board({MakePanel("Root", "", {0, 0, 300, 100}),
                      MakeLabel("Clock", "Root", "4:00", 100, 0, c.align)},
                     measure);
    board.SetCaption("Clock", "10:00");
    EXPECT_EQ(board.Left("Clock"), c.leftAfterGrowth) << static_cast<int>(c.align);
    board.SetCaption("Clock", "4:00");
    EXPECT_EQ(board.Left("Clock"), 100) << "back at its place";
  }
}

// Children listed Fill, Right, Left, Bottom, Top: the order of the kinds
// decides, not the order of the list.
TEST_F(BoardModelTest, DocksTopBottomLeftRightThenFill) {
  BoardModel board({MakePanel("Root", "", {0, 0, 200, 100}), MakePanel("F", "Root", {}, Dock::Fill),
                    MakePanel("R", "Root", {0, 0, 30, 0}, Dock::Right),
                    MakePanel("L", "Root", {0, 0, 20, 0}, Dock::Left),
                    MakePanel("B", "Root", {0, 0, 0, 15}, Dock::Bottom),
                    MakePanel("T", "Root", {0, 0, 0, 10}, Dock::Top),
                    MakePanel("T2", "Root", {0, 0, 0, 5}, Dock::Top)},
                   measure);
  EXPECT_EQ(board.at("T").rect, (Rect{0, 0, 200, 10}));
  EXPECT_EQ(board.at("T2").rect, (Rect{0, 10, 200, 5}));
  EXPECT_EQ(board.at("B").rect, (Rect{0, 85, 200, 15}));
  EXPECT_EQ(board.at("L").rect, (Rect{0, 15, 20, 70}));
  EXPECT_EQ(board.at("R").rect, (Rect{170, 15, 30, 70}));
  EXPECT_EQ(board.at("F").rect, (Rect{20, 15, 150, 70}));
}

TEST_F(BoardModelTest, DockedSizesFollowEveryChangeAtOnce) {
  BoardModel board({MakePanel("Root", "", {0, 0, 200, 100}),
                    MakePanel("Strip", "Root", {0, 0, 0, 26}, Dock::Bottom),
                    MakePanel("Board", "Root", {}, Dock::Fill),
                    MakePanel("Half", "Board", {0, 0, 0, 30}, Dock::Top),
                    MakePanel("Rest", "Board", {}, Dock::Fill)},
                   measure);
  EXPECT_EQ(board.Height("Rest"), 100 - 26 - 30);
  board.SetVisible("Strip", false);  // a hidden docked element takes no space
  EXPECT_EQ(board.at("Board").rect, (Rect{0, 0, 200, 100}));
  EXPECT_EQ(board.Height("Rest"), 70);
  board.SetHeight("Half", 50);
  EXPECT_EQ(board.at("Rest").rect, (Rect{0, 50, 200, 50}));
  board.SetRootSize(300, 60);
  EXPECT_EQ(board.at("Rest").rect, (Rect{0, 50, 300, 10}));
  board.SetBevel("Board", Bevel::Raised);  // a bevel narrows the free area
  EXPECT_EQ(board.at("Half").rect, (Rect{1, 1, 298, 50}));
  EXPECT_EQ(board.at("Rest").rect, (Rect{1, 51, 298, 8}));

  const auto revision = board.Revision();
  board.SetLeft("Rest", 40);  // docking owns the place of a docked element
  board.SetWidth("Half", 10);
  EXPECT_EQ(board.Revision(), revision);
  EXPECT_EQ(board.at("Rest").rect, (Rect{1, 51, 298, 8}));
}

TEST_F(BoardModelTest, HitTestFindsTheFrontMostShownElement) {
  BoardModel board(
      {MakePanel("Root", "", {0, 0, 200, 100}), MakePanel("Half", "Root", {10, 10, 100, 50}),
       MakeLabel("Digit", "Half", "0000000000000", 20, -5),  // 104 px, clipped
       MakeLabel("Caption", "Half", "I", 30, 0), MakePanel("Hidden", "Root", {150, 0, 50, 50})},
      measure);
  board.SetVisible("Hidden", false);
  struct Case {
    int x, y;
    const char* expected;
  };
  const Case cases[] = {
      {5, 5, "Root"},      {15, 15, "Half"},  {35, 12, "Digit"},
      {41, 12, "Caption"}, {120, 15, "Root"},  // beyond Half's edge the digit is clipped
      {35, 7, "Root"},                         // above Half the digit is clipped too
      {160, 10, "Root"},                       // hidden elements are not hit
      {200, 50, ""},       {-1, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(board.HitTest(c.x, c.y), c.expected) << c.x << "," << c.y;
  }
  EXPECT_EQ(board.AbsoluteRect("Caption"), (Rect{40, 10, 8, 16}));
  EXPECT_TRUE(board.Shown("Caption"));
  board.SetVisible("Half", false);
  EXPECT_FALSE(board.Shown("Caption"));
  EXPECT_EQ(board.HitTest(41, 12), "Root");
  EXPECT_EQ(board.Children("Half"), (std::vector<std::string>{"Digit", "Caption"}));
}

}  // namespace
}  // namespace tk
