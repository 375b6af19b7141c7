#include "Navigation.h"

#include "QStringPrinter.h"
#include "ScriptedPrompter.h"
#include "Search.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

// Ten lines "1" to "10", no break behind the last.
TTextBuffer TenLines()
{
    return TTextBuffer("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10");
}

} // namespace

TEST(GoToLine, MovesToTheLineStartAndSelectsOneCharacter)
{
    TTextBuffer editor = TenLines();
    EXPECT_TRUE(MoveToLine(editor, 9));
    EXPECT_EQ(editor.SelStart(), 24);
    EXPECT_EQ(editor.SelText(), "9");
    EXPECT_EQ(CaretLine(editor), 9);

    // The last line and anything beyond it are out of reach.
    for (const int number : {10, 11, 1000}) {
        EXPECT_FALSE(MoveToLine(editor, number));
        EXPECT_EQ(editor.SelStart(), 24);
    }
    // 1, 0 and negative numbers go to the start.
    for (const int number : {1, 0, -7}) {
        editor.SetSelStart(12);
        EXPECT_TRUE(MoveToLine(editor, number));
        EXPECT_EQ(editor.SelStart(), 0);
        EXPECT_EQ(editor.SelText(), "1");
    }
}

TEST(GoToLine, AsksForTheLineAndIgnoresWhatIsNoNumber)
{
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TTextBuffer editor = TenLines();
    editor.SetSelStart(6);
    prompter.TextAnswers = {QString("abc"), QString(""), std::nullopt, QString("99999999999")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(GoToLineCommand(editor));
        EXPECT_EQ(editor.SelStart(), 6);
    }
    prompter.TextAnswers = {QString(" 3 "), QString("-2")};
    EXPECT_TRUE(GoToLineCommand(editor));
    EXPECT_EQ(editor.SelStart(), 6);
    EXPECT_EQ(editor.SelText(), "3");
    EXPECT_TRUE(GoToLineCommand(editor));
    EXPECT_EQ(editor.SelStart(), 0);

    ASSERT_EQ(prompter.Prompts.size(), 6u);
    EXPECT_EQ(prompter.Prompts[0].Kind, "Text");
    EXPECT_EQ(prompter.Prompts[0].Caption, "Gehe Zu");
    EXPECT_EQ(prompter.Prompts[0].Text, QString::fromUtf8("gewünschte Zeile"));
}

TEST(JumpMarks, StoredLineIsVisitedAgain)
{
    TTextBuffer editor(QString("line\r\n").repeated(20));
    TJumpMarks marks;
    EXPECT_EQ(marks.Line(2), -1);
    editor.SetSelStart(editor.LineIndex(11) + 2); // in line 12
    marks.Store(2, editor);
    EXPECT_EQ(marks.Line(2), 12);
    editor.SetSelStart(3);
    EXPECT_TRUE(marks.GoTo(2, editor));
    EXPECT_EQ(editor.SelStart(), editor.LineIndex(11));
    EXPECT_EQ(editor.SelLength(), 1);
    // An unset mark goes to the start of the text.
    EXPECT_TRUE(marks.GoTo(7, editor));
    EXPECT_EQ(editor.SelStart(), 0);

    // A mark on the last line does not move the caret.
    TTextBuffer ten = TenLines();
    ten.SetSelStart(ten.LineIndex(9));
    marks.Store(0, ten);
    ten.SetSelStart(4);
    EXPECT_FALSE(marks.GoTo(0, ten));
    EXPECT_EQ(ten.SelStart(), 4);
}

TEST(Search, NeverTakesTheMatchAtTheCaret)
{
    TTextBuffer editor("abc xabc ABC");
    TFindState state{"abc", false, true};
    for (const int expected : {5, 9}) {
        EXPECT_EQ(FindNextInDocument(editor, state), TFindResult::Found);
        EXPECT_EQ(editor.SelStart(), expected);
        EXPECT_EQ(editor.SelLength(), 3);
    }
    EXPECT_EQ(FindNextInDocument(editor, state), TFindResult::NotFound);
    EXPECT_EQ(editor.SelStart(), 9);

    state.Down = false;
    for (const int expected : {5, 0}) {
        EXPECT_EQ(FindNextInDocument(editor, state), TFindResult::Found);
        EXPECT_EQ(editor.SelStart(), expected);
    }
    EXPECT_EQ(FindNextInDocument(editor, state), TFindResult::NotFound);

    // Upwards a match may reach over the caret.
    TTextBuffer overlap("xaaaa");
    overlap.SetSelStart(3);
    EXPECT_EQ(FindNextInDocument(overlap, TFindState{"aa", false, false}), TFindResult::Found);
    EXPECT_EQ(overlap.SelStart(), 2);
}

TEST(Search, LetterCaseRule)
{
    TTextBuffer editor(QString::fromUtf8(".. Äpfel und äpfel"));
    EXPECT_EQ(FindNextInDocument(editor, TFindState{QString::fromUtf8("äPFEL"), false, true}),
              TFindResult::Found);
    EXPECT_EQ(editor.SelStart(), 3);
    EXPECT_EQ(FindNextInDocument(editor, TFindState{QString::fromUtf8("äpfel"), true, true}),
              TFindResult::Found);
    EXPECT_EQ(editor.SelStart(), 13);
    EXPECT_EQ(FindNextInDocument(editor, TFindState{QString::fromUtf8("ÄPFEL"), true, false}),
              TFindResult::NotFound);
    EXPECT_EQ(FindNextInDocument(editor, TFindState{"", false, true}), TFindResult::NothingToFind);

    // The note shows the text as it was compared.
    EXPECT_EQ(SearchNotFoundText(TFindState{"abc", false, true}),
              "Der Suchstring\r\nABC\r\nkonnte nicht gefunden werden");
    EXPECT_EQ(SearchNotFoundText(TFindState{"abc", true, true}),
              "Der Suchstring\r\nabc\r\nkonnte nicht gefunden werden");
    EXPECT_EQ(SearchNoteCaption.toString(), "Suchen");
}

TEST(Search, WordAtTheCaretBecomesTheSearchText)
{
    TTextBuffer editor("p { color:red\r\n  font-size: 2px }");
    editor.SetSelStart(4);
    EXPECT_EQ(WordAtCaret(editor), QString("color:red"));
    editor.SetSelStart(editor.LineIndex(1) + 2);
    EXPECT_EQ(WordAtCaret(editor), QString("font"));
    // A word that ends with the text is taken whole.
    editor.SetSelStart(editor.TextLength() - 1);
    EXPECT_EQ(WordAtCaret(editor), QString("}"));

    // In front of a stop character nothing is collected and the search text stays.
    TFindState state{"old", false, true};
    editor.SetSelStart(1);
    PrepareFind(state, editor, true);
    EXPECT_EQ(state.SearchText, "old");
    editor.SetSelStart(4);
    PrepareFind(state, editor, false);
    EXPECT_EQ(state.SearchText, "old");
    PrepareFind(state, editor, true);
    EXPECT_EQ(state.SearchText, "color:red");
}
