// The scoreboard program: the main window, which runs the whole program, and
// the event loop until the main window closes. The first parameter "h" makes
// it the remote helper.
#include <QApplication>
#include <string>
#include <vector>

#include "ui/fonts.h"
#include "ui/judoUnit1.h"
#include "ui/qtText.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The program sets the title for its mode once the window is up.
  QCoreApplication::setApplicationName("Tavelkorn");
  tk::ui::InstallFontSubstitutions();

  // QApplication has taken its own options out of argv.
  std::vector<std::string> arguments(argv + 1, argv + argc);
  tk::ui::FormjudoOptions options;
  options.executablePath = tk::ui::FromQString(QCoreApplication::applicationFilePath());
  options.arguments = std::move(arguments);

  tk::ui::TFormjudo window(std::move(options));
  window.ShowAtStart();
  return application.exec();
}
