#include "RecentFileMenu.h"

#include "MenuBuilder.h"
#include "RecentFiles.h"

#include <QAction>
#include <QMenu>

namespace {

constexpr const char *RecentHint = "Zeigt eine Liste der zuletzt geschlossenen Dateien an";

// The entries' names, which are also their captions until the list fills them.
constexpr const char *EntryNames[] = {"MnAlteDatei1",
                                      "MnAlteDatei2",
                                      "MnAlteDatei3",
                                      "MnAlteDatei4",
                                      "MnAlteDatei5",
                                      "MnAlteDatei6",
                                      "MnAlteDatei7",
                                      "MnAlteDatei8",
                                      "MnAlteDatei9"};

} // namespace

TRecentFileItems AddRecentFileItems(QMenu *menu, const std::function<void(int)> &openSlot)
{
    std::vector<TMenuItem> rows{{"MnStrichAlteDateien", "-"}};
    for (int slot = 1; slot <= 9; ++slot) {
        // Only the first four items carry the hint and the help context.
        const bool described = slot <= 4;
        rows.push_back({EntryNames[slot - 1],
                        EntryNames[slot - 1],
                        "",
                        described ? RecentHint : "",
                        described ? 121 : 0,
                        [openSlot, slot] { openSlot(slot); }});
    }
    TRecentFileItems items;
    const QList<QAction *> actions = AddMenuItems(menu, rows);
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
