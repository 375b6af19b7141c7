#include "DiskWatch.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>
#include <time.h>

namespace {

// Some file systems keep modification times in steps of two seconds (FAT), most in steps of a
// clock tick; a file written again within this time may keep its modification time.
constexpr qint64 SameTickNs = 3'000'000'000;

qint64 NowNs()
{
    timespec now = {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool SameStat(const TFileStamp &a, const TFileStamp &b)
{
    return a.Exists == b.Exists && a.Device == b.Device && a.Inode == b.Inode && a.Size == b.Size
           && a.ModifiedNs == b.ModifiedNs;
}

// A later write could still leave the modification time as it is.
bool WithinSameTick(const TFileStamp &stamp)
{
    return NowNs() - stamp.ModifiedNs < SameTickNs;
}

QByteArray HashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// The hash of the file's content; empty when it cannot be read.
QByteArray HashOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

} // namespace

TFileStamp FileStampOf(const QString &path)
{
    TFileStamp stamp;
    struct stat info = {};
    // A folder or device standing where the file was is no version of it: the file is gone.
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.Exists = true;
    stamp.Device = info.st_dev;
    stamp.Inode = info.st_ino;
    stamp.Size = info.st_size;
    stamp.ModifiedNs = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return stamp;
}

void TDiskWatch::Remember(const TFileStamp &stamp, const QByteArray &bytes)
{
    Watching = true;
    Known = stamp;
    Known.Hash = stamp.Exists && WithinSameTick(stamp) ? HashOf(bytes) : QByteArray();
    Reported = Known;
}

void TDiskWatch::Forget()
{
    Watching = false;
    Known = Reported = TFileStamp();
}

TFileStamp TDiskWatch::Current(const QString &path) const
{
    TFileStamp now = FileStampOf(path);
    // Only a file that looks unchanged needs its content compared; one that cannot be read
    // counts as unchanged.
    if (!Known.Hash.isEmpty() && SameStat(now, Known)) {
        now.Hash = HashOfFile(path);
        if (now.Hash.isEmpty())
            now.Hash = Known.Hash;
    }
    return now;
}

TDiskChange TDiskWatch::Compare(const TFileStamp &now)
{
    if (!now.Exists)
        return Known.Exists ? TDiskChange::Deleted : TDiskChange::None;
    if (now != Known)
        return TDiskChange::Changed;
    // Once the clock has moved on, any further write changes the modification time.
    if (!Known.Hash.isEmpty() && !WithinSameTick(Known))
        Known.Hash.clear();
    return TDiskChange::None;
}

TDiskChange TDiskWatch::Check(const QString &path)
{
    if (!Watching)
        return TDiskChange::None;
    return Compare(Current(path));
}

TDiskChange TDiskWatch::TakeNewChange(const QString &path)
{
    if (!Watching)
        return TDiskChange::None;
    const TFileStamp now = Current(path);
    const TDiskChange change = Compare(now);
    if (change == TDiskChange::None || now == Reported)
        return TDiskChange::None;
    Reported = now;
    return change;
}
