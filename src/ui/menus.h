// Qt menus built from the program's command tables: the main menu bar and
// the pop-up menus, with one action per built entry.
#pragma once

#include <QMenu>
#include <functional>
#include <map>
#include <string>

#include "program/commands.h"

class QMenuBar;

namespace tk::ui {

using CommandRunner = std::function<void(Command)>;

// The caption as a menu shows it ('&' is no accelerator).
QString MenuCaption(const std::string& caption);

// The pop-up menu `kind` from PopupMenus(), its actions running `run`.
QMenu* BuildPopupMenu(PopupMenu kind, QWidget* parent, const CommandRunner& run);

// The command behind an action of the menus built here.
Command CommandOf(const QAction* action);
bool HasCommand(const QAction* action);

// Enables every action of the menu whose command `enabled` allows.
void EnableActions(QMenu& menu, const std::function<bool(Command)>& enabled);

}  // namespace tk::ui
