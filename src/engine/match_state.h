// The whole live state of the match on the mat: both competitors' raw counts,
// the match clock, the hold-down clock, tori and the mode flags.
#pragma once

#include <array>
#include <cstdint>

namespace tk {

// Blue is the upper half of the board and the first competitor.
enum class Side { Blue, White };
inline Side Opponent(Side side) {
  return side == Side::Blue ? Side::White : Side::Blue;
}

// The six raw counts of one Side, in snapshot order.
enum class CountKind { Ippon, Wazari, Yuko, Shido, LegGrabs, Hansokumake };
inline constexpr std::array<CountKind, 6> kAllCountKinds = {
    CountKind::Ippon, CountKind::Wazari,   CountKind::Yuko,
    CountKind::Shido, CountKind::LegGrabs, CountKind::Hansokumake};

struct SideCounts {
  std::int32_t ippon = 0, wazari = 0, yuko = 0, shido = 0, legGrabs = 0, hansokumake = 0;

  std::int32_t& operator[](CountKind kind);
  std::int32_t operator[](CountKind kind) const;
  // Raw shido plus raw leg grabs.
  std::int32_t PenaltyTotal() const { return shido + legGrabs; }
  bool operator==(const SideCounts&) const = default;
};

enum class Tori { None, Blue, White };

struct MatchState {
  SideCounts blue, white;
  std::int32_t clockSeconds = 0;  // shown by Label15
  bool clockRunning = false;
  bool matchStarted = false;
  bool goldenScore = false;
  bool holdDownActive = false;
  bool holdDownTicking = false;
  std::int32_t holdDownSeconds = 0;  // shown by Label3 unless idle
  bool holdDownIdle = true;          // Label3 shows "00"
  std::int32_t holdDownLinger = 0;
  bool sonoMama = false;
  Tori tori = Tori::None;

  SideCounts& Counts(Side side) { return side == Side::Blue ? blue : white; }
  const SideCounts& Counts(Side side) const { return side == Side::Blue ? blue : white; }
};

}  // namespace tk
