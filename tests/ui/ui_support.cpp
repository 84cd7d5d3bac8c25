#include "ui_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

namespace tk::test {

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QTest::qWait(5);
  }
  return true;
}

WindowUnderTest::WindowUnderTest(std::vector<std::string> arguments) {
  ui::FormjudoOptions options;
  options.executablePath = Folder() + "tavelkorn";
  options.arguments = std::move(arguments);
  options.dialogs = &dialogs;
  options.sound = &sound;
  window = std::make_unique<ui::TFormjudo>(std::move(options));
}

WindowUnderTest::~WindowUnderTest() {
  window.reset();
  // No pop-up of one test may stay open into the next.
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

std::string WindowUnderTest::Folder() const {
  return dir.path().toStdString() + "/";
}

void WindowUnderTest::ShowAndActivate() {
  window->show();
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowUnderTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
  QTest::keyClick(target, key, modifiers);
}

}  // namespace tk::test
