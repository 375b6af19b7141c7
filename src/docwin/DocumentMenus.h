#pragma once

#include "DocumentHost.h"
#include "MenuBuilder.h"

class QMenu;
class QWidget;

// The empty "&Datei" (group 1) and "&Hilfe" (group 9) menus that the frame and every document
// window have, the windows' replacing the frame's while they are active.
QMenu *CreateFileMenu(QWidget *owner);
QMenu *CreateHelpMenu(QWidget *owner);

// The row of an outside program's item in the "&Datei" menus, with the command that starts it.
TMenuItem ExternalToolItem(TExternalTool tool, std::function<void()> command);
