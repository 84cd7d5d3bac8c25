#include "board/public_copy.h"

#include <initializer_list>

namespace tk {

namespace {

// One property copied from the operator's board to the public one.
enum class Prop { Caption, TextColor, Background, Visible };

void CopyProp(const BoardModel& from, BoardModel& to, std::string_view name, Prop prop) {
  const Element& e = from.at(name);
  switch (prop) {
    case Prop::Caption:
      to.SetCaption(name, e.caption);
      break;
    case Prop::TextColor:
      to.SetTextColor(name, e.textColor);
      break;
    case Prop::Background:
      to.SetBackground(name, e.background);
      break;
    case Prop::Visible:
      to.SetVisible(name, e.visible);
      break;
  }
}

// Each element in turn: all its properties, then the next element.
void EachElement(const BoardModel& from, BoardModel& to,
                 std::initializer_list<std::string_view> names, std::initializer_list<Prop> props) {
  for (std::string_view name : names) {
    for (Prop prop : props) CopyProp(from, to, name, prop);
  }
}

// Each property in turn: for all elements, then the next property.
void EachProp(const BoardModel& from, BoardModel& to, std::initializer_list<std::string_view> names,
              std::initializer_list<Prop> props) {
  for (Prop prop : props) {
    for (std::string_view name : names) CopyProp(from, to, name, prop);
  }
}

void CopyBoard(const BoardModel& m, BoardModel& p, Rgb clockBackground) {
  using enum Prop;
  EachElement(m, p, {"Label88", "Label90"}, {TextColor, Background, Caption});
  EachElement(m, p, {"Label77"}, {Background, Caption, Visible});
  EachProp(m, p, {"Label70", "Label71", "Label10", "Label14"}, {Visible, Caption});
  EachElement(m, p, {"Label7", "Label8", "Label9", "Label11", "Label12", "Label13"},
              {Caption, TextColor});
  EachProp(m, p, {"Panel24", "Panel26", "Panel37"}, {Background, Caption});
  EachProp(m, p, {"Panel25", "Panel27", "Panel38"}, {Background, Caption});
  EachElement(m, p, {"Label1", "Label3", "Label15"}, {Caption, TextColor});
  EachProp(m, p, {"Panel33", "Panel35", "Panel75", "Panel76"}, {Caption});
  EachProp(m, p, {"Panel33", "Panel35"}, {TextColor});
  EachProp(m, p, {"Panel5", "Panel6", "Panel32", "Panel33", "Panel34", "Panel35"}, {Background});
  EachProp(m, p, {"Label107", "Label108"}, {Visible, Caption, TextColor});
  p.SetBackground("Panel36", clockBackground);
}

}  // namespace

void CopyFromMain(const BoardModel& main, BoardModel& publicBoard, Rgb clockBackground) {
  CopyBoard(main, publicBoard, clockBackground);
}

bool PublicBoardTicks::Tick() {
  ++counter_;
  if (counter_ <= 10) return false;
  counter_ = 0;
  return true;
}

}  // namespace tk
