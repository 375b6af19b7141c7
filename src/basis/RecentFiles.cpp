#include "RecentFiles.h"

#include "FileUtils.h"
#include "ProgramPaths.h"
#include "Registry.h"

#include <QFileInfo>

void TRecentFiles::Load(const QString &key)
{
    const int stored = RegReadInteger(key, "AnzFiles", 0);
    Entries.clear();
    for (int i = 1; i <= stored; ++i) {
        const QString name = RegReadString(key, "File" + QString::number(i), QString()).trimmed();
        if (!name.isEmpty() && QFileInfo::exists(name) && Count() < RecentListMaximum)
            Entries << name;
    }
}

void TRecentFiles::Save(const QString &key) const
{
    TRegistryBatch batch;
    RegWriteInteger(key, "AnzFiles", Count());
    for (int i = 1; i <= Count(); ++i)
        RegWriteString(key, "File" + QString::number(i), Slot(i));
}

void TRecentFiles::Clear(const QString &key)
{
    RegWriteInteger(key, "AnzFiles", 0);
    Entries.clear();
}

int TRecentFiles::IndexOf(const QString &fileName) const
{
    const QString upper = UpperFileName(fileName);
    for (int i = 0; i < Count(); ++i) {
        if (UpperFileName(Entries[i]) == upper)
            return i;
    }
    return -1;
}

void TRecentFiles::Add(const QString &fileName)
{
    if (IndexOf(fileName) >= 0)
        return;
    while (Count() >= RecentListMaximum)
        Entries.removeLast();
    Entries.prepend(fileName);
}

void TRecentFiles::Remove(const QString &fileName)
{
    const int index = IndexOf(fileName);
    if (index >= 0)
        Entries.removeAt(index);
}

TRecentFiles &RecentFiles()
{
    static TRecentFiles list;
    return list;
}

void LoadRecentFiles(const QString &key)
{
    RecentFiles().Load(key);
}

void SaveRecentFiles(const QString &key)
{
    RecentFiles().Save(key);
}

void ClearRecentFiles(const QString &key)
{
    RecentFiles().Clear(key);
}

void AddRecentFile(const QString &fileName)
{
    RecentFiles().Add(fileName);
}

void RemoveRecentFile(const QString &fileName)
{
    RecentFiles().Remove(fileName);
}

QString RecentFileCaption(int i, const QString &fileName)
{
    // An ampersand in the path must show as itself, not as an accelerator.
    QString shown = fileName;
    shown.replace('&', "&&");
    return "&" + QString::number(i) + ". " + shown;
}
