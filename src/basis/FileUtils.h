#pragma once

#include <QString>

#include <cstdint>

// A path cut into directory (with its trailing separator), base name and extension (with dot).
struct TSplitFileName
{
    QString Dir;
    QString Base;
    QString Ext;
};

// The directory separator of this platform, which AddBackslash appends.
inline constexpr QChar PathSeparator = '/';

TSplitFileName SplitFileName(const QString &path);
// Appends the separator unless the path already ends with one.
QString AddBackslash(const QString &path);
// True when the file exists and a save may not replace it: it carries no write permission for
// anybody (the read-only attribute), this user may not write it, or this user may not change
// its folder (where a save puts the new file and the backup).
bool IsReadOnlyFile(const QString &fileName);
// Makes the file writable, then deletes it; true when it is gone.
bool ForceDeleteFile(const QString &fileName);
// The backup name of a file: its extension replaced by ".~" + the old extension.
QString BackupFileName(const QString &fileName);
// Size in bytes of a regular, non-hidden file; -1 when there is none.
int64_t FileSize64(const QString &fileName);
// Reads a 32-bit integer as the line-number prompts do. Empty text: false, value unchanged.
// Not a number or out of range: false, value 0. Fractions are cut towards zero.
bool TryParseInt(const QString &text, int &value);
// The absolute path of a file with "." and ".." segments resolved, and symbolic links too when
// the file exists; empty for an empty name.
QString CanonicalFileName(const QString &fileName);
// The file a name typed into an open dialog means: the name itself when it is a file or a
// folder or has an extension; else the file with the default extension (given without dot)
// beside it, in any letter case on disk; else the name with the default extension.
QString ResolveTypedFileName(const QString &typed, const QString &defaultExt);
// True when both names lead to the same file. Letter case matters, as it does on disk here.
bool SameFileName(const QString &a, const QString &b);
