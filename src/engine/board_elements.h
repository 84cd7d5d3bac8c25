// The elements of the operator's board that the match engine writes, and the
// captions and colours it writes into them. Private to the engine.
#pragma once

#include "board/board_model.h"
#include "board/palette.h"
#include "engine/match_state.h"

namespace tk::engine {

// Match clock, hold-down display and the control links of the clock panel.
inline constexpr const char* kClock = "Label15";
inline constexpr const char* kHoldDown = "Label3";
inline constexpr const char* kHajimeMatte = "Label18";
inline constexpr const char* kOsaeKomiToketa = "Label69";
inline constexpr const char* kSonoMamaYoshi = "Label28";
inline constexpr const char* kGoldenScoreSign = "Label77";
inline constexpr const char* kBlueHalf = "Panel6";

inline constexpr const char* kHajimeText = "Hajime F5";
inline constexpr const char* kMatteText = "Matte F5";
inline constexpr const char* kOsaeKomiText = "Osae Komi F6";
inline constexpr const char* kToketaText = "Toketa F6   ";
inline constexpr const char* kSonoMamaText = "SonoMama F9";
inline constexpr const char* kYoshiText = "Yoshi F9   ";
inline constexpr const char* kToriText = "Tori";
inline constexpr const char* kToriSquareText = "T";
inline constexpr const char* kNoToriText = "?";
inline constexpr const char* kHoldDownIdleText = "00";

inline constexpr Rgb kClockYellow = 0xFFFF00;
inline constexpr Rgb kClockRed = 0xFF0000;

// The elements of one half of the board.
struct SideElements {
  const char* ippon;
  const char* wazari;
  const char* yuko;
  const char* shido;         // penalty card
  const char* legGrab;       // "L" marker
  const char* hansoku;       // "H" marker
  const char* toriPanel;     // penalty column, "Tori"
  const char* toriSquare;    // clock panel square, "T"
  const char* lastHoldDown;  // count at the last Toketa
};

inline constexpr SideElements kBlueElements{"Label11", "Label12", "Label13", "Panel26", "Panel24",
                                            "Panel37", "Panel33", "Panel76", "Label107"};
inline constexpr SideElements kWhiteElements{"Label7",  "Label8",  "Label9",  "Panel27", "Panel25",
                                             "Panel38", "Panel35", "Panel75", "Label108"};

inline const SideElements& ElementsOf(Side side) {
  return side == Side::Blue ? kBlueElements : kWhiteElements;
}

// The palette slots that paint one Side.
struct SideColours {
  Rgb lit, dim, shidoNormal, shidoSerious, penaltyOff, penaltyOn;
};

inline SideColours ColoursOf(const BoardPalette& p, Side side) {
  if (side == Side::Blue) {
    return {p.blueLit,          p.blueDim,        p.blueShidoNormal,
            p.blueShidoSerious, p.bluePenaltyOff, p.bluePenaltyOn};
  }
  return {p.whiteLit,          p.whiteDim,        p.whiteShidoNormal,
          p.whiteShidoSerious, p.whitePenaltyOff, p.whitePenaltyOn};
}

}  // namespace tk::engine

namespace tk::engine {

// Counts have no upper limit; one step short of the 32-bit end they stop
// rising, so that neither a count nor a derived digit can overflow.
inline void RaiseCount(std::int32_t& count) {
  if (count < 0x7FFFFFFE) ++count;
}

}  // namespace tk::engine
