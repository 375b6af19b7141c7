#include "FileWriter.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TSystemFileWriter SystemWriter;
TFileWriter *CurrentWriter = nullptr;

int ErrorOf(int status)
{
    return status == 0 ? 0 : errno;
}

// Retries a call that a signal interrupted.
template<typename F>
auto Retry(F &&call)
{
    for (;;) {
        const auto status = call();
        if (status >= 0 || errno != EINTR)
            return status;
    }
}

} // namespace

int TSystemFileWriter::Create(const QString &path, mode_t mode, int &handle)
{
    const QByteArray name = QFile::encodeName(path);
    handle = Retry(
        [&] { return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
    return handle < 0 ? errno : 0;
}

int TSystemFileWriter::OpenExisting(const QString &path, int &handle)
{
    const QByteArray name = QFile::encodeName(path);
    handle = Retry([&] { return ::open(name.constData(), O_WRONLY | O_CLOEXEC); });
    return handle < 0 ? errno : 0;
}

int TSystemFileWriter::Write(
    int handle, qint64 offset, const char *data, qint64 size, qint64 &written)
{
    const ssize_t count = Retry([&] { return ::pwrite(handle, data, size_t(size), off_t(offset)); });
    written = count < 0 ? 0 : count;
    return count < 0 ? errno : 0;
}

int TSystemFileWriter::Reserve(int handle, qint64 size)
{
    if (size <= 0)
        return 0;
    // posix_fallocate reports its error as its result, not through errno.
    const int error = ::posix_fallocate(handle, 0, off_t(size));
    // A file system that cannot reserve space still gets the write; its own check follows.
    return error == EOPNOTSUPP || error == EINVAL ? 0 : error;
}

int TSystemFileWriter::Truncate(int handle, qint64 size)
{
    return ErrorOf(Retry([&] { return ::ftruncate(handle, off_t(size)); }));
}

int TSystemFileWriter::SetMode(int handle, mode_t mode)
{
    return ErrorOf(::fchmod(handle, mode));
}

int TSystemFileWriter::SetOwner(int handle, uid_t owner, gid_t group)
{
    return ErrorOf(::fchown(handle, owner, group));
}

int TSystemFileWriter::Sync(int handle)
{
    return ErrorOf(Retry([&] { return ::fsync(handle); }));
}

int TSystemFileWriter::Close(int handle)
{
    // close is not retried: after EINTR the descriptor is already released on Linux.
    return ErrorOf(::close(handle));
}

int TSystemFileWriter::Rename(const QString &from, const QString &to)
{
    return ErrorOf(::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()));
}

int TSystemFileWriter::Link(const QString &existing, const QString &newName)
{
    return ErrorOf(
        ::link(QFile::encodeName(existing).constData(), QFile::encodeName(newName).constData()));
}

int TSystemFileWriter::Remove(const QString &path)
{
    return ErrorOf(::unlink(QFile::encodeName(path).constData()));
}

int TSystemFileWriter::SyncDirectory(const QString &directory)
{
    const QByteArray name = QFile::encodeName(directory);
    const int handle = Retry(
        [&] { return ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (handle < 0)
        return errno;
    const int error = ErrorOf(Retry([&] { return ::fsync(handle); }));
    ::close(handle);
    return error;
}

TFileWriter &FileWriter()
{
    return CurrentWriter ? *CurrentWriter : SystemWriter;
}

TFileWriter *SetFileWriter(TFileWriter *writer)
{
    TFileWriter *previous = CurrentWriter;
    CurrentWriter = writer;
    return previous;
}
