#include "TextFile.h"

#include "SafeFileWrite.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray AllBytesExceptLineBreaks()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) {
        if (i != '\r' && i != '\n')
            bytes.append(static_cast<char>(i));
    }
    return bytes;
}

} // namespace

TEST(TextFile, AnsiBytesRoundTripExactly)
{
    const QByteArray bytes = AllBytesExceptLineBreaks() + "\r\nline\r\n";
    const TDecodedText decoded = DecodeText(bytes);
    EXPECT_EQ(decoded.Format.Encoding, TTextEncoding::Ansi);
    bool lossless = false;
    EXPECT_EQ(EncodeText(decoded.Text, decoded.Format, &lossless), bytes);
    EXPECT_TRUE(lossless);
}

TEST(TextFile, Utf8IsRecognisedAndKept)
{
    const QByteArray utf8 = "<p>Grüße – €</p>\r\n";
    const TDecodedText decoded = DecodeText(utf8);
    EXPECT_EQ(decoded.Format.Encoding, TTextEncoding::Utf8);
    EXPECT_EQ(decoded.Text, QString::fromUtf8("<p>Grüße – €</p>\r\n"));
    EXPECT_EQ(EncodeText(decoded.Text, decoded.Format), utf8);

    const QByteArray withBom = "\xEF\xBB\xBFplain";
    const TDecodedText bom = DecodeText(withBom);
    EXPECT_EQ(bom.Format.Encoding, TTextEncoding::Utf8Bom);
    EXPECT_EQ(bom.Text, "plain");
    EXPECT_EQ(EncodeText(bom.Text, bom.Format), withBom);
}

TEST(TextFile, InvalidUtf8IsReadAsAnsi)
{
    const QByteArray latin = "Gr\xFC\xDF"
                             "e";
    const TDecodedText decoded = DecodeText(latin);
    EXPECT_EQ(decoded.Format.Encoding, TTextEncoding::Ansi);
    EXPECT_EQ(decoded.Text, QString::fromUtf8("Grüße"));
}

TEST(TextFile, CharacterOutsideAnsiIsReportedNotLostSilently)
{
    bool lossless = true;
    const QByteArray bytes = EncodeText(QString::fromUtf8("a\u4E2Db"), {}, &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(bytes.size(), 3);
}

TEST(TextFile, LineBreaksBecomeCrLfAndLfFilesStayLf)
{
    const TDecodedText unix = DecodeText("a\nb\n");
    EXPECT_EQ(unix.Text, "a\r\nb\r\n");
    EXPECT_EQ(unix.Format.LineBreaks, TLineBreakStyle::Lf);
    EXPECT_EQ(EncodeText(unix.Text, unix.Format), "a\nb\n");

    const TDecodedText mixed = DecodeText("a\r\nb\rc\n");
    EXPECT_EQ(mixed.Text, "a\r\nb\r\nc\r\n");
    EXPECT_EQ(mixed.Format.LineBreaks, TLineBreakStyle::CrLf);
}

TEST(TextFile, ReadReportsMissingTooLargeAndDirectories)
{
    QTemporaryDir dir;
    const TTextReadResult missing = ReadTextFile(dir.filePath("none.html"));
    EXPECT_FALSE(missing.Ok);
    EXPECT_TRUE(missing.Error.endsWith("Die Datei oder der Ordner existiert nicht."))
        << missing.Error.toStdString();
    EXPECT_FALSE(ReadTextFile(dir.path()).Ok);
    const QString big = dir.filePath("big.txt");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    const TTextReadResult result = ReadTextFile(big, 1024);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.Error.contains("zu groß")) << result.Error.toStdString();
    EXPECT_TRUE(ReadTextFile(big).Ok);
}

TEST(TextFile, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("page.html");
    ASSERT_TRUE(WriteFileSafely(target, "old", false).IsSaved());
    EXPECT_EQ(
        WriteFileSafely(dir.filePath("missing/page.html"), "x", false).Reason(),
        "Die Datei\r\n" + dir.filePath("missing/page.html")
            + "\r\nkann nicht gespeichert werden:\r\nDie Datei oder der Ordner existiert nicht.");
    // A directory in the way of the file cannot be replaced.
    QDir(dir.path()).mkdir("folder.html");
    const QString error = WriteFileSafely(dir.filePath("folder.html"), "new", false).Reason();
    EXPECT_TRUE(error.startsWith("Die Datei")) << error.toStdString();
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}

TEST(TextFile, MalformedUtf8SequencesAreReadAsAnsi)
{
    // An overlong form, an encoded surrogate and a cut-off sequence are no UTF-8.
    for (const QByteArray &bytes :
         {QByteArray("a\xC0\xAF"), QByteArray("a\xED\xA0\x80"), QByteArray("a\xE2\x80")}) {
        const TDecodedText decoded = DecodeText(bytes);
        EXPECT_EQ(decoded.Format.Encoding, TTextEncoding::Ansi);
        EXPECT_EQ(EncodeText(decoded.Text, decoded.Format), bytes);
    }
    EXPECT_EQ(DecodeText("\xF0\x9F\x98\x80").Format.Encoding, TTextEncoding::Utf8);
}

// Files that are opened and saved without an edit come back byte for byte, in their encoding.
TEST(TextFile, UnicodeFilesRoundTripByteForByte)
{
    const struct
    {
        const char *Name;
        QByteArray Bytes;
        TTextEncoding Encoding;
        qsizetype Carried;
        const char16_t *Text;
    } files[] = {
        {"UTF-8 with one stray byte",
         QByteArray("<p>caf\xC3\xA9 \x96 \xE2\x86\x92</p>\r\n"),
         TTextEncoding::Utf8,
         1,
         u"<p>café \uF796 →</p>\r\n"},
        {"UTF-8 with mark and a cut-off sequence",
         QByteArray("\xEF\xBB\xBF\xC3\xA9\xE2\x86"),
         TTextEncoding::Utf8Bom,
         2,
         u"é\uF7E2\uF786"},
        {"UTF-16 LE",
         QByteArray("\xFF\xFE<\0\x92!\r\0\n\0", 10),
         TTextEncoding::Utf16LE,
         0,
         u"<→\r\n"},
        {"UTF-16 BE with LF breaks",
         QByteArray("\xFE\xFF\0a\0\n\0b", 8),
         TTextEncoding::Utf16BE,
         0,
         u"a\r\nb"},
        {"UTF-16 LE, odd last byte",
         QByteArray("\xFF\xFE"
                    "a\0b",
                    5),
         TTextEncoding::Utf16LE,
         1,
         u"a\uF762"},
        {"UTF-16 LE, lone surrogate",
         QByteArray("\xFF\xFE\x3D\xD8x\0", 6),
         TTextEncoding::Utf16LE,
         2,
         u"\uF73D\uF7D8x"},
        {"UTF-32 LE",
         QByteArray("\xFF\xFE\0\0\x00\xF6\x01\0", 8),
         TTextEncoding::Utf32LE,
         0,
         u"\U0001F600"},
        {"UTF-32 BE, no character",
         QByteArray("\0\0\xFE\xFF\0\x11\0\0", 8),
         TTextEncoding::Utf32BE,
         4,
         u"\uF700\uF711\uF700\uF700"},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.Name);
        const TDecodedText decoded = DecodeText(file.Bytes);
        EXPECT_EQ(decoded.Format.Encoding, file.Encoding);
        EXPECT_EQ(decoded.CarriedBytes, file.Carried);
        EXPECT_EQ(decoded.Text, QString::fromUtf16(file.Text));
        EXPECT_FALSE(decoded.LooksBinary);
        EXPECT_EQ(EncodeText(decoded.Text, decoded.Format), file.Bytes);
    }
}

TEST(TextFile, OnlyAFewInvalidBytesKeepAFileUtf8)
{
    const struct
    {
        const char *Name;
        QByteArray Bytes;
        TTextEncoding Encoding;
    } files[] = {
        // One accidental pair among ANSI umlauts is no UTF-8 text.
        {"ANSI with an accidental pair", "\xC3\xA4 und \xFC\xFC\xDF", TTextEncoding::Ansi},
        {"two sequences, one stray byte", "\xC3\xA9\xC3\xA8 \xFF", TTextEncoding::Utf8},
        // A file that holds a character of the carrier range itself cannot carry bytes.
        {"carrier character and a stray byte",
         "\xEF\x9C\x80\xC3\xA9\xC3\xA9 \xFF",
         TTextEncoding::Ansi},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.Name);
        const TDecodedText decoded = DecodeText(file.Bytes);
        EXPECT_EQ(decoded.Format.Encoding, file.Encoding);
        EXPECT_EQ(EncodeText(decoded.Text, decoded.Format), file.Bytes);
    }
}

TEST(TextFile, BinaryLookingBytesAreToldApart)
{
    const struct
    {
        QByteArray Bytes;
        bool Binary;
    } samples[] = {
        {QByteArray("GIF89a\0\x01", 8), true},
        {"\x01\x02\x03\x04 abc", true},
        {"Tabs\tand\r\nform feeds\f, an escape \x1B[0m and ^Z\x1A", false},
        {"", false},
    };
    for (const auto &sample : samples) {
        EXPECT_EQ(LooksBinary(sample.Bytes), sample.Binary) << sample.Bytes.toHex().constData();
        EXPECT_EQ(DecodeText(sample.Bytes).LooksBinary, sample.Binary);
    }
    // A UTF-16 file is full of NUL bytes but says what it is.
    EXPECT_FALSE(DecodeText(QByteArray("\xFF\xFEh\0i\0", 6)).LooksBinary);
}

// Found by the decoder fuzz target: a zero-width no-break space (U+FEFF) was taken for a byte
// order mark and lost in a UTF-32 file, behind a stray byte of a UTF-8 file and right behind
// the mark of a UTF-8 file.
TEST(TextFile, FuzzFindingsRoundTripByteForByte)
{
    const QByteArray files[] = {
        QByteArray::fromHex("0000feff0000feff000000ba20000a62fffe5d"),
        QByteArray::fromHex("fffe000041000000fffe000042000000"),
        QByteArray::fromHex("efbbbf61e40503c4efbbbf23"),
        QByteArray::fromHex("efbbbfefbbbfefbbbf61c3a4"),
    };
    for (const QByteArray &bytes : files) {
        const TDecodedText decoded = DecodeText(bytes);
        EXPECT_EQ(EncodeText(decoded.Text, decoded.Format).toHex().toStdString(),
                  bytes.toHex().toStdString());
    }
}

// Found by the decoder fuzz target: a UTF-16 file with a character of the carrier range and an
// odd last byte cannot be read without ambiguity; read as ANSI its line breaks would change, so
// it counts as no text and its bytes are kept.
TEST(TextFile, AmbiguousUtf16FileIsKeptAsBytes)
{
    const QByteArray bytes = QByteArray::fromHex("feff50f9ff220a03ffe4fffff70a0d");
    const TDecodedText decoded = DecodeText(bytes);
    EXPECT_EQ(decoded.Format.Encoding, TTextEncoding::Ansi);
    EXPECT_TRUE(decoded.LooksBinary);
}

// ANSI and UTF-8 files get their line breaks made CR LF on the bytes, before decoding. The text
// must be the one the same bytes give with their breaks made CR LF beforehand, whatever stands
// around a break (stray bytes, a cut sequence, a byte order mark) and wherever it stands.
TEST(TextFile, BreaksMadeCrLfOnTheBytesGiveTheTextOfACrLfFile)
{
    const QByteArray bodies[] = {
        "Gr\xFC\xDF"
        "e \x80\x9F und Stra\xDF"
        "e im M\xE4rz, 20 \x80",
        "caf\xC3\xA9 \xE2\x86\x92 na\xC3\xAFve \xF0\x9F\x98\x80 Gr\xC3\xBC\xC3\x9F"
        "e",
        "\xC3\xA9\xC3\xA8\xE2\x86\x92 \x96 \xC3\xA9\xC3\xA8 stray and cut \xE2\x86",
        "\xEF\xBB\xBFmark, then \xC3\xA4 and a stray \xFC byte",
    };
    const QByteArray breaks[] = {"\n", "\r", "\r\r\n", "\n\r", "\n\n", "\r\n\n"};
    const auto toCrLf = [](QByteArray bytes) {
        return bytes.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    };
    for (const QByteArray &body : bodies) {
        for (const QByteArray &lineBreak : breaks) {
            for (qsizetype at = 0; at <= body.size(); ++at) {
                const QByteArray bytes = QByteArray(body).insert(at, lineBreak) + body + lineBreak;
                const TDecodedText expected = DecodeText(toCrLf(bytes));
                const TDecodedText decoded = DecodeText(bytes);
                SCOPED_TRACE(bytes.toHex().toStdString());
                ASSERT_EQ(decoded.Text, expected.Text);
                ASSERT_EQ(decoded.Format.Encoding, expected.Format.Encoding);
                ASSERT_EQ(decoded.CarriedBytes, expected.CarriedBytes);
                const bool lfOnly = !bytes.contains("\r\n") && bytes.contains('\n');
                ASSERT_EQ(decoded.Format.LineBreaks,
                          lfOnly ? TLineBreakStyle::Lf : TLineBreakStyle::CrLf);
            }
        }
    } // UTF-16 files get theirs made CR LF on the decoded text.
    const auto utf16 = [](const QString &text) -> QByteArray {
        return QByteArray("\xFF\xFE")
               + QByteArray(reinterpret_cast<const char *>(text.utf16()), 2 * text.size());
    };
    for (const QByteArray &lineBreak : breaks) {
        for (qsizetype at = 0; at <= 40; ++at) {
            const QString text = QString(40, u'\u00E4').insert(at, QString::fromLatin1(lineBreak))
                                 + QString::fromLatin1(lineBreak);
            SCOPED_TRACE(text.toStdString());
            ASSERT_EQ(DecodeText(utf16(text)).Text, QString::fromLatin1(toCrLf(text.toLatin1())));
        }
    }
}
