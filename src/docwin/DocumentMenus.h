#pragma once

#include "MenuBuilder.h"

#include <QString>

#include <span>

// The items of the document windows' shared menus, in menu order.
std::span<const TMenuItemSpec> DocumentFileMenuItems();
// "&Ansicht" of the HTML window (with the browser items) or of the CSS window.
std::span<const TMenuItemSpec> DocumentViewMenuItems(bool withBrowserItems);
// "&Bearbeiten" of the HTML window (with the letter case commands) or of the CSS window.
std::span<const TMenuItemSpec> DocumentEditMenuItems(bool withLetterCaseItems);
// Caption of a jump-mark item: the key name stands right-aligned behind a tab.
QString JumpMarkCaption(int mark, bool set);
