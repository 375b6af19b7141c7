#include "FMain.h"
#include "MenuBuilder.h"
#include "Registry.h"
#include "ScriptedPrompter.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WalkMenu(const QMenu &menu, QString &silent, int &walked)
{
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu()) {
            WalkMenu(*action->menu(), silent, walked);
            continue;
        }
        ++walked;
        const auto *bound = dynamic_cast<TMenuAction *>(action);
        if (action->isEnabled() && !(bound && bound->HasCommand()))
            silent += menu.objectName() + "/" + action->objectName() + " ";
    }
}

// Object names of the enabled items that would do nothing when chosen (plain actions, or menu
// actions without a command), in every menu bar menu below root (the frame's own and every
// window's merged ones) and their submenus.
QString SilentItems(const QObject &root, int *walked)
{
    QString silent;
    const QList<QMenu *> menus = root.findChildren<QMenu *>();
    for (const QMenu *menu : menus) {
        if (menu->property(GroupIndexProperty).isValid())
            WalkMenu(*menu, silent, *walked);
    }
    return silent;
}

TEST(MenuCommands, TheWalkFindsSilentItemsInSubmenus)
{
    QWidget owner;
    QMenu *menu = CreateMenu(&owner, "MnTest", "&Test", {}, 0, 2);
    AddMenuItems(menu,
                 {{"MnOk", "Ok", "", "", 0, [] {}},
                  {"MnSub", "Sub", "", "", 0, {}, {{"MnLater", "Später"}}}});
    menu->findChild<QMenu *>("MnSub")->addAction("Stumm")->setObjectName("MnStumm");
    int walked = 0;
    EXPECT_EQ(SilentItems(owner, &walked).toStdString(), "MnSub/MnStumm ");
    EXPECT_EQ(walked, 3);
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

    int walked = 0;
    EXPECT_EQ(SilentItems(frame, &walked).toStdString(), "");
    // The frame's four menus and both windows' four menus with their recent-file entries.
    EXPECT_GT(walked, 120);
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
