#include "CommandLine.h"
#include "FMain.h"
#include "ProgramPaths.h"
#include "QtPrompter.h"
#include "QtToolDialogs.h"
#include "RecoveryJournal.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

namespace {

const char *const Usage = "Aufruf: html-editor [DATEI ...]\n"
                          "Usage:  html-editor [FILE ...]\n"
                          "\n"
                          "Quelltext-Editor für HTML-, XHTML-, PHP- und CSS-Dateien.\n"
                          "Source editor for HTML, XHTML, PHP and CSS files.\n"
                          "Jede genannte, vorhandene Datei wird geöffnet.\n"
                          "Each named existing file is opened.\n"
                          "\n"
                          "  --help     diese Hilfe / this help\n"
                          "  --version  Version\n"
                          "  --         alles Weitere sind Dateinamen / file names follow\n";

} // namespace

int main(int argc, char **argv)
{
    TCommandLine commandLine = SplitCommandLine(argc, argv);
    if (commandLine.Info == TCommandLine::TInfo::Help) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (commandLine.Info == TCommandLine::TInfo::Version) {
        std::printf("HTML-Editor %s\n", HTML_EDITOR_VERSION);
        return 0;
    }
    // The browser tab's engine refuses to start as root unless its sandbox is off.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Qt sees only the arguments before "--", so a file named "-reverse" stays a file.
    QApplication app(commandLine.OptionCount, commandLine.OptionArguments.data());
    QApplication::setApplicationName("HTML-Editor");
    QApplication::setOrganizationName("KALMORA");
    // The desktop entry's name, so that docks and task bars show the entry's icon and name.
    QGuiApplication::setDesktopFileName("de.kalmora.htmleditor");
    QApplication::setWindowIcon(QIcon(":/html-editor.png"));
    InitBasisLibrary(QCoreApplication::applicationFilePath());
    // The program speaks German whatever the desktop's language: Qt's own texts too
    // ("Ja", "Nein", "Abbrechen" in message boxes, the file dialogs).
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany),
                     "qtbase",
                     "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    app.setProperty("HelpFile", QString(ProgramDirectory + "HTML32.HLP"));

    TQtPrompter prompter;
    SetPrompter(&prompter);
    TQtToolDialogs toolDialogs;
    SetToolDialogs(&toolDialogs);
    // Unsaved changes are copied into the scratch folder, so that a crash loses none of them.
    TRecoveryJournal journal(ScratchDirectory() + "recovery");
    SetRecoveryJournal(&journal);
    // Every argument that Qt did not take is a file name; the frame opens the ones that exist.
    const QStringList files = QCoreApplication::arguments().mid(1) + commandLine.FilesAfterOptions;
    TFMain frame(files);
    prompter.SetParentWidget(&frame);
    toolDialogs.SetParentWidget(&frame);
    // Without a window manager "maximised" means nothing; fill the screen ourselves.
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    frame.activateWindow();
    return QApplication::exec();
}
