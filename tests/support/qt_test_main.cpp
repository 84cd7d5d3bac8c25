// The entry of every Qt test program: the tests run inside one application
// object, with the board's font substitutions, on Qt's off-screen platform
// unless the environment chose another, so they need no display.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/fonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tk::ui::InstallFontSubstitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
