#include "ChunkedText.h"

#include "QStringPrinter.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <thread>

namespace {

// What IndexOf must answer: the first c in [start, end) of the plain string, or -1.
qsizetype PlainIndexOf(const QString &plain, QChar c, qsizetype start, qsizetype end)
{
    const qsizetype found = start < plain.size() ? plain.indexOf(c, start) : -1;
    return found >= 0 && found < end ? found : -1;
}

} // namespace

TEST(ChunkedText, ReplacementsAgreeWithAPlainString)
{
    QRandomGenerator random(2025);
    QString plain;
    for (int i = 0; i < 50000; ++i)
        plain += QChar(u'a' + i % 26);
    TChunkedText chunked;
    chunked.Assign(plain);
    for (int step = 0; step < 3000; ++step) {
        // Mostly short edits, now and then one that spans many pieces or empties the text.
        const int kind = random.bounded(100);
        const qsizetype start = random.bounded(int(plain.size()) + 1);
        qsizetype length = random.bounded(int(std::min<qsizetype>(plain.size() - start, 20)) + 1);
        QString insert(random.bounded(kind < 90 ? 5 : 20000), QChar(u'A' + step % 26));
        if (kind >= 97)
            length = plain.size() - start;
        else if (kind >= 94)
            length = std::min<qsizetype>(plain.size() - start, 30000);
        const QString removed = chunked.Replace(start, length, insert);
        ASSERT_EQ(removed, plain.mid(start, length)) << "step " << step;
        plain.replace(start, length, insert);
        ASSERT_EQ(chunked.Length(), plain.size());
        const qsizetype probe = random.bounded(int(plain.size()) + 1);
        ASSERT_EQ(chunked.Mid(probe, 9000), plain.mid(probe, 9000));
        const QChar wanted(u'a' + step % 26);
        ASSERT_EQ(chunked.IndexOf(wanted, probe, probe + 9000),
                  PlainIndexOf(plain, wanted, probe, probe + 9000))
            << "step " << step;
    }
    EXPECT_EQ(chunked.ToString(), plain);
    // Out of range requests are clamped.
    EXPECT_EQ(chunked.Mid(-5, 3), plain.left(0));
    EXPECT_EQ(chunked.Mid(plain.size() - 2, 10), plain.right(2));
}

TEST(ChunkedText, AnsiTextTakesOneBytePerCharacterAndOnlyPiecesWithWiderCharactersWiden)
{
    QString plain;
    for (int i = 0; i < 200000; ++i)
        plain += i % 50 == 0 ? QChar(u'\u00E4') : QChar(u'a' + i % 26);
    TChunkedText chunked;
    chunked.Assign(plain);
    EXPECT_LT(chunked.MemoryBytes(), plain.size() * 6 / 5);

    // A euro sign widens the piece it goes into; edits around it keep both kinds apart.
    QRandomGenerator random(17);
    const QString inserts[] = {QStringLiteral("\u20AC"),
                               QStringLiteral("x"),
                               QStringLiteral("\u00DF\u00FC"),
                               QString(6000, u'\u2013'),
                               QString()};
    for (int step = 0; step < 400; ++step) {
        const qsizetype start = random.bounded(int(plain.size()) + 1);
        const qsizetype length = std::min<qsizetype>(plain.size() - start, random.bounded(3));
        const QString &insert = inserts[step % 5];
        ASSERT_EQ(chunked.Replace(start, length, insert), plain.mid(start, length));
        plain.replace(start, length, insert);
        ASSERT_EQ(chunked.Mid(start - 10, 30),
                  plain.mid(std::max<qsizetype>(0, start - 10), start < 10 ? start + 20 : 30));
    }
    EXPECT_EQ(chunked.ToString(), plain);
    EXPECT_LT(chunked.MemoryBytes(), plain.size() * 2);
    // Searching crosses narrow and wide pieces alike; a wide character is in no narrow one.
    for (const QChar wanted : {QChar(u'\u20AC'), QChar(u'\u00DF'), QChar(u'\u2013')}) {
        for (qsizetype start = 0; start < plain.size(); start += 7919) {
            ASSERT_EQ(chunked.IndexOf(wanted, start, start + 30000),
                      PlainIndexOf(plain, wanted, start, start + 30000))
                << start;
        }
    }
    EXPECT_EQ(chunked.IndexOf(u'a', 10, 10), -1) << "an empty range";
}

TEST(ChunkedText, PackedRunsReadAndEditLikeAPlainString)
{
    // Markup with umlauts and now and then a character beyond Latin-1, packed in ranges that
    // start and end inside pieces, then read and edited across packed and ordinary pieces.
    QString plain;
    for (int i = 0; plain.size() < 300'000; ++i)
        plain += QStringLiteral("<td class=\"z\">Gr\u00FC\u00DFe %1</td>\r\n").arg(i)
                 + (i % 97 == 0 ? QStringLiteral("\u20AC") : QString());
    TChunkedText chunked;
    chunked.Assign(plain);
    QRandomGenerator random(99);
    for (int step = 0; step < 600; ++step) {
        const qsizetype start = random.bounded(int(plain.size()) + 1);
        if (step % 3 == 0) {
            chunked.Pack(start, start + random.bounded(200'000));
        } else {
            const qsizetype length = std::min<qsizetype>(plain.size() - start,
                                                         random.bounded(step % 7 == 0 ? 9000 : 4));
            const QString insert = step % 5 == 0 ? QStringLiteral("\u2013x") : QStringLiteral("ab");
            ASSERT_EQ(chunked.Replace(start, length, insert), plain.mid(start, length)) << step;
            plain.replace(start, length, insert);
        }
        const qsizetype probe = random.bounded(int(plain.size()) + 1);
        ASSERT_EQ(chunked.Mid(probe, 70'000), plain.mid(probe, 70'000)) << step;
        for (const QChar wanted : {QChar(u'\n'), QChar(u'\u20AC'), QChar(u'\u2013')})
            ASSERT_EQ(chunked.IndexOf(wanted, probe, probe + 70'000),
                      PlainIndexOf(plain, wanted, probe, probe + 70'000))
                << step;
    }
    ASSERT_EQ(chunked.Length(), plain.size());
    EXPECT_EQ(chunked.ToString(), plain);
}

TEST(ChunkedText, PackingShrinksMarkupAndLeavesWhatDoesNotPack)
{
    struct TCase
    {
        const char *Name;
        QString Text;
        double MostBytesPerCharacter;
    };
    QString markup;
    for (int i = 0; markup.size() < 500'000; ++i)
        markup += QStringLiteral("<p class=\"absatz\">Zeile %1 \u00E4\u00F6\u00FC</p>\r\n").arg(i);
    // Bytes with no pattern do not pack; they stay as they are, one byte per character.
    QString noise(500'000, Qt::Uninitialized);
    QRandomGenerator random(5);
    for (QChar &c : noise)
        c = QChar(ushort(random.bounded(1, 256)));
    const TCase cases[] = {
        {"markup", markup, 0.25},
        {"a short text is not worth it", markup.left(10'000), 1.05},
        {"wide markup", QString(markup).replace(u'\u00E4', u'\u20AC'), 0.3},
        {"noise", noise, 1.05},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TChunkedText chunked;
        chunked.Assign(c.Text);
        // Packing a range leaves the pieces behind it as they are.
        const qsizetype unpacked = chunked.MemoryBytes();
        chunked.Pack(0, 10'000);
        EXPECT_GT(chunked.MemoryBytes(), unpacked * 9 / 10);
        chunked.Pack(0, c.Text.size());
        EXPECT_LT(double(chunked.MemoryBytes()) / double(c.Text.size()), c.MostBytesPerCharacter);
        EXPECT_EQ(chunked.ToString(), c.Text);
        // A copy shares the packed runs and is read on another thread while this one is edited.
        const TChunkedText copy = chunked;
        QString copied;
        std::thread reader([&] { copied = copy.ToString(); });
        chunked.Replace(1000, 10, u"neu");
        reader.join();
        EXPECT_EQ(copied, c.Text);
        EXPECT_EQ(chunked.Mid(990, 30), c.Text.mid(990, 10) + "neu" + c.Text.mid(1010, 17));
    }
}
