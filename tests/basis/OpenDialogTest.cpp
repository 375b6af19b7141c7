#include "FileUtils.h"
#include "QtPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(OpenDialog, ANameWithoutExtensionFindsTheFileWithTheDefaultExtension)
{
    QTemporaryDir dir;
    for (const char *name : {"page.XHTML", "README", "both", "both.xhtml", "site.html"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(dir.path()).mkdir("folder");
    const struct
    {
        const char *Typed;
        const char *Meant;
    } cases[] = {
        {"page", "page.XHTML"},     // any letter case on disk
        {"README", "README"},       // an existing file is taken as it is
        {"both", "both"},           // ... also when another file has the extension
        {"site.html", "site.html"}, // an extension is kept
        {"folder", "folder"},       // a folder is entered by the dialog
        {"missing", "missing.xhtml"},
        {"missing.txt", "missing.txt"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ResolveTypedFileName(dir.filePath(c.Typed), "XHTML"), dir.filePath(c.Meant))
            << c.Typed;
    EXPECT_EQ(ResolveTypedFileName(dir.filePath("missing"), ""), dir.filePath("missing"));
}

TEST(OpenDialog, AllFilesShowsFilesWithoutADotToo)
{
    EXPECT_EQ(QtNameFilters("HTML-Dateien (*.html;*.htm)|*.html;*.html;*.htm|Alle Dateien "
                            "(*.*)|*.*"),
              QStringList({"HTML-Dateien (*.html *.htm)", "Alle Dateien (*)"}));
}

} // namespace
