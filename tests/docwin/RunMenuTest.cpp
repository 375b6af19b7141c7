#include "AppSettings.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "RecordingHost.h"
#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "ScriptedToolDialogs.h"
#include "ShellOpen.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RunMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        Settings().AutoSave = false;
    }

    QString Write(const QString &name, const QByteArray &bytes = "x")
    {
        QFile file(Dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static void Choose(QWidget &window, const char *item)
    {
        QAction *action = window.findChild<QAction *>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    static void Type(TFHTMLFrame &window, const QString &text)
    {
        window.ActiveEditor().SetSelStart(window.ActiveEditor().TextLength());
        window.ActiveEditor().ReplaceSelection(text);
        window.ActiveEditor().SetModified(true);
    }

    TRecordedLaunch Program(const QString &program, const QString &page)
    {
        return {"Program", program, {page}};
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TRecordingLauncher Launcher;
    TLauncherScope LauncherScope{Launcher};
    TScriptedToolDialogs Tools;
    TToolDialogsScope ToolsScope{Tools};
    TRecordingHost Host;
};

} // namespace

TEST_F(RunMenuTest, HtmlWindowRunsSaveFirstAndGiveThePageAsOneArgument)
{
    const QString page = Write("mit blank.html", "<p>alt</p>");
    Settings().Browser[0] = "/usr/bin/firefox";
    Settings().Browser[1] = "/usr/bin/chromium";
    Host.Main = Dir.filePath("index.html");
    TFMDITagra2 window;
    ASSERT_TRUE(window.OpenDocument(page, false, false, false));
    Type(window, "neu");
    Choose(window, "MnRun");
    QFile saved(page);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("<p>alt</p>neu"));
    window.HandleDocCommand(TDocCommand::DocRun);
    Choose(window, "Mn_StartMainHTML");
    Choose(window, "MnRunmitMSExplorer");
    Choose(window, "MnRunBrowser2");
    const std::vector<TRecordedLaunch> expected = {
        Program("/usr/bin/firefox", page),
        Program("/usr/bin/firefox", page),
        Program("/usr/bin/firefox", Dir.filePath("index.html")),
        {"WebBrowser", page, {}},
        Program("/usr/bin/chromium", page),
    };
    EXPECT_EQ(Launcher.Launches, expected);
    Choose(window, "MnSetzeMainHTML");
    EXPECT_EQ(Host.Main, page);
}

TEST_F(RunMenuTest, HtmlWindowWithoutBrowsersOrMainPage)
{
    const QString page = Write("a.html");
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    Choose(window, "MnRun");
    EXPECT_EQ(Launcher.Launches, (std::vector<TRecordedLaunch>{{"Document", page, {}}}));
    // No main page: nothing starts, and the user hears why.
    Choose(window, "Mn_StartMainHTML");
    EXPECT_EQ(Prompter.Texts("Note"), QStringList({"Html-Datei existiert nicht"}));
    // An empty Browser3 is started as it is, and the missing program is reported.
    Launcher.Results = {ShellFileNotFound};
    Choose(window, "MnRunBrowser3");
    EXPECT_EQ(Launcher.Launches.back(), Program("", page));
    ASSERT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(Prompter.Texts("Error")[0].endsWith("Das Programm existiert nicht"));
}

TEST_F(RunMenuTest, AFailedOrCancelledSaveStartsNothing)
{
    Settings().Browser[0] = "/usr/bin/firefox";
    TFMDITagra2 unnamed;
    unnamed.OpenDocument(QString(), false, false, false);
    Type(unnamed, "<p>neu</p>");
    Choose(unnamed, "MnRun"); // the save dialog is cancelled
    EXPECT_EQ(Prompter.Count("Save"), 1);

    QDir(Dir.path()).mkdir("weg");
    const QString page = Dir.filePath("weg/a.html");
    QFile(page).open(QIODevice::WriteOnly);
    TFMDI_CSS2 sheet;
    sheet.OpenDocument(Write("weg/a.css"), false);
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    Type(window, "x");
    Type(sheet, "y");
    QDir(Dir.filePath("weg")).removeRecursively();
    Choose(window, "MnRun"); // the folder is gone: the write fails
    Choose(sheet, "MnRunBrowser2");
    EXPECT_EQ(Prompter.Count("Error"), 2);
    EXPECT_TRUE(Launcher.Launches.empty());
}

TEST_F(RunMenuTest, CssWindowShowsThePageBesideTheStylesheet)
{
    const QString sheet = Write("a.css", "body {}");
    const QString page = Write("a.htm");
    Settings().Browser[0] = "/usr/bin/firefox";
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    Choose(window, "Mn_StartMainHTML");
    Choose(window, "MnRunMainHTMLmitMSExplorer1");
    Write("a.html");
    Choose(window, "MnRunBrowser3"); // empty: the desktop opens the page
    Host.Main = Dir.filePath("haupt.html");
    Choose(window, "MnRunBrowser2");
    const std::vector<TRecordedLaunch> expected = {
        Program("/usr/bin/firefox", page),
        {"WebBrowser", page, {}},
        {"Document", Dir.filePath("a.html"), {}},
        {"Document", Dir.filePath("haupt.html"), {}},
    };
    // The main page does not exist: the desktop is not asked to open it.
    EXPECT_EQ(Launcher.Launches, std::vector<TRecordedLaunch>(expected.begin(), expected.end() - 1));
    EXPECT_EQ(Prompter.Texts("Note"), QStringList({"Html-Datei existiert nicht"}));
    // The frame's run button does nothing here.
    window.HandleDocCommand(TDocCommand::DocRun);
    EXPECT_EQ(Launcher.Launches.size(), 3u);
}

TEST_F(RunMenuTest, CssWindowWithoutAPageSavesNothingForTheExplorerItem)
{
    const QString sheet = Write("b.css", "alt");
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    Type(window, " neu");
    Choose(window, "MnRunMainHTMLmitMSExplorer1");
    EXPECT_TRUE(window.IsModified());
    QFile stored(sheet);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), "alt");
    // F9 saves first, then finds no page either.
    Choose(window, "Mn_StartMainHTML");
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(Prompter.Texts("Note"),
              QStringList({"Html-Datei existiert nicht", "Html-Datei existiert nicht"}));
    EXPECT_TRUE(Launcher.Launches.empty());
}

TEST_F(RunMenuTest, OpeningTheRunMenuShowsTheBrowsersNames)
{
    TFMDITagra2 window;
    QMenu *run = window.findChild<QMenu *>("MainCompilerRun1");
    ASSERT_NE(run, nullptr);
    Settings().Browser[1] = "/usr/bin/firefox";
    Settings().Browser[3] = "C:\\Programme\\Opera\\opera.exe";
    Q_EMIT run->aboutToShow();
    EXPECT_EQ(window.findChild<QAction *>("MnRunBrowser2")->text(), "Firefox");
    EXPECT_EQ(window.findChild<QAction *>("MnRunBrowser3")->text(), "Run mit Browser3");
    EXPECT_EQ(window.findChild<QAction *>("MnRunBrowser4")->text(), "Opera");
    Settings().Browser[1].clear();
    Q_EMIT run->aboutToShow();
    EXPECT_EQ(window.findChild<QAction *>("MnRunBrowser2")->text(), "Run mit Browser2");
}

TEST_F(RunMenuTest, HelpMenusOpenANewHelpWindowForEachChoice)
{
    TFMDITagra2 html;
    TFMDI_CSS2 css;
    const QStringList htmlItems = {"MnHTML_Info_Schriften",
                                   "MnHTML_Info_Liste",
                                   "MnHTML_Info_Farben",
                                   "MnHTML_Info_Tabelle",
                                   "MnHTML_Info_Frames",
                                   "MnHTML_Info_Links",
                                   "MnHTML_Info_Bilder",
                                   "MnHtml_info_Css",
                                   "MnHelp_Formulare"};
    for (const QString &item : htmlItems)
        Choose(html, item.toLatin1().constData());
    Choose(css, "MnHtml_info_Css");
    Choose(css, "MnHtml_info_Css");
    EXPECT_EQ(Tools.Calls,
              QStringList({"Help 1",
                           "Help 2",
                           "Help 3",
                           "Help 4",
                           "Help 5",
                           "Help 6",
                           "Help 7",
                           "Help 8",
                           "Help 9",
                           "Help 8",
                           "Help 8"}));
    EXPECT_EQ(css.findChild<QAction *>("MnHelp_Formulare"), nullptr);
    EXPECT_EQ(html.findChild<QAction *>("MnHtml_info_Css")->text(), "Cascading Stylesheets");
}
