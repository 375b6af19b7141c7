#pragma once

#include "MenuBuilder.h"

#include <QString>

#include <span>
#include <vector>

class QMenu;
class QWidget;

// The items of the document windows' menus, in menu order; html chooses the HTML window's
// items, else the CSS window's.
std::span<const TMenuItemSpec> DocumentFileMenuItems();
std::vector<TMenuItemSpec> DocumentViewMenuItems(bool html);
std::vector<TMenuItemSpec> DocumentEditMenuItems(bool html);
// Caption of a jump-mark item: the key name stands right-aligned behind a tab.
QString JumpMarkCaption(int mark, bool set);

// The empty "&Datei" (group 1) and "&Hilfe" (group 9) menus that the frame and every document
// window have, the windows' replacing the frame's while they are active.
QMenu *CreateFileMenu(QWidget *owner);
QMenu *CreateHelpMenu(QWidget *owner);
