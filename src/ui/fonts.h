// The board's fonts on this platform: the model names the families the board
// was designed with; here they become installed faces, sized in pixels at
// 96 dots per inch so that measuring and painting agree on every screen.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <map>
#include <tuple>

#include "platform/text_measure.h"

namespace tk::ui {

// Pixel size of a point size at 96 dots per inch, rounded.
int PixelSizeForPoints(int pointSize);

// The Qt font that draws `font`.
QFont ToQFont(const Font& font);

// Makes the board's family names resolve to installed faces wherever Qt
// draws them (the settings pages use them too). Call once after the
// application object exists.
void InstallFontSubstitutions();

// Fonts and their metrics, built once per distinct Font.
class FontCache {
 public:
  const QFont& Get(const Font& font) const { return Entry(font).font; }
  const QFontMetrics& Metrics(const Font& font) const { return Entry(font).metrics; }

 private:
  struct Cached {
    QFont font;
    QFontMetrics metrics;
  };
  using Key = std::tuple<std::string, int, bool, bool, bool>;
  const Cached& Entry(const Font& font) const;

  mutable std::map<Key, Cached> cache_;
};

}  // namespace tk::ui
