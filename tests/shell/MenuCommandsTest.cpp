#include "FMain.h"
#include "MenuBuilder.h"
#include "Registry.h"
#include "ScriptedPrompter.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What a walk through the menus found: enabled items that would do nothing when chosen, and the
// disabled items the user sees, each as "menu/item ".
struct TMenuWalk
{
    QString Silent;
    QString Disabled;
    int Walked = 0;
};

void WalkMenu(const QMenu &menu, TMenuWalk &walk)
{
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu()) {
            WalkMenu(*action->menu(), walk);
            continue;
        }
        ++walk.Walked;
        const QString name = menu.objectName() + "/" + action->objectName() + " ";
        const auto *bound = dynamic_cast<TMenuAction *>(action);
        if (!action->isEnabled()) {
            // Hidden items, such as unused recent-file places, are not shown to the user.
            if (action->isVisible())
                walk.Disabled += name;
        } else if (!(bound && bound->HasCommand()))
            walk.Silent += name;
    }
}

// Walks every menu bar menu below root (the frame's own and every window's merged ones) and
// their submenus. Silent items are plain actions, or menu actions without a command.
TMenuWalk WalkMenus(const QObject &root)
{
    TMenuWalk walk;
    const QList<QMenu *> menus = root.findChildren<QMenu *>();
    for (const QMenu *menu : menus) {
        if (menu->property(GroupIndexProperty).isValid())
            WalkMenu(*menu, walk);
    }
    return walk;
}

TEST(MenuCommands, TheWalkFindsSilentItemsInSubmenus)
{
    QWidget owner;
    QMenu *menu = CreateMenu(&owner, "MnTest", "&Test", {}, 0, 2);
    AddMenuItems(menu,
                 {{"MnOk", "Ok", "", "", 0, [] {}},
                  {"MnSub", "Sub", "", "", 0, {}, {{"MnLater", "Später"}}}});
    menu->findChild<QMenu *>("MnSub")->addAction("Stumm")->setObjectName("MnStumm");
    const TMenuWalk walk = WalkMenus(owner);
    EXPECT_EQ(walk.Silent.toStdString(), "MnSub/MnStumm ");
    EXPECT_EQ(walk.Disabled.toStdString(), "MnSub/MnLater ");
    EXPECT_EQ(walk.Walked, 3);
}

TEST(MenuCommands, EveryEnabledItemOfTheFrameAndBothWindowsHasACommand)
{
    QTemporaryDir dir;
    qputenv("HTML_EDITOR_REGISTRY", dir.filePath("registry.json").toLocal8Bit());
    qputenv("HTML_EDITOR_HOME", dir.filePath("home").toLocal8Bit());
    ResetRegistry();
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TFMain frame({});
    for (const char *name : {"page.html", "style.css"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        frame.OpenFile(file.fileName());
    }
    ASSERT_EQ(frame.DocumentWindows().size(), 2);

    const TMenuWalk walk = WalkMenus(frame);
    EXPECT_EQ(walk.Silent.toStdString(), "");
    // Every part is built: only the two items that do nothing by design stay disabled.
    EXPECT_EQ(walk.Disabled.toStdString(),
              "MnSchriftMenue/MnDefine_FontSize MnJavaSkript/MnInsertPopupfenster ");
    // The frame's menus and both windows' menus with their recent-file entries.
    EXPECT_GT(walk.Walked, 120);
    // The last parts built, the network drive dialogs, are reached from the frame's menu.
    for (const char *name : {"MnNetzwerklaufwerkVerbinden", "MnNetzwerklaufwerkTrennen"}) {
        const auto *action = dynamic_cast<const TMenuAction *>(frame.findChild<QAction *>(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isEnabled() && action->HasCommand()) << name;
    }
    for (TFHTMLFrame *window : frame.DocumentWindows())
        window->CloseWithoutQuery();
    ResetRegistry();
}

} // namespace
