#include "board/layout.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "util/text.h"

namespace tk {

namespace {

// x = num / den rounded to the nearest whole number, exact halves to the even
// neighbour; den > 0. Exact, so that a height of 27 gives 8 for 27 / 3.6.
int RoundRatio(long long num, long long den) {
  long long q = num / den;
  long long r = num % den;
  if (r < 0) {
    r += den;
    --q;
  }
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return static_cast<int>(q);
}

// A derived font size; a board reduced to nothing still keeps real fonts.
int DerivedSize(int pointSize) {
  return std::clamp(pointSize, kMinFitPointSize, kMaxFitPointSize);
}

// The number a yuko digit shows. The engine writes only whole numbers there;
// anything else counts as a one-digit yuko rather than breaking the layout.
int ShownNumber(const std::string& caption) {
  const std::string text = TrimBlanks(caption);
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last ? value : 0;
}

// How a fitting loop measures its element, where it moves the size, and when
// it stops: a size is stepped by 1 pt until `done` holds, within the limits.
enum class Measure { LineHeight, CaptionWidth };
enum class Step { Grow = 1, Shrink = -1 };

template <typename Done>
void FitFontSize(BoardModel& board, std::string_view name, Measure measure, Step step, Done done) {
  const Element& e = board.at(name);
  Font font = e.font;
  font.pointSize = std::clamp(font.pointSize, kMinFitPointSize, kMaxFitPointSize);
  const TextMeasure& m = board.Measure();
  auto size = [&] {
    return measure == Measure::LineHeight ? m.LineHeight(font) : m.AdvanceWidth(font, e.caption);
  };
  const int delta = static_cast<int>(step);
  for (int i = 0; i < kMaxFitSteps && !done(size()); ++i) {
    const int next = font.pointSize + delta;
    if (next < kMinFitPointSize || next > kMaxFitPointSize) break;
    font.pointSize = next;
  }
  board.SetFontSize(name, font.pointSize);
}

// Fits `name` so that its measure lies in [low, high]: below it the size
// grows until the measure reaches `low`, above it the size shrinks until the
// measure is below `high` (or at most `high`, as the clock does).
enum class ShrinkStop { BelowHigh, AtOrBelowHigh };

void FitInto(BoardModel& board, std::string_view name, Measure measure, int low, int high,
             ShrinkStop stop) {
  const Element& e = board.at(name);
  const int now = measure == Measure::LineHeight ? board.Measure().LineHeight(e.font)
                                                 : board.Measure().AdvanceWidth(e.font, e.caption);
  if (now >= low && now <= high) return;
  if (now < low) {
    FitFontSize(board, name, measure, Step::Grow, [low](int v) { return v >= low; });
  } else if (stop == ShrinkStop::BelowHigh) {
    FitFontSize(board, name, measure, Step::Shrink, [high](int v) { return v < high; });
  } else {
    FitFontSize(board, name, measure, Step::Shrink, [high](int v) { return v <= high; });
  }
}

// Where the public board differs from the operator's.
enum class CaptionSwitch { FollowsSetting, AlwaysOn };
enum class TwoDigitYuko { Lowered, AtCommonTop };
enum class CaptionPlace { CentredOverDigit, FromDigitMiddle };
enum class ResetLinks { Placed, Left };

struct LayoutOptions {
  CaptionSwitch captionSwitch = CaptionSwitch::FollowsSetting;
  TwoDigitYuko twoDigitYuko = TwoDigitYuko::Lowered;
  CaptionPlace captionPlace = CaptionPlace::CentredOverDigit;
  ResetLinks resetLinks = ResetLinks::Placed;
};

constexpr const char* kCaptions[] = {"Label23", "Label25", "Label26", "Label4", "Label5", "Label6"};

class Layout {
 public:
  Layout(BoardModel& board, const LayoutOptions& options, bool scoreLabelsVisible)
      : b_(board),
        o_(options),
        captionsOn_(options.captionSwitch == CaptionSwitch::AlwaysOn || scoreLabelsVisible) {}

  void Run() {
    ClockColourAndBorders();
    Panels();
    b_.ApplyDocking();
    Captions();
    Digits();
    CaptionLefts();
    PenaltyColumns();
    LastHoldDownTimes();
    Clock();
    LinksAndToriSquares();
    HoldDownCount();
    Division();
    Names();
    MatNumberAndGoldenScore();
  }

 private:
  int W(std::string_view n) const { return b_.Width(n); }
  int H(std::string_view n) const { return b_.Height(n); }
  int L(std::string_view n) const { return b_.Left(n); }
  int T(std::string_view n) const { return b_.Top(n); }
  int Size(std::string_view n) const { return b_.FontSize(n); }
  void Place(std::string_view n, int left, int top) {
    b_.SetLeft(n, left);
    b_.SetTop(n, top);
  }

  // Steps 1 and 2.
  void ClockColourAndBorders() {
    if (b_.Has("Panel36")) b_.SetBackground("Panel3", b_.at("Panel36").background);
    for (const char* n : {"Panel3", "Panel28", "Panel31"}) b_.SetBevel(n, Bevel::None);
  }

  // Steps 3 and 4. Docking follows each size at once, so each read is current.
  void Panels() {
    b_.SetHeight("Panel3", RoundRatio(10LL * H("Panel31"), 36));
    b_.SetHeight("Panel6", H("Panel28") / 2);
    const int blueColumn = RoundRatio(2LL * W("Panel6"), 7);
    b_.SetWidth("Panel32", blueColumn);
    b_.SetWidth("Panel34", blueColumn);
    const int penaltyColumn = RoundRatio(W("Panel5"), 5);
    b_.SetWidth("Panel33", penaltyColumn);
    b_.SetWidth("Panel35", penaltyColumn);
  }

  // Step 6.
  void Captions() {
    for (const char* n : kCaptions) b_.SetVisible(n, captionsOn_);
    lo_ = captionsOn_ ? 60 : 120;
    hi_ = captionsOn_ ? 80 : 140;
  }

  // Steps 7 to 12.
  void Digits() {
    const int p = H("Panel6");
    FitInto(b_, "Label11", Measure::LineHeight, p + lo_, p + hi_, ShrinkStop::BelowHigh);
    Place("Label11", W("Panel32") + 10, captionsOn_ ? -16 : -56);
    // The yuko digits take their size in Yuko(), so a two-digit yuko is not
    // sized twice.
    for (const char* n : {"Label12", "Label7", "Label8"}) b_.SetFontSize(n, Size("Label11"));
    Yuko("Label9");
    Yuko("Label13");
    b_.SetLeft("Label13", W("Panel6") - W("Panel33") - W("Label13") - 10);
    b_.SetLeft("Label12", L("Label11") + (L("Label13") - L("Label11")) / 2);
    const int top = T("Label11");
    for (const char* n : {"Label7", "Label8", "Label12"}) b_.SetTop(n, top);
    if (o_.twoDigitYuko == TwoDigitYuko::AtCommonTop) {
      for (const char* n : {"Label9", "Label13"}) b_.SetTop(n, top);
    }
    b_.SetLeft("Label7", L("Label11"));
    b_.SetLeft("Label8", L("Label12"));
    b_.SetLeft("Label9", L("Label13"));
  }

  // Step 10: a yuko of 10 or more is drawn at half size.
  void Yuko(std::string_view n) {
    const int top = T("Label11");
    if (ShownNumber(b_.Caption(n)) < 10) {
      b_.SetFontSize(n, Size("Label11"));
      b_.SetTop(n, top);
      return;
    }
    b_.SetFontSize(n, DerivedSize(Size("Label11") / 2));
    b_.SetTop(n, o_.twoDigitYuko == TwoDigitYuko::Lowered ? top + H(n) / 2 : top);
  }

  // Step 13.
  void CaptionLefts() {
    const char* digits[] = {"Label11", "Label12", "Label13"};
    const char* blue[] = {"Label23", "Label25", "Label26"};
    const char* white[] = {"Label4", "Label5", "Label6"};
    for (int i = 0; i < 3; ++i) {
      int left = L(digits[i]) + W(digits[i]) / 2;
      if (o_.captionPlace == CaptionPlace::CentredOverDigit) left -= W(blue[i]) / 2;
      b_.SetLeft(blue[i], left);
      b_.SetLeft(white[i], left);
    }
  }

  // Step 14.
  void PenaltyColumns() {
    PenaltyColumn("Panel33", "Panel26", "Panel24", "Panel37");
    PenaltyColumn("Panel35", "Panel27", "Panel25", "Panel38");
  }
  void PenaltyColumn(const char* column, const char* card, const char* legGrab,
                     const char* hansoku) {
    Place(card, W(column) - W(card) - W(legGrab) - 10, 10);
    Place(legGrab, L(card) + W(card) + 4, T(card));
    Place(hansoku, L(legGrab), T(card) + H(card) - H(hansoku));
  }

  // Step 15: from the hold-down count's size of the previous run.
  void LastHoldDownTimes() {
    const int size = DerivedSize(RoundRatio(4LL * Size("Label3"), 5));
    struct Row {
      const char *label, *card, *column;
    };
    for (const Row& r :
         {Row{"Label107", "Panel26", "Panel33"}, Row{"Label108", "Panel27", "Panel35"}}) {
      b_.SetFontSize(r.label, size);
      Place(r.label, L(r.card), H(r.column) - H(r.label) + 20);
    }
  }

  // Step 16.
  void Clock() {
    const int c = H("Panel3");
    FitInto(b_, "Label15", Measure::LineHeight, c + 20, c + 30, ShrinkStop::AtOrBelowHigh);
    Place("Label15", L("Label11"), 1);
  }

  // Step 17 (the public board computes these on its hidden elements too).
  void LinksAndToriSquares() {
    const int panel = W("Panel3");
    Place("Label18", RoundRatio(W("Label18"), 3) + L("Label15") + W("Label15"), 20);
    Place("Panel76", panel - W("Panel76") - 1, 2);
    Place("Panel75", L("Panel76"), T("Panel76") + H("Panel76"));
    Place("Label69", panel - W("Label69") - W("Panel75") - 4, T("Label18"));
    Place("Label28", panel - W("Label28") - 10, H("Panel3") - H("Label28") - 4);
    if (o_.resetLinks == ResetLinks::Left) return;
    Place("Label39", 4, T("Label28"));
    if (b_.Has("Label2")) Place("Label2", L("Label39") + W("Label39") + 25, T("Label39"));
  }

  // Step 18: centred in the room right of the clock, under the Hajime link.
  void HoldDownCount() {
    b_.SetFontSize("Label3", DerivedSize(RoundRatio(33LL * Size("Label15"), 50)));
    const int clockRight = L("Label15") + W("Label15");
    Place("Label3", clockRight + (W("Panel3") - clockRight - W("Label3")) / 2,
          T("Label18") + H("Label18"));
  }

  // Step 19: the two copies read as one line across the border of the halves.
  void Division() {
    const int size = DerivedSize(RoundRatio(13LL * Size("Label3"), 20));
    b_.SetFontSize("Label88", size);
    b_.SetFontSize("Label90", size);
    Place("Label88", 1, H("Panel32") - RoundRatio(H("Label88"), 2));
    Place("Label90", 1, -RoundRatio(H("Label90"), 2));
  }

  // Step 20.
  void Names() {
    Name("Panel32", "Label71", "Label14", "Label88");
    Name("Panel34", "Label70", "Label10", "Label90");
  }
  void Name(const char* column, const char* name, const char* next, const char* division) {
    const int wc = W(column);
    FitInto(b_, name, Measure::CaptionWidth, wc - 20, wc, ShrinkStop::BelowHigh);
    Place(name, 2, H(division));
    Place(next, 20, T(name) + H(name));
  }

  // Steps 21 and 22.
  void MatNumberAndGoldenScore() {
    b_.SetFontSize("Label1", DerivedSize(RoundRatio(2LL * Size("Label3"), 5)));
    Place("Label1", 10, 2);
    b_.SetFontSize("Label77", DerivedSize(2 * Size("Label1")));
    Place("Label77", 10, T("Label15"));
  }

  BoardModel& b_;
  const LayoutOptions o_;
  const bool captionsOn_;
  int lo_ = 60, hi_ = 80;
};

}  // namespace

void RealignPanels(BoardModel& board, bool scoreLabelsVisible) {
  Layout(board, LayoutOptions{}, scoreLabelsVisible).Run();
}

void RealignPublicBoard(BoardModel& board) {
  const LayoutOptions publicBoard{CaptionSwitch::AlwaysOn, TwoDigitYuko::AtCommonTop,
                                  CaptionPlace::FromDigitMiddle, ResetLinks::Left};
  Layout(board, publicBoard, true).Run();
}

}  // namespace tk
