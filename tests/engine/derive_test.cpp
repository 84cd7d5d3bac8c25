// The derivation of the shown digits and penalty marks from the raw counts.
#include <gtest/gtest.h>

#include "engine/match.h"

namespace tk {

void PrintTo(const ShownScores& s, std::ostream* os) {
  *os << "ippon " << s.shownIppon << " wazari " << s.shownWazari << " yuko " << s.shownYuko
      << " shido " << s.shownShido << " legs " << s.shownLegGrabs << " hansoku " << s.shownHansoku;
}

namespace {

// Counts in snapshot order: ippon, wazari, yuko, shido, leg grabs, hansoku-make.
SideCounts C(int ippon, int wazari, int yuko, int shido = 0, int legs = 0, int hansoku = 0) {
  return SideCounts{ippon, wazari, yuko, shido, legs, hansoku};
}
// Shown values: ippon, wazari, yuko, shido, leg grabs, hansoku.
ShownScores S(int ippon, int wazari, int yuko, int shido = 0, int legs = 0, int hansoku = 0) {
  return ShownScores{ippon, wazari, yuko, shido, legs, hansoku};
}

struct DeriveRow {
  const char* what;
  SideCounts blue, white;
  bool kosen;
  ShownScores shownBlue, shownWhite;
};

const DeriveRow kDeriveRows[] = {
    {"nothing", C(0, 0, 0), C(0, 0, 0), false, S(0, 0, 0), S(0, 0, 0)},
    {"one shido scores nothing", C(0, 0, 2), C(0, 0, 0, 1), false, S(0, 0, 2), S(0, 0, 0, 1)},
    {"two shido give the opponent a yuko", C(0, 0, 2), C(0, 0, 0, 2), false, S(0, 0, 3),
     S(0, 0, 0, 2)},
    {"three shido give a wazari and the yuko is gone", C(0, 0, 2), C(0, 0, 0, 3), false, S(0, 1, 2),
     S(0, 0, 0, 3)},
    {"four shido give an ippon and hansoku-make", C(0, 0, 2), C(0, 0, 0, 4), false, S(1, 0, 2),
     S(0, 0, 0, 4, 0, 1)},
    {"seven shido show as four", C(0, 0, 0), C(0, 0, 0, 7), false, S(1, 0, 0), S(0, 0, 0, 4, 0, 1)},
    {"a leg grab counts as a shido", C(0, 0, 0), C(0, 0, 0, 1, 1), false, S(0, 0, 1),
     S(0, 0, 0, 2, 1, 0)},
    {"two leg grabs: yuko from the total and ippon", C(0, 0, 0), C(0, 0, 0, 0, 2), false,
     S(1, 0, 1), S(0, 0, 0, 2, 2, 1)},
    {"three leg grabs: wazari from the total, ippon, marker stays at 2", C(0, 0, 0),
     C(0, 0, 0, 0, 3), false, S(1, 1, 0), S(0, 0, 0, 2, 2, 1)},
    {"three shido and a leg grab: ippon, card at 4 without hansoku-make", C(0, 0, 0),
     C(0, 0, 0, 3, 1), false, S(1, 0, 0), S(0, 0, 0, 4, 1, 0)},
    {"five shido and two leg grabs: card capped at 4", C(0, 0, 0), C(0, 0, 0, 5, 2), false,
     S(1, 0, 0), S(0, 0, 0, 4, 2, 1)},
    {"hansoku-make alone", C(0, 0, 0), C(0, 0, 0, 0, 0, 1), false, S(1, 0, 0), S(0, 0, 0, 0, 0, 1)},
    {"hansoku-make counted once", C(0, 0, 0), C(0, 0, 0, 0, 0, 3), false, S(1, 0, 0),
     S(0, 0, 0, 0, 0, 1)},
    {"two wazari make one ippon", C(0, 2, 0), C(0, 0, 0), false, S(1, 0, 0), S(0, 0, 0)},
    {"a wazari and a penalty wazari make one ippon", C(0, 1, 0), C(0, 0, 0, 3), false, S(1, 0, 0),
     S(0, 0, 0, 3)},
    {"ippon is shown once", C(2, 3, 0), C(0, 0, 0), false, S(1, 0, 0), S(0, 0, 0)},
    {"a penalty ippon on top of an ippon is still one", C(1, 0, 0), C(0, 0, 0, 4), false,
     S(1, 0, 0), S(0, 0, 0, 4, 0, 1)},
    {"Kosen shows counts as they are", C(2, 3, 0), C(0, 0, 0), true, S(2, 3, 0), S(0, 0, 0)},
    {"Kosen: a penalty wazari makes two wazari", C(0, 1, 0), C(0, 0, 0, 3), true, S(0, 2, 0),
     S(0, 0, 0, 3)},
    {"Kosen: penalty ippon adds to ippon", C(3, 0, 0), C(0, 0, 0, 4), true, S(4, 0, 0),
     S(0, 0, 0, 4, 0, 1)},
    {"both sides penalised", C(0, 0, 1, 2), C(0, 1, 0, 3), false, S(0, 1, 1, 2), S(0, 1, 1, 3)},
};

TEST(DeriveShownScores, FollowsThePenaltyLadderAndTheIpponRules) {
  for (const DeriveRow& row : kDeriveRows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(DeriveShownScores(row.blue, row.white, row.kosen), row.shownBlue);
    EXPECT_EQ(DeriveShownScores(row.white, row.blue, row.kosen), row.shownWhite);
  }
}

struct MarksRow {
  ShownScores shown;
  PenaltyMarks marks;
};

TEST(PenaltyMarksFor, CaptionsAndColourChoices) {
  const MarksRow rows[] = {
      {S(0, 0, 0, 0, 0, 0), {"0", false, "L", false, false}},
      {S(0, 0, 0, 3, 0, 0), {"3", false, "L", false, false}},
      {S(0, 0, 0, 2, 1, 0), {"2", false, "1L", true, false}},
      {S(0, 0, 0, 4, 0, 1), {"4H", true, "L", false, true}},
      {S(0, 0, 0, 4, 1, 0), {"4", true, "1L", true, false}},
      {S(0, 0, 0, 2, 2, 1), {"2H", true, "2L", true, true}},
      {S(0, 0, 0, 0, 0, 1), {"H", true, "L", false, true}},
  };
  for (const MarksRow& row : rows) {
    SCOPED_TRACE(row.marks.shidoCaption + " " + row.marks.legGrabCaption);
    EXPECT_EQ(PenaltyMarksFor(row.shown), row.marks);
  }
}

TEST(HasMatchEndingCount, OnlyTheFixedThresholdsEndAMatch) {
  const std::pair<SideCounts, bool> rows[] = {
      {C(0, 0, 0), false},         {C(1, 0, 0), true},       {C(0, 1, 9), false},
      {C(0, 2, 0), true},          {C(0, 0, 0, 3), false},   {C(0, 0, 0, 4), true},
      {C(0, 0, 0, 0, 2), false},   {C(0, 0, 0, 0, 3), true}, {C(0, 0, 0, 3, 2), false},
      {C(0, 0, 0, 0, 0, 1), true},
  };
  for (const auto& [counts, ends] : rows) {
    EXPECT_EQ(HasMatchEndingCount(counts), ends)
        << counts.ippon << counts.wazari << counts.yuko << counts.shido << counts.legGrabs
        << counts.hansokumake;
  }
}

TEST(HalfMatchSeconds, RoundsHalvesToTheEvenNeighbour) {
  const std::pair<int, int> rows[] = {{240, 120}, {241, 120}, {243, 122}, {300, 150},
                                      {90, 45},   {61, 30},   {63, 32},   {1859, 930}};
  for (const auto& [match, half] : rows) EXPECT_EQ(HalfMatchSeconds(match), half) << match;
}

}  // namespace
}  // namespace tk
