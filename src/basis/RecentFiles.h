#pragma once

#include <QString>
#include <QStringList>

// The program-wide list of recently closed files, most recent first, at most
// RecentListMaximum entries, each a full path. Names compare as SameFileName does.
class TRecentFiles
{
public:
    int Count() const { return static_cast<int>(Entries.size()); }
    // Slot i, counted from 1 as the menu items count.
    QString Slot(int i) const { return Entries.value(i - 1); }
    const QStringList &Files() const { return Entries; }

    // Keeps the registry's entries whose files exist, in order, up to the maximum.
    void Load(const QString &key);
    // Writes "AnzFiles" and "File1".."FileN".
    void Save(const QString &key) const;
    // Writes "AnzFiles" = 0 and empties the list.
    void Clear(const QString &key);
    // Puts a file at the top unless it is already listed (then nothing moves).
    void Add(const QString &fileName);
    void Remove(const QString &fileName);

private:
    int IndexOf(const QString &fileName) const;

    QStringList Entries;
};

// The list shared by the frame and every document window.
TRecentFiles &RecentFiles();

// Registry key of the program's settings and of the recent-file list.
inline const QString MainRegistryKey = QStringLiteral("\\SOFTWARE\\KALMORA\\HTML");

void LoadRecentFiles(const QString &key);
void SaveRecentFiles(const QString &key);
void ClearRecentFiles(const QString &key);
void AddRecentFile(const QString &fileName);
void RemoveRecentFile(const QString &fileName);

// Caption of recent-file menu item i (1-based): "&i. " + path.
QString RecentFileCaption(int i, const QString &fileName);
