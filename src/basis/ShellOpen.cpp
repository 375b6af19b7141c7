#include "ShellOpen.h"

#include "Prompter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// "http://…", "https://…", "mailto:…": addresses that the desktop opens, not files.
bool IsWebAddress(const QString &target)
{
    static const QStringList Schemes = {"http://", "https://", "ftp://", "mailto:"};
    for (const QString &scheme : Schemes) {
        if (target.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// A name may come enclosed in double quotes, as the shell accepts it.
QString Unquoted(const QString &name)
{
    if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
        return name.mid(1, name.size() - 2);
    return name;
}

std::function<bool(const QString &)> &DocumentOpener()
{
    static std::function<bool(const QString &)> opener = [](const QString &target) {
        if (IsWebAddress(target))
            return QDesktopServices::openUrl(QUrl(target));
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
    };
    return opener;
}

// The program to start: a path as given, or a bare name looked up in the search path.
QString ResolveProgram(const QString &file, const QString &directory)
{
    if (file.contains('/'))
        return QDir(directory.isEmpty() ? QDir::currentPath() : directory).absoluteFilePath(file);
    const QString local = QDir(directory.isEmpty() ? QDir::currentPath() : directory)
                              .absoluteFilePath(file);
    if (QFileInfo::exists(local))
        return local;
    return QStandardPaths::findExecutable(file);
}

int StartProgram(const QFileInfo &program, const QString &parameters, const QString &directory)
{
    if (!program.isExecutable())
        return ShellAccessDenied;
    if (!QProcess::startDetached(program.absoluteFilePath(),
                                 QProcess::splitCommand(parameters),
                                 directory))
        return ShellOutOfMemory;
    return ShellSuccess;
}

int OpenTarget(const QString &quotedFile, const QString &parameters, const QString &directory)
{
    if (!directory.isEmpty() && !QFileInfo(directory).isDir())
        return ShellPathNotFound;
    const QString file = Unquoted(quotedFile);
    if (IsWebAddress(file))
        return DocumentOpener()(file) ? ShellSuccess : ShellNoAssociation;
    if (file.isEmpty())
        return ShellFileNotFound;
    const QString resolved = ResolveProgram(file, directory);
    if (resolved.isEmpty())
        return ShellFileNotFound;
    const QFileInfo info(resolved);
    if (!info.exists())
        return info.dir().exists() ? ShellFileNotFound : ShellPathNotFound;
    if (info.isFile() && info.isExecutable())
        return StartProgram(info, parameters, directory);
    if (!info.isReadable())
        return ShellAccessDenied;
    return DocumentOpener()(resolved) ? ShellSuccess : ShellNoAssociation;
}

QString ReasonLine(int code, const QString &file)
{
    switch (code) {
    case 0:
    case 8:
        return "Zu wenig Speicher";
    case 2: {
        // Programs here usually have no extension at all; they count as programs too.
        const QString ext = QFileInfo(file).suffix().toUpper();
        const bool program = ext.isEmpty() || ext == "EXE" || ext == "COM";
        return program ? "Das Programm existiert nicht" : QString();
    }
    case 3:
        return "Der Pfad wurde nicht gefunden";
    case 5:
        return "Auf das Programm konnte nicht zugegriffen werden. Zugriffsverweigerung";
    case 11:
        return "Das Programm ist fehlerhaft";
    case 26:
        return "Zugriff verweigert. A sharing violation occurred.";
    case 27:
        return "Die Dateizuordnung ist fehlerhaft oder nicht vorhanden";
    case 28:
    case 29:
    case 30:
        return "DDE Fehler";
    case 31:
        return "Für diese Datei existiert keine Verknüpfung";
    case 32:
        return "Die DLL konnte nicht gefunden werden";
    default:
        return QString();
    }
}

} // namespace

QString ShellOpenErrorText(int code, const QString &file)
{
    if (code > 32)
        return QString();
    const QString reason = ReasonLine(code, file);
    // A missing document fails silently; only a missing program is reported.
    if (code == ShellFileNotFound && reason.isEmpty())
        return QString();
    QString text = "Fehler beim Aufruf der Datei/des Programms\r\n" + file;
    if (!reason.isEmpty())
        text += "\r\n" + reason;
    return text;
}

int ShellOpen(const QString &file, const QString &parameters, const QString &directory)
{
    const int code = OpenTarget(file, parameters, directory);
    const QString message = ShellOpenErrorText(code, file);
    if (!message.isEmpty())
        ShowError("Fehler", message);
    return code;
}

QString GetProgramFilesDir()
{
    return "/usr/bin";
}

QString GetComspec()
{
    return qEnvironmentVariable("SHELL");
}

void SetDocumentOpener(std::function<bool(const QString &)> opener)
{
    DocumentOpener() = std::move(opener);
}
