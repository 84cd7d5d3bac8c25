// Score and penalty entry, the choice of tori, and the painting of the
// derived digits and penalty marks.
#include "engine/board_elements.h"
#include "engine/match.h"
#include "util/text.h"

namespace tk {

using namespace engine;

void Match::AddScore(Side side, CountKind kind) {
  RaiseCount(state_.Counts(side)[kind]);
  CalcAndColorScores();
}

void Match::SetTori(Side side) {
  const bool blue = side == Side::Blue;
  SetToriCaptions(blue ? kToriText : "", blue ? "" : kToriText);
  state_.tori = blue ? Tori::Blue : Tori::White;
  board_.SetCaption(kBlueElements.toriSquare, blue ? kToriSquareText : "");
  board_.SetCaption(kWhiteElements.toriSquare, blue ? "" : kToriSquareText);
}

void Match::ClearTori() {
  SetToriCaptions("", "");
  board_.SetCaption(kBlueElements.toriSquare, "");
  board_.SetCaption(kWhiteElements.toriSquare, "");
  state_.tori = Tori::None;
}

void Match::CalcAndColorScores() {
  const bool kosen = settings_.MONsterKosenRules;
  const ShownScores blue = DeriveShownScores(state_.blue, state_.white, kosen);
  const ShownScores white = DeriveShownScores(state_.white, state_.blue, kosen);
  PaintSide(Side::Blue, blue);
  PaintSide(Side::White, white);
  RecordBoardSnapshot();
  FitYukoDigit(kWhiteElements.yuko);
  FitYukoDigit(kBlueElements.yuko);
}

void Match::PaintSide(Side side, const ShownScores& shown) {
  const SideElements& el = ElementsOf(side);
  const SideColours colours = ColoursOf(palette_, side);
  // A zero ippon or wazari digit is dimmed into its half's background; a
  // wazari stands lit beside an ippon.
  const bool ipponLit = shown.shownIppon > 0;
  const bool wazariLit = shown.shownWazari > 0 || ipponLit;
  board_.SetCaption(el.ippon, std::to_string(shown.shownIppon));
  board_.SetTextColor(el.ippon, ipponLit ? colours.lit : colours.dim);
  board_.SetCaption(el.wazari, std::to_string(shown.shownWazari));
  board_.SetTextColor(el.wazari, wazariLit ? colours.lit : colours.dim);
  board_.SetCaption(el.yuko, std::to_string(shown.shownYuko));
  board_.SetTextColor(el.yuko, colours.lit);

  const PenaltyMarks marks = PenaltyMarksFor(shown);
  board_.SetCaption(el.legGrab, marks.legGrabCaption);
  board_.SetBackground(el.legGrab, marks.legGrabOn ? colours.penaltyOn : colours.penaltyOff);
  board_.SetBackground(el.hansoku, marks.hansokuOn ? colours.penaltyOn : colours.penaltyOff);
  board_.SetCaption(el.shido, marks.shidoCaption);
  board_.SetBackground(el.shido, marks.shidoSerious ? colours.shidoSerious : colours.shidoNormal);
}

void Match::FitYukoDigit(const char* yuko) {
  // A two-digit yuko is drawn at half size, lowered into the digit row.
  const char* ippon = kBlueElements.ippon;
  if (StrToInt(TrimBlanks(board_.Caption(yuko))) >= 10) {
    board_.SetFontSize(yuko, board_.FontSize(ippon) / 2);
    board_.SetTop(yuko, board_.Top(ippon) + board_.Height(yuko) / 2);
  } else {
    board_.SetFontSize(yuko, board_.FontSize(ippon));
    board_.SetTop(yuko, board_.Top(ippon));
  }
}

}  // namespace tk
