// The text-measurement port: how wide and how tall a caption is drawn in a
// font. The board layout rests on it.
#pragma once

#include <string>

namespace tk {

struct Font {
  std::string family = "Arial";
  int pointSize = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // Advance width in pixels of the text; an empty text measures as one blank.
  virtual int AdvanceWidth(const Font& font, const std::string& text) const = 0;
  // Line height in pixels: ascent plus descent, internal leading included.
  virtual int LineHeight(const Font& font) const = 0;
};

}  // namespace tk
