#include "RecentFileMenu.h"

#include "MenuBuilder.h"
#include "RecentFiles.h"

#include <QAction>
#include <QMenu>

namespace {

constexpr const char *RecentHint = "Zeigt eine Liste der zuletzt geschlossenen Dateien an";

const TMenuItemSpec RecentItems[] = {
    {"MnStrichAlteDateien", "-"},
    {"MnAlteDatei1", "MnAlteDatei1", "", RecentHint, 121},
    {"MnAlteDatei2", "MnAlteDatei2", "", RecentHint, 121},
    {"MnAlteDatei3", "MnAlteDatei3", "", RecentHint, 121},
    {"MnAlteDatei4", "MnAlteDatei4", "", RecentHint, 121},
    {"MnAlteDatei5", "MnAlteDatei5"},
    {"MnAlteDatei6", "MnAlteDatei6"},
    {"MnAlteDatei7", "MnAlteDatei7"},
    {"MnAlteDatei8", "MnAlteDatei8"},
    {"MnAlteDatei9", "MnAlteDatei9"},
};

} // namespace

TRecentFileItems AddRecentFileItems(QMenu *menu)
{
    TRecentFileItems items;
    const QList<QAction *> actions = AddMenuItems(menu, RecentItems);
    items.Separator = actions.first();
    items.Entries = actions.mid(1);
    HideRecentFileItems(items);
    return items;
}

void HideRecentFileItems(const TRecentFileItems &items)
{
    items.Separator->setVisible(false);
    for (QAction *entry : items.Entries)
        entry->setVisible(false);
}

void RefreshRecentFileItems(const TRecentFileItems &items)
{
    HideRecentFileItems(items);
    const int shown = std::min<int>(RecentFiles().Count(), static_cast<int>(items.Entries.size()));
    if (shown == 0)
        return;
    items.Separator->setVisible(true);
    for (int i = 1; i <= shown; ++i) {
        QAction *entry = items.Entries[i - 1];
        entry->setText(RecentFileCaption(i, RecentFiles().Slot(i)));
        entry->setVisible(true);
    }
}
