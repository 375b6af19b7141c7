#include "EditCommands.h"

#include "CodePage.h"
#include "QStringPrinter.h"
#include "TextBuffer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TTextBuffer Selected(const QString &text, int start, int length)
{
    TTextBuffer editor(text);
    editor.SetSelStart(start);
    editor.SetSelLength(length);
    return editor;
}

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(LineCommands, DeleteCaretLineAndDeleteToLineEnd)
{
    TTextBuffer editor = Selected("ab\r\ncd\r\nef", 5, 0);
    DeleteCaretLine(editor);
    EXPECT_EQ(editor.Text(), "ab\r\nef");

    // From the caret to the end of its line, the break stays.
    editor = Selected("ab\r\ncd\r\nef", 5, 0);
    EXPECT_TRUE(DeleteToLineEnd(editor));
    EXPECT_EQ(editor.Text(), "ab\r\nc\r\nef");
    EXPECT_EQ(editor.SelStart(), 5);
    // The whole line from its start, in the last line.
    editor = Selected("ab\r\ncd\r\nef", 8, 0);
    EXPECT_TRUE(DeleteToLineEnd(editor));
    EXPECT_EQ(editor.Text(), "ab\r\ncd\r\n");
}

TEST(LineCommands, DeleteToLineEndDoesNothingInTheFirstLine)
{
    for (const int caret : {0, 1, 2}) {
        TTextBuffer editor = Selected("ab\r\ncd", caret, 0);
        EXPECT_FALSE(DeleteToLineEnd(editor)) << caret;
        EXPECT_EQ(editor.Text(), "ab\r\ncd");
        EXPECT_FALSE(editor.Modified());
    }
}

TEST(BlockIndentation, RightIndentsEveryLineFromFirstToLast)
{
    // A selection inside one line indents that line only.
    TTextBuffer editor = Selected("ab\r\ncd\r\nef", 5, 1);
    IndentBlock(editor);
    EXPECT_EQ(editor.Text(), "ab\r\n cd\r\nef");
    EXPECT_EQ(editor.SelStart(), 5);
    EXPECT_EQ(editor.SelLength(), 2);
    EXPECT_TRUE(editor.Modified());

    // From the middle of the first line to the middle of the third.
    editor = Selected("ab\r\ncd\r\nef\r\ngh", 1, 7);
    IndentBlock(editor);
    EXPECT_EQ(editor.Text(), " ab\r\n cd\r\n ef\r\ngh");
    EXPECT_EQ(editor.SelStart(), 1);
    EXPECT_EQ(editor.SelLength(), 10);

    // A selection that ends at the start of a line still takes that line.
    editor = Selected("ab\r\ncd", 0, 4);
    IndentBlock(editor);
    EXPECT_EQ(editor.Text(), " ab\r\n cd");
    EXPECT_EQ(editor.SelLength(), 6);
}

TEST(BlockIndentation, LeftTouchesOnlyTheLinesBetweenFirstAndLast)
{
    // Lines 0 and 4 keep their blank; of the three between, those with one lose it.
    TTextBuffer editor = Selected(" a\r\n b\r\nc\r\n d\r\n e", 0, 16);
    UnindentBlock(editor);
    EXPECT_EQ(editor.Text(), " a\r\nb\r\nc\r\nd\r\n e");
    EXPECT_EQ(editor.SelStart(), 0);
    EXPECT_EQ(editor.SelLength(), 11); // one less for each of the five lines
    EXPECT_TRUE(editor.Modified());

    // One or two lines: nothing changes, but the selection shrinks.
    editor = Selected(" a\r\n bc", 0, 6);
    UnindentBlock(editor);
    EXPECT_EQ(editor.Text(), " a\r\n bc");
    EXPECT_EQ(editor.SelLength(), 4);
    editor = Selected(" a\r\n b", 0, 1);
    UnindentBlock(editor);
    EXPECT_EQ(editor.Text(), " a\r\n b");
    EXPECT_EQ(editor.SelLength(), 0);
}

TEST(CharacterSets, OemAndAnsiConversionsKeepTheLength)
{
    // In code page 850 "ü" is byte 0x81 and "ß" byte 0xE1; read as ANSI these are the control
    // character U+0081 and "á". ANSI "„" is byte 0x84, which is "ä" in code page 850.
    const QString text = QString::fromUtf8("Grüße");
    const QString oem = AnsiToOemText(text);
    EXPECT_EQ(oem, QString::fromUtf8("Gr\u0081áe"));
    EXPECT_EQ(OemToAnsiText(oem), text);
    EXPECT_EQ(OemToAnsiText(QString::fromUtf8("„")), QString::fromUtf8("ä"));
    // Characters the source code page does not have stay as they are: "€" has no byte in code
    // page 850, the box drawing line none in ANSI.
    EXPECT_EQ(AnsiToOemText(QString::fromUtf8("5 €")), QString::fromUtf8("5 €"));
    EXPECT_EQ(OemToAnsiText(QString::fromUtf8("─")), QString::fromUtf8("─"));

    // Every ANSI character that code page 850 has comes back unchanged, one for one.
    QByteArray allBytes(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        allBytes[b] = char(b);
    const QString ansi = AnsiToUnicode(allBytes);
    const QString roundTrip = OemToAnsiText(AnsiToOemText(ansi));
    ASSERT_EQ(roundTrip.size(), 256);
    for (int b = 0; b < 256; ++b) {
        if (OemByte(ansi[b]) >= 0) {
            EXPECT_EQ(roundTrip[b], ansi[b]) << b;
        }
    }
}

TEST(CharacterSets, WindowsToDosMarksModifiedAndLeavesEmptyTextAlone)
{
    TTextBuffer editor(QString::fromUtf8("ä\r\nb"));
    editor.SetSelStart(3);
    ConvertAnsiToOem(editor);
    EXPECT_EQ(editor.Text(), QString::fromUtf8("\u201E\r\nb"));
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(editor.SelStart(), 3);
    ConvertOemToAnsi(editor);
    EXPECT_EQ(editor.Text(), QString::fromUtf8("ä\r\nb"));

    TTextBuffer empty;
    ConvertAnsiToOem(empty);
    ConvertOemToAnsi(empty);
    EXPECT_FALSE(empty.Modified());
}

TEST(LetterCase, AllLowerCaseCharacterByCharacter)
{
    // The capital sharp s becomes one character; the capital I with dot, whose lower case takes
    // two, stays as it is.
    const QString text = QString::fromUtf8("ÄÖÜ <TITLE>Straße İ ẞ</TITLE>");
    EXPECT_EQ(AnsiLowerText(text), QString::fromUtf8("äöü <title>straße İ ß</title>"));
    TTextBuffer editor(text);
    editor.SetSelStart(3);
    ConvertToLowerCase(editor);
    EXPECT_EQ(editor.Text(), QString::fromUtf8("äöü <title>straße İ ß</title>"));
    EXPECT_EQ(editor.SelStart(), 3);
}

TEST(LetterCase, TagsInLowerCase)
{
    // Line breaks become "<br />", whatever their case or form.
    EXPECT_EQ(LowerCaseTags("a<BR>b<Br />c<br>"), "a<br />b<br />c<br />");
    EXPECT_EQ(LowerCaseTags("<HR>"), "<hr />");
    // A cell start tag without attributes, in any case and as often as it occurs; with
    // attributes it keeps its case.
    EXPECT_EQ(LowerCaseTags("<Td>1</TD><td>2</td><TD>3</Td>"), "<td>1</td><td>2</td><td>3</td>");
    EXPECT_EQ(LowerCaseTags("<TD ALIGN=right>1</TD>"), "<TD ALIGN=right>1</td>");
    // Tags listed with the blank behind them, and those with their first attribute.
    EXPECT_EQ(LowerCaseTags("<DIV CLASS=a><FONT SIZE=2><A HREF=\"x\">"),
              "<div CLASS=a><font SIZE=2><a href=\"x\">");
    EXPECT_EQ(LowerCaseTags("<INPUT TYPE=text>"), "<input type=text>");
    // Tags not in the table stay.
    EXPECT_EQ(LowerCaseTags("<DL><DT>t</DT><DD>d</DD></DL><H6>x</H6>"),
              "<dl><DT>t</dt><dd>d</dd></dl><H6>x</H6>");

    TTextBuffer editor("<HTML>\r\n<BODY>x</BODY>\r\n</HTML>");
    TagsToLowerCase(editor);
    EXPECT_EQ(editor.Text(), "<html>\r\n<body>x</body>\r\n</html>");
}

TEST(BlockFile, SelectionIsWrittenAsPlainText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(BlockSaveDialogOptions().Title, "Block speichern unter");
    EXPECT_TRUE(BlockSaveDialogOptions().FileName.isEmpty());

    TTextBuffer editor = Selected(QString::fromUtf8("x Grüße\r\nab y"), 2, 9);
    const QString ansiFile = dir.filePath("block.txt");
    EXPECT_TRUE(WriteBlockToFile(editor, ansiFile, false).IsSaved());
    EXPECT_EQ(ReadAll(ansiFile),
              QByteArray("Gr\xFC\xDF"
                         "e\r\nab"));
    EXPECT_EQ(editor.Text(), QString::fromUtf8("x Grüße\r\nab y"));

    // A character that ANSI lacks: the block goes out as UTF-8 rather than lose it.
    editor = Selected(QString::fromUtf8("a → b"), 0, 5);
    const QString utf8File = dir.filePath("arrow.txt");
    EXPECT_TRUE(WriteBlockToFile(editor, utf8File, false).IsSaved());
    EXPECT_EQ(ReadAll(utf8File), QByteArray("a \xE2\x86\x92 b"));

    EXPECT_TRUE(WriteBlockToFile(editor, dir.filePath("missing/dir/x.txt"), false).IsFailed());
}
