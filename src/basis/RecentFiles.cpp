#include "RecentFiles.h"

#include "FileUtils.h"
#include "ProgramPaths.h"
#include "Registry.h"

#include <QFileInfo>

void TRecentFiles::Load(const QString &key)
{
    const int stored = RegReadInteger(key, "AnzFiles", 0);
    Entries.clear();
    // The entries are stored without gaps: the first missing value ends the list, whatever a
    // damaged "AnzFiles" claims.
    for (int i = 1; i <= stored && Count() < RecentListMaximum; ++i) {
        const QString value = "File" + QString::number(i);
        if (!Registry().Value(key, value))
            break;
        const QString name = RegReadString(key, value, QString()).trimmed();
        // Folders and relative names are no entries; the list holds full paths of files.
        if (!name.isEmpty() && QFileInfo(name).isFile() && QFileInfo(name).isAbsolute())
            Entries << CanonicalFileName(name);
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
    for (int i = 0; i < Count(); ++i) {
        if (SameFileName(Entries[i], fileName))
            return i;
    }
    return -1;
}

void TRecentFiles::Add(const QString &fileName)
{
    // A window without a file (a new document never saved) leaves no entry.
    if (fileName.isEmpty() || IndexOf(fileName) >= 0)
        return;
    while (Count() >= RecentListMaximum)
        Entries.removeLast();
    Entries.prepend(CanonicalFileName(fileName));
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
