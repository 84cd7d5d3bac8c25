#include "board/catalogue.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace tk {
namespace {

std::set<std::string> Names(const std::vector<Element>& rows) {
  std::set<std::string> names;
  for (const Element& e : rows) names.insert(e.name);
  return names;
}

const Element& Find(const std::vector<Element>& rows, const std::string& name) {
  auto it =
      std::find_if(rows.begin(), rows.end(), [&](const Element& e) { return e.name == name; });
  if (it == rows.end()) throw std::out_of_range(name);
  return *it;
}

class CatalogueTest : public ::testing::Test {
 protected:
  test::FakeTextMeasure measure;
  std::vector<Element> main = MainBoardCatalogue();
  std::vector<Element> pub = PublicBoardCatalogue();
};

// The model refuses repeated names and parents that do not come first.
TEST_F(CatalogueTest, BothCataloguesMakeABoard) {
  BoardModel mainBoard(main, measure);
  BoardModel publicBoard(pub, measure);
  EXPECT_EQ(mainBoard.RootName(), "ScoreboardPage");
  EXPECT_EQ(publicBoard.RootName(), "SlaveBoard");
  EXPECT_EQ(Names(main).size(), main.size());
  EXPECT_EQ(Names(pub).size(), pub.size());
}

// What the engine, the log and the copy rely on at start.
TEST_F(CatalogueTest, StartCaptionsAndFonts) {
  struct Case {
    const char* name;
    const char* caption;
    const char* family;
    int pointSize;
    bool bold, italic, underline;
  };
  const Case cases[] = {
      {"Label11", "0", "Times New Roman", 132, true, false, false},
      {"Label9", "0", "Times New Roman", 132, true, false, false},
      {"Label23", "I", "Times New Roman", 24, true, false, false},
      {"Label6", "Y", "Times New Roman", 24, true, false, false},
      {"Label88", "-48 Kg ", "Times New Roman", 48, true, false, false},
      {"Label90", "-48 Kg ", "Times New Roman", 48, true, false, false},
      {"Label1", "Mat 1", "Times New Roman", 28, true, false, false},
      {"Label71", "Player`s name", "Arial Black", 14, true, false, false},
      {"Label70", "Player`s name", "Arial Black", 14, true, false, false},
      {"Label14", "Next Player ", "Arial", 12, true, false, false},
      {"Label10", "Next Player ", "Arial", 12, true, false, false},
      {"Label107", "00", "Stencil", 72, false, false, false},
      {"Panel24", "LG", "Arial", 20, true, false, false},
      {"Panel26", "0", "Arial", 44, true, false, false},
      {"Panel37", "H", "Arial", 28, true, false, false},
      {"Panel33", "", "Arial", 28, true, false, false},
      {"Label15", "4:00", "Times New Roman", 72, true, false, false},
      {"Label18", "Hajime F5", "Arial", 16, false, false, true},
      {"Label69", " OsaeKomi F6", "Arial", 14, false, true, true},
      {"Label3", "00", "Times New Roman", 72, true, false, false},
      {"Label28", "Sonemama F9", "Arial", 12, false, false, true},
      {"Label39", "Reset ALL  Ctrl-A", "Arial", 12, false, false, true},
      {"Label2", "Golden Score  Ctrl+G", "Arial", 12, false, false, true},
      {"Label77", "GS", "Times New Roman", 48, true, false, false},
      {"Panel23", "Last Match results :- ", "MS Sans Serif", 8, false, false, false},
  };
  for (const Case& c : cases) {
    const Element& e = Find(main, c.name);
    EXPECT_EQ(e.caption, c.caption) << c.name;
    const Font expected{c.family, c.pointSize, c.bold, c.italic, c.underline};
    EXPECT_EQ(e.font, expected) << c.name;
  }
  EXPECT_EQ(Find(main, "Label15").align, Align::Right);
}

TEST_F(CatalogueTest, StartColoursVisibilityAndFixedTops) {
  struct Case {
    const char* name;
    Rgb colour;
  };
  const Case backgrounds[] = {
      {"Panel6", 0x0000FF},  {"Panel32", 0x0000FF}, {"Panel33", 0x0000FF}, {"Panel76", 0x0000FF},
      {"Panel5", 0xFFFFFF},  {"Panel34", 0xFFFFFF}, {"Panel35", 0xFFFFFF}, {"Panel75", 0xFFFFFF},
      {"Panel28", 0x808000}, {"Panel3", 0x002800},  {"Panel23", 0xF0F0F0}, {"Label88", 0x8888FF},
      {"Label90", 0xCCCCFF},
  };
  for (const Case& c : backgrounds) EXPECT_EQ(Find(main, c.name).background, c.colour) << c.name;
  EXPECT_FALSE(Find(main, "Label88").transparent);
  EXPECT_TRUE(Find(main, "Label11").transparent);

  const std::set<std::string> hidden = {"Label107", "Label108", "Label39",
                                        "Label2",   "Label77",  "Panel23"};
  for (const Element& e : main) EXPECT_EQ(e.visible, hidden.count(e.name) == 0) << e.name;

  for (const char* name : {"Label23", "Label25", "Label26"})
    EXPECT_EQ(Find(main, name).rect.top, -5);
  for (const char* name : {"Label4", "Label5", "Label6"}) EXPECT_EQ(Find(main, name).rect.top, -6);
  EXPECT_EQ(Find(main, "Label12").hint, "Wazari !  Left Click = Add 1,  Right Click = Subtract 1");
  EXPECT_EQ(Find(main, "Panel35").hint, "Tori is white");
}

TEST_F(CatalogueTest, TheStripTakesTheBottomOfThePageOnlyWhenShown) {
  BoardModel board(main, measure);
  board.SetRootSize(800, 600);
  EXPECT_EQ(board.at("Panel31").rect, (Rect{0, 0, 800, 600}));
  board.SetVisible("Panel23", true);
  EXPECT_EQ(board.at("Panel23").rect, (Rect{0, 574, 800, 26}));
  EXPECT_EQ(board.Height("Panel31"), 574);
  EXPECT_EQ(board.Caption("Panel23"), "Last Match results :- ");
  EXPECT_EQ(board.at("Panel23").align, Align::Center);
}

TEST_F(CatalogueTest, PublicBoardIsTheMainTreeWithoutControls) {
  std::set<std::string> expected = Names(main);
  expected.erase("Panel23");
  expected.erase("Label2");
  expected.erase("ScoreboardPage");
  expected.insert("SlaveBoard");
  expected.insert("Panel36");
  EXPECT_EQ(Names(pub), expected);

  const std::set<std::string> neverShown = {"Label18", "Label69", "Label28", "Label39",
                                            "Panel75", "Panel76", "Panel36"};
  for (const Element& e : pub) {
    if (neverShown.count(e.name)) {
      EXPECT_FALSE(e.visible) << e.name;
      continue;
    }
    if (e.name == "SlaveBoard" || e.name == "Panel36") continue;
    const Element& m = Find(main, e.name);
    EXPECT_EQ(e.visible, m.visible) << e.name;
    EXPECT_EQ(e.font, m.font) << e.name;
    EXPECT_EQ(e.caption, m.caption) << e.name;
    EXPECT_EQ(e.hint, m.hint) << e.name;
    EXPECT_EQ(e.parent == "SlaveBoard" ? "ScoreboardPage" : e.parent, m.parent) << e.name;
  }
  const Element& holder = Find(pub, "Panel36");
  EXPECT_EQ(holder.parent, "Panel3");
  EXPECT_EQ(holder.background, 0x002800u);
  EXPECT_EQ(Find(pub, "Label18").caption, "Hajime F5");
}

}  // namespace
}  // namespace tk
