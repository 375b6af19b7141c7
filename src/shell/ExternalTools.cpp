#include "ExternalTools.h"

#include "AppSettings.h"
#include "ExternalPrograms.h"
#include "FMain.h"
#include "Prompter.h"
#include "ShellOpen.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

// Starts a tool through the shell; when that fails, the tool's own message follows the shell's.
void StartTool(const QString &program, const QString &parameters, const QString &failure)
{
    if (ShellOpen(program, parameters, QString()) <= 32)
        ShowError("Fehler", failure);
}

QString Quoted(const QString &text)
{
    return '"' + text + '"';
}

} // namespace

QString CommandInterpreterProgram()
{
    return Settings().COMSPECINDI ? GetComspec() : Settings().COMSPEC;
}

int StartCommandInterpreter(const QString &program)
{
    if (program.trimmed().isEmpty())
        return ShellFileNotFound;
    const QString terminal = FirstInstalledProgram(TerminalPrograms());
    if (!QFileInfo(terminal).isExecutable())
        return ShellFileNotFound;
    const QStringList arguments = {"-e", program};
    return QProcess::startDetached(terminal, arguments, QDir::homePath()) ? ShellSuccess
                                                                          : ShellOutOfMemory;
}

void OpenOnlineHelp()
{
    const QString browser = Settings().Browser[0];
    if (!browser.isEmpty())
        ShellOpen(browser, Quoted(OnlineHelpAddress), QString());
    else
        ShellOpen(Quoted(OnlineHelpAddress), QString(), QString());
}

void TFMain::ExternalToolCommand(TExternalTool tool)
{
    switch (tool) {
    case TExternalTool::Calculator:
        StartTool(FirstInstalledProgram(CalculatorPrograms()),
                  QString(),
                  "Fehler beim Aufruf des Taschenrechners");
        break;
    case TExternalTool::Explorer: {
        const QString folder = QFileInfo(Settings().EditorPfad).isDir() ? Settings().EditorPfad
                                                                        : QDir::homePath();
        StartTool(FirstInstalledProgram({FileManagerOpener()}),
                  Quoted(folder),
                  "Fehler beim Aufruf des Explorers");
        break;
    }
    case TExternalTool::TextEditor:
        StartTool(FirstInstalledProgram(TextEditorPrograms()),
                  QString(),
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
