#pragma once
// The one table the main window's menu bar and toolbar are built from: each entry's object
// name, what it is, its caption (the tooltip of a toolbar button), its icon and its handler.

#include <span>
#include <string_view>

#include "core/app/MainAction.h"
#include "core/app/MainWindowModel.h"

namespace quorvia {

enum class MainActionKind {
    Menu,       // a menu on the bar; the items and separators after it go into it
    Item,       // an item of the menu above it
    Separator,  // a line in the menu above it
    BarItem,    // a command standing on the menu bar itself
    Tool,       // a toolbar button; its click goes to MainWindowModel::ToolBar_ButtonClick
};

struct MainActionEntry {
    MainAction action;
    MainActionKind kind;
    std::string_view name;
    std::string_view caption;
    void (MainWindowModel::*handler)() = nullptr;
    std::string_view icon = {};
    bool checkable = false;
    // The key that runs the command from anywhere in the main window, in Qt's portable text
    // ("Ctrl+Shift+S"); none when empty.
    std::string_view shortcut = {};
};

std::span<const MainActionEntry> MainActionTable();
// The object name of an action: menus, items and toolbar buttons are found by it.
std::string_view NameOf(MainAction action);

}  // namespace quorvia
