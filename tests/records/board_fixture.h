// The few elements of the operator's board that the log and the banner use,
// on a board of their own.
#pragma once

#include <string>
#include <vector>

#include "board/board_model.h"
#include "support/fakes.h"

namespace tk::test {

inline Element Child(std::string name, std::string caption) {
  Element e;
  e.name = std::move(name);
  e.parent = "ScoreboardPage";
  e.caption = std::move(caption);
  return e;
}

struct RecordsBoard {
  FakeTextMeasure measure;
  BoardModel board{{
                       [] {
                         Element root;
                         root.name = "ScoreboardPage";
                         root.kind = ElementKind::Panel;
                         return root;
                       }(),
                       Child("Label71", "Player`s name"),  // Blue's name
                       Child("Label70", "Player`s name"),  // White's name
                       Child("Label13", "0"),
                       Child("Label12", "0"),
                       Child("Label11", "0"),  // Blue Y W I
                       Child("Label9", "0"),
                       Child("Label8", "0"),
                       Child("Label7", "0"),  // White Y W I
                       Child("Panel23", "Last Match results :- "),
                   },
                   measure};
};

}  // namespace tk::test
