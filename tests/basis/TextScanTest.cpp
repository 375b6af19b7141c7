#include "TextScan.h"

#include "CodePage.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The CRs and LFs that stand in no CR LF pair.
qsizetype LoneByCounting(const QString &text)
{
    const qsizetype pairs = text.count(u"\r\n");
    return text.count(u'\r') - pairs + text.count(u'\n') - pairs;
}

} // namespace

// The scans work on blocks of units: breaks are put at every position around the block borders,
// at the start and at the end.
TEST(TextScan, LoneBreaksAgreeWithCountingWhereverTheBreaksStand)
{
    const QStringList breaks = {"\r\n", "\n", "\r", "\r\r\n", "\n\r", "\r\n\r", "\r\n\n"};
    for (const QString &lineBreak : breaks) {
        for (qsizetype at = 0; at <= 70; ++at) {
            QString text(70, u'a');
            text.insert(at, lineBreak);
            // A CR LF pair elsewhere that must not hide the stray break.
            text.insert(at < 35 ? text.size() : 0, u"\r\n");
            const QByteArray bytes = text.toLatin1();
            const qsizetype expected = LoneByCounting(text);
            ASSERT_EQ(LoneBreakCount(QStringView(text)), expected) << at << " " << lineBreak.size();
            ASSERT_EQ(LoneBreakCount(bytes), expected) << at << " " << lineBreak.size();
        }
    }
    EXPECT_EQ(LoneBreakCount(QByteArrayView()), 0);
}

TEST(TextScan, CountOfUnitsAgreesWithQString)
{
    const char16_t counted[] = {0x2029, 0xFDD0, 0xFDD1};
    const char16_t others[] = {0x2028, 0xFDD2, 0xFDCF, u'a'};
    QRandomGenerator random(1209);
    for (int round = 0; round < 200; ++round) {
        QString text(random.bounded(100), u'x');
        for (int i = random.bounded(6); i > 0 && !text.isEmpty(); --i) {
            const qsizetype at = random.bounded(int(text.size()));
            text[at] = random.bounded(2) ? counted[random.bounded(3)] : others[random.bounded(4)];
        }
        const qsizetype expected = text.count(QChar(0x2029)) + text.count(QChar(0xFDD0))
                                   + text.count(QChar(0xFDD1));
        ASSERT_EQ(CountUnits(text, 0x2029, 0xFDD0, 0xFDD1), expected) << round;
    }
}

// False means no line is longer than the limit; true means one is at least that long.
TEST(TextScan, LineLengthCheckFindsEveryLongLineAndNoShortOne)
{
    const QStringList pieces = {"a", "bc", "defgh", "\r\n", "\r\n\r\n"};
    QRandomGenerator random(1210);
    for (int round = 0; round < 5000; ++round) {
        QString text;
        for (int i = random.bounded(20); i > 0; --i)
            text += pieces[random.bounded(int(pieces.size()))];
        const qsizetype limit = random.bounded(12);
        qsizetype longest = 0;
        for (const QString &line : text.split(QStringLiteral("\r\n")))
            longest = std::max(longest, line.size());
        if (longest != limit) {
            ASSERT_EQ(MayHaveLineLongerThan(text, limit), longest > limit)
                << text.toStdString() << " " << limit;
        }
    }
}

// Every byte at every position of a block, against Qt's own windows-1252 table.
TEST(TextScan, AnsiDecodingAgreesWithTheCodePageTableAtEveryOffset)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    for (int offset = 0; offset <= 33; ++offset) {
        const QByteArray bytes = QByteArray(offset, 'a') + all + all;
        QStringDecoder reference("windows-1252");
        ASSERT_EQ(AnsiToUnicode(bytes), QString(reference.decode(bytes))) << offset;
    }
}
