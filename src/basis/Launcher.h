#pragma once

#include <QString>
#include <QStringList>

// Starts outside programs and opens documents for the run commands. A program gets its
// arguments as a list, each entry one argument, never through a command line that a shell would
// split. Every call returns the shell result code (above 32 on success, ShellOpen.h); the caller
// reports a failure. The program installs the desktop launcher; tests install a recording one.
class TLauncher
{
public:
    virtual ~TLauncher() = default;

    // Starts a program (a path, or a name looked up in the search path) with the arguments.
    virtual int StartProgram(const QString &program, const QStringList &arguments) = 0;
    // Opens a document with the program the desktop associates with its type.
    virtual int OpenDocument(const QString &document) = 0;
    // Opens a page in the desktop's default web browser.
    virtual int OpenInWebBrowser(const QString &page) = 0;
};

// The launcher of this run: the desktop launcher unless another one was installed.
TLauncher &Launcher();
// Installs a launcher (not owned; null restores the desktop launcher) and returns the previous.
TLauncher *SetLauncher(TLauncher *launcher);
