#include "SafeFileWrite.h"

#include "FileUtils.h"
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Permission bits of a new file; the process's umask takes away what the user does not grant.
constexpr mode_t NewFileMode = 0666;
constexpr mode_t PermissionBits = 07777;

// The file that receives the bytes, as it was before the save.
struct TTarget
{
    QString Path;
    bool Exists = false;
    struct stat Info = {};
};

TTarget InspectTarget(const QString &path)
{
    TTarget target;
    target.Path = path;
    target.Exists = ::stat(QFile::encodeName(path).constData(), &target.Info) == 0;
    return target;
}

QString FolderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

bool InGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    return std::find(groups, groups + std::max(count, 0), group) != groups + std::max(count, 0);
}

// A new file made by this process would get another owner or group than the existing one, and
// the process cannot hand it back (only the super-user can).
bool OwnerWouldChange(const struct stat &info)
{
    if (::geteuid() == 0)
        return false;
    return info.st_uid != ::geteuid() || !InGroup(info.st_gid);
}

// Writes all bytes from the start of the file, one system write after the other.
int WriteAll(TFileWriter &writer, int handle, const QByteArray &bytes)
{
    qint64 offset = 0;
    while (offset < bytes.size()) {
        qint64 written = 0;
        const int error = writer.Write(handle,
                                       offset,
                                       bytes.constData() + offset,
                                       bytes.size() - offset,
                                       written);
        if (error != 0)
            return error;
        if (written <= 0)
            return EIO;
        offset += written;
    }
    return 0;
}

// Creates a new hidden file beside the target (".name.XXXXXX").
int CreateTemporary(
    TFileWriter &writer, const QString &target, mode_t mode, QString &path, int &handle)
{
    const QFileInfo info(target);
    // A name near the system's limit still leaves room for the suffix.
    const QString stem = info.absolutePath() + "/." + info.fileName().left(100) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem + QString::number(QRandomGenerator::global()->generate() % 1000000, 36);
        const int error = writer.Create(path, mode, handle);
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

// Gives the new file the old one's owner and permission bits (the owner first: changing it
// clears the set-user-id bits).
int KeepModeAndOwner(TFileWriter &writer, int handle, const struct stat &old)
{
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (const int error = writer.SetOwner(handle, old.st_uid, old.st_gid))
            return error;
    }
    return writer.SetMode(handle, old.st_mode & PermissionBits);
}

// Fills a file just created: the bytes, the old file's owner and mode when given, synced and
// closed. The file is removed again when any step fails.
int FillNewFile(TFileWriter &writer,
                int handle,
                const QString &path,
                const QByteArray &bytes,
                const struct stat *keep)
{
    int error = WriteAll(writer, handle, bytes);
    if (error == 0 && keep)
        error = KeepModeAndOwner(writer, handle, *keep);
    if (error == 0)
        error = writer.Sync(handle);
    const int closeError = writer.Close(handle);
    if (error == 0)
        error = closeError;
    if (error != 0)
        writer.Remove(path);
    return error;
}

QString NoBackupNote(const QString &fileName)
{
    return "keine Sicherungskopie " + QFileInfo(BackupFileName(fileName)).fileName();
}

// Removes a backup name, also a symbolic link, so that a new backup can take it.
bool ClearBackupName(const QString &backup)
{
    const QFileInfo info(backup);
    if (!info.exists() && !info.isSymLink())
        return true;
    return ForceDeleteFile(backup);
}

bool SameFile(const QString &a, const struct stat &b)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(a).constData(), &info) == 0 && info.st_dev == b.st_dev
           && info.st_ino == b.st_ino;
}

// Keeps the old file under the backup name: a second name for it when the file system allows,
// else a synced copy of its bytes.
bool KeepBackup(TFileWriter &writer, const QString &named, const TTarget &target, bool copy)
{
    const QString backup = BackupFileName(named);
    if (!ClearBackupName(backup))
        return false;
    if (!copy && writer.Link(target.Path, backup) == 0)
        return true;
    QFile file(target.Path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    int handle = -1;
    return writer.Create(backup, target.Info.st_mode & PermissionBits, handle) == 0
           && FillNewFile(writer, handle, backup, old, nullptr) == 0;
}

// The usual way: a complete, synced temporary file replaces the old one in one step.
TSaveResult ReplaceThroughTemporary(TFileWriter &writer,
                                    const QString &named,
                                    const TTarget &target,
                                    const QByteArray &bytes,
                                    bool backup)
{
    QString temporary;
    int handle = -1;
    const mode_t mode = target.Exists ? target.Info.st_mode & PermissionBits : NewFileMode;
    int error = CreateTemporary(writer, target.Path, mode, temporary, handle);
    if (error == 0)
        error = FillNewFile(writer, handle, temporary, bytes, target.Exists ? &target.Info : nullptr);
    if (error != 0)
        return TSaveResult::Failed(SaveErrorMessage(named, error, target.Exists));
    const bool backupMade = !backup || !target.Exists || KeepBackup(writer, named, target, false);
    if (const int renameError = writer.Rename(temporary, target.Path)) {
        writer.Remove(temporary);
        return TSaveResult::Failed(SaveErrorMessage(named, renameError, target.Exists));
    }
    // The new name is in place; a failed folder sync only means the system may still hold it
    // in memory, which nothing here can change.
    writer.SyncDirectory(FolderOf(target.Path));
    return TSaveResult::Saved(backupMade ? QString() : NoBackupNote(named));
}

// A synced copy of the old bytes beside the file while it is overwritten: the backup when one
// is wanted and can be made, else a hidden copy (named in `path`) that goes afterwards.
int KeepSafetyCopy(TFileWriter &writer,
                   const QString &named,
                   const TTarget &target,
                   const QByteArray &old,
                   bool backup,
                   QString &path,
                   bool &isBackup)
{
    isBackup = backup && KeepBackup(writer, named, target, true);
    if (isBackup) {
        path = BackupFileName(named);
        return 0;
    }
    int handle = -1;
    const int error = CreateTemporary(writer, target.Path, 0600, path, handle);
    return error != 0 ? error : FillNewFile(writer, handle, path, old, nullptr);
}

// Writes the bytes over the open file and cuts it to their length; when that fails, the old
// bytes go back in. restored tells whether the file holds its old bytes after a failure.
int Overwrite(
    TFileWriter &writer, int handle, const QByteArray &bytes, const QByteArray &old, bool &restored)
{
    restored = true;
    if (const int error = writer.Reserve(handle, bytes.size()))
        return error;
    int error = WriteAll(writer, handle, bytes);
    if (error == 0)
        error = writer.Truncate(handle, bytes.size());
    if (error == 0)
        error = writer.Sync(handle);
    if (error != 0)
        restored = WriteAll(writer, handle, old) == 0 && writer.Truncate(handle, old.size()) == 0
                   && writer.Sync(handle) == 0;
    return error;
}

// For a file with several hard links (or one whose owner a new file could not keep): the bytes
// are written into the file itself, so that every name keeps showing the same file.
TSaveResult OverwriteInPlace(TFileWriter &writer,
                             const QString &named,
                             const TTarget &target,
                             const QByteArray &bytes,
                             bool backup)
{
    QFile file(target.Path);
    if (!file.open(QIODevice::ReadOnly))
        return TSaveResult::Failed(SaveErrorMessage(named, errno, true));
    const QByteArray old = file.readAll();
    file.close();
    QString safety;
    bool isBackup = false;
    int handle = -1;
    int error = KeepSafetyCopy(writer, named, target, old, backup, safety, isBackup);
    if (error == 0)
        error = writer.OpenExisting(target.Path, handle);
    if (error != 0) {
        if (!isBackup && !safety.isEmpty())
            writer.Remove(safety);
        return TSaveResult::Failed(SaveErrorMessage(named, error, true));
    }
    bool restored = true;
    error = Overwrite(writer, handle, bytes, old, restored);
    const int closeError = writer.Close(handle);
    if (error == 0 && closeError != 0) {
        error = closeError;
        restored = false;
    }
    if (!restored)
        return TSaveResult::Failed(SaveErrorMessage(named, error, false)
                                   + "\r\nDie bisherige Fassung steht in\r\n" + safety);
    if (!isBackup)
        writer.Remove(safety);
    if (error != 0)
        return TSaveResult::Failed(SaveErrorMessage(named, error, true));
    return TSaveResult::Saved(backup && !isBackup ? NoBackupNote(named) : QString());
}

} // namespace

QString SaveTargetOf(const QString &fileName)
{
    QString path = QFileInfo(fileName).absoluteFilePath();
    // Forty links deep is what the system itself follows; a loop then fails with its reason.
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget();
    }
    return path;
}

QString SaveErrorMessage(const QString &fileName, int errorNumber, bool fileUnchanged)
{
    QString message = "Die Datei\r\n" + fileName + "\r\nkann nicht gespeichert werden:\r\n"
                      + FileErrorReason(errorNumber, qt_error_string(errorNumber));
    if (fileUnchanged)
        message += "\r\nDie Datei auf dem Datenträger ist unverändert.";
    return message;
}

TSaveResult WriteFileSafely(const QString &fileName,
                            const QByteArray &bytes,
                            bool backup,
                            TFileWriter &writer)
{
    TTarget target = InspectTarget(SaveTargetOf(fileName));
    if (target.Exists && S_ISDIR(target.Info.st_mode))
        return TSaveResult::Failed(SaveErrorMessage(fileName, EISDIR, true));
    if (target.Exists && !S_ISREG(target.Info.st_mode))
        return TSaveResult::Failed("Die Datei\r\n" + fileName
                                   + "\r\nkann nicht gespeichert werden:\r\nSie ist keine "
                                     "normale Datei.");
    // A backup name that is a second name of the file itself is left from an interrupted save;
    // it holds nothing the file does not hold.
    if (target.Exists && backup && SameFile(BackupFileName(fileName), target.Info)) {
        writer.Remove(BackupFileName(fileName));
        target = InspectTarget(target.Path);
    }
    if (target.Exists && (target.Info.st_nlink > 1 || OwnerWouldChange(target.Info)))
        return OverwriteInPlace(writer, fileName, target, bytes, backup);
    return ReplaceThroughTemporary(writer, fileName, target, bytes, backup);
}

bool MakeBackup(const QString &fileName, TFileWriter &writer)
{
    const TTarget target = InspectTarget(SaveTargetOf(fileName));
    if (!target.Exists || !S_ISREG(target.Info.st_mode))
        return true;
    return KeepBackup(writer, fileName, target, false);
}
