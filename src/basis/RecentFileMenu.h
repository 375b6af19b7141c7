#pragma once

#include <QList>

#include <functional>

class QAction;
class QMenu;

// The recent-file items of a "&Datei" menu: the separator MnStrichAlteDateien and the entries
// MnAlteDatei1..9, all hidden until RefreshRecentFileItems shows them.
struct TRecentFileItems
{
    QAction *Separator = nullptr;
    QList<QAction *> Entries;
};

// Appends the hidden recent-file items to the menu; entry N runs openSlot(N).
TRecentFileItems AddRecentFileItems(QMenu *menu, const std::function<void(int)> &openSlot);
// Shows the separator and one entry per listed file ("&1. path" ...), hides the rest.
void RefreshRecentFileItems(const TRecentFileItems &items);
// Hides the separator and every entry.
void HideRecentFileItems(const TRecentFileItems &items);
