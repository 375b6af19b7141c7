#pragma once

#include <QString>

#include <sys/types.h>

// The steps a save takes on the file system, one call each. Saving goes through this interface
// so that tests can let any single step fail (a full disk at the first byte or half-way, a
// failing sync, close or rename) or stop the process in the middle. Every call returns 0 on
// success or the system's error number (errno).
enum class TFileStep {
    Create,
    OpenExisting,
    Write,
    Reserve,
    Truncate,
    SetMode,
    SetOwner,
    Sync,
    Close,
    Rename,
    Link,
    Remove,
    SyncDirectory,
};

class TFileWriter
{
public:
    virtual ~TFileWriter() = default;

    // Creates a file that must not exist yet, open for writing, with the given permission bits
    // (the process's umask applies).
    virtual int Create(const QString &path, mode_t mode, int &handle) = 0;
    // Opens an existing file for writing without truncating it.
    virtual int OpenExisting(const QString &path, int &handle) = 0;
    // One write of at most size bytes at the offset; written tells how many were written.
    virtual int Write(int handle, qint64 offset, const char *data, qint64 size, qint64 &written) = 0;
    // Makes sure the file has room for size bytes, so that writing them cannot run out of space.
    virtual int Reserve(int handle, qint64 size) = 0;
    virtual int Truncate(int handle, qint64 size) = 0;
    virtual int SetMode(int handle, mode_t mode) = 0;
    virtual int SetOwner(int handle, uid_t owner, gid_t group) = 0;
    // Waits until the file's data is on the disk.
    virtual int Sync(int handle) = 0;
    virtual int Close(int handle) = 0;
    // Replaces `to` by `from` in one step.
    virtual int Rename(const QString &from, const QString &to) = 0;
    // Gives an existing file a second name (a hard link).
    virtual int Link(const QString &existing, const QString &newName) = 0;
    virtual int Remove(const QString &path) = 0;
    // Waits until the folder's entries (a new name, a rename) are on the disk.
    virtual int SyncDirectory(const QString &directory) = 0;
};

// The writer that calls the system.
class TSystemFileWriter : public TFileWriter
{
public:
    int Create(const QString &path, mode_t mode, int &handle) override;
    int OpenExisting(const QString &path, int &handle) override;
    int Write(int handle, qint64 offset, const char *data, qint64 size, qint64 &written) override;
    int Reserve(int handle, qint64 size) override;
    int Truncate(int handle, qint64 size) override;
    int SetMode(int handle, mode_t mode) override;
    int SetOwner(int handle, uid_t owner, gid_t group) override;
    int Sync(int handle) override;
    int Close(int handle) override;
    int Rename(const QString &from, const QString &to) override;
    int Link(const QString &existing, const QString &newName) override;
    int Remove(const QString &path) override;
    int SyncDirectory(const QString &directory) override;
};

// The writer in effect: the system's, unless a test installed another one.
TFileWriter &FileWriter();
// Installs a writer (not owned; null restores the system's) and returns the previous one.
TFileWriter *SetFileWriter(TFileWriter *writer);
