#pragma once

#include <QList>

class QAction;
class QMenu;

// The recent-file items of a "&Datei" menu: the separator MnStrichAlteDateien and the entries
// MnAlteDatei1..9, all hidden until RefreshRecentFileItems shows them.
struct TRecentFileItems
{
    QAction *Separator = nullptr;
    QList<QAction *> Entries;
};

// Appends the hidden recent-file items to the menu.
TRecentFileItems AddRecentFileItems(QMenu *menu);
// Shows the separator and one entry per listed file ("&1. path" ...), hides the rest.
void RefreshRecentFileItems(const TRecentFileItems &items);
// Hides the separator and every entry.
void HideRecentFileItems(const TRecentFileItems &items);
