// Appearance of the operator's board (scheme preview, clock background, link
// brightness, the reset link) and the public window.
#include "program/program.h"

#include <array>

#include "board/layout.h"
#include "board/palette.h"

namespace tk {

namespace {

constexpr int kMinClockBackground = 1;
constexpr int kMaxClockBackground = 75;

// Where the public window appears on the first monitor, and its size.
constexpr int kSlaveOffset = 10;
constexpr int kSlaveWidth = 640;
constexpr int kSlaveHeight = 480;

// The clickable links of the clock panel, which take the link colour.
constexpr std::array<const char*, 5> kLinks = {"Label18", "Label69", "Label28", "Label39",
                                               "Label2"};

Rgb LinkColour(LinkBrightness brightness) {
  switch (brightness) {
    case LinkBrightness::Bright:
      return 0xFFFFFF;
    case LinkBrightness::Medium:
      return 0xC0C0C0;
    case LinkBrightness::Dark:
      return 0x808080;
  }
  return 0xC0C0C0;
}

}  // namespace

// ---- Scheme preview and clock background -----------------------------------

void Program::SetSchemeBlue() {
  settings_.ColourScheme = kSchemeBlue;
}

void Program::SetSchemeRed() {
  settings_.ColourScheme = kSchemeRed;
}

void Program::ToggleSchemePreview() {
  settings_.ColourScheme = settings_.ColourScheme == kSchemeRed ? kSchemeBlue : kSchemeRed;
}

void Program::SetClockBackground(int level) {
  clockBackground_ = IntRange{kMinClockBackground, kMaxClockBackground}.Clamp(level);
}

// Only the green component is set: level 40 is #002800.
Rgb Program::ClockBackgroundColour() const {
  return static_cast<Rgb>(clockBackground_) << 8;
}

// ---- Links -------------------------------------------------------------------

void Program::SetLinkBrightness(LinkBrightness brightness) {
  links_ = brightness;
  for (const char* link : kLinks) mainBoard_->SetTextColor(link, LinkColour(brightness));
  ports_.view.SetMenuChecks(resetLinkChecked_, links_);
}

// The menu entry's check mark is its own state and starts clear, while the
// link itself starts shown: the first use shows the link (no change) and
// sets the mark, the second hides it. The golden-score link follows at the
// next apply.
void Program::ToggleResetLink() {
  settings_.ResetLinkvisible = !resetLinkChecked_;
  mainBoard_->SetVisible("Label39", settings_.ResetLinkvisible);
  resetLinkChecked_ = settings_.ResetLinkvisible;
  ports_.view.SetMenuChecks(resetLinkChecked_, links_);
  ports_.view.SettingsChanged();
}

// ---- Public window -------------------------------------------------------------

void Program::ShowSlave() {
  if (helperMode_) return;
  const std::vector<ScreenRect> monitors = ports_.screens.Monitors();
  if (monitors.empty()) return;
  const ScreenRect& first = monitors.front();
  ports_.view.SetSlaveState(SlaveWindowState::Normal);
  ports_.view.ShowSlaveAt(first.left + kSlaveOffset, first.top + kSlaveOffset, kSlaveWidth,
                          kSlaveHeight);
}

void Program::HideSlave() {
  ports_.view.CloseSlave();
  SlaveWindowClosed();
}

void Program::PublicWindowClosed() {
  SlaveWindowClosed();
}

// A closed public window comes back with its frame, in the normal state, and
// with its copy counter where a new window starts.
void Program::SlaveWindowClosed() {
  ports_.view.SetSlaveFrameless(false);
  ports_.view.SetSlaveState(SlaveWindowState::Normal);
  publicTicks_.WindowClosed();
}

void Program::PublicCopyTick() {
  // The public board's hidden holder Panel36 takes the clock background
  // chosen on the settings page; its realignment paints the clock panel with it.
  CopyFromMain(*mainBoard_, *publicBoard_, ClockBackgroundColour());
  if (publicTicks_.Tick()) RealignPublic();
}

void Program::RealignPublic() {
  RealignPublicBoard(*publicBoard_);
}

}  // namespace tk
