#pragma once

#include <QString>

// Directory of the executable, with its trailing separator; set by InitBasisLibrary.
extern QString ProgramDirectory;
// Greatest number of entries of the recent-file list.
extern int RecentListMaximum;

// Library start-up: fixes ProgramDirectory from the executable's path and the recent maximum.
void InitBasisLibrary(const QString &executablePath);

// Per-user directory for scratch and version files ("Temp.dat", "LastVersion.Dat", "TEMP*"):
// $HTML_EDITOR_HOME, else $XDG_DATA_HOME/KALMORA/HTML-Editor/. Created on first use; ends with
// the separator.
QString ScratchDirectory();
