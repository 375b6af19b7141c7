#pragma once

#include "SaveResult.h"
#include "TextFile.h"

#include <QString>

// The spare version of "&Versionen": one file for all windows of both kinds, in the per-user
// scratch folder, and the copy of the text that loading a version replaced.
inline const QString LastVersionFileName = QStringLiteral("LastVersion.Dat");
inline const QString ReplacedTextFileName = QStringLiteral("Temp.dat");

// The full path of a version file in the scratch folder.
QString VersionFilePath(const QString &fileName);

// Writes a text to a version file exactly as it is, line breaks included: as ANSI when ANSI can
// hold every character and reads back the same, else as UTF-8 with byte order mark. A failure carries the German reason.
TSaveResult WriteVersionFile(const QString &path, const QString &text);

// Reads a version file; a missing one gets a message that says no version was saved yet.
TTextReadResult ReadVersionFile(const QString &path);

// Notes in the registry ("LastDatei") the name, without folder, of the document whose text was
// saved as the version last, and returns that name.
QString RememberLastVersionName(const QString &fileName);
