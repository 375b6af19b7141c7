#include "DocumentWindowFixture.h"
#include "MDITagra2.h"
#include "QStringPrinter.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

const QByteArray OnDisk = "<p>alt</p>\r\n";
const QByteArray Foreign = "<p>alt</p>\r\n<p>von einem anderen Programm</p>\r\n";

// A page open in its window, and another program that writes the file meanwhile.
class DiskChangeTest : public TDocumentWindowFixture
{
protected:
    void SetUp() override
    {
        TDocumentWindowFixture::SetUp();
        Page = Write("page.html", OnDisk);
        ASSERT_TRUE(Window.OpenDocument(Page, false, false, false));
    }

    void ChangeOnDisk() { Write("page.html", Foreign); }

    QString Page;
    TFMDITagra2 Window;
};

} // namespace

// The answer decides between the file's new text and the editor's; a second activation asks
// nothing; a kept editor text is saved over the newer file only after a further question.
TEST_F(DiskChangeTest, ChangedFileIsAskedAboutOnceAndNeverOverwrittenSilently)
{
    const struct
    {
        const char *Name;
        bool Modified;
        bool Yes;
        bool Reloaded;
        const char *Question;
    } cases[] = {
        {"unchanged window, reload", false, true, true, "Möchten Sie sie neu laden?"},
        {"unchanged window, keep", false, false, false, "Möchten Sie sie neu laden?"},
        {"changed window, keep", true, true, false, "den Text im Editor behalten?"},
        {"changed window, reload", true, false, true, "den Text im Editor behalten?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        Prompter.Prompts.clear();
        Write("page.html", OnDisk);
        ASSERT_TRUE(Window.LoadFile(Page));
        if (c.Modified)
            Type(Window, "<p>neu</p>");
        const QString editorText = Window.ActiveEditor().Text();
        ChangeOnDisk();

        Prompter.YesNoAnswers = {c.Yes};
        Window.CheckFileOnDisk();
        Window.CheckFileOnDisk();
        ASSERT_EQ(Prompter.Count("YesNo"), 1);
        EXPECT_TRUE(
            Prompter.Texts("YesNo")[0].contains("wurde von einem anderen Programm geändert"));
        EXPECT_TRUE(Prompter.Texts("YesNo")[0].contains(c.Question));
        EXPECT_EQ(Window.ActiveEditor().Text(),
                  c.Reloaded ? QString::fromLatin1(Foreign) : editorText);
        EXPECT_EQ(Window.IsModified(), c.Modified && !c.Reloaded);

        Prompter.Prompts.clear();
        Prompter.YesNoAnswers = {false};
        const TSaveResult refused = Window.SaveDocument();
        if (c.Reloaded) {
            EXPECT_TRUE(refused.IsSaved()) << "the reloaded file is the known one";
            EXPECT_EQ(Prompter.Count("YesNo"), 0);
            continue;
        }
        EXPECT_EQ(refused.Status(), TSaveStatus::Cancelled);
        ASSERT_EQ(Prompter.Count("YesNo"), 1);
        EXPECT_TRUE(Prompter.Texts("YesNo")[0].contains("trotzdem mit dem Text im Editor"));
        EXPECT_EQ(Read("page.html"), Foreign);
        EXPECT_EQ(Window.IsModified(), c.Modified);
        Prompter.YesNoAnswers = {true};
        EXPECT_TRUE(Window.SaveDocument().IsSaved());
        // The page is written with its closing line break.
        EXPECT_EQ(Read("page.html").trimmed(), editorText.toLatin1().trimmed());
    }
}

TEST_F(DiskChangeTest, ReloadOverEditsKeepsThemInTheUndoRing)
{
    Type(Window, "<p>neu</p>");
    const QString edited = Window.ActiveEditor().Text();
    ChangeOnDisk();
    Prompter.YesNoAnswers = {false};
    Window.CheckFileOnDisk();
    ASSERT_EQ(Window.ActiveEditor().Text(), QString::fromLatin1(Foreign));
    Window.UndoCommand();
    EXPECT_EQ(Window.ActiveEditor().Text(), edited);
}

// A close that saves checks the file as well, also when no activation came first.
TEST_F(DiskChangeTest, SavingOnCloseAsksBeforeReplacingANewerFile)
{
    Type(Window, "<p>neu</p>");
    ChangeOnDisk();
    Prompter.YesNoCancelAnswers = {TYesNoCancel::Yes};
    Prompter.YesNoAnswers = {false};
    EXPECT_FALSE(Window.CloseQuery()) << "the window stays with its text";
    EXPECT_EQ(Read("page.html"), Foreign);
    EXPECT_TRUE(Window.IsModified());
    EXPECT_EQ(Prompter.Count("Error"), 0) << "a refusal is no failure";
}

TEST_F(DiskChangeTest, DeletedFileLeavesTheTextChangedAndSavingWritesItAgain)
{
    QFile::remove(Page);
    Window.CheckFileOnDisk();
    Window.CheckFileOnDisk();
    ASSERT_EQ(Prompter.Count("Note"), 1);
    EXPECT_TRUE(Prompter.Texts("Note")[0].contains("gelöscht oder umbenannt"));
    EXPECT_TRUE(Window.IsModified()) << "closing asks before the text is lost";
    EXPECT_TRUE(Window.SaveDocument().IsSaved());
    EXPECT_EQ(Read("page.html"), OnDisk);
    EXPECT_EQ(Prompter.Count("YesNo"), 0) << "there was no newer file to replace";
}

// Activation asks once it is through; the window's own saves are no change.
TEST_F(DiskChangeTest, ActivationAsksAfterAChangeOnly)
{
    Type(Window, "<p>neu</p>");
    ASSERT_TRUE(Window.SaveDocument().IsSaved());
    Window.FormActivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(Prompter.Prompts.size(), 0u);

    ChangeOnDisk();
    Prompter.YesNoAnswers = {true};
    Window.FormActivate();
    EXPECT_EQ(Prompter.Count("YesNo"), 0) << "not in the middle of the activation";
    QCoreApplication::processEvents();
    Window.FormActivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(Prompter.Count("YesNo"), 1);
    EXPECT_EQ(Window.ActiveEditor().Text(), QString::fromLatin1(Foreign));
}
