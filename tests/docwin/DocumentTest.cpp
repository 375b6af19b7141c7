#include "Document.h"

#include "AppSettings.h"
#include "DocumentText.h"
#include "FaultyFileWriter.h"
#include "QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

class DocumentTest : public ::testing::Test
{
protected:
    void SetUp() override { Settings() = TSettings(); }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(Dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QByteArray Read(const QString &name) const
    {
        QFile file(Dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Opens the file in a new document as a window does.
    TDocumentLoad Open(TDocument &document, const QString &name)
    {
        document.SetFileName(Dir.filePath(name));
        TDocumentLoad load = document.Load(Dir.filePath(name));
        if (document.WantsLoadedText())
            document.SetLoadedText(load.Text);
        return load;
    }

    QTemporaryDir Dir;
};

} // namespace

// In an ANSI page a character reference stands for a character only outside raw text: inside
// scripts, styles, PHP and ASP blocks and comments it would be taken literally.
TEST(HtmlFileText, ReferencesOnlyWhereTheyMeanTheCharacter)
{
    const struct
    {
        const char16_t *Text;
        bool NeedsUtf8;
    } pages[] = {
        {u"<p>→</p>", false},
        {u"<script>x = '→';</script>", true},
        {u"<SCRIPT type=\"text/javascript\">'→'</SCRIPT>", true},
        {u"<style>p:after { content: '→' }</style>", true},
        {u"<?php echo '→'; ?>", true},
        {u"<% Response.Write(\"→\") %>", true},
        {u"<!-- → -->", true},
        {u"<!-- not closed → ", true},
        {u"<scripts>→</scripts>", false},
        {u"<script>var a;</script><p>→</p><!-- c -->", false},
    };
    for (const auto &page : pages) {
        const QString text = QString::fromUtf16(page.Text);
        SCOPED_TRACE(text.toStdString());
        const THtmlFileText ansi = HtmlFileText(text, TTextEncoding::Ansi);
        EXPECT_EQ(ansi.NeedsUtf8, page.NeedsUtf8);
        QString expected = text + "\r\n";
        if (!page.NeedsUtf8)
            expected.replace(QString::fromUtf16(u"→"), "&#8594;");
        EXPECT_EQ(ansi.Text, expected);
        EXPECT_FALSE(HtmlFileText(text, TTextEncoding::Utf8).NeedsUtf8);
    }
}

TEST_F(DocumentTest, UnicodePagesComeBackByteForByteAndKeepTheirEncodingAfterAnEdit)
{
    const struct
    {
        const char *Name;
        QByteArray Bytes;
        QByteArray Appended; // the bytes of "<p>→</p>\r\n" in the file's encoding
        QString Note;
    } pages[] = {
        {"stray.html",
         "<p>caf\xC3\xA9 \xC3\xA8 \x96</p>\r\n",
         "<p>\xE2\x86\x92</p>\r\n",
         "UTF-8 mit 1 ungültigen Byte"},
        {"script.html",
         "<script>s = '\xE2\x86\x92';</script>\r\n",
         "<p>\xE2\x86\x92</p>\r\n",
         QString()},
        {"wide.html",
         QByteArray("\xFF\xFE<\0s\0c\0r\0i\0p\0t\0>\0\x92!<\0/\0s\0c\0r\0i\0p\0t\0>\0\r\0\n\0", 42),
         QByteArray("<\0p\0>\0\x92!<\0/\0p\0>\0\r\0\n\0", 20),
         "UTF-16 LE"},
    };
    for (const auto &page : pages) {
        SCOPED_TRACE(page.Name);
        TDocument document(TDocKind::Html);
        Write(page.Name, page.Bytes);
        const TDocumentLoad load = Open(document, page.Name);
        ASSERT_TRUE(load.Ok);
        EXPECT_EQ(document.StatusNote(), page.Note);
        ASSERT_TRUE(document.Save(load.Text).IsSaved());
        EXPECT_EQ(Read(page.Name), page.Bytes);
        ASSERT_TRUE(document.Save(load.Text + QString::fromUtf8("<p>→</p>\r\n")).IsSaved());
        EXPECT_EQ(Read(page.Name), page.Bytes + page.Appended);
    }
}

TEST_F(DocumentTest, AnsiPageTurnsUtf8WhenAScriptHoldsWhatAnsiCannot)
{
    Write("page.html", "<p>alt</p>\r\n");
    TDocument document(TDocKind::Html);
    const TDocumentLoad load = Open(document, "page.html");
    const TSaveResult outside = document.Save(load.Text + QString::fromUtf8("<p>→</p>"));
    EXPECT_EQ(outside.Note(), QString());
    EXPECT_EQ(Read("page.html"), "<p>alt</p>\r\n<p>&#8594;</p>\r\n");

    const TSaveResult inside = document.Save(QString::fromUtf8("<script>'→ é'</script>"));
    ASSERT_TRUE(inside.IsSaved());
    EXPECT_EQ(inside.Note(), "als UTF-8 gespeichert");
    EXPECT_EQ(document.Format().Encoding, TTextEncoding::Utf8);
    EXPECT_EQ(document.StatusNote(), "als UTF-8 gespeichert");
    EXPECT_EQ(Read("page.html"), "<script>'\xE2\x86\x92 \xC3\xA9'</script>\r\n");
}

TEST_F(DocumentTest, BinaryFileIsWrittenBackUnchangedUntilItIsEdited)
{
    const QByteArray bytes("MZ\0\x01\r\nline\nother\rend\x90", 21);
    Write("tool.css", bytes);
    TDocument document(TDocKind::Css);
    const TDocumentLoad load = Open(document, "tool.css");
    ASSERT_TRUE(load.Ok);
    EXPECT_TRUE(load.Note.contains("ist offenbar keine Textdatei")) << load.Note.toStdString();
    EXPECT_EQ(document.StatusNote(), "keine Textdatei");
    ASSERT_TRUE(document.Save(load.Text).IsSaved());
    EXPECT_EQ(Read("tool.css"), bytes);

    ASSERT_TRUE(document.Save(load.Text + "!").IsSaved());
    EXPECT_EQ(Read("tool.css"), QByteArray("MZ\0\x01\r\nline\r\nother\r\nend\x90!\r\n", 26));
    EXPECT_EQ(document.StatusNote(), QString());
}

TEST_F(DocumentTest, LinesTooLongForTheEditorAreCutAndTheFileIsOnlyWrittenBackWhole)
{
    const qsizetype limit = TDocument::LongestShownLine;
    const QByteArray longLine(limit + 5, 'a');
    const QByteArray bytes = "kurz\r\n" + longLine + "\r\n" + QByteArray(limit, 'b') + "\r\n"
                             + longLine;
    Write("lang.html", bytes);
    TDocument document(TDocKind::Html);
    const TDocumentLoad load = Open(document, "lang.html");
    ASSERT_TRUE(load.Ok);
    const QString cut(limit, u'a');
    EXPECT_TRUE(load.Text == "kurz\r\n" + cut + "\r\n" + QString(limit, u'b') + "\r\n" + cut);
    EXPECT_TRUE(load.Note.contains("gekürzt")) << load.Note.toStdString();
    EXPECT_TRUE(load.Note.contains("(die längste hat " + QString::number(limit + 5) + ")"))
        << load.Note.toStdString();
    EXPECT_EQ(document.StatusNote(), "lange Zeilen gekürzt");

    // Unchanged, the file goes back as it was; changed, nothing is written and the reason said.
    ASSERT_TRUE(document.Save(load.Text).IsSaved());
    EXPECT_TRUE(Read("lang.html") == bytes);
    const TSaveResult changed = document.Save("kurz!" + load.Text);
    EXPECT_TRUE(changed.IsFailed());
    EXPECT_TRUE(changed.Reason().contains("nicht gespeichert")) << changed.Reason().toStdString();
    EXPECT_TRUE(Read("lang.html") == bytes);
}

TEST_F(DocumentTest, FailedSaveAsKeepsTheOldName)
{
    Write("page.html", "alt\r\n");
    TDocument document(TDocKind::Html);
    Open(document, "page.html");
    TFaultyFileWriter writer;
    writer.FailAt(TFileStep::Write, ENOSPC);
    const TFileWriterScope scope(writer);
    const TSaveResult result = document.SaveAs(Dir.filePath("neu.html"), "neu");
    ASSERT_TRUE(result.IsFailed());
    EXPECT_TRUE(result.Reason().contains("kein Platz")) << result.Reason().toStdString();
    EXPECT_EQ(document.FileName(), Dir.filePath("page.html"));
    EXPECT_FALSE(QFile::exists(Dir.filePath("neu.html")));
}

TEST_F(DocumentTest, NamesThatNeedAChoiceFirst)
{
    TDocument html(TDocKind::Html);
    EXPECT_TRUE(html.NeedsNewName()) << "before opening";
    html.SetFileName(NoName);
    EXPECT_TRUE(html.NeedsNewName());
    html.SetFileName(Write("ro.html", "x"));
    EXPECT_FALSE(html.NeedsNewName());
    QFile::setPermissions(html.FileName(), QFile::ReadOwner);
    EXPECT_TRUE(html.NeedsNewName());
    EXPECT_TRUE(html.Save("y").IsFailed()) << "a read-only file is never replaced";
    EXPECT_EQ(Read("ro.html"), "x");

    EXPECT_EQ(html.SaveAsName("/web/b"), "/web/b.html");
    EXPECT_EQ(html.SaveAsName("/web/b.php"), "/web/b.php");
    EXPECT_EQ(TDocument(TDocKind::Css).SaveAsName("/web/b"), "/web/b");
}
