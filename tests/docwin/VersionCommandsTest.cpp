#include "AppSettings.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "RecentFiles.h"
#include "RecordingHost.h"
#include "Registry.h"
#include "ScriptedPrompter.h"
#include "Versions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VersionCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        QFile::remove(VersionFilePath(LastVersionFileName));
        QFile::remove(VersionFilePath(ReplacedTextFileName));
    }

    static QByteArray Stored(const QString &fileName)
    {
        QFile file(VersionFilePath(fileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString Page(const QString &name, const QByteArray &bytes)
    {
        QFile file(Dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TRecordingHost Host;
};

} // namespace

TEST_F(VersionCommandsTest, AVersionSavedInOneWindowLoadsIntoAnotherAndCanBeUndone)
{
    TFMDITagra2 html;
    ASSERT_TRUE(html.OpenDocument(Page("seite.html", "<p>Eins</p>\r\n"), false, false, false));
    html.SaveVersionCommand();
    EXPECT_EQ(Stored(LastVersionFileName), "<p>Eins</p>\r\n");
    EXPECT_EQ(html.LastVersionName(), "seite.html");
    EXPECT_EQ(RegReadString(MainRegistryKey, "LastDatei", "-"), "seite.html");
    EXPECT_FALSE(html.IsModified()) << "saving a version leaves the document as it was";

    TFMDI_CSS2 css;
    ASSERT_TRUE(css.OpenDocument(Page("stil.css", "body {}"), false));
    css.LoadVersionCommand();
    EXPECT_EQ(css.ActiveEditor().Text(), "<p>Eins</p>\r\n");
    EXPECT_TRUE(css.IsModified());
    EXPECT_EQ(css.FileName(), Dir.filePath("stil.css"));
    EXPECT_EQ(Stored(ReplacedTextFileName), "body {}");
    css.UndoCommand();
    EXPECT_EQ(css.ActiveEditor().Text(), "body {}");
    EXPECT_EQ(Prompter.Prompts.size(), 0u);
}

TEST_F(VersionCommandsTest, LoadedTabsBecomeThreeBlanksOutsideTheFirstPhpBlock)
{
    TFMDITagra2 window;
    window.OpenDocument(QString(), false, false, false);
    window.ActiveEditor().SetText("<?php\tx ?>\r\n\t<p>");
    window.SaveVersionCommand();
    EXPECT_EQ(Stored(LastVersionFileName), "<?php\tx ?>\r\n\t<p>");
    EXPECT_EQ(window.LastVersionName(), "noname");
    window.LoadVersionCommand();
    EXPECT_EQ(window.ActiveEditor().Text(), "<?php\tx ?>\r\n   <p>");
}

TEST_F(VersionCommandsTest, TextsBeyondAnsiAreKeptWhole)
{
    const QString text = QString::fromUtf8("Ω und € und ä\r\nzweite Zeile");
    TFMDI_CSS2 window;
    window.OpenDocument(QString(), false);
    window.ActiveEditor().SetText(text);
    window.SaveVersionCommand();
    EXPECT_TRUE(Stored(LastVersionFileName).startsWith("\xEF\xBB\xBF"));
    window.ActiveEditor().SetText("anders");
    window.LoadVersionCommand();
    EXPECT_EQ(window.ActiveEditor().Text(), text);
    // An ANSI text is stored byte for byte as ANSI.
    window.ActiveEditor().SetText(QString::fromUtf8("Grüße €"));
    window.SaveVersionCommand();
    EXPECT_EQ(Stored(LastVersionFileName), "Gr\xFC\xDF\x65 \x80");
    // Unless its bytes would read back as UTF-8: "Ã¤" is not "ä".
    const QString lookalike = QString::fromUtf8("Ã¤ bleibt Ã¤");
    window.ActiveEditor().SetText(lookalike);
    window.SaveVersionCommand();
    window.LoadVersionCommand();
    EXPECT_EQ(window.ActiveEditor().Text(), lookalike);
}

TEST_F(VersionCommandsTest, WithoutASavedVersionTheTextStaysAndTheUserIsTold)
{
    TFMDITagra2 window;
    window.OpenDocument(Page("a.html", "<p>bleibt</p>"), false, false, false);
    window.LoadVersionCommand();
    EXPECT_EQ(window.ActiveEditor().Text(), "<p>bleibt</p>");
    EXPECT_FALSE(window.IsModified());
    ASSERT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(Prompter.Texts("Error")[0].startsWith("Es wurde noch keine Version gespeichert"));
    // The replaced text was kept all the same, as loading always does first.
    EXPECT_EQ(Stored(ReplacedTextFileName), "<p>bleibt</p>");
}
