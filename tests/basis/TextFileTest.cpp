#include "TextFile.h"

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
    ASSERT_TRUE(WriteFileAtomically(target, "old").isEmpty());
    EXPECT_EQ(
        WriteFileAtomically(dir.filePath("missing/page.html"), "x"),
        "Die Datei\r\n" + dir.filePath("missing/page.html")
            + "\r\nkann nicht gespeichert werden:\r\nDie Datei oder der Ordner existiert nicht.");
    // A directory in the way of the file cannot be replaced.
    QDir(dir.path()).mkdir("folder.html");
    const QString error = WriteFileAtomically(dir.filePath("folder.html"), "new");
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
