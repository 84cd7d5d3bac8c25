#include "ui/fonts.h"

#include <QStringList>
#include <cmath>
#include <string_view>

#include "ui/qtText.h"

namespace tk::ui {

namespace {

// Families without an installed face of their own. fontconfig already maps
// "Times New Roman" and "Arial" to metric-compatible faces; the heavy display
// faces fall back to a bold sans, and the old dialog face to the plain sans.
struct FamilyFallback {
  std::string_view family;
  const char* face;
  bool heavy;  // drawn bold whatever the element asks
};
constexpr FamilyFallback kFallbacks[] = {
    {"Arial Black", "Liberation Sans", true},
    {"Stencil", "Liberation Sans", true},
    {"MS Sans Serif", "Liberation Sans", false},
};

const FamilyFallback* FallbackFor(std::string_view family) {
  for (const auto& fallback : kFallbacks) {
    if (fallback.family == family) return &fallback;
  }
  return nullptr;
}

}  // namespace

int PixelSizeForPoints(int pointSize) {
  return static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
}

QFont ToQFont(const Font& font) {
  QFont result;
  const FamilyFallback* fallback = FallbackFor(font.family);
  result.setFamilies(fallback ? QStringList{ToQString(font.family), fallback->face, "DejaVu Sans"}
                              : QStringList{ToQString(font.family)});
  // QFont refuses a pixel size below 1.
  result.setPixelSize(std::max(1, PixelSizeForPoints(font.pointSize)));
  result.setBold(font.bold || (fallback && fallback->heavy));
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  // Whole-pixel advances, so that a measured width is the painted width.
  result.setHintingPreference(QFont::PreferFullHinting);
  result.setStyleStrategy(QFont::PreferAntialias);
  return result;
}

void InstallFontSubstitutions() {
  for (const auto& fallback : kFallbacks) {
    QFont::insertSubstitutions(ToQString(std::string(fallback.family)),
                               {fallback.face, "DejaVu Sans"});
  }
}

const FontCache::Cached& FontCache::Entry(const Font& font) const {
  Key key{font.family, font.pointSize, font.bold, font.italic, font.underline};
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    QFont qfont = ToQFont(font);
    it = cache_.emplace(key, Cached{qfont, QFontMetrics(qfont)}).first;
  }
  return it->second;
}

}  // namespace tk::ui
