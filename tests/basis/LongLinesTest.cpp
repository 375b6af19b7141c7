#include "LongLines.h"

#include "TextFile.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Random bytes made of the given pieces.
QByteArray RandomBytes(QRandomGenerator &random, const QList<QByteArray> &pieces)
{
    QByteArray bytes;
    for (int i = random.bounded(40); i > 0; --i)
        bytes += pieces[random.bounded(int(pieces.size()))];
    return bytes;
}

QByteArray Utf16LeWithMark(const QString &text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

TEST(LongLines, AreCutToTheirStartWithoutSplittingACharacter)
{
    struct TCase
    {
        const char *Name;
        QString Text;
        qsizetype Limit;
        QString Cut;
        qsizetype Longest;
    };
    const QString smiley = QStringLiteral("\U0001F600");
    const TCase cases[] = {
        {"a long line among short ones", "ab\r\nabcdef\r\nxy", 3, "ab\r\nabc\r\nxy", 6},
        {"the last line, without a break", "ab\r\nabcdef", 4, "ab\r\nabcd", 6},
        {"a line as long as the limit stays", "abc\r\nabcd", 4, "abc\r\nabcd", 4},
        {"a surrogate pair at the cut goes whole", "a" + smiley + "bc", 2, "a", 5},
        {"a surrogate pair before the cut stays", "a" + smiley + "bc", 3, "a" + smiley, 5},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(LongestLine(c.Text), c.Longest);
        EXPECT_EQ(CutLongLines(c.Text, c.Limit), c.Cut);
        // The bytes of the same text cut before decoding decode to the same.
        const QByteArray utf8 = c.Text.toUtf8();
        qsizetype longest = -1;
        const QByteArray cutBytes = CutLongByteLines(utf8, c.Limit, true, longest);
        const bool cut = c.Cut != c.Text;
        EXPECT_EQ(cutBytes.isNull(), !cut);
        EXPECT_EQ(cut ? QString::fromUtf8(cutBytes) : c.Text, c.Cut);
        EXPECT_EQ(longest, cut ? c.Longest : 0);
    }
}

// Cutting the bytes before decoding gives what decoding the whole and cutting the text gives,
// in every encoding and with every kind of line break.
TEST(LongLines, CutWhileDecodingAsIfCutAfterDecoding)
{
    struct TCase
    {
        const char *Name;
        QList<QByteArray> Pieces;
        QByteArray Start;
    };
    const QList<QByteArray> breaks = {"\r\n", "\n", "\r", "\r\n"};
    const QList<QByteArray> ansi = QList<QByteArray>{"a", "bc", "\xE4", "\x80", "defgh"} + breaks;
    const QList<QByteArray> utf8
        = QList<QByteArray>{"a", "xyz", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"} + breaks;
    const TCase cases[] = {
        {"ANSI", ansi, ""},
        {"UTF-8", utf8, "\xC3\xA4"},
        {"UTF-8 with a byte order mark", utf8, "\xEF\xBB\xBF"},
        // Invalid bytes are carried: such UTF-8 is cut after decoding.
        {"UTF-8 with an invalid byte", utf8 + QList<QByteArray>{"\xFF"}, "\xC3\xA4\xC3\xA4\xC3\xA4"},
        {"binary", ansi + QList<QByteArray>{QByteArray(1, '\0')}, QByteArray(1, '\0')},
    };
    QRandomGenerator random(2612);
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        for (int round = 0; round < 2000; ++round) {
            const QByteArray bytes = c.Start + RandomBytes(random, c.Pieces);
            const qsizetype limit = random.bounded(2, 12);
            const TDecodedText whole = DecodeText(bytes);
            const TDecodedText cut = DecodeText(bytes, limit);
            const qsizetype longest = LongestLine(whole.Text);
            ASSERT_EQ(cut.Text, longest > limit ? CutLongLines(whole.Text, limit) : whole.Text)
                << bytes.toHex().toStdString() << " limit " << limit;
            ASSERT_EQ(cut.LinesCut, longest > limit);
            ASSERT_EQ(cut.LongestLine, longest > limit ? longest : 0);
            ASSERT_EQ(cut.Format, whole.Format);
            ASSERT_EQ(cut.CarriedBytes, whole.CarriedBytes);
            ASSERT_EQ(cut.LooksBinary, whole.LooksBinary);
        }
    }
    // UTF-16 is cut after decoding.
    const TDecodedText wide = DecodeText(Utf16LeWithMark("ab\r\nabcdef\nx"), 3);
    EXPECT_EQ(wide.Text, "ab\r\nabc\r\nx");
    EXPECT_EQ(wide.LongestLine, 6);
}
