// The insertion menus in the HTML window: every item triggered by its object name on the real
// editors of both views, the menus' places in the frame's bar, literal captions.
#include "AppSettings.h"
#include "CatalogueExpectations.h"
#include "ColorMemo.h"
#include "MDITagra2.h"
#include "QStringPrinter.h"
#include "RecordingHost.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace CatalogueExpectations;

class HtmlInsertMenus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        Window.OpenDocument(QString(), false, false, false);
    }

    // Puts the document into the active editor and runs the item from its menu.
    void Trigger(const char *name, const QStringList &document, int caret)
    {
        TEditControl &editor = Window.ActiveEditor();
        editor.SetText(document.join("\r\n"));
        editor.SetSelStart(caret);
        editor.SetModified(false);
        QAction *action = Window.findChild<QAction *>(name);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        action->trigger();
    }

    QTemporaryDir Files;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TScriptedToolDialogs Tools;
    TToolDialogsScope ToolsScope{Tools};
    TRecordingHost Host;
    TFMDITagra2 Window;
};

TEST_F(HtmlInsertMenus, EveryItemRunsFromItsMenuInBothViews)
{
    for (const bool colour : {true, false}) {
        Window.SetColourView(colour);
        for (const std::span<const TExpected> table : AllItems()) {
            for (const TExpected &expected : table) {
                SCOPED_TRACE(std::string(expected.Name) + (colour ? " colour" : " plain"));
                Answer(Prompter, Tools, QDir(Files.path()));
                Trigger(expected.Name, Document, CaretOffset);
                const QStringList after = Window.ActiveEditor().Text().split("\r\n");
                const QStringList inserted = InsertedLines(after);
                ASSERT_FALSE(inserted.isEmpty());
                EXPECT_EQ(inserted.first(), QString::fromUtf8(expected.FirstLine));
                EXPECT_EQ(inserted.size(), expected.LineCount);
                EXPECT_TRUE(Window.IsModified());
            }
        }
    }
}

TEST_F(HtmlInsertMenus, DocTypeOnAnEmptyPageKeepsItsTabInBothViews)
{
    for (const bool colour : {true, false}) {
        Window.SetColourView(colour);
        Trigger("MnDocTypeXHTML", {""}, 0);
        EXPECT_EQ(Window.ActiveEditor().Text(),
                  "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD XHTML 1.1 Transitional//EN\"\r\n"
                  "\t\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-dtd\">\r\n")
            << colour;
    }
}

TEST_F(HtmlInsertMenus, MenusStandInTheBarByTheirGroups)
{
    QStringList bar;
    for (const TMergedMenu &merged : Window.MergedMenus())
        bar << merged.Menu->title() + " " + QString::number(merged.GroupIndex);
    const QStringList ours{"&Einfügen HTML 2",
                           "&Schrift 2",
                           "&CSS 3",
                           "&Forms 3",
                           "Java-Skript 3",
                           "&PHP 3"};
    const qsizetype first = bar.indexOf(ours.first());
    ASSERT_GE(first, 0) << bar.join(", ").toStdString();
    EXPECT_EQ(bar.mid(first, ours.size()), ours);
    EXPECT_LT(bar.indexOf("&Ansicht 2"), first);
}

TEST_F(HtmlInsertMenus, CharacterReferenceCaptionsShowTheirAmpersand)
{
    for (const char *name :
         {"MnInsertSpace", "MnInsertTab", "MnInsertCarriageReturn", "MnInsertLineFeed"}) {
        const QString text = Window.findChild<QAction *>(name)->text();
        EXPECT_TRUE(text.contains("(&&#x00")) << text.toStdString();
    }
    EXPECT_EQ(Window.findChild<QAction *>("MnHtml_Body")->text(), "&Body");
}

TEST_F(HtmlInsertMenus, CaptionsAndShortcutsStandAsWritten)
{
    const struct
    {
        const char *Name;
        const char *Caption;
        const char *Shortcut;
    } cases[] = {
        {"MnFont_Bold", "Fett", "Ctrl+B"},
        {"MnFont_Italic", "Kursiv (veraltet)", "Ctrl+I"},
        {"MnFont_Underline", "Unterstrichen (veraltet)", "Ctrl+U"},
        {"MnFont_Sup", "Hochgestellt", "Ctrl+Alt+H"},
        {"MnFont_Sub", "Tiefgestellt", "Ctrl+Alt+T"},
        {"MnHTML_Schrift", "&Schrift Size=4 (veraltet)", ""},
        {"MnCss_SchriftSize", "&Schrift Size=1,2em", ""},
        {"MnInsertHeadText", "Überschrift (H1..H6)", ""},
        {"MnTabelleEinfuegen", "&Tabelle einfügen...", ""},
        {"MnInsert_CSS_FieldsetLegend", "Fieldset/Legend", ""},
        {"MnCss_Tabellen", "&Tabellen", ""},
        {"MnDirekterHtmlCode", "Direkter HMTL-Code", ""},
        {"MnInsertHTML5_color", "HTML5:color", ""},
        {"MnInsertMemo", "Textarea (mehrzeiligen Editor)", ""},
        {"MnJava_do", "do...while", ""},
        {"echoText_Variable_Trennung", "echo text und Variable, Trennung", ""},
    };
    for (const auto &c : cases) {
        const QAction *action = Window.findChild<QAction *>(c.Name);
        if (!action) {
            const QMenu *menu = Window.findChild<QMenu *>(c.Name);
            ASSERT_NE(menu, nullptr) << c.Name;
            action = menu->menuAction();
        }
        EXPECT_EQ(action->text(), QString::fromUtf8(c.Caption)) << c.Name;
        EXPECT_EQ(action->shortcut(), QKeySequence(c.Shortcut)) << c.Name;
    }
}

} // namespace
