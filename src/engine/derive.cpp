// The pure rules of the board: what the digits and penalty marks show for
// the raw counts, and which raw counts end a match.
#include "engine/match.h"

namespace tk {

ShownScores DeriveShownScores(const SideCounts& x, const SideCounts& opponent, bool kosen) {
  ShownScores shown;
  // Each award starts from the raw count, so at most one of yuko and wazari
  // comes from the opponent's penalty total, and each award is at most one.
  shown.shownYuko = x.yuko;
  shown.shownWazari = x.wazari;
  shown.shownIppon = x.ippon;
  const std::int32_t opponentTotal = opponent.PenaltyTotal();
  if (opponentTotal == 2) shown.shownYuko = x.yuko + 1;
  if (opponentTotal == 3) shown.shownWazari = x.wazari + 1;
  if (opponentTotal >= 4 || opponent.legGrabs >= 2 || opponent.hansokumake >= 1) {
    shown.shownIppon = x.ippon + 1;
  }
  if (!kosen) {
    // Two wazari make one ippon, and ippon is shown at most once.
    if (shown.shownWazari >= 2) {
      shown.shownWazari = 0;
      shown.shownIppon = 1;
    }
    if (shown.shownIppon > 1) shown.shownIppon = 1;
  }

  // The penalty marks come from the Side's own raw penalties.
  shown.shownLegGrabs = x.legGrabs;
  shown.shownHansoku = x.hansokumake;
  if (x.legGrabs >= 2) {
    shown.shownHansoku = 1;
    shown.shownLegGrabs = 2;
  }
  shown.shownShido = x.shido + shown.shownLegGrabs;
  if (x.shido >= 4) {
    shown.shownShido = 4;
    shown.shownHansoku = 1;
  }
  if (shown.shownHansoku > 1) shown.shownHansoku = 1;
  return shown;
}

PenaltyMarks PenaltyMarksFor(const ShownScores& shown) {
  PenaltyMarks marks;
  marks.legGrabOn = shown.shownLegGrabs > 0;
  marks.legGrabCaption = marks.legGrabOn ? std::to_string(shown.shownLegGrabs) + "L" : "L";
  marks.hansokuOn = shown.shownHansoku > 0;
  marks.shidoSerious = shown.shownShido >= 4 || shown.shownHansoku >= 1 || shown.shownLegGrabs >= 2;
  if (marks.shidoSerious) {
    // A hansoku-make without shido shows "H" alone.
    marks.shidoCaption = shown.shownShido > 0 ? std::to_string(shown.shownShido) : "";
    if (shown.shownHansoku > 0) marks.shidoCaption += "H";
  } else {
    marks.shidoCaption = std::to_string(shown.shownShido);
  }
  return marks;
}

bool HasMatchEndingCount(const SideCounts& c) {
  return c.ippon > 0 || c.wazari > 1 || c.shido > 3 || c.legGrabs > 2 || c.hansokumake > 0;
}

int HalfMatchSeconds(int matchSeconds) {
  const int half = matchSeconds / 2;
  if (matchSeconds % 2 == 0) return half;
  return half % 2 == 0 ? half : half + 1;
}

}  // namespace tk
