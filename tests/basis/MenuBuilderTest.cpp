#include "MenuBuilder.h"

#include <QMenu>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TMenuAction *Built(QMenu &menu, const char *name)
{
    return dynamic_cast<TMenuAction *>(menu.findChild<QAction *>(name));
}

TEST(MenuBuilder, ItemsRunTheirCommandAndItemsWithoutOneAreDisabled)
{
    QWidget owner;
    QMenu menu(&owner);
    int runs = 0;
    AddMenuItems(&menu,
                 std::vector<TMenuItem>{
                     {"MnBound", "&Gebunden", "Ctrl+B", "Hinweis", 7, [&runs] { ++runs; }},
                     {"MnStrich", "-"},
                     {"MnLater", "Später"},
                 });
    TMenuAction *bound = Built(menu, "MnBound");
    ASSERT_NE(bound, nullptr);
    EXPECT_TRUE(bound->isEnabled());
    EXPECT_TRUE(bound->HasCommand());
    EXPECT_EQ(bound->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_EQ(bound->statusTip(), "Hinweis");
    EXPECT_EQ(bound->property(HelpContextProperty).toInt(), 7);
    bound->trigger();
    EXPECT_EQ(runs, 1);

    TMenuAction *later = Built(menu, "MnLater");
    ASSERT_NE(later, nullptr);
    EXPECT_FALSE(later->isEnabled());
    EXPECT_FALSE(later->HasCommand());
    EXPECT_TRUE(Built(menu, "MnStrich")->isSeparator());
}

TEST(MenuBuilder, SubItemsBecomeASubmenuWithTheirOwnCommands)
{
    QWidget owner;
    QMenu menu(&owner);
    QString ran;
    AddMenuItems(&menu,
                 std::vector<TMenuItem>{
                     {"MnGeruest",
                      "Grundgerüst",
                      "",
                      "",
                      0,
                      {},
                      {{"MnT1", "T1", "", "", 0, [&ran] { ran = "T1"; }}}},
                 });
    auto *submenu = menu.findChild<QMenu *>("MnGeruest");
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu->title(), "Grundgerüst");
    ASSERT_NE(Built(*submenu, "MnT1"), nullptr);
    Built(*submenu, "MnT1")->trigger();
    EXPECT_EQ(ran, "T1");
}

TEST(MenuBuilder, LiteralCaptionKeepsAmpersandsAsText)
{
    EXPECT_EQ(LiteralCaption("Leerzeichen (&#x0020;)"), "Leerzeichen (&&#x0020;)");
    EXPECT_EQ(LiteralCaption("ohne"), "ohne");

    QWidget owner;
    QMenu menu(&owner);
    TMenuItem literal{"MnSpace", "Leerzeichen (&#x0020;)", "", "", 0, [] {}};
    literal.Literal = true;
    AddMenuItems(&menu, std::vector<TMenuItem>{literal});
    EXPECT_EQ(Built(menu, "MnSpace")->text(), "Leerzeichen (&&#x0020;)");
}

} // namespace
