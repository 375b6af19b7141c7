#pragma once

#include <QAction>
#include <QString>

#include <functional>
#include <vector>

class QMenu;
class QObject;
class QWidget;

// One menu item as data, bound once: object name, caption, shortcut (portable text such as
// "Ctrl+N"), hint (shown in the status bar), help context number and the command it runs, all in
// one row. A caption of "-" makes a separator; a separator may still carry an object name. An
// item without a command belongs to a part of the program that is not built yet: it is shown
// disabled, never enabled and silent. An item with sub-items becomes a submenu. A checkable
// item flips its check mark before its command runs.
struct TMenuItem
{
    const char *Name;
    const char *Caption;
    const char *Shortcut = "";
    const char *Hint = "";
    int HelpContext = 0;
    std::function<void()> Command = {};
    std::vector<TMenuItem> SubItems = {};
    bool Checkable = false;
    // The caption's "&" is text, shown as it stands (see LiteralCaption).
    bool Literal = false;
};

// A menu action built from a TMenuItem. Its command is bound through BindCommand, so that a test
// can walk every menu and find enabled items that would do nothing. (The menu itself listens to
// triggered() too, so a connection alone says nothing.)
class TMenuAction : public QAction
{
public:
    using QAction::QAction;
    // Runs the command whenever the action is triggered, and enables the action.
    void BindCommand(std::function<void()> command);
    bool HasCommand() const { return Bound; }

private:
    bool Bound = false;
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
// Appends the items to the menu, each connected to its command (or disabled without one);
// sub-items become submenus. Returns the created actions in order (a submenu's menu action).
QList<QAction *> AddMenuItems(QMenu *menu, const std::vector<TMenuItem> &items);
// Creates one action from its description (not added anywhere), connected to its command or
// disabled without one.
TMenuAction *CreateAction(QObject *owner, const TMenuItem &item);
// Shows a caption that holds an ampersand as text ("Leerzeichen (&#x0020;)") literally: every
// "&" is doubled so the menu does not take it for an accelerator.
QString LiteralCaption(const QString &text);
