#include "ui/forms/formsSupport.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>
#include <exception>

namespace tk::ui {

HandlerGuard MessageBoxGuard(QWidget* parent) {
  return [parent](const std::function<void()>& handler) {
    try {
      handler();
    } catch (const std::exception& e) {
      QMessageBox::critical(parent ? parent->window() : nullptr,
                            QGuiApplication::applicationDisplayName(),
                            QString::fromLocal8Bit(e.what()));
    } catch (...) {
      // Qt's event loop cannot carry an exception of any kind.
      QMessageBox::critical(parent ? parent->window() : nullptr,
                            QGuiApplication::applicationDisplayName(), "Unknown error");
    }
  };
}

void Paint(QWidget* widget, std::uint32_t background, std::uint32_t text) {
  QPalette palette = widget->palette();
  const QColor back(static_cast<QRgb>(background));
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
    palette.setColor(role, back);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
  SetTextColour(widget, text);
}

void SetTextColour(QWidget* widget, std::uint32_t text) {
  // The disabled look keeps the style's grey, so a greyed element reads as such.
  QPalette palette = widget->palette();
  const QColor fore(static_cast<QRgb>(text));
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(group, role, fore);
  widget->setPalette(palette);
}

QFont PixelFont(const char* family, int pixels, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onClick) {
    onClick();
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

}  // namespace tk::ui
