#include "forms_harness.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <exception>

namespace tk::test {

FormsHarness::FormsHarness(Mode mode, const std::string& settingsFile) {
  const std::string executable = folder.path().toStdString() + "/tavelkorn";
  if (!settingsFile.empty()) {
    QFile file(folder.filePath("tavelkorn.ini"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(settingsFile.data(), static_cast<qint64>(settingsFile.size()));
  }
  std::vector<std::string> arguments;
  if (mode == Mode::Helper) arguments.push_back("h");
  program = std::make_unique<Program>(
      ProgramPorts{measure, clock, dialogs, sound, screens, shell, view}, executable, arguments);
  settingsPage = std::make_unique<ui::SettingsPage>(*program);
  helpPage = std::make_unique<ui::HelpPage>(*program);
  logPage = std::make_unique<ui::LogPage>(*program);
  ui::HandlerGuard record = [this](const std::function<void()>& handler) {
    try {
      handler();
    } catch (const std::exception& e) {
      errors.push_back(e.what());
    }
  };
  settingsPage->SetGuard(record);
  helpPage->SetGuard(record);
  logPage->SetGuard(record);
  view.settingsPage = settingsPage.get();
  view.helpPage = helpPage.get();
  view.logPage = logPage.get();
  program->OnShow();
  view.shown.clear();
}

void TypeInto(QSpinBox* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Backspace);
    return;
  }
  QTest::keyClicks(field, text);
}

void LeaveField(QWidget* field) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

}  // namespace tk::test
