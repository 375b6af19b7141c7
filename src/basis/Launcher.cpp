#include "Launcher.h"

#include "ExternalPrograms.h"
#include "ShellOpen.h"

#include <QStandardPaths>

namespace {

// Starts programs through the shell-open rules: programs by path or search path, documents by
// their association.
class TDesktopLauncher : public TLauncher
{
public:
    int StartProgram(const QString &program, const QStringList &arguments) override
    {
        return ShellStart(program, arguments, QString());
    }

    int OpenDocument(const QString &document) override
    {
        return ShellStart(document, {}, QString());
    }

    int OpenInWebBrowser(const QString &page) override
    {
        for (const QString &candidate : WebBrowserPrograms()) {
            const QString browser = QStandardPaths::findExecutable(candidate);
            if (!browser.isEmpty())
                return ShellStart(browser, {page}, QString());
        }
        // No browser known by name: the desktop opens the page with what it has for web pages.
        return OpenDocument(page);
    }
};

TDesktopLauncher DesktopLauncher;
TLauncher *Installed = nullptr;

} // namespace

TLauncher &Launcher()
{
    return Installed ? *Installed : DesktopLauncher;
}

TLauncher *SetLauncher(TLauncher *launcher)
{
    TLauncher *previous = Installed;
    Installed = launcher;
    return previous;
}
