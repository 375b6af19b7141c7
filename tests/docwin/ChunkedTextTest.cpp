#include "ChunkedText.h"

#include "QStringPrinter.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

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
