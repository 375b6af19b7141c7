#pragma once

#include "FileWriter.h"
#include "SaveResult.h"

#include <QByteArray>
#include <QString>

// Writing a file so that it is never missing, never half-written and never silently changed in
// kind: the new bytes go to a temporary file beside the target, are synced, the old file is kept
// as the backup (a second name for it, or a copy) and only then the new file takes the target's
// place. Permissions and owner stay; a symbolic link stays a link and its target receives the
// bytes; a file with several hard links is overwritten in place, so that all its names keep
// showing the same file, with a synced copy of the old bytes beside it while that happens.

// The file a save of this name writes: the name itself, or the final target of its symbolic
// links (also when that target does not exist yet).
QString SaveTargetOf(const QString &fileName);

// Writes the bytes as the new content of the file; with backup, the previous file is kept under
// its backup name (BackupFileName) first. A failure leaves the previous file as it was and says
// why in German; a backup that cannot be made does not stop the save but is named in the note.
TSaveResult WriteFileSafely(const QString &fileName,
                            const QByteArray &bytes,
                            bool backup,
                            TFileWriter &writer = FileWriter());

// Keeps the existing file's content under its backup name (".~" + the old extension), replacing
// an older backup. Unlike a rename, the file itself stays where it is. True when the backup was
// made, and when there was no file to back up.
bool MakeBackup(const QString &fileName, TFileWriter &writer = FileWriter());

// The message of a failed save: the file, the system's reason, and whether the file on disk is
// unchanged.
QString SaveErrorMessage(const QString &fileName, int errorNumber, bool fileUnchanged);
