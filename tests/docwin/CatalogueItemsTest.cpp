// Every item of the HTML window's insertion menus, run through the catalogue executor on a
// plain text buffer.
#include "Catalogue.h"
#include "CatalogueExpectations.h"
#include "HtmlCatalogues.h"
#include "QStringPrinter.h"
#include "TextBuffer.h"

#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace CatalogueExpectations;

class CatalogueItems : public ::testing::Test
{
protected:
    void Check(std::span<const TExpected> expectations)
    {
        for (const TExpected &expected : expectations) {
            SCOPED_TRACE(expected.Name);
            const TCatalogueEntry *entry = Find(expected.Name);
            ASSERT_NE(entry, nullptr);
            TTextBuffer editor(Document.join("\r\n"));
            editor.SetSelStart(CaretOffset);
            Answer(Prompter, Tools, QDir(Files.path()));
            EXPECT_TRUE(ExecuteCatalogueEntry(*entry, {editor, "/seiten/"}));
            const QStringList inserted = InsertedLines(editor.Text().split("\r\n"));
            ASSERT_FALSE(inserted.isEmpty());
            EXPECT_EQ(inserted.first(), QString::fromUtf8(expected.FirstLine));
            EXPECT_EQ(inserted.size(), expected.LineCount);
            EXPECT_TRUE(editor.Modified());
        }
    }

    static const TCatalogueEntry *Find(const char *name)
    {
        for (const TCatalogueMenu &menu : HtmlCatalogueMenus()) {
            if (const TCatalogueEntry *entry = FindCatalogueEntry(menu.Items, name))
                return entry;
        }
        return nullptr;
    }

    static void CollectRunnable(std::span<const TCatalogueEntry> rows, QStringList &names)
    {
        for (const TCatalogueEntry &row : rows) {
            if (row.Action == TCatalogueAction::Submenu)
                CollectRunnable(row.SubItems, names);
            else if (row.Action != TCatalogueAction::Inactive)
                names << row.Name;
        }
    }

    QTemporaryDir Files;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TScriptedToolDialogs Tools;
    TToolDialogsScope ToolsScope{Tools};
};

TEST_F(CatalogueItems, InsertHtmlMenu)
{
    Check(HtmlInsertItems);
}

TEST_F(CatalogueItems, FontMenuAndSpecialCharacters)
{
    Check(FontItems);
}

TEST_F(CatalogueItems, CssBlocks)
{
    Check(CssBlockItems);
}

TEST_F(CatalogueItems, CssDeclarationsAndValues)
{
    Check(CssDeclarationItems);
}

TEST_F(CatalogueItems, Forms)
{
    Check(FormItems);
}

TEST_F(CatalogueItems, JavaScriptAndPhp)
{
    Check(ScriptItems);
}

TEST_F(CatalogueItems, NoItemIsLeftUnchecked)
{
    QSet<QString> checked;
    for (const std::span<const TExpected> table : AllItems()) {
        for (const TExpected &expected : table)
            checked.insert(expected.Name);
    }
    QStringList runnable;
    for (const TCatalogueMenu &menu : HtmlCatalogueMenus())
        CollectRunnable(menu.Items, runnable);
    for (const QString &name : runnable)
        EXPECT_TRUE(checked.contains(name)) << name.toStdString();
    EXPECT_EQ(runnable.size(), checked.size());
}

} // namespace
