#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Result codes of the shell's "open", as the messages know them; above 32 means success.
enum TShellResult : int {
    ShellOutOfMemory = 0,
    ShellFileNotFound = 2,
    ShellPathNotFound = 3,
    ShellAccessDenied = 5,
    ShellNoAssociation = 31,
    ShellSuccess = 42,
};

// Opens a file as the desktop's shell does: programs are started with the parameters in the
// working directory, documents go to the program associated with them. Shows the German error
// message of the failure (nothing for a missing document) and returns the result code.
// The parameters are split as a command line is; a bare file name is looked up in the search
// path only.
int ShellOpen(const QString &file, const QString &parameters, const QString &directory);
// The same with the program's arguments as a list, each passed on unchanged.
int ShellOpenWithArguments(const QString &file,
                           const QStringList &arguments,
                           const QString &directory);

// ShellOpenWithArguments without the message: the caller reports a failure.
int ShellStart(const QString &file, const QStringList &arguments, const QString &directory);

// The message ShellOpen shows for a result code, or an empty text when it shows none.
QString ShellOpenErrorText(int code, const QString &file);

// Where programs live on this system (the counterpart of the program files folder).
QString GetProgramFilesDir();
// The user's command interpreter, empty when none is set.
QString GetComspec();

// Replaces the function that hands a document to its associated program (tests).
// It returns false when no program is associated with the document.
void SetDocumentOpener(std::function<bool(const QString &)> opener);
