#include "board/catalogue.h"

#include <algorithm>
#include <string_view>

namespace tk {

namespace {

constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kLightYellow = 0xFFFF55;
constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kGray = 0x808080;
constexpr Rgb kLightGray = 0xE4E4E4;
constexpr Rgb kOlive = 0x808000;
constexpr Rgb kButtonFace = 0xF0F0F0;
constexpr Rgb kClockGreen = 0x002800;
constexpr Rgb kBluePenaltyOff = 0x0000DD;
constexpr Rgb kDivisionText = 0x0000BB;
constexpr Rgb kBlueDivisionBack = 0x8888FF;
constexpr Rgb kWhiteDivisionBack = 0xCCCCFF;
constexpr Rgb kLinkMedium = 0xC0C0C0;

enum Style { kPlain = 0, kBold = 1, kItalic = 2, kUnderline = 4 };

Font F(const char* family, int pointSize, int style = kPlain) {
  Font f;
  f.family = family;
  f.pointSize = pointSize;
  f.bold = (style & kBold) != 0;
  f.italic = (style & kItalic) != 0;
  f.underline = (style & kUnderline) != 0;
  return f;
}

// The board fonts by their role.
Font Times(int pointSize) {
  return F("Times New Roman", pointSize, kBold);
}
Font ArialBold(int pointSize) {
  return F("Arial", pointSize, kBold);
}
Font Link(int pointSize, int style = kUnderline) {
  return F("Arial", pointSize, style);
}
Font Stencil(int pointSize) {
  return F("Stencil", pointSize);
}
// The window's default font: MS Sans Serif, 11-pixel characters.
Font WindowFont() {
  return F("MS Sans Serif", 8);
}

// One row of the catalogue: an element with the look it has at start.
class Row {
 public:
  Row(ElementKind kind, const char* name, const char* parent) {
    e_.kind = kind;
    e_.name = name;
    e_.parent = parent;
    if (kind == ElementKind::Label) {
      e_.autoSize = true;
      e_.verticalCenter = false;
    } else {
      e_.transparent = false;
      e_.align = Align::Center;
      e_.font = WindowFont();
    }
  }
  Row& Caption(const char* text) { return e_.caption = text, *this; }
  Row& Text(const Font& font, Rgb colour) {
    e_.font = font;
    e_.textColor = colour;
    return *this;
  }
  Row& Back(Rgb colour) { return e_.background = colour, *this; }
  Row& Opaque() { return e_.transparent = false, *this; }
  Row& At(int left, int top) {
    e_.rect.left = left;
    e_.rect.top = top;
    return *this;
  }
  Row& Size(int width, int height) {
    e_.rect.width = width;
    e_.rect.height = height;
    return *this;
  }
  Row& Docked(Dock dock) { return e_.dock = dock, *this; }
  Row& Aligned(Align align) { return e_.align = align, *this; }
  Row& Border(Bevel bevel) { return e_.bevel = bevel, *this; }
  Row& Hidden() { return e_.visible = false, *this; }
  Row& Hint(const char* hint) { return e_.hint = hint, *this; }
  operator Element() const { return e_; }

 private:
  Element e_;
};

Row Panel(const char* name, const char* parent) {
  return Row(ElementKind::Panel, name, parent);
}
Row Label(const char* name, const char* parent) {
  return Row(ElementKind::Label, name, parent);
}

constexpr const char* kIpponHint = "Left Click = Add 1,  Right Click = Subtract 1";
constexpr const char* kWazariHint = "Wazari !  Left Click = Add 1,  Right Click = Subtract 1";
constexpr const char* kYukoHint = "Yuko !  Left Click = Add 1,  Right Click = Subtract 1";

// The operator's board at its design size (a page of 794 x 567 in the
// 810 x 650 window); the layout recomputes nearly all of the geometry.
std::vector<Element> MainRows() {
  return {
      Panel("ScoreboardPage", "").Back(kButtonFace).Size(794, 567),
      Panel("Panel23", "ScoreboardPage")
          .Caption("Last Match results :- ")
          .Back(kButtonFace)
          .Size(794, 26)
          .Docked(Dock::Bottom)
          .Border(Bevel::Raised)
          .Hidden(),
      Panel("Panel31", "ScoreboardPage").Back(kButtonFace).Docked(Dock::Fill).Border(Bevel::Raised),
      // The clock panel.
      Panel("Panel3", "Panel31")
          .Back(kClockGreen)
          .Size(794, 158)
          .Docked(Dock::Bottom)
          .Border(Bevel::Raised),
      Label("Label15", "Panel3")
          .Caption("4:00")
          .Text(Times(72), kYellow)
          .Aligned(Align::Right)
          .At(237, 1),
      Label("Label18", "Panel3").Caption("Hajime F5").Text(Link(16), kLinkMedium).At(450, 20),
      Label("Label69", "Panel3")
          .Caption(" OsaeKomi F6")
          .Text(Link(14, kItalic | kUnderline), kLinkMedium)
          .At(650, 20),
      Label("Label3", "Panel3").Caption("00").Text(Times(72), kYellow).At(560, 45),
      Label("Label28", "Panel3").Caption("Sonemama F9").Text(Link(12), kLinkMedium).At(694, 136),
      Label("Label39", "Panel3")
          .Caption("Reset ALL  Ctrl-A")
          .Text(Link(12), kLinkMedium)
          .At(4, 136)
          .Hidden(),
      Label("Label2", "Panel3")
          .Caption("Golden Score  Ctrl+G")
          .Text(Link(12), kLinkMedium)
          .At(150, 136)
          .Hidden(),
      Label("Label77", "Panel3").Caption("GS").Text(Times(48), 0xFF8800).At(10, 1).Hidden(),
      Panel("Panel76", "Panel3")
          .Text(ArialBold(16), kWhite)
          .Back(kBlue)
          .At(765, 2)
          .Size(28, 34)
          .Hint("Tori is blue"),
      Panel("Panel75", "Panel3")
          .Text(ArialBold(16), kBlack)
          .Back(kWhite)
          .At(765, 36)
          .Size(28, 34)
          .Hint("Tori is white"),
      // The score area with Blue's half on top.
      Panel("Panel28", "Panel31").Back(kOlive).Docked(Dock::Fill).Border(Bevel::Raised),
      Panel("Panel6", "Panel28").Back(kBlue).Size(794, 204).Docked(Dock::Top),
      Panel("Panel32", "Panel6").Back(kBlue).Size(227, 204).Docked(Dock::Left),
      Label("Label88", "Panel32")
          .Caption("-48 Kg ")
          .Text(Times(48), kDivisionText)
          .Back(kBlueDivisionBack)
          .Opaque()
          .At(1, 167),
      Label("Label1", "Panel32")
          .Caption("Mat 1")
          .Text(Times(28), kLightYellow)
          .At(10, 2)
          .Hint("Left Click = plus   Right Click = minus"),
      Label("Label14", "Panel32").Caption("Next Player ").Text(ArialBold(12), kSilver).At(20, 100),
      Label("Label71", "Panel32")
          .Caption("Player`s name")
          .Text(F("Arial Black", 14, kBold), kWhite)
          .At(2, 74),
      Panel("Panel33", "Panel6")
          .Text(ArialBold(28), kWhite)
          .Back(kBlue)
          .Size(159, 204)
          .Docked(Dock::Right)
          .Aligned(Align::Left)
          .Hint("Tori is blue"),
      Label("Label107", "Panel33").Caption("00").Text(Stencil(72), 0xFFAA00).At(25, 114).Hidden(),
      Panel("Panel24", "Panel33")
          .Caption("LG")
          .Text(ArialBold(20), kSilver)
          .Back(kBluePenaltyOff)
          .At(109, 10)
          .Size(40, 45)
          .Hint("Leg Grab"),
      Panel("Panel26", "Panel33")
          .Caption("0")
          .Text(ArialBold(44), kBlack)
          .Back(kYellow)
          .At(25, 10)
          .Size(84, 111)
          .Border(Bevel::Raised),
      Panel("Panel37", "Panel33")
          .Caption("H")
          .Text(ArialBold(28), kSilver)
          .Back(kBluePenaltyOff)
          .At(109, 76)
          .Size(40, 45),
      Label("Label11", "Panel6")
          .Caption("0")
          .Text(Times(132), kWhite)
          .At(237, -16)
          .Hint(kIpponHint),
      Label("Label12", "Panel6")
          .Caption("0")
          .Text(Times(132), kWhite)
          .At(387, -16)
          .Hint(kWazariHint),
      Label("Label13", "Panel6").Caption("0").Text(Times(132), kWhite).At(537, -16).Hint(kYukoHint),
      Label("Label23", "Panel6").Caption("I").Text(Times(24), kWhite).At(275, -5),
      Label("Label25", "Panel6").Caption("W").Text(Times(24), kWhite).At(420, -5),
      Label("Label26", "Panel6").Caption("Y").Text(Times(24), kWhite).At(575, -5),
      // White's half.
      Panel("Panel5", "Panel28").Back(kWhite).Docked(Dock::Fill),
      Panel("Panel34", "Panel5").Back(kWhite).Size(227, 205).Docked(Dock::Left),
      Label("Label90", "Panel34")
          .Caption("-48 Kg ")
          .Text(Times(48), kDivisionText)
          .Back(kWhiteDivisionBack)
          .Opaque()
          .At(1, -37),
      Label("Label70", "Panel34")
          .Caption("Player`s name")
          .Text(F("Arial Black", 14, kBold), kBlack)
          .At(2, 74),
      Label("Label10", "Panel34").Caption("Next Player ").Text(ArialBold(12), kGray).At(20, 100),
      Panel("Panel35", "Panel5")
          .Text(ArialBold(28), kBlack)
          .Back(kWhite)
          .Size(159, 205)
          .Docked(Dock::Right)
          .Aligned(Align::Left)
          .Hint("Tori is white"),
      Label("Label108", "Panel35").Caption("00").Text(Stencil(72), 0xEE8800).At(25, 115).Hidden(),
      Panel("Panel25", "Panel35")
          .Caption("LG")
          .Text(ArialBold(20), kSilver)
          .Back(kLightGray)
          .At(109, 10)
          .Size(40, 45)
          .Hint("Leg Grab"),
      Panel("Panel27", "Panel35")
          .Caption("0")
          .Text(ArialBold(44), kBlack)
          .Back(kYellow)
          .At(25, 10)
          .Size(84, 111)
          .Border(Bevel::Lowered),
      Panel("Panel38", "Panel35")
          .Caption("H")
          .Text(ArialBold(28), kSilver)
          .Back(kLightGray)
          .At(109, 76)
          .Size(40, 45),
      Label("Label7", "Panel5").Caption("0").Text(Times(132), kBlack).At(237, -16).Hint(kIpponHint),
      Label("Label8", "Panel5")
          .Caption("0")
          .Text(Times(132), kBlack)
          .At(387, -16)
          .Hint(kWazariHint),
      Label("Label9", "Panel5").Caption("0").Text(Times(132), kBlack).At(537, -16).Hint(kYukoHint),
      Label("Label4", "Panel5").Caption("I").Text(Times(24), kBlack).At(275, -6),
      Label("Label5", "Panel5").Caption("W").Text(Times(24), kBlack).At(420, -6),
      Label("Label6", "Panel5").Caption("Y").Text(Times(24), kBlack).At(575, -6),
  };
}

// How the public board differs from the operator's: its own root, no
// controls, and a hidden holder of the clock-panel colour.
constexpr std::string_view kMainRoot = "ScoreboardPage";
constexpr std::string_view kPublicRoot = "SlaveBoard";
constexpr std::string_view kPublicDropped[] = {"Panel23", "Label2"};
// Kept for their sizes and positions (Label18 measures the hold-down top).
constexpr std::string_view kPublicNeverShown[] = {"Label18", "Label69", "Label28",
                                                  "Label39", "Panel75", "Panel76"};
constexpr int kPublicWidth = 624, kPublicHeight = 441;  // inside the 640 x 480 window

template <std::size_t N>
bool In(std::string_view name, const std::string_view (&names)[N]) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

std::vector<Element> MainBoardCatalogue() {
  return MainRows();
}

std::vector<Element> PublicBoardCatalogue() {
  std::vector<Element> rows = MainRows();
  std::erase_if(rows, [](const Element& e) { return In(e.name, kPublicDropped); });
  for (Element& e : rows) {
    if (e.name == kMainRoot) e.name = kPublicRoot;
    if (e.parent == kMainRoot) e.parent = kPublicRoot;
    if (In(e.name, kPublicNeverShown)) e.visible = false;
  }
  rows.front().rect = {0, 0, kPublicWidth, kPublicHeight};
  // The holder goes after the clock panel's last element.
  auto last = std::find_if(rows.rbegin(), rows.rend(),
                           [](const Element& e) { return e.parent == "Panel3"; });
  rows.insert(last.base(), Panel("Panel36", "Panel3").Back(kClockGreen).Size(175, 46).Hidden());
  return rows;
}

}  // namespace tk
