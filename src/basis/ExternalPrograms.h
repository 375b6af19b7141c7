#pragma once

#include <QString>
#include <QStringList>

// The desktop programs that stand in for the calculator, the text editor and the terminal:
// candidates in order of preference. The first one installed is used.
const QStringList &CalculatorPrograms();
const QStringList &TextEditorPrograms();
const QStringList &TerminalPrograms();
// Web browsers, the desktop's default first.
const QStringList &WebBrowserPrograms();
// The program that opens folders in the desktop's file manager.
QString FileManagerOpener();

// The full path of the first candidate found in the search path, or the first candidate's
// bare name when none is installed (so that starting it reports a missing program).
QString FirstInstalledProgram(const QStringList &candidates);
