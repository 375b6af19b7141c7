#include "RunCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using TKind = TRunTarget::TKind;

const TRunContext Configured{"/web/seite.html",
                             "/web/index.html",
                             {"/usr/bin/firefox", "/usr/bin/chromium", "", "/opt/b4/browser"}};

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(RunCommands, HtmlWindowTargets)
{
    const struct
    {
        TRunCommand Command;
        TRunContext Context;
        std::optional<TRunTarget> Target;
    } cases[] = {
        {TRunCommand::Browser1,
         Configured,
         TRunTarget{TKind::Program, "/usr/bin/firefox", "/web/seite.html"}},
        {TRunCommand::Browser1,
         {"/web/seite.html", "", {}},
         TRunTarget{TKind::Document, "", "/web/seite.html"}},
        {TRunCommand::MainHtml,
         Configured,
         TRunTarget{TKind::Program, "/usr/bin/firefox", "/web/index.html"}},
        {TRunCommand::MainHtml,
         {"/web/seite.html", "/web/index.html", {}},
         TRunTarget{TKind::Document, "", "/web/index.html"}},
        {TRunCommand::MainHtml, {"/web/seite.html", "  ", {"/usr/bin/firefox"}}, std::nullopt},
        {TRunCommand::WebBrowser, Configured, TRunTarget{TKind::WebBrowser, "", "/web/seite.html"}},
        {TRunCommand::Browser2,
         Configured,
         TRunTarget{TKind::Program, "/usr/bin/chromium", "/web/seite.html"}},
        // An empty Browser3 is started as it is; the launcher reports the missing program.
        {TRunCommand::Browser3, Configured, TRunTarget{TKind::Program, "", "/web/seite.html"}},
        {TRunCommand::Browser4,
         Configured,
         TRunTarget{TKind::Program, "/opt/b4/browser", "/web/seite.html"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HtmlRunTarget(c.Command, c.Context), c.Target) << int(c.Command);
}

TEST(RunCommands, CssWindowFindsThePageBesideTheStylesheet)
{
    QTemporaryDir dir;
    const QString sheet = dir.filePath("a.css");
    const QString base = dir.filePath("a");
    const struct
    {
        QStringList Files;
        QString Page;
    } cases[] = {
        {{"a.htm"}, base + ".htm"},
        {{"a.xhtml", "a.htm"}, base + ".xhtml"},
        {{"a.html", "a.htm", "a.xml"}, base + ".html"},
        {{"a.xml"}, base + ".xml"},
        {{"b.html", "a.css.html"}, ""},
    };
    for (const auto &c : cases) {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
        for (const QString &name : c.Files)
            Touch(dir.filePath(name));
        EXPECT_EQ(FindPageOfStylesheet(sheet), c.Page) << c.Files.join(",").toStdString();
        const std::optional<TRunTarget> run = CssRunTarget(TRunCommand::MainHtml,
                                                           {sheet, "", {"/usr/bin/firefox"}});
        if (c.Page.isEmpty())
            EXPECT_FALSE(run.has_value());
        else
            EXPECT_EQ(run, (TRunTarget{TKind::Program, "/usr/bin/firefox", c.Page}));
        const std::optional<TRunTarget> explorer = CssRunTarget(TRunCommand::WebBrowser,
                                                                {sheet, "", {}});
        EXPECT_EQ(explorer.has_value(), !c.Page.isEmpty());
    }
    // A document without a file has no page beside it.
    EXPECT_EQ(FindPageOfStylesheet("noname"), "");
}

TEST(RunCommands, CssWindowPrefersTheMainPageAndNeverTestsItForBrowsers2To4)
{
    const TRunContext sheet{"/web/stil.css", "", {"", "/usr/bin/chromium", "", ""}};
    EXPECT_EQ(CssRunTarget(TRunCommand::Browser2, sheet),
              (TRunTarget{TKind::Program, "/usr/bin/chromium", "/web/stil.html"}));
    // An empty Browser3 opens the page with the desktop's program for it.
    EXPECT_EQ(CssRunTarget(TRunCommand::Browser3, sheet),
              (TRunTarget{TKind::Document, "", "/web/stil.html"}));
    TRunContext withMain = sheet;
    withMain.MainHtml = "/web/index.html";
    EXPECT_EQ(CssRunTarget(TRunCommand::Browser4, withMain),
              (TRunTarget{TKind::Document, "", "/web/index.html"}));
    EXPECT_EQ(CssRunTarget(TRunCommand::MainHtml, withMain),
              (TRunTarget{TKind::Document, "", "/web/index.html"}));
    EXPECT_EQ(CssRunTarget(TRunCommand::WebBrowser, withMain),
              (TRunTarget{TKind::WebBrowser, "", "/web/index.html"}));
}

TEST(RunCommands, BrowserCaptionIsTheProgramsNameCapitalised)
{
    const struct
    {
        QString Setting;
        QString Caption;
    } cases[] = {
        {"C:\\Programme\\Mozilla Firefox\\firefox.exe", "Firefox"},
        {"/usr/bin/firefox", "Firefox"},
        {"/usr/bin/CHROMIUM", "Chromium"},
        {"/opt/google/chrome/google-chrome-stable", "Google-chrome-stable"},
        {"  /usr/bin/epiphany-browser  ", "Epiphany-browser"},
        {"opera.EXE", "Opera"},
        {"", "Run mit Browser3"},
        {"/usr/bin/", "Run mit Browser3"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BrowserCaption(3, c.Setting), c.Caption) << c.Setting.toStdString();
}

TEST(RunCommands, FailureTextsNameTheTarget)
{
    EXPECT_TRUE(RunFailureText(2, "").endsWith("Das Programm existiert nicht"));
    // A missing page, which the shell rules pass silently, is reported here.
    EXPECT_EQ(RunFailureText(2, "/web/weg.html"),
              "Fehler beim Aufruf der Datei/des Programms\r\n/web/weg.html");
    EXPECT_TRUE(RunFailureText(31, "/web/a.xyz").endsWith("keine Verknüpfung"));
}
