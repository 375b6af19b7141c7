#include "ScratchFiles.h"

#include "FileUtils.h"

#include <QDir>
#include <QFile>

void DeleteScratchFilesIn(const QString &directory)
{
    const QDir folder(directory);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &prefix : {QStringLiteral("TEMP"), QStringLiteral("TMP")}) {
        for (const QString &name : names) {
            if (!name.startsWith(prefix, Qt::CaseInsensitive))
                continue;
            // The attributes are cleared first; only a file whose attributes could be cleared
            // is deleted.
            const QString path = folder.filePath(name);
            if (QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
                ForceDeleteFile(path);
        }
    }
}
