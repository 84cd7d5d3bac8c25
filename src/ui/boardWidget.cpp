#include "ui/boardWidget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <unordered_map>

#include "ui/qtText.h"

namespace tk::ui {

namespace {

QColor ToQColor(Rgb rgb) {
  return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

Qt::Alignment CaptionAlignment(const Element& e) {
  const Qt::Alignment vertical =
      e.kind == ElementKind::Panel && e.verticalCenter ? Qt::AlignVCenter : Qt::AlignTop;
  return kHorizontal[static_cast<int>(e.align)] | vertical;
}

void PaintBevel(QPainter& painter, const QRect& r, Bevel bevel) {
  if (bevel == Bevel::None || r.width() < 2 || r.height() < 2) return;
  const QColor light(0xFF, 0xFF, 0xFF), dark(0xA0, 0xA0, 0xA0);
  const QColor& topLeft = bevel == Bevel::Raised ? light : dark;
  const QColor& bottomRight = bevel == Bevel::Raised ? dark : light;
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

MouseButton ToButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

bool Shifted(const QMouseEvent* event) {
  return event->modifiers() & Qt::ShiftModifier;
}

}  // namespace

BoardWidget::BoardWidget(BoardModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  const auto& elements = model_.Elements();
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < elements.size(); ++i) index.emplace(elements[i].name, i);
  children_.resize(elements.size());
  for (std::size_t i = 1; i < elements.size(); ++i) {
    auto parentIt = index.find(elements[i].parent);
    if (parentIt != index.end()) children_[parentIt->second].push_back(i);
  }
  // Every pixel is painted by the board itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setMinimumSize(1, 1);
}

void BoardWidget::RefreshIfChanged() {
  if (model_.Revision() != paintedRevision_ && !repaintPending_) {
    repaintPending_ = true;
    update();
  }
}

std::string BoardWidget::ElementAt(const QPoint& pos) const {
  return model_.HitTest(pos.x(), pos.y());
}

QPoint BoardWidget::ElementCentre(const std::string& element) const {
  return ToQRect(model_.AbsoluteRect(element)).center();
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Outside the root (before the first layout) the page shows the root's colour.
  const Element& root = model_.Elements().front();
  painter.fillRect(rect(), ToQColor(root.background));
  PaintElement(painter, 0, QPoint(0, 0), rect());
  paintedRevision_ = model_.Revision();
  repaintPending_ = false;
}

void BoardWidget::PaintElement(QPainter& painter, std::size_t index, const QPoint& parentOrigin,
                               const QRect& parentClip) const {
  const Element& e = model_.Elements()[index];
  if (!e.visible) return;
  const QRect r = ToQRect(e.rect).translated(parentOrigin);
  // Children are clipped at their parent's edges, so an element outside its
  // parent's visible part hides its children too.
  const QRect clip = r & parentClip;
  if (clip.isEmpty()) return;
  painter.setClipRect(clip);
  if (!e.transparent) painter.fillRect(r, ToQColor(e.background));
  PaintBevel(painter, r, e.bevel);
  if (!e.caption.empty()) {
    const int inset = e.bevel == Bevel::None ? 0 : 1;
    painter.setFont(fonts_.Get(e.font));
    painter.setPen(ToQColor(e.textColor));
    painter.drawText(r.adjusted(inset, inset, -inset, -inset),
                     CaptionAlignment(e) | Qt::TextSingleLine, ToQString(e.caption));
  }
  for (std::size_t child : children_[index]) PaintElement(painter, child, r.topLeft(), clip);
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  model_.SetRootSize(width(), height());
  RefreshIfChanged();
}

void BoardWidget::Report(const std::string& element, MouseEventKind kind, MouseButton button,
                         bool shift) {
  if (handlers_.mouse) handlers_.mouse(element, kind, button, shift);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const std::string element = ElementAt(event->position().toPoint());
  const MouseButton button = ToButton(event->button());
  if (button == MouseButton::Left) {
    pressedElement_ = element;
    leftDown_ = true;
    doubleClickPending_ = false;
  }
  Report(element, MouseEventKind::Press, button, Shifted(event));
  if (button == MouseButton::Right && handlers_.rightPress) {
    handlers_.rightPress(element, event->globalPosition().toPoint());
  }
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const MouseButton button = ToButton(event->button());
  if (button != MouseButton::Left) {
    // Only the left button double-clicks; a quick second press of another
    // button is just another press.
    mousePressEvent(event);
    return;
  }
  const std::string element = ElementAt(event->position().toPoint());
  pressedElement_ = element;
  leftDown_ = true;
  // The release that completes a double click is not a second click.
  doubleClickPending_ = true;
  Report(element, MouseEventKind::DoubleClick, button, Shifted(event));
  Report(element, MouseEventKind::Press, button, Shifted(event));
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftDown_) return;
  leftDown_ = false;
  const bool completesDoubleClick = doubleClickPending_;
  doubleClickPending_ = false;
  if (completesDoubleClick || pressedElement_.empty() || !model_.Has(pressedElement_)) return;
  // A click belongs to the element pressed, when the button comes up over it.
  if (!ToQRect(model_.AbsoluteRect(pressedElement_)).contains(event->position().toPoint())) return;
  Report(pressedElement_, MouseEventKind::Click, MouseButton::Left, Shifted(event));
}

bool BoardWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const std::string element = ElementAt(help->pos());
  const std::string hint = handlers_.hint && !element.empty() ? handlers_.hint(element) : "";
  if (hint.empty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), ToQString(hint), this,
                       ToQRect(model_.AbsoluteRect(element)));
  }
  return true;
}

}  // namespace tk::ui
