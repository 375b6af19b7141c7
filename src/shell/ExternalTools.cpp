#include "ExternalTools.h"

#include "AppSettings.h"
#include "ExternalPrograms.h"
#include "FMain.h"
#include "Prompter.h"
#include "ShellOpen.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Starts a tool through the shell; when that fails, the tool's own message follows the shell's.
void StartTool(const QString &program, const QStringList &arguments, const QString &failure)
{
    if (ShellOpenWithArguments(program, arguments, QString()) <= 32)
        ShowError("Fehler", failure);
}

} // namespace

QString CommandInterpreterProgram()
{
    return Settings().COMSPECINDI ? GetComspec() : Settings().COMSPEC;
}

int StartCommandInterpreter(const QString &program)
{
    // The terminal would open and fail silently: a shell that is not there is found missing
    // here. A bare name is looked up in the search path, never in the current folder.
    const QString shell = program.contains('/') ? program
                                                : QStandardPaths::findExecutable(program.trimmed());
    const QFileInfo shellInfo(shell);
    if (program.trimmed().isEmpty() || !shellInfo.isFile() || !shellInfo.isExecutable())
        return ShellFileNotFound;
    const QString terminal = FirstInstalledProgram(TerminalPrograms());
    if (!QFileInfo(terminal).isAbsolute() || !QFileInfo(terminal).isExecutable())
        return ShellFileNotFound;
    const QStringList arguments = {"-e", shellInfo.absoluteFilePath()};
    return QProcess::startDetached(terminal, arguments, QDir::homePath()) ? ShellSuccess
                                                                          : ShellOutOfMemory;
}

void OpenOnlineHelp()
{
    const QString browser = Settings().Browser[0];
    if (!browser.isEmpty())
        ShellOpenWithArguments(browser, {OnlineHelpAddress}, QString());
    else
        ShellOpenWithArguments(OnlineHelpAddress, {}, QString());
}

void TFMain::ExternalToolCommand(TExternalTool tool)
{
    switch (tool) {
    case TExternalTool::Calculator:
        StartTool(FirstInstalledProgram(CalculatorPrograms()),
                  {},
                  "Fehler beim Aufruf des Taschenrechners");
        break;
    case TExternalTool::Explorer: {
        const QString folder = QFileInfo(Settings().EditorPfad).isDir() ? Settings().EditorPfad
                                                                        : QDir::homePath();
        // The folder is one argument, whatever characters its name holds.
        StartTool(FirstInstalledProgram({FileManagerOpener()}),
                  {folder},
                  "Fehler beim Aufruf des Explorers");
        break;
    }
    case TExternalTool::TextEditor:
        StartTool(FirstInstalledProgram(TextEditorPrograms()),
                  {},
                  "Fehler beim Aufruf des Notepads");
        break;
    case TExternalTool::CommandPrompt: {
        const int code = StartCommandInterpreter(CommandInterpreterProgram());
        if (code <= 32)
            ShowNote("Fehler", "Fehler: " + QString::number(code));
        break;
    }
    }
}
