// What the pages and dialogs of this folder share: the guard every handler
// runs through, colours and fonts, a caption panel that reports clicks.
#pragma once

#include <QLabel>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;
class QMouseEvent;

namespace tk::ui {

// Runs one event handler. The main window installs its own guard so that
// errors are reported in one place and the boards repaint after the event.
using HandlerGuard = std::function<void(const std::function<void()>&)>;

// Used until a guard is installed: an error ends the handler and its text is
// shown in a message box over `parent`.
HandlerGuard MessageBoxGuard(QWidget* parent);

// Paints a widget's background and text in two 0xRRGGBB colours.
void Paint(QWidget* widget, std::uint32_t background, std::uint32_t text);

// Sets only the text colour (labels and buttons alike).
void SetTextColour(QWidget* widget, std::uint32_t text);

// A font by family, pixel size and weight.
QFont PixelFont(const char* family, int pixels, bool bold);

// A caption panel that reports a press of the left button.
class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tk::ui
