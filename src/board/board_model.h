// A board as a model of named elements: for every element of the board
// (Label11, Panel26, ...) its caption, colours, font, geometry relative to its
// parent, docking, visibility and hint. The engine writes captions, colours and
// visibility; the layout writes fonts and geometry; one widget paints any
// BoardModel, so the operator's board and the public board look alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/text_measure.h"

namespace tk {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

enum class ElementKind { Panel, Label };
// How a caption is placed in its element; for a self-sizing label also which
// edge stays put when the caption grows (Right: the label grows to the left).
enum class Align { Left, Center, Right };
// Docked elements are placed inside their parent's free area in catalogue
// order, each kind in turn: Top, Bottom, Left, Right, then Fill.
enum class Dock { None, Top, Bottom, Left, Right, Fill };
enum class Bevel { None, Raised, Lowered };

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

struct Element {
  std::string name;
  std::string parent;  // empty for the root
  ElementKind kind = ElementKind::Label;
  std::string caption;
  Rgb textColor = 0x000000;
  Rgb background = 0xF0F0F0;
  bool transparent = true;  // draws no background (labels unless opaque)
  Font font;
  Rect rect;  // relative to the parent's top left corner
  Dock dock = Dock::None;
  Align align = Align::Left;
  bool verticalCenter = true;  // panels centre their caption vertically
  Bevel bevel = Bevel::None;
  bool autoSize = false;  // a label whose size is its caption's size
  bool visible = true;
  bool enabled = true;
  std::string hint;
};

class BoardModel {
 public:
  // `elements` lists parents before their children. `measure` sizes the
  // self-sizing labels; it must outlive the model.
  BoardModel(std::vector<Element> elements, const TextMeasure& measure);

  bool Has(std::string_view name) const;
  // Throws std::out_of_range for an unknown name.
  const Element& at(std::string_view name) const;

  // Setters. Each keeps a self-sizing label the size of its caption and
  // counts a change (revision) when the value really changes.
  void SetCaption(std::string_view name, std::string caption);
  void SetTextColor(std::string_view name, Rgb colour);
  void SetBackground(std::string_view name, Rgb colour);
  void SetVisible(std::string_view name, bool visible);
  void SetEnabled(std::string_view name, bool enabled);
  void SetFont(std::string_view name, const Font& font);
  void SetFontSize(std::string_view name, int pointSize);
  void SetLeft(std::string_view name, int left);
  void SetTop(std::string_view name, int top);
  void SetWidth(std::string_view name, int width);
  void SetHeight(std::string_view name, int height);
  void SetBevel(std::string_view name, Bevel bevel);
  void SetHint(std::string_view name, std::string hint);

  // Shorthand reads.
  const std::string& Caption(std::string_view name) const { return at(name).caption; }
  int Left(std::string_view name) const { return at(name).rect.left; }
  int Top(std::string_view name) const { return at(name).rect.top; }
  int Width(std::string_view name) const { return at(name).rect.width; }
  int Height(std::string_view name) const { return at(name).rect.height; }
  int FontSize(std::string_view name) const { return at(name).font.pointSize; }
  bool Visible(std::string_view name) const { return at(name).visible; }

  // Sizes the root and places every docked element inside its parent.
  void SetRootSize(int width, int height);
  void ApplyDocking();

  // The element's rectangle in root coordinates.
  Rect AbsoluteRect(std::string_view name) const;
  // True when the element and all its ancestors are visible.
  bool Shown(std::string_view name) const;
  // The name of the front-most shown element under a point in root
  // coordinates (children before parents, later siblings before earlier), or
  // the empty text.
  std::string HitTest(int x, int y) const;

  const std::vector<Element>& Elements() const { return elements_; }
  const std::string& RootName() const { return elements_.front().name; }
  std::vector<std::string> Children(std::string_view name) const;

  // Rises by one at every real change; a painter repaints when it moved.
  std::uint64_t Revision() const { return revision_; }
  const TextMeasure& Measure() const { return measure_; }

 private:
  Element& Mutable(std::string_view name);
  void FitToCaption(Element& element);
  void Changed() { ++revision_; }

  std::vector<Element> elements_;
  std::unordered_map<std::string, std::size_t> index_;
  const TextMeasure& measure_;
  std::uint64_t revision_ = 0;
};

}  // namespace tk
