#include "board/board_model.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tk {

namespace {

bool Inside(const Rect& r, int x, int y) {
  return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}

// The area a panel offers its docked children: a bevel takes one pixel a side.
Rect FreeArea(const Element& e) {
  const int inset = e.bevel == Bevel::None ? 0 : 1;
  return {inset, inset, std::max(0, e.rect.width - 2 * inset),
          std::max(0, e.rect.height - 2 * inset)};
}

// Takes a docked child's share of the free area and returns where it goes.
Rect TakeDocked(Dock dock, const Rect& own, Rect& free) {
  switch (dock) {
    case Dock::Top: {
      const int h = std::min(own.height, free.height);
      Rect r{free.left, free.top, free.width, own.height};
      free.top += h;
      free.height -= h;
      return r;
    }
    case Dock::Bottom: {
      const int h = std::min(own.height, free.height);
      Rect r{free.left, free.top + free.height - own.height, free.width, own.height};
      free.height -= h;
      return r;
    }
    case Dock::Left: {
      const int w = std::min(own.width, free.width);
      Rect r{free.left, free.top, own.width, free.height};
      free.left += w;
      free.width -= w;
      return r;
    }
    case Dock::Right: {
      const int w = std::min(own.width, free.width);
      Rect r{free.left + free.width - own.width, free.top, own.width, free.height};
      free.width -= w;
      return r;
    }
    case Dock::Fill:
      return free;
    case Dock::None:
      break;
  }
  return own;
}

// Docking decides a docked element's place and all but one of its sizes:
// the height of a Top or Bottom element, the width of a Left or Right one.
Rect DockedRequest(const Element& e, const Rect& wanted) {
  Rect r = e.rect;
  switch (e.dock) {
    case Dock::None:
      return wanted;
    case Dock::Top:
    case Dock::Bottom:
      r.height = wanted.height;
      break;
    case Dock::Left:
    case Dock::Right:
      r.width = wanted.width;
      break;
    case Dock::Fill:
      break;
  }
  return r;
}

constexpr std::array<Dock, 5> kDockOrder = {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right,
                                            Dock::Fill};

}  // namespace

BoardModel::BoardModel(std::vector<Element> elements, const TextMeasure& measure)
    : elements_(std::move(elements)), measure_(measure) {
  if (elements_.empty()) throw std::invalid_argument("a board needs a root element");
  const std::size_t n = elements_.size();
  parentOf_.assign(n, kNoParent);
  childrenOf_.assign(n, {});
  hasDockedChildren_.assign(n, false);
  index_.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Element& e = elements_[i];
    if (!index_.emplace(e.name, i).second) {
      throw std::invalid_argument("element " + e.name + " appears twice");
    }
    if (i == 0) continue;
    auto parent = index_.find(e.parent);
    if (e.parent.empty() || parent == index_.end() || parent->second == i) {
      throw std::invalid_argument("element " + e.name + " has no parent before it");
    }
    parentOf_[i] = parent->second;
    childrenOf_[parent->second].push_back(i);
    if (e.dock != Dock::None) hasDockedChildren_[parent->second] = true;
  }
  for (Element& e : elements_) SizeToCaption(e);
  ApplyDocking();
  revision_ = 0;
}

std::size_t BoardModel::IndexOf(std::string_view name) const {
  auto it = index_.find(name);
  if (it == index_.end()) throw std::out_of_range("no board element " + std::string(name));
  return it->second;
}

bool BoardModel::Has(std::string_view name) const {
  return index_.find(name) != index_.end();
}

const Element& BoardModel::at(std::string_view name) const {
  return elements_[IndexOf(name)];
}

Element& BoardModel::Mutable(std::string_view name) {
  return elements_[IndexOf(name)];
}

void BoardModel::SizeToCaption(Element& e) {
  if (!e.autoSize) return;
  e.rect.width = measure_.AdvanceWidth(e.font, e.caption);
  e.rect.height = measure_.LineHeight(e.font);
}

void BoardModel::FitToCaption(Element& e) {
  if (!e.autoSize) return;
  const int oldWidth = e.rect.width;
  const int oldHeight = e.rect.height;
  SizeToCaption(e);
  if (e.align == Align::Right) e.rect.left += oldWidth - e.rect.width;
  // Truncating the half keeps a label that grows and shrinks back by one
  // pixel at its old place.
  if (e.align == Align::Center) e.rect.left += (oldWidth - e.rect.width) / 2;
  if (e.rect.width != oldWidth || e.rect.height != oldHeight) {
    Redock(static_cast<std::size_t>(&e - elements_.data()));
  }
}

void BoardModel::SetCaption(std::string_view name, std::string caption) {
  Element& e = Mutable(name);
  if (e.caption == caption) return;
  e.caption = std::move(caption);
  FitToCaption(e);
  Changed();
}

void BoardModel::SetTextColor(std::string_view name, Rgb colour) {
  Element& e = Mutable(name);
  if (e.textColor == colour) return;
  e.textColor = colour;
  Changed();
}

void BoardModel::SetBackground(std::string_view name, Rgb colour) {
  Element& e = Mutable(name);
  if (e.background == colour) return;
  e.background = colour;
  Changed();
}

void BoardModel::SetVisible(std::string_view name, bool visible) {
  const std::size_t i = IndexOf(name);
  Element& e = elements_[i];
  if (e.visible == visible) return;
  e.visible = visible;
  Changed();
  if (e.dock != Dock::None) Redock(i);
}

void BoardModel::SetEnabled(std::string_view name, bool enabled) {
  Element& e = Mutable(name);
  if (e.enabled == enabled) return;
  e.enabled = enabled;
  Changed();
}

void BoardModel::SetFont(std::string_view name, const Font& font) {
  Element& e = Mutable(name);
  if (e.font == font) return;
  e.font = font;
  FitToCaption(e);
  Changed();
}

void BoardModel::SetFontSize(std::string_view name, int pointSize) {
  Element& e = Mutable(name);
  if (e.font.pointSize == pointSize) return;
  e.font.pointSize = pointSize;
  FitToCaption(e);
  Changed();
}

void BoardModel::SetLeft(std::string_view name, int left) {
  const std::size_t i = IndexOf(name);
  Rect r = elements_[i].rect;
  r.left = left;
  SetRect(i, r);
}

void BoardModel::SetTop(std::string_view name, int top) {
  const std::size_t i = IndexOf(name);
  Rect r = elements_[i].rect;
  r.top = top;
  SetRect(i, r);
}

void BoardModel::SetWidth(std::string_view name, int width) {
  const std::size_t i = IndexOf(name);
  if (elements_[i].autoSize) return;
  Rect r = elements_[i].rect;
  r.width = std::max(0, width);
  SetRect(i, r);
}

void BoardModel::SetHeight(std::string_view name, int height) {
  const std::size_t i = IndexOf(name);
  if (elements_[i].autoSize) return;
  Rect r = elements_[i].rect;
  r.height = std::max(0, height);
  SetRect(i, r);
}

void BoardModel::SetBevel(std::string_view name, Bevel bevel) {
  const std::size_t i = IndexOf(name);
  Element& e = elements_[i];
  if (e.bevel == bevel) return;
  e.bevel = bevel;
  Changed();
  if (hasDockedChildren_[i]) DockSubtree(i);
}

void BoardModel::SetHint(std::string_view name, std::string hint) {
  Element& e = Mutable(name);
  if (e.hint == hint) return;
  e.hint = std::move(hint);
  Changed();
}

void BoardModel::SetRect(std::size_t index, const Rect& wanted) {
  Element& e = elements_[index];
  const Rect rect = DockedRequest(e, wanted);
  if (e.rect == rect) return;
  const bool resized = e.rect.width != rect.width || e.rect.height != rect.height;
  e.rect = rect;
  Changed();
  if (resized) Redock(index);
}

void BoardModel::Redock(std::size_t index) {
  if (elements_[index].dock != Dock::None && parentOf_[index] != kNoParent) {
    DockSubtree(parentOf_[index]);
  } else if (hasDockedChildren_[index]) {
    DockSubtree(index);
  }
}

void BoardModel::SetRootSize(int width, int height) {
  Element& root = elements_.front();
  const Rect r{root.rect.left, root.rect.top, std::max(0, width), std::max(0, height)};
  if (root.rect != r) {
    root.rect = r;
    Changed();
  }
  ApplyDocking();
}

void BoardModel::ApplyDocking() {
  DockSubtree(0);
}

void BoardModel::DockSubtree(std::size_t index) {
  if (hasDockedChildren_[index]) DockChildren(index);
  for (std::size_t child : childrenOf_[index]) {
    if (!childrenOf_[child].empty()) DockSubtree(child);
  }
}

void BoardModel::DockChildren(std::size_t index) {
  Rect free = FreeArea(elements_[index]);
  for (Dock kind : kDockOrder) {
    for (std::size_t child : childrenOf_[index]) {
      Element& c = elements_[child];
      if (c.dock != kind || !c.visible) continue;
      const Rect placed = TakeDocked(kind, c.rect, free);
      if (placed != c.rect) {
        c.rect = placed;
        Changed();
      }
    }
  }
}

Rect BoardModel::AbsoluteRect(std::string_view name) const {
  std::size_t i = IndexOf(name);
  Rect r = elements_[i].rect;
  for (i = parentOf_[i]; i != kNoParent; i = parentOf_[i]) {
    r.left += elements_[i].rect.left;
    r.top += elements_[i].rect.top;
  }
  return r;
}

bool BoardModel::Shown(std::string_view name) const {
  for (std::size_t i = IndexOf(name); i != kNoParent; i = parentOf_[i]) {
    if (!elements_[i].visible) return false;
  }
  return true;
}

// (x, y) is relative to the parent of `index`. A child is only hit inside
// its parent, because a parent clips what lies beyond its edges.
std::size_t BoardModel::HitBelow(std::size_t index, int x, int y) const {
  const Element& e = elements_[index];
  if (!e.visible || !Inside(e.rect, x, y)) return kNoParent;
  const auto& children = childrenOf_[index];
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const std::size_t hit = HitBelow(*it, x - e.rect.left, y - e.rect.top);
    if (hit != kNoParent) return hit;
  }
  return index;
}

std::string BoardModel::HitTest(int x, int y) const {
  const std::size_t hit = HitBelow(0, x, y);
  return hit == kNoParent ? std::string() : elements_[hit].name;
}

std::vector<std::string> BoardModel::Children(std::string_view name) const {
  std::vector<std::string> names;
  for (std::size_t child : childrenOf_[IndexOf(name)]) names.push_back(elements_[child].name);
  return names;
}

}  // namespace tk
