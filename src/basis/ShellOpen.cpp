#include "ShellOpen.h"

#include "Prompter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
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

// The file to open: a path as given, or a bare name looked up in the search path only, never
// in the current folder, where anyone may have put a file of that name.
QString ResolveTarget(const QString &file, const QString &directory)
{
    if (file.contains('/'))
        return QDir(directory.isEmpty() ? QDir::currentPath() : directory).absoluteFilePath(file);
    return QStandardPaths::findExecutable(file);
}

// True for a file that is started rather than opened: executable, and a program by its
// content or without any extension. A page with the executable bit (as files on FAT and NTFS
// mounts have) is a document.
bool IsProgramFile(const QFileInfo &info)
{
    if (!info.isFile() || !info.isExecutable())
        return false;
    if (info.suffix().isEmpty())
        return true;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    for (const char *program : {"application/x-executable",
                                "application/x-pie-executable",
                                "application/x-sharedlib",
                                "application/x-shellscript"}) {
        if (type.inherits(program))
            return true;
    }
    return false;
}

int StartProgram(const QFileInfo &program, const QStringList &arguments, const QString &directory)
{
    if (!QProcess::startDetached(program.absoluteFilePath(), arguments, directory))
        return ShellOutOfMemory;
    return ShellSuccess;
}

} // namespace

int ShellStart(const QString &quotedFile, const QStringList &arguments, const QString &directory)
{
    if (!directory.isEmpty() && !QFileInfo(directory).isDir())
        return ShellPathNotFound;
    const QString file = Unquoted(quotedFile);
    if (IsWebAddress(file))
        return DocumentOpener()(file) ? ShellSuccess : ShellNoAssociation;
    if (file.isEmpty())
        return ShellFileNotFound;
    const QString resolved = ResolveTarget(file, directory);
    if (resolved.isEmpty())
        return ShellFileNotFound;
    const QFileInfo info(resolved);
    if (!info.exists())
        return info.dir().exists() ? ShellFileNotFound : ShellPathNotFound;
    if (IsProgramFile(info))
        return StartProgram(info, arguments, directory);
    if (!info.isReadable())
        return ShellAccessDenied;
    return DocumentOpener()(resolved) ? ShellSuccess : ShellNoAssociation;
}

namespace {

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
    return ShellOpenWithArguments(file, QProcess::splitCommand(parameters), directory);
}

int ShellOpenWithArguments(const QString &file,
                           const QStringList &arguments,
                           const QString &directory)
{
    const int code = ShellStart(file, arguments, directory);
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
