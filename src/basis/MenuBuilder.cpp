#include "MenuBuilder.h"

#include <QMenu>

void TMenuAction::BindCommand(std::function<void()> command)
{
    connect(this, &QAction::triggered, this, [command = std::move(command)] { command(); });
    Bound = true;
    setEnabled(true);
}

QMenu *CreateMenu(QWidget *owner,
                  const char *name,
                  const QString &caption,
                  const QString &hint,
                  int helpContext,
                  int groupIndex)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Action");
    menu->menuAction()->setStatusTip(hint);
    menu->menuAction()->setProperty(HelpContextProperty, helpContext);
    menu->setProperty(GroupIndexProperty, groupIndex);
    return menu;
}

TMenuAction *CreateAction(QObject *owner, const TMenuItem &item)
{
    auto *action = new TMenuAction(QString::fromUtf8(item.Caption), owner);
    action->setObjectName(item.Name);
    if (QString(item.Caption) == "-") {
        action->setText({});
        action->setSeparator(true);
        return action;
    }
    if (*item.Shortcut)
        action->setShortcut(QKeySequence(QString::fromUtf8(item.Shortcut)));
    action->setStatusTip(QString::fromUtf8(item.Hint));
    action->setProperty(HelpContextProperty, item.HelpContext);
    action->setCheckable(item.Checkable);
    if (item.Literal)
        action->setText(LiteralCaption(QString::fromUtf8(item.Caption)));
    if (item.Command)
        action->BindCommand(item.Command);
    else
        action->setEnabled(false);
    return action;
}

namespace {

QAction *AddSubmenu(QMenu *menu, const TMenuItem &item)
{
    auto *submenu = new QMenu(QString::fromUtf8(item.Caption), menu);
    submenu->setObjectName(item.Name);
    QAction *action = submenu->menuAction();
    action->setStatusTip(QString::fromUtf8(item.Hint));
    action->setProperty(HelpContextProperty, item.HelpContext);
    AddMenuItems(submenu, item.SubItems);
    menu->addMenu(submenu);
    return action;
}

} // namespace

QList<QAction *> AddMenuItems(QMenu *menu, const std::vector<TMenuItem> &items)
{
    QList<QAction *> actions;
    for (const TMenuItem &item : items) {
        if (!item.SubItems.empty()) {
            actions << AddSubmenu(menu, item);
            continue;
        }
        QAction *action = CreateAction(menu, item);
        menu->addAction(action);
        actions << action;
    }
    return actions;
}

QString LiteralCaption(const QString &text)
{
    QString doubled = text;
    return doubled.replace('&', "&&");
}
