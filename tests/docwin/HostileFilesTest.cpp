#include "DocumentWindowFixture.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class HostileFilesTest : public TDocumentWindowFixture
{
protected:
    // Opens the file in a window of the kind, saves it unchanged and gives the bytes on disk.
    QByteArray OpenAndSave(const QString &name, const QByteArray &bytes, bool html)
    {
        const QString path = Write(name, bytes);
        std::unique_ptr<TFHTMLFrame> window;
        if (html) {
            auto page = std::make_unique<TFMDITagra2>();
            EXPECT_TRUE(page->OpenDocument(path, false, false, false));
            window = std::move(page);
        } else {
            auto sheet = std::make_unique<TFMDI_CSS2>();
            EXPECT_TRUE(sheet->OpenDocument(path, false));
            window = std::move(sheet);
        }
        EXPECT_FALSE(window->IsModified());
        EXPECT_TRUE(window->SaveDocument().IsSaved());
        return Read(name);
    }
};

} // namespace

// Files no editor expects open without a crash, and saving them unchanged writes every byte
// back as it was. (By design both windows end a text with a line break, and the HTML window
// turns tabs and umlauts into blanks and references, so the cases end with a line break and the
// HTML window gets those without tabs and umlauts.)
TEST_F(HostileFilesTest, OddFilesComeBackByteForByte)
{
    const struct
    {
        const char *Name;
        QByteArray Bytes;
        bool Html;
    } cases[] = {
        {"empty", QByteArray(), true},
        {"NUL bytes", QByteArray("<p>\0a\r\n\0\0\xff\xfe", 11), true},
        {"only NUL bytes", QByteArray(4096, '\0'), false},
        {"invalid UTF-8", "p { content: \"\xc3\xa4 \xe4 \xff \xc3\"; }\r\n", false},
        {"UTF-8 with one stray byte", "/* \xe2\x82\xac\xe2\x82\xac\xe2\x82\xac \xe4 */\n", false},
        {"truncated UTF-8 at the end", "a { } /* \xe2\x82\xac\xe2\x82\xac \xe2\x82\r\n", false},
        {"UTF-16 that cannot be read without ambiguity",
         QByteArray::fromHex("feff50f9ff220a03ffe4fffff70a0d"),
         false},
        {"a 5 MB line", QByteArray(5 * 1024 * 1024, 'x') + "\r\n", true},
        {"a 5 MB line of markup", QByteArray("<b>").repeated(2 * 1024 * 1024) + "\r\n", true},
    };
    int n = 0;
    for (const auto &file : cases) {
        SCOPED_TRACE(file.Name);
        const QString name = QString("file%1.%2").arg(++n).arg(file.Html ? "html" : "css");
        const QByteArray saved = OpenAndSave(name, file.Bytes, file.Html);
        EXPECT_TRUE(saved == file.Bytes)
            << saved.size() << " bytes, ending " << saved.right(12).toHex().toStdString();
    }
}
