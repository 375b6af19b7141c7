#include "ScratchFiles.h"

#include "FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void DeleteScratchFilesIn(const QString &directory)
{
    const QDir folder(directory);
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &prefix : {QStringLiteral("TEMP"), QStringLiteral("TMP")}) {
        for (const QFileInfo &entry : entries) {
            // Only regular files: a link is never followed, so its target keeps its mode.
            if (!entry.fileName().startsWith(prefix, Qt::CaseInsensitive) || entry.isSymLink()
                || !entry.isFile())
                continue;
            // The attributes are cleared first; only a file whose attributes could be cleared
            // is deleted.
            const QString path = entry.filePath();
            if (QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
                ForceDeleteFile(path);
        }
    }
}
