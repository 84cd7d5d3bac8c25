// A board as a model of named elements: for every element of the board
// (Label11, Panel26, ...) its caption, colours, font, geometry relative to its
// parent, docking, visibility and hint. The engine writes captions, colours and
// visibility; the layout writes fonts and geometry; one widget paints any
// BoardModel, so the operator's board and the public board look alike.
#pragma once

#include <cstdint>
#include <functional>
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
  // `elements` lists parents before their children, the root first. Throws
  // std::invalid_argument for an empty list, a repeated name or a parent that
  // does not come before its child. `measure` sizes the self-sizing labels;
  // it must outlive the model. The self-sizing labels are sized to their
  // captions (keeping their catalogue lefts) and the docked elements placed.
  BoardModel(std::vector<Element> elements, const TextMeasure& measure);

  bool Has(std::string_view name) const;
  // Throws std::out_of_range for an unknown name.
  const Element& at(std::string_view name) const;

  // Setters. Each keeps a self-sizing label the size of its caption and
  // counts a change (revision) when the value really changes. A width or
  // height given to a self-sizing label is ignored (its caption decides). A
  // change to the size or visibility of a docked element, or to the size of
  // an element with docked children, places the docked elements again at
  // once, so the model never shows stale docked sizes.
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
  // Places docked children inside their parent's free area (the panel less
  // its bevel, one pixel a side), in catalogue order, each kind in turn: Top,
  // Bottom, Left, Right, then Fill. A hidden docked element takes no space.
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
  // Heterogeneous lookup, so that a name given as a string_view is found
  // without building a std::string.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };
  static constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

  std::size_t IndexOf(std::string_view name) const;
  Element& Mutable(std::string_view name);
  // Sizes a self-sizing label to its caption; a right-aligned label keeps
  // its right edge, a centred one its centre, any other its left edge.
  void FitToCaption(Element& element);
  void SizeToCaption(Element& element);
  void SetRect(std::size_t index, const Rect& rect);
  // After a change of size or visibility of element `index`: places the
  // docked elements that depend on it again.
  void Redock(std::size_t index);
  void DockSubtree(std::size_t index);
  void DockChildren(std::size_t index);
  std::size_t HitBelow(std::size_t index, int x, int y) const;
  void Changed() { ++revision_; }

  std::vector<Element> elements_;
  std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> index_;
  std::vector<std::size_t> parentOf_;
  std::vector<std::vector<std::size_t>> childrenOf_;
  std::vector<bool> hasDockedChildren_;
  const TextMeasure& measure_;
  std::uint64_t revision_ = 0;
};

}  // namespace tk
