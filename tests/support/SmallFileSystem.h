#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <sys/mount.h>

// A small tmpfs file system, mounted for the lifetime of the object when the process may.
class TSmallFileSystem
{
public:
    explicit TSmallFileSystem(const QString &mountPoint)
        : Path(mountPoint)
    {
        QDir().mkpath(mountPoint);
        Mounted = ::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k")
                  == 0;
        Error = Mounted ? 0 : errno;
    }
    ~TSmallFileSystem()
    {
        if (Mounted)
            ::umount(QFile::encodeName(Path).constData());
    }
    TSmallFileSystem(const TSmallFileSystem &) = delete;
    TSmallFileSystem &operator=(const TSmallFileSystem &) = delete;

    // Mounts it again read-only: nobody, the super-user included, may change it then.
    bool MakeReadOnly()
    {
        return ::mount("tmpfs",
                       QFile::encodeName(Path).constData(),
                       "tmpfs",
                       MS_REMOUNT | MS_RDONLY,
                       "size=64k")
               == 0;
    }

    // Fills the rest up to the last byte with a file named "filler".
    void FillUp() const
    {
        QFile filler(Path + "/filler");
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

    QString Path;
    bool Mounted = false;
    int Error = 0;
};
