#include "MenuBuilder.h"

#include <QAction>
#include <QMenu>

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

QAction *CreateAction(QObject *owner, const TMenuItemSpec &item)
{
    auto *action = new QAction(QString::fromUtf8(item.Caption), owner);
    action->setObjectName(item.Name);
    if (QString(item.Caption) == "-") {
        action->setText({});
        action->setSeparator(true);
    }
    if (*item.Shortcut)
        action->setShortcut(QKeySequence(QString::fromUtf8(item.Shortcut)));
    action->setStatusTip(QString::fromUtf8(item.Hint));
    action->setProperty(HelpContextProperty, item.HelpContext);
    return action;
}

QList<QAction *> AddMenuItems(QMenu *menu, std::span<const TMenuItemSpec> items)
{
    QList<QAction *> actions;
    for (const TMenuItemSpec &item : items) {
        QAction *action = CreateAction(menu, item);
        menu->addAction(action);
        actions << action;
    }
    return actions;
}
