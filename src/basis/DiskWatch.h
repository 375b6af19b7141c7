#pragma once

#include <QByteArray>
#include <QString>

// Which version of a file is on disk: the file itself (device and inode), its size and its
// modification time to the nanosecond. A program that writes the file again within the same
// tick of the file system's clock, keeping the size, leaves all of these equal; for that case
// the content's hash is kept while the modification time is that close to the present.
struct TFileStamp
{
    bool Exists = false;
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = 0;
    qint64 ModifiedNs = 0;
    // Hash of the content; empty when it was not needed.
    QByteArray Hash;

    bool operator==(const TFileStamp &other) const = default;
};

// The stamp of the file now, from the file system alone (no hash). Symbolic links are
// followed to the file a save writes; anything but a regular file counts as no file.
TFileStamp FileStampOf(const QString &path);

// What happened to a file since a program read or wrote it last.
enum class TDiskChange { None, Changed, Deleted };

// Remembers the version of a file that the document read or wrote last and tells whether
// another program changed or deleted the file since.
class TDiskWatch
{
public:
    // The version on disk is the one read or written: its stamp, taken before reading or after
    // writing, and the bytes that the document holds.
    void Remember(const TFileStamp &stamp, const QByteArray &bytes);
    // The document has no file on disk (a new one).
    void Forget();

    // How the file at path stands against the remembered version.
    TDiskChange Check(const QString &path);
    // As Check, but each version on disk is reported once: a change that was reported already
    // gives None until the file changes again.
    TDiskChange TakeNewChange(const QString &path);

private:
    // The stamp of the file now, with the content's hash when the remembered one has it.
    TFileStamp Current(const QString &path) const;
    TDiskChange Compare(const TFileStamp &now);

    bool Watching = false;
    TFileStamp Known;
    TFileStamp Reported;
};
