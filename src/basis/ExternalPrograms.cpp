#include "ExternalPrograms.h"

#include <QStandardPaths>

const QStringList &CalculatorPrograms()
{
    static const QStringList programs
        = {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"};
    return programs;
}

const QStringList &TextEditorPrograms()
{
    static const QStringList programs = {"gnome-text-editor",
                                         "gedit",
                                         "kate",
                                         "kwrite",
                                         "mousepad",
                                         "xed",
                                         "pluma",
                                         "featherpad",
                                         "leafpad",
                                         "xedit"};
    return programs;
}

const QStringList &TerminalPrograms()
{
    static const QStringList programs = {"x-terminal-emulator",
                                         "gnome-terminal",
                                         "konsole",
                                         "xfce4-terminal",
                                         "xterm"};
    return programs;
}

const QStringList &WebBrowserPrograms()
{
    // Debian's choice of the desktop's browser first, then browsers by their own names.
    static const QStringList programs = {"x-www-browser",
                                         "firefox",
                                         "firefox-esr",
                                         "chromium",
                                         "chromium-browser",
                                         "google-chrome",
                                         "epiphany-browser",
                                         "falkon",
                                         "konqueror"};
    return programs;
}

QString FileManagerOpener()
{
    return "xdg-open";
}

QString FirstInstalledProgram(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty())
            return path;
    }
    return candidates.value(0);
}
