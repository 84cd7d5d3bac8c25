// The element catalogues of the two boards: every element with its parent,
// start caption, font, colours, docking and hint, as data.
#pragma once

#include <vector>

#include "board/board_model.h"

namespace tk {

// Root "ScoreboardPage": the operator's board with the last-match strip Panel23.
std::vector<Element> MainBoardCatalogue();
// Root "SlaveBoard": the public board; the same names, without controls.
std::vector<Element> PublicBoardCatalogue();

}  // namespace tk
