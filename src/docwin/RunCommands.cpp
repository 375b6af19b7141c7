#include "RunCommands.h"

#include "DocumentText.h"
#include "ShellOpen.h"

#include <QFileInfo>

namespace {

// The page in the given browser, or opened by the desktop when no browser is set.
TRunTarget InBrowser(const QString &browser, const QString &page)
{
    if (browser.isEmpty())
        return {TRunTarget::TKind::Document, QString(), page};
    return {TRunTarget::TKind::Program, browser, page};
}

int BrowserIndex(TRunCommand command)
{
    switch (command) {
    case TRunCommand::Browser2:
        return 1;
    case TRunCommand::Browser3:
        return 2;
    case TRunCommand::Browser4:
        return 3;
    default:
        return 0;
    }
}

// The file name with another extension (the last one of its name, not of its folders).
QString WithExtension(const QString &fileName, const QString &extension)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() && !info.fileName().endsWith('.')
                             ? fileName
                             : fileName.left(fileName.size() - suffix.size() - 1);
    return base + extension;
}

} // namespace

std::optional<TRunTarget> HtmlRunTarget(TRunCommand command, const TRunContext &context)
{
    switch (command) {
    case TRunCommand::Browser1:
        return InBrowser(context.Browsers[0], context.FileName);
    case TRunCommand::MainHtml:
        if (context.MainHtml.trimmed().isEmpty())
            return std::nullopt;
        return InBrowser(context.Browsers[0], context.MainHtml);
    case TRunCommand::WebBrowser:
        return TRunTarget{TRunTarget::TKind::WebBrowser, QString(), context.FileName};
    case TRunCommand::Browser2:
    case TRunCommand::Browser3:
    case TRunCommand::Browser4:
        return TRunTarget{TRunTarget::TKind::Program,
                          context.Browsers[BrowserIndex(command)],
                          context.FileName};
    }
    return std::nullopt;
}

std::optional<TRunTarget> CssRunTarget(TRunCommand command, const TRunContext &context)
{
    const QString mainHtml = context.MainHtml.trimmed().isEmpty() ? QString() : context.MainHtml;
    switch (command) {
    case TRunCommand::Browser1:
    case TRunCommand::MainHtml:
    case TRunCommand::WebBrowser: {
        const QString page = mainHtml.isEmpty() ? FindPageOfStylesheet(context.FileName) : mainHtml;
        if (page.isEmpty())
            return std::nullopt;
        if (command == TRunCommand::WebBrowser)
            return TRunTarget{TRunTarget::TKind::WebBrowser, QString(), page};
        return InBrowser(context.Browsers[0], page);
    }
    case TRunCommand::Browser2:
    case TRunCommand::Browser3:
    case TRunCommand::Browser4: {
        const QString page = mainHtml.isEmpty() ? WithExtension(context.FileName, ".html")
                                                : mainHtml;
        return InBrowser(context.Browsers[BrowserIndex(command)], page);
    }
    }
    return std::nullopt;
}

QString FindPageOfStylesheet(const QString &fileName)
{
    if (fileName.isEmpty() || fileName == NoName)
        return QString();
    for (const char *extension : {".xhtml", ".html", ".htm", ".xml"}) {
        const QString page = WithExtension(fileName, extension);
        if (QFileInfo(page).isFile())
            return page;
    }
    return QString();
}

QString BrowserCaption(int number, const QString &setting)
{
    // Settings may still hold a Windows path; both separators end the folder part.
    const QString path = setting.trimmed();
    QString name = path.mid(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot > 0)
        name.truncate(dot);
    if (name.isEmpty())
        return "Run mit Browser" + QString::number(number);
    return name.left(1).toUpper() + name.mid(1).toLower();
}

QString RunFailureText(int code, const QString &target)
{
    const QString text = ShellOpenErrorText(code, target);
    if (!text.isEmpty())
        return text;
    // A missing page passes silently through the shell rules; a run command says so.
    return "Fehler beim Aufruf der Datei/des Programms\r\n" + target;
}
