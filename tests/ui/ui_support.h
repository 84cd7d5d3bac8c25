// Helpers of the UI tests: waiting on the event loop, and a program folder
// of its own for every main window under test.
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "support/fakes.h"
#include "ui/judoUnit1.h"

namespace tk::test {

// Runs the event loop until `done` holds or `timeoutMs` passed; true if it held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

// A main window whose program folder is a fresh temporary folder, with
// scripted dialogs (so no box ever waits for a click) and a recording player.
struct WindowUnderTest {
  explicit WindowUnderTest(std::vector<std::string> arguments = {});
  ~WindowUnderTest();

  // Shown, active and through its start-up sequence.
  void ShowAndActivate();
  std::string Folder() const;
  Program& program() { return window->GetProgram(); }
  const std::string& Caption(const std::string& element) {
    return program().MainBoard().Caption(element);
  }
  // A key as the operator types it, delivered to the window with the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  QTemporaryDir dir;
  FakeDialogs dialogs;
  FakeSound sound;
  std::unique_ptr<ui::TFormjudo> window;
};

}  // namespace tk::test
