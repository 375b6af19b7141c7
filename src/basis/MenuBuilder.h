#pragma once

#include <QString>

#include <span>

class QAction;
class QMenu;
class QObject;
class QWidget;

// One menu item as data: object name, caption, shortcut (portable text such as "Ctrl+N"),
// hint (shown in the status bar) and help context number. A caption of "-" makes a separator;
// a separator may still carry an object name.
struct TMenuItemSpec
{
    const char *Name;
    const char *Caption;
    const char *Shortcut = "";
    const char *Hint = "";
    int HelpContext = 0;
};

// Property under which every built action and menu keeps its help context number.
inline constexpr const char *HelpContextProperty = "HelpContext";
// Property under which a top-level menu keeps its group index for menu merging.
inline constexpr const char *GroupIndexProperty = "GroupIndex";

// Creates a top-level menu owned by the widget, with its object name, caption, hint, help
// context and merge group. It is not added to any menu bar.
QMenu *CreateMenu(QWidget *owner,
                  const char *name,
                  const QString &caption,
                  const QString &hint,
                  int helpContext,
                  int groupIndex);
// Appends the items to the menu and returns the created actions in order.
QList<QAction *> AddMenuItems(QMenu *menu, std::span<const TMenuItemSpec> items);
// Creates one action from its description (not added anywhere).
QAction *CreateAction(QObject *owner, const TMenuItemSpec &item);
