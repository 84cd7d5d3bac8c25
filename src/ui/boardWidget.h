// The one widget that paints any BoardModel (the operator's board and the
// public board alike) and turns mouse actions on it into actions on named
// elements.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "board/board_model.h"
#include "engine/match.h"
#include "program/program.h"
#include "ui/fonts.h"

namespace tk::ui {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  // What the owner does with the board's input. Empty handlers are skipped.
  struct Handlers {
    // Press (any button), click (left release over the pressed element, not
    // the release that completes a double click) and double click.
    std::function<void(const std::string& element, MouseEventKind kind, MouseButton button,
                       bool shift)>
        mouse;
    // After the press of the right button: where to open a pop-up menu.
    std::function<void(const std::string& element, const QPoint& globalPos)> rightPress;
    // The tool tip of an element; empty for none.
    std::function<std::string(const std::string& element)> hint;
  };

  explicit BoardWidget(BoardModel& model, QWidget* parent = nullptr);

  void SetHandlers(Handlers handlers) { handlers_ = std::move(handlers); }
  BoardModel& Model() { return model_; }
  // Schedules a repaint when the model changed since the last paint.
  void RefreshIfChanged();
  // The front-most shown element under a point of the widget, or empty.
  std::string ElementAt(const QPoint& pos) const;
  // The centre of the element's rectangle in widget coordinates.
  QPoint ElementCentre(const std::string& element) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void PaintElement(QPainter& painter, std::size_t index, const QPoint& parentOrigin,
                    const QRect& parentClip) const;
  void Report(const std::string& element, MouseEventKind kind, MouseButton button, bool shift);

  BoardModel& model_;
  Handlers handlers_;
  FontCache fonts_;
  // Children of every element by index, in catalogue order (the model's
  // element list never changes its membership).
  std::vector<std::vector<std::size_t>> children_;
  std::uint64_t paintedRevision_ = 0;
  bool repaintPending_ = false;

  std::string pressedElement_;
  bool leftDown_ = false;
  bool doubleClickPending_ = false;
};

}  // namespace tk::ui
