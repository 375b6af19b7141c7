#include "FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TSplitFileName SplitFileName(const QString &path)
{
    TSplitFileName parts;
    const int slash = path.lastIndexOf(PathSeparator);
    parts.Dir = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    const int dot = name.lastIndexOf('.');
    if (dot < 0) {
        parts.Base = name;
    } else {
        parts.Base = name.left(dot);
        parts.Ext = name.mid(dot);
    }
    return parts;
}

QString AddBackslash(const QString &path)
{
    if (path.endsWith(PathSeparator))
        return path;
    return path + PathSeparator;
}

bool IsReadOnlyFile(const QString &fileName)
{
    // The system decides (effective user, groups, access lists, read-only mounts), following
    // symbolic links to the file that a save writes.
    const QByteArray path = QFile::encodeName(fileName);
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0)
        return false;
    if ((info.st_mode & 0222) == 0)
        return true;
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
        return true;
    const QByteArray folder = QFile::encodeName(
        QFileInfo(QFileInfo(fileName).canonicalFilePath()).absolutePath());
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0;
}

bool ForceDeleteFile(const QString &fileName)
{
    QFile file(fileName);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    return file.remove();
}

QString BackupFileName(const QString &fileName)
{
    const TSplitFileName parts = SplitFileName(fileName);
    return parts.Dir + parts.Base + ".~" + parts.Ext.mid(1);
}

int64_t FileSize64(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile() || info.isHidden())
        return -1;
    return info.size();
}

bool TryParseInt(const QString &text, int &value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number > 2147483647.0 || number <= -2147483648.0) {
        value = 0;
        return false;
    }
    value = static_cast<int>(std::trunc(number));
    return true;
}

QString CanonicalFileName(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString ResolveTypedFileName(const QString &typed, const QString &defaultExt)
{
    const QFileInfo info(typed);
    if (defaultExt.isEmpty() || info.exists() || !info.suffix().isEmpty())
        return typed;
    const QString wanted = info.fileName() + "." + defaultExt.toLower();
    const QDir folder = info.absoluteDir();
    if (QFileInfo(folder.filePath(wanted)).isFile())
        return folder.filePath(wanted);
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(file);
    }
    return folder.filePath(wanted);
}

bool SameFileName(const QString &a, const QString &b)
{
    return CanonicalFileName(a) == CanonicalFileName(b);
}
