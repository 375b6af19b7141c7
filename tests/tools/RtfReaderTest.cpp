#include "RtfReader.h"

#include "HelpTopics.h"
#include "RtfTextDocument.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>

namespace {

const QByteArray Header
    = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern "
      "Courier New;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}";

TRtfDocument Read(const QByteArray &body)
{
    return ReadRtf(Header + body + "}");
}

// The runs of a one-paragraph document as "text|flags" strings: b, i, u, the size in half
// points, and the colour name when one is set.
QStringList Runs(const TRtfDocument &document)
{
    QStringList runs;
    for (const TRtfParagraph &paragraph : document.Paragraphs) {
        for (const TRtfRun &run : paragraph.Runs) {
            QString flags = QString(run.Format.Bold ? "b" : "") + (run.Format.Italic ? "i" : "")
                            + (run.Format.Underline ? "u" : "")
                            + QString::number(run.Format.HalfPoints);
            if (run.Format.Color.isValid())
                flags += run.Format.Color.name();
            runs << run.Text + "|" + flags;
        }
    }
    return runs;
}

QByteArray TopicBytes(const char *fileName)
{
    QFile file(QString(HELP_TOPIC_DIR) + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RtfReader, CharacterFormatsFollowTheGroupsAndSwitches)
{
    const struct
    {
        QByteArray Body;
        QStringList Runs;
    } cases[] = {
        {"plain {\\b bold} plain", {"plain |24", "bold|b24", " plain|24"}},
        {"\\b on\\b0  off", {"on|b24", " off|24"}},
        {"{\\i\\ul both}\\ul x\\ulnone y", {"both|iu24", "x|u24", "y|24"}},
        {"\\fs40 big {\\fs16 small} big", {"big |40", "small|16", " big|40"}},
        {"\\cf1 red\\cf2 navy\\cf0 auto", {"red|24#ff0000", "navy|24#000080", "auto|24"}},
        {"\\b\\i\\fs30\\cf1 all\\plain  none", {"all|bi30#ff0000", " none|24"}},
        {"\\cf9 beyond the table", {"beyond the table|24"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Runs(Read(c.Body)), c.Runs) << c.Body.constData();
}

TEST(RtfReader, CharactersEscapesAndSymbols)
{
    const struct
    {
        QByteArray Body;
        QString Text;
    } cases[] = {
        {"Gr\\'f6\\'dfe \\'c4rger", "Größe Ärger"},
        {"\\{a\\} \\\\ b", "{a} \\ b"},
        {"a\\~b\\tab c\\bullet d", QString("a") + QChar(0xA0) + "b\tc" + QChar(0x2022) + "d"},
        {"\\u8364?uro \\uc2\\u8364xx!", QString(QChar(0x20AC)) + "uro " + QChar(0x20AC) + "!"},
        {"\\u-3913?", QString(QChar(0xF0B7))},
        {"\\ldblquote x\\rdblquote  \\endash", "\u201Cx\u201D \u2013"},
        {"line\\line two", QString("line") + QChar(0x2028) + "two"},
        {"soft\\-hyphen", "softhyphen"},
        {"a\r\nb", "ab"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Read(c.Body).PlainText(), c.Text) << c.Body.constData();
}

TEST(RtfReader, GroupsThatAreNoTextAreSkipped)
{
    const struct
    {
        QByteArray Body;
        QString Text;
    } cases[] = {
        {"a{\\*\\unknown hidden {nested}}b", "ab"},
        {"{\\stylesheet{\\s1 Heading;}}a", "a"},
        {"{\\info{\\title Titel}{\\author X}}a", "a"},
        {"{\\pict\\pngblip 89504e47}a", "a"},
        {"a\\bin5 {}}}}b", "ab"},
        {"{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}", "shown"},
        {"\\unknownword7 a", "a"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Read(c.Body).PlainText(), c.Text) << c.Body.constData();
}

TEST(RtfReader, ParagraphsKeepAlignmentIndentsAndFonts)
{
    const TRtfDocument document = Read(
        "\\pard\\qc\\sb120 centred\\par\\li284\\fi-100\\sa60 indented\\par\\pard\\f1 code\\par\\f0 "
        "last");
    ASSERT_EQ(document.Paragraphs.size(), 4);
    EXPECT_EQ(document.PlainText(), "centred\nindented\ncode\nlast");
    EXPECT_EQ(document.Paragraphs[0].Alignment, TRtfAlignment::Center);
    EXPECT_EQ(document.Paragraphs[0].SpaceBefore, 120);
    // Paragraph properties hold until \pard.
    EXPECT_EQ(document.Paragraphs[1].Alignment, TRtfAlignment::Center);
    EXPECT_EQ(document.Paragraphs[1].LeftIndent, 284);
    EXPECT_EQ(document.Paragraphs[1].FirstLineIndent, -100);
    EXPECT_EQ(document.Paragraphs[2].Alignment, TRtfAlignment::Left);
    EXPECT_EQ(document.Paragraphs[2].LeftIndent, 0);
    EXPECT_EQ(document.Paragraphs[2].Runs[0].Format.FontName, "Courier New");
    EXPECT_TRUE(document.Paragraphs[2].Runs[0].Format.FixedPitch);
    EXPECT_EQ(document.Paragraphs[3].Runs[0].Format.FontName, "Arial");
    EXPECT_FALSE(document.Paragraphs[3].Runs[0].Format.FixedPitch);
    EXPECT_TRUE(document.Complete);
}

TEST(RtfReader, DamagedInputGivesWhatCouldBeRead)
{
    const struct
    {
        QByteArray Input;
        QString Text;
        bool Complete;
    } cases[] = {
        {"", "", false},
        {"just text", "just text", false},
        {"{\\rtf1 cut off in the middle", "cut off in the middle", false},
        {"{\\rtf1 a}}} b", "a b", false},
        {"{\\rtf1 a\\'zz b\\'4", "azz b", false},
        {"{\\rtf1 end\\", "end", false},
        {"{\\rtf1 \\fs999999999999999999999 \\li-99999999999 big}", "big", true},
        {"{\\rtf1 \\bin999999 gone}", "", false},
        {"{\\rtf1 \\u99999999999? x}", QString(QChar(0xFFFD)) + " x", true},
        {"{\\rtf1 " + QByteArray(5000, '{') + "deep" + QByteArray(5000, '}') + "}", "deep", true},
        {"{\\rtf1 " + QByteArray(5000, '{') + "open", "open", false},
    };
    for (const auto &c : cases) {
        const TRtfDocument document = ReadRtf(c.Input);
        EXPECT_EQ(document.PlainText(), c.Text) << c.Input.left(40).constData();
        EXPECT_EQ(document.Complete, c.Complete) << c.Input.left(40).constData();
    }
    const TRtfDocument huge = ReadRtf("{\\rtf1 \\fs999999999999 x}");
    EXPECT_EQ(huge.Paragraphs.at(0).Runs.at(0).Format.HalfPoints, 400);
}

// Every topic we ship reads completely, with a heading in bold, code examples in a typewriter
// font, real umlauts and no RTF left over in the text.
TEST(RtfReader, ShippedTopicsReadCompletely)
{
    const std::map<int, QString> mustMention = {{1, "<strong>"},
                                                {2, "<ul>"},
                                                {3, "#ff0000"},
                                                {4, "<table>"},
                                                {5, "<iframe"},
                                                {6, "href="},
                                                {7, "<img"},
                                                {8, "margin"},
                                                {9, "<form"}};
    for (const THelpTopic &topic : HelpTopics()) {
        const QByteArray bytes = TopicBytes(topic.FileName);
        ASSERT_FALSE(bytes.isEmpty()) << topic.FileName;
        const TRtfDocument document = ReadRtf(bytes);
        const QString text = document.PlainText();
        EXPECT_TRUE(document.Complete) << topic.FileName;
        EXPECT_GT(document.Paragraphs.size(), 20) << topic.FileName;
        EXPECT_TRUE(document.Paragraphs.first().Runs.first().Format.Bold) << topic.FileName;
        EXPECT_TRUE(text.contains(mustMention.at(topic.Number))) << topic.FileName;
        EXPECT_TRUE(text.contains(QRegularExpression("[äöüÄÖÜß]"))) << topic.FileName;
        EXPECT_FALSE(text.contains('\\')) << topic.FileName;
        EXPECT_FALSE(text.contains(QRegularExpression("\\b(par|fs\\d+|cf\\d)\\b")))
            << topic.FileName;
        bool hasCode = false;
        for (const TRtfParagraph &paragraph : document.Paragraphs) {
            for (const TRtfRun &run : paragraph.Runs)
                hasCode = hasCode || run.Format.FixedPitch;
        }
        EXPECT_TRUE(hasCode) << topic.FileName;
    }
}

// A short randomised run: the shipped topics cut off, with bytes changed, removed and inserted.
// The reader must neither crash nor hang nor invent text, a cut-off file keeps everything
// before the cut, and the text document can always be built.
TEST(RtfReader, RandomlyDamagedTopicsNeverBreakTheReader)
{
    QRandomGenerator random(20261209);
    const QByteArray noise = "{}\\'*;0123456789abfiuparx \r\n\xe4\xff";
    for (const THelpTopic &topic : HelpTopics()) {
        const QByteArray bytes = TopicBytes(topic.FileName);
        const TRtfDocument whole = ReadRtf(bytes);
        for (int round = 0; round < 60; ++round) {
            QByteArray damaged = bytes;
            const int cut = random.bounded(int(bytes.size()));
            if (round % 3 == 0) {
                damaged.truncate(cut);
                const TRtfDocument read = ReadRtf(damaged);
                const QStringList got = read.PlainText().split('\n');
                const QStringList full = whole.PlainText().split('\n');
                ASSERT_LE(got.size(), full.size());
                for (int i = 0; i + 1 < got.size(); ++i)
                    ASSERT_EQ(got[i], full[i]) << topic.FileName << " cut at " << cut;
                ASSERT_TRUE(full[got.size() - 1].startsWith(got.last()))
                    << topic.FileName << " cut at " << cut;
            } else {
                for (int change = random.bounded(1, 40); change > 0; --change) {
                    const int at = random.bounded(int(damaged.size()));
                    const char byte = noise.at(random.bounded(int(noise.size())));
                    switch (random.bounded(3)) {
                    case 0:
                        damaged[at] = byte;
                        break;
                    case 1:
                        damaged.remove(at, random.bounded(1, 20));
                        break;
                    default:
                        damaged.insert(at, QByteArray(random.bounded(1, 8), byte));
                        break;
                    }
                }
            }
            const TRtfDocument read = ReadRtf(damaged);
            ASSERT_LE(read.PlainText().size(), damaged.size());
            QTextDocument document;
            FillTextDocument(document, read);
            ASSERT_EQ(document.blockCount(), std::max<int>(1, read.Paragraphs.size()));
        }
    }
}

TEST(RtfTextDocument, BlocksAndCharacterFormatsReachTheDocument)
{
    QTextDocument document;
    FillTextDocument(document,
                     Read("\\pard\\qc{\\b\\fs32 Title}\\par\\pard\\li300 {\\i\\ul\\cf1 red} "
                          "{\\f1 <p>}\\par"));
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlock title = document.firstBlock();
    EXPECT_EQ(title.text(), "Title");
    EXPECT_EQ(title.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(title.begin().fragment().charFormat().fontPointSize(), 16.0);
    const QTextBlock body = title.next();
    EXPECT_EQ(body.text(), "red <p>");
    EXPECT_EQ(body.blockFormat().leftMargin(), 20.0);
    const QTextCharFormat red = body.begin().fragment().charFormat();
    EXPECT_TRUE(red.fontItalic());
    EXPECT_TRUE(red.fontUnderline());
    EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
    QTextBlock::iterator last = body.begin();
    while (!last.atEnd() && !last.fragment().text().contains("<p>"))
        ++last;
    ASSERT_FALSE(last.atEnd());
    EXPECT_TRUE(last.fragment().charFormat().fontFixedPitch());
    EXPECT_EQ(last.fragment().charFormat().fontFamilies().toStringList().first(), "Courier New");
}
