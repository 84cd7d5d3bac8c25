#include "ui/menus.h"

#include <QAction>

#include "ui/qtText.h"

namespace tk::ui {

namespace {
constexpr const char* kCommandProperty = "tkCommand";
}

QString MenuCaption(const std::string& caption) {
  return ToQString(caption).replace('&', QStringLiteral("&&"));
}

QMenu* BuildPopupMenu(PopupMenu kind, QWidget* parent, const CommandRunner& run) {
  auto* menu = new QMenu(parent);
  for (const PopupEntry& entry : PopupMenus()) {
    if (entry.menu != kind || !entry.built) continue;
    QAction* action = menu->addAction(MenuCaption(entry.caption));
    action->setProperty(kCommandProperty, static_cast<int>(entry.command));
    const Command command = entry.command;
    QObject::connect(action, &QAction::triggered, menu, [run, command] { run(command); });
  }
  return menu;
}

Command CommandOf(const QAction* action) {
  return static_cast<Command>(action->property(kCommandProperty).toInt());
}

bool HasCommand(const QAction* action) {
  return action->property(kCommandProperty).isValid();
}

void EnableActions(QMenu& menu, const std::function<bool(Command)>& enabled) {
  for (QAction* action : menu.actions()) {
    if (HasCommand(action)) action->setEnabled(enabled(CommandOf(action)));
  }
}

}  // namespace tk::ui
