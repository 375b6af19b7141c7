#pragma once

// Conformance tests that every TEditControl implementation must pass.
//
// The type parameter is a small factory: a default-constructible type with a member
// `TEditControl &Control()` that owns whatever the control needs (a widget, an adapter).
// An implementation is checked with one line in a .cpp of its own:
//
//     struct TMyFactory { TMyControl Edit; TEditControl &Control() { return Edit; } };
//     INSTANTIATE_TYPED_TEST_SUITE_P(MyControl, EditControlConformance, TMyFactory);

#include "EditControl.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

template<typename Factory>
class EditControlConformance : public ::testing::Test
{
protected:
    Factory Made;
    TEditControl &Edit = Made.Control();

    void Select(int start, int length)
    {
        Edit.SetSelStart(start);
        Edit.SetSelLength(length);
    }
};

TYPED_TEST_SUITE_P(EditControlConformance);

TYPED_TEST_P(EditControlConformance, EmptyTextHasOneEmptyLine)
{
    TEditControl &e = this->Edit;
    e.SetText(QString());
    EXPECT_EQ(e.TextLength(), 0);
    EXPECT_EQ(e.LineCount(), 1);
    EXPECT_EQ(e.Line(0), QString());
    EXPECT_EQ(e.LineIndex(0), 0);
    EXPECT_EQ(e.LineIndex(1), -1);
    EXPECT_EQ(e.LineLength(0), 0);
    EXPECT_EQ(e.LineFromChar(0), 0);
}

TYPED_TEST_P(EditControlConformance, LinesAreJoinedByCrLfAndABreakCountsTwo)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("ab\r\ncde\r\nf"));
    EXPECT_EQ(e.Text(), QStringLiteral("ab\r\ncde\r\nf"));
    EXPECT_EQ(e.TextLength(), 10);
    EXPECT_EQ(e.LineCount(), 3);
    EXPECT_EQ(e.Line(1), QStringLiteral("cde"));
    EXPECT_EQ(e.LineIndex(1), 4);
    EXPECT_EQ(e.LineIndex(2), 9);
    EXPECT_EQ(e.LineIndex(3), -1);
    EXPECT_EQ(e.LineIndex(-1), -1);
    EXPECT_EQ(e.LineLength(1), 3);
    EXPECT_EQ(e.LineLength(2), 1);
    EXPECT_EQ(e.Line(3), QString());
    // The CR belongs to the line it ends; the next line begins behind the LF.
    EXPECT_EQ(e.LineFromChar(2), 0);
    EXPECT_EQ(e.LineFromChar(4), 1);
    EXPECT_EQ(e.LineFromChar(9), 2);
    EXPECT_EQ(e.LineFromChar(10), 2);
    EXPECT_EQ(e.LineFromChar(500), 2);
    EXPECT_EQ(e.LineFromChar(-3), 0);
}

TYPED_TEST_P(EditControlConformance, TrailingBreakGivesAnEmptyLastLine)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("ab\r\n"));
    EXPECT_EQ(e.LineCount(), 2);
    EXPECT_EQ(e.Line(1), QString());
    EXPECT_EQ(e.LineIndex(1), 4);
    EXPECT_EQ(e.LineLength(1), 0);
    EXPECT_EQ(e.LineFromChar(4), 1);
}

TYPED_TEST_P(EditControlConformance, LoneCrAndLfBecomeCrLf)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("a\nb\rc"));
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(e.LineCount(), 3);
    e.SetSelStart(1);
    e.ReplaceSelection(QStringLiteral("x\ny"));
    EXPECT_EQ(e.Text(), QStringLiteral("ax\r\ny\r\nb\r\nc"));
    EXPECT_EQ(e.SelStart(), 5);
}

TYPED_TEST_P(EditControlConformance, SetTextPutsTheCaretAtTheStartAndKeepsModified)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("abc"));
    this->Select(1, 2);
    e.SetModified(true);
    e.SetText(QStringLiteral("xyz\r\nuvw"));
    EXPECT_TRUE(e.Modified());
    EXPECT_EQ(e.SelStart(), 0);
    EXPECT_EQ(e.SelLength(), 0);
    e.SetModified(false);
    e.SetText(QStringLiteral("other"));
    EXPECT_FALSE(e.Modified());
}

TYPED_TEST_P(EditControlConformance, EditsSetModified)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("abc"));
    e.SetModified(false);
    e.ReplaceSelection(QStringLiteral("x"));
    EXPECT_TRUE(e.Modified());
    e.SetModified(false);
    e.AddLine(QStringLiteral("y"));
    EXPECT_TRUE(e.Modified());
}

TYPED_TEST_P(EditControlConformance, ReplaceSelectionReplacesTheSelectionOrInsertsAtTheCaret)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("Hallo Welt"));
    this->Select(6, 4);
    EXPECT_EQ(e.SelText(), QStringLiteral("Welt"));
    e.ReplaceSelection(QStringLiteral("Erde"));
    EXPECT_EQ(e.Text(), QStringLiteral("Hallo Erde"));
    EXPECT_EQ(e.SelStart(), 10);
    EXPECT_EQ(e.SelLength(), 0);

    e.SetSelStart(5);
    e.ReplaceSelection(QStringLiteral(","));
    EXPECT_EQ(e.Text(), QStringLiteral("Hallo, Erde"));
    EXPECT_EQ(e.SelStart(), 6);

    // A selection over a line break removes the whole break.
    e.SetText(QStringLiteral("ab\r\ncd"));
    this->Select(1, 4);
    EXPECT_EQ(e.SelText(), QStringLiteral("b\r\nc"));
    e.ReplaceSelection(QString());
    EXPECT_EQ(e.Text(), QStringLiteral("ad"));
    EXPECT_EQ(e.LineCount(), 1);
}

TYPED_TEST_P(EditControlConformance, SelectAllSelectsEverythingIncludingBreaks)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("a\r\nb\r\n"));
    e.SetSelStart(2);
    e.SelectAll();
    EXPECT_EQ(e.SelStart(), 0);
    EXPECT_EQ(e.SelLength(), 6);
    EXPECT_EQ(e.SelText(), QStringLiteral("a\r\nb\r\n"));
}

TYPED_TEST_P(EditControlConformance, SelectionIsClampedAndNeverSplitsABreak)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("ab\r\ncd"));
    e.SetSelStart(100);
    EXPECT_EQ(e.SelStart(), 6);
    e.SetSelStart(-4);
    EXPECT_EQ(e.SelStart(), 0);
    e.SetSelStart(3); // between CR and LF: the end of line 0
    EXPECT_EQ(e.SelStart(), 2);
    this->Select(0, 3);
    EXPECT_EQ(e.SelLength(), 2);
    this->Select(1, 100);
    EXPECT_EQ(e.SelLength(), 5);
    EXPECT_EQ(e.SelText(), QStringLiteral("b\r\ncd"));
}

TYPED_TEST_P(EditControlConformance, TextRangeIsClampedToTheText)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(e.TextRange(1, 3), QStringLiteral("b\r\n"));
    EXPECT_EQ(e.TextRange(4, 100), QStringLiteral("cd"));
    EXPECT_EQ(e.TextRange(-2, 3), QStringLiteral("a"));
    EXPECT_EQ(e.TextRange(6, 1), QString());
    EXPECT_EQ(e.TextRange(9, 2), QString());
    EXPECT_EQ(e.TextRange(2, -1), QString());
}

TYPED_TEST_P(EditControlConformance, InsertLineGoesInFrontOfAnExistingLine)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("eins\r\nzwei"));
    e.SetSelStart(8);
    e.InsertLine(1, QStringLiteral("neu"));
    EXPECT_EQ(e.Text(), QStringLiteral("eins\r\nneu\r\nzwei"));
    // The caret ends at the start of the line that was pushed down.
    EXPECT_EQ(e.SelStart(), 11);
    EXPECT_EQ(e.SelLength(), 0);
    e.InsertLine(0, QString());
    EXPECT_EQ(e.Text(), QStringLiteral("\r\neins\r\nneu\r\nzwei"));
}

TYPED_TEST_P(EditControlConformance, InsertLineJustPastTheEndAppendsOnlyBehindANonEmptyLine)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("eins"));
    e.InsertLine(1, QStringLiteral("zwei"));
    EXPECT_EQ(e.Text(), QStringLiteral("eins\r\nzwei"));
    EXPECT_EQ(e.SelStart(), 10);

    e.SetText(QStringLiteral("eins\r\n"));
    e.InsertLine(2, QStringLiteral("zwei"));
    EXPECT_EQ(e.Text(), QStringLiteral("eins\r\n"));

    e.SetText(QString());
    e.InsertLine(1, QStringLiteral("x"));
    EXPECT_EQ(e.Text(), QString());
}

TYPED_TEST_P(EditControlConformance, InsertLineAtANegativeOrFarIndexDoesNothing)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("eins"));
    e.SetModified(false);
    e.InsertLine(-1, QStringLiteral("x"));
    e.InsertLine(5, QStringLiteral("x"));
    EXPECT_EQ(e.Text(), QStringLiteral("eins"));
    EXPECT_FALSE(e.Modified());
}

TYPED_TEST_P(EditControlConformance, AddLineAlwaysAppends)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("a"));
    e.AddLine(QStringLiteral("b"));
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nb"));
    e.SetText(QStringLiteral("a\r\n"));
    e.AddLine(QStringLiteral("b"));
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(e.SelStart(), 6);
    e.SetText(QString());
    e.AddLine(QStringLiteral("b"));
    EXPECT_EQ(e.Text(), QStringLiteral("b\r\n"));
    e.AddLine(QString());
    EXPECT_EQ(e.Text(), QStringLiteral("b\r\n\r\n"));
    e.SetText(QStringLiteral("a"));
    e.AddLine(QString());
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\n"));
}

TYPED_TEST_P(EditControlConformance, DeleteLineRemovesTheLineAndItsBreak)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("a\r\nb\r\nc"));
    e.DeleteLine(1);
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nc"));
    EXPECT_EQ(e.SelStart(), 3);
    e.DeleteLine(1);
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\n"));
    e.DeleteLine(0);
    EXPECT_EQ(e.Text(), QString());
    e.DeleteLine(3);
    e.DeleteLine(-1);
    EXPECT_EQ(e.Text(), QString());
}

TYPED_TEST_P(EditControlConformance, SetLineReplacesTheTextAndKeepsTheBreak)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("a\r\nb\r\nc"));
    e.SetLine(1, QStringLiteral("xyz"));
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nxyz\r\nc"));
    EXPECT_EQ(e.SelStart(), 6);
    e.SetLine(2, QString());
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nxyz\r\n"));
    e.SetLine(7, QStringLiteral("nie"));
    EXPECT_EQ(e.Text(), QStringLiteral("a\r\nxyz\r\n"));
    // Line queries see the new lines at once.
    EXPECT_EQ(e.LineIndex(2), 8);
    EXPECT_EQ(e.LineFromChar(5), 1);
}

TYPED_TEST_P(EditControlConformance, CutCopyAndPasteGoThroughTheSystemClipboard)
{
    TEditControl &e = this->Edit;
    QClipboard *clipboard = QGuiApplication::clipboard();
    e.SetText(QStringLiteral("eins\r\nzwei"));
    this->Select(2, 5);
    e.CopyToClipboard();
    EXPECT_EQ(clipboard->text(), QStringLiteral("ns\r\nz"));
    EXPECT_EQ(e.Text(), QStringLiteral("eins\r\nzwei"));

    e.CutToClipboard();
    EXPECT_EQ(e.Text(), QStringLiteral("eiwei"));
    EXPECT_EQ(e.SelStart(), 2);
    EXPECT_EQ(clipboard->text(), QStringLiteral("ns\r\nz"));

    // Nothing selected: cut and copy leave text and clipboard alone.
    e.CutToClipboard();
    e.CopyToClipboard();
    EXPECT_EQ(e.Text(), QStringLiteral("eiwei"));
    EXPECT_EQ(clipboard->text(), QStringLiteral("ns\r\nz"));

    this->Select(0, 2);
    e.PasteFromClipboard();
    EXPECT_EQ(e.Text(), QStringLiteral("ns\r\nzwei"));
    EXPECT_EQ(e.SelStart(), 5);

    clipboard->setText(QStringLiteral("x\ny"));
    e.SetSelStart(0);
    e.PasteFromClipboard();
    EXPECT_EQ(e.Text(), QStringLiteral("x\r\nyns\r\nzwei"));
}

TYPED_TEST_P(EditControlConformance, ClearSelectionDeletesOnlyTheSelection)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("abcdef"));
    this->Select(1, 3);
    e.ClearSelection();
    EXPECT_EQ(e.Text(), QStringLiteral("aef"));
    EXPECT_EQ(e.SelStart(), 1);
    e.ClearSelection();
    EXPECT_EQ(e.Text(), QStringLiteral("aef"));
}

TYPED_TEST_P(EditControlConformance, ChangeTrackingReportsTheUnionOfAllEditsSinceTheMark)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("0123456789"));
    e.MarkChanges();
    EXPECT_FALSE(e.ChangesSinceMark().Changed);

    // "0123456789" -> "01x23456789" -> without the "7": "01x2345689"
    e.SetSelStart(2);
    e.ReplaceSelection(QStringLiteral("x"));
    this->Select(8, 1);
    e.ClearSelection();
    ASSERT_EQ(e.Text(), QStringLiteral("01x2345689"));
    TTextChange change = e.ChangesSinceMark();
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(change.Start, 2);
    EXPECT_EQ(change.OldLength, 6); // "234567" in the marked text
    EXPECT_EQ(change.NewLength, 6); // "x23456" now

    // An edit in front of both widens the span to the front; the tail stays untouched.
    e.SetSelStart(0);
    e.ReplaceSelection(QStringLiteral("AB\r\n"));
    change = e.ChangesSinceMark();
    EXPECT_EQ(change.Start, 0);
    EXPECT_EQ(change.OldLength, 8);
    EXPECT_EQ(change.NewLength, 12);

    e.MarkChanges();
    EXPECT_FALSE(e.ChangesSinceMark().Changed);
    e.AddLine(QStringLiteral("z"));
    change = e.ChangesSinceMark();
    EXPECT_EQ(change.Start, 14);
    EXPECT_EQ(change.OldLength, 0);
    EXPECT_EQ(change.NewLength, 3);

    e.MarkChanges();
    e.SetText(QStringLiteral("neu"));
    change = e.ChangesSinceMark();
    EXPECT_EQ(change.Start, 0);
    EXPECT_EQ(change.OldLength, 17);
    EXPECT_EQ(change.NewLength, 3);
}

TYPED_TEST_P(EditControlConformance, TextAppendedAtTheEndCountsAsMarkedText)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("0123\r\n"));
    e.SetModified(false);
    e.MarkChanges();
    this->Select(1, 2);
    e.AppendAtEnd(QStringLiteral("45\r\n"));
    EXPECT_EQ(e.Text(), QStringLiteral("0123\r\n45\r\n"));
    EXPECT_FALSE(e.ChangesSinceMark().Changed);
    EXPECT_FALSE(e.Modified());
    EXPECT_EQ(e.SelStart(), 1);
    EXPECT_EQ(e.SelLength(), 2);

    // An edit, then more at the end: the span stays the edit's, the lines and the caret follow.
    e.SetSelStart(2);
    e.ReplaceSelection(QStringLiteral("x"));
    e.SetSelStart(e.TextLength());
    const int caret = e.SelStart();
    e.AppendAtEnd(QStringLiteral("67\n8"));
    EXPECT_EQ(e.Text(), QStringLiteral("01x23\r\n45\r\n67\r\n8"));
    const TTextChange change = e.ChangesSinceMark();
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(change.Start, 2);
    EXPECT_EQ(change.OldLength, 0);
    EXPECT_EQ(change.NewLength, 1);
    EXPECT_EQ(e.SelStart(), caret) << "a caret at the old end stays there";
    EXPECT_TRUE(e.Modified());
    EXPECT_EQ(e.LineCount(), 4);
    EXPECT_EQ(e.LineIndex(3), 15);
    EXPECT_EQ(e.Line(2), QStringLiteral("67"));
}

TYPED_TEST_P(EditControlConformance, InsertedThenRemovedTextLeavesAnEmptySpan)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("abc"));
    e.MarkChanges();
    e.SetSelStart(1);
    e.ReplaceSelection(QStringLiteral("XY"));
    this->Select(1, 2);
    e.ClearSelection();
    const TTextChange change = e.ChangesSinceMark();
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(change.Start, 1);
    EXPECT_EQ(change.OldLength, 0);
    EXPECT_EQ(change.NewLength, 0);
}

TYPED_TEST_P(EditControlConformance, PasteAtCaretReplacesTheSelectionAndLeavesTheTextOnTheClipboard)
{
    TEditControl &e = this->Edit;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("alt"));
    e.SetText(QStringLiteral("eins zwei\r\ndrei"));
    e.SetModified(false);
    this->Select(5, 4);
    e.PasteAtCaret(QStringLiteral("<b>  </b>"));
    EXPECT_EQ(e.Text(), QStringLiteral("eins <b>  </b>\r\ndrei"));
    EXPECT_EQ(e.SelStart(), 14);
    EXPECT_EQ(e.SelLength(), 0);
    EXPECT_TRUE(e.Modified());
    EXPECT_EQ(clipboard->text(), QStringLiteral("<b>  </b>"));

    // A later paste brings the snippet again; an empty snippet changes nothing at all.
    e.PasteFromClipboard();
    EXPECT_EQ(e.Text(), QStringLiteral("eins <b>  </b><b>  </b>\r\ndrei"));
    e.SetModified(false);
    this->Select(0, 4);
    e.PasteAtCaret(QString());
    EXPECT_EQ(e.Text(), QStringLiteral("eins <b>  </b><b>  </b>\r\ndrei"));
    EXPECT_EQ(e.SelLength(), 4);
    EXPECT_FALSE(e.Modified());
    EXPECT_EQ(clipboard->text(), QStringLiteral("<b>  </b>"));
}

TYPED_TEST_P(EditControlConformance, LineBlocksGoAboveOrBelowTheCaretsLineInOneEdit)
{
    struct TCase
    {
        const char *Text;
        int SelStart;
        int SelLength;
        bool Below;
        QStringList Lines;
        const char *Expected;
        int Caret;
    };
    const TCase cases[] = {
        // Above: the caret's line is never split, a selection stays in the text.
        {"eins\r\nzwei\r\ndrei",
         8,
         2,
         false,
         {"<p>", "", "</p>"},
         "eins\r\n<p>\r\n\r\n</p>\r\nzwei\r\ndrei",
         19},
        {"eins", 2, 0, false, {"x"}, "x\r\neins", 3},
        {"eins\r\n", 6, 0, false, {"x", "y"}, "eins\r\nx\r\ny\r\n", 12},
        {"", 0, 0, false, {"a", "b"}, "a\r\nb\r\n", 6},
        // Below: behind the caret's line; below the last line the whole block is appended,
        // also when that line is empty and when the block holds empty lines.
        {"eins\r\nzwei", 1, 0, true, {"<ul>", "</ul>"}, "eins\r\n<ul>\r\n</ul>\r\nzwei", 19},
        {"eins\r\nzwei", 7, 0, true, {"a", "", "b"}, "eins\r\nzwei\r\na\r\n\r\nb", 18},
        {"eins\r\n", 6, 0, true, {"a", "", "b"}, "eins\r\n\r\na\r\n\r\nb", 14},
        {"", 0, 0, true, {"a"}, "\r\na", 3},
    };
    TEditControl &e = this->Edit;
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Text);
        e.SetText(QString::fromUtf8(c.Text));
        e.SetModified(false);
        this->Select(c.SelStart, c.SelLength);
        e.MarkChanges();
        if (c.Below)
            e.InsertLinesBelowCaretLine(c.Lines);
        else
            e.InsertLinesAtCaretLine(c.Lines);
        EXPECT_EQ(e.Text(), QString::fromUtf8(c.Expected));
        EXPECT_EQ(e.SelStart(), c.Caret);
        EXPECT_EQ(e.SelLength(), 0);
        EXPECT_TRUE(e.Modified());
        // Nothing but the block was added.
        const TTextChange change = e.ChangesSinceMark();
        EXPECT_EQ(change.OldLength, 0);
        EXPECT_EQ(change.NewLength, e.TextLength() - QString::fromUtf8(c.Text).size());
    }
    e.SetText(QStringLiteral("eins"));
    e.SetModified(false);
    e.InsertLinesAtCaretLine({});
    e.InsertLinesBelowCaretLine({});
    EXPECT_EQ(e.Text(), QStringLiteral("eins"));
    EXPECT_FALSE(e.Modified());
}

TYPED_TEST_P(EditControlConformance, DeclarationLinesStackInCallOrderAboveTheCaretsLine)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("a {\r\n}"));
    e.SetSelStart(5);
    e.InsertDeclarationLine(QStringLiteral("  font-size: +1;"));
    e.InsertDeclarationLine(QStringLiteral("  font-family: COURIER NEW;"));
    EXPECT_EQ(e.Text(),
              QStringLiteral("a {\r\n    font-size: +1;\r\n    font-family: COURIER NEW;\r\n}"));
    EXPECT_EQ(e.SelStart(), e.LineIndex(3));
}

TYPED_TEST_P(EditControlConformance, AppendedLinesFollowTheLastLineAndTheCaretStays)
{
    struct TCase
    {
        const char *Text;
        const char *Expected;
    };
    // An empty line inside the block survives, whatever the last line of the text.
    const TCase cases[] = {
        {"<p>\r\nText", "<p>\r\nText\r\na\r\n\r\nb"},
        {"<p>\r\nText\r\n", "<p>\r\nText\r\na\r\n\r\nb\r\n"},
        {"", "a\r\n\r\nb\r\n"},
    };
    TEditControl &e = this->Edit;
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Text);
        e.SetText(QString::fromUtf8(c.Text));
        e.SetModified(false);
        this->Select(1, 2);
        const int start = e.SelStart();
        const int length = e.SelLength();
        e.AppendLines({"a", "", "b"});
        EXPECT_EQ(e.Text(), QString::fromUtf8(c.Expected));
        EXPECT_EQ(e.SelStart(), start);
        EXPECT_EQ(e.SelLength(), length);
        EXPECT_TRUE(e.Modified());
    }
}

TYPED_TEST_P(EditControlConformance, IndexOfCountsBreaksAsTwoAndFindsNothingAcrossThem)
{
    TEditControl &e = this->Edit;
    e.SetText(QStringLiteral("<html>\r\n<head>\r\n  </head>\r\n</head>"));
    EXPECT_EQ(e.IndexOf(u"</head>"), 18);
    EXPECT_EQ(e.IndexOf(u"<html>"), 0);
    EXPECT_EQ(e.IndexOf(u"</HEAD>"), -1);
    e.SetText(QString());
    EXPECT_EQ(e.IndexOf(u"x"), -1);
}

TYPED_TEST_P(EditControlConformance, StylesheetTypeIsFoundExactlyAndCaseSensitively)
{
    TEditControl &e = this->Edit;
    const std::pair<const char *, bool> cases[] = {
        {"<link rel=\"stylesheet\" type=\"text/css\"", true},
        {"<style type=\"TEXT/CSS\">", false},
        {"text/\r\ncss", false},
        {"", false},
    };
    for (const auto &[text, found] : cases) {
        e.SetText(QString::fromUtf8(text));
        EXPECT_EQ(e.HasStylesheetType(), found) << text;
    }
}

REGISTER_TYPED_TEST_SUITE_P(EditControlConformance,
                            EmptyTextHasOneEmptyLine,
                            LinesAreJoinedByCrLfAndABreakCountsTwo,
                            TrailingBreakGivesAnEmptyLastLine,
                            LoneCrAndLfBecomeCrLf,
                            SetTextPutsTheCaretAtTheStartAndKeepsModified,
                            EditsSetModified,
                            ReplaceSelectionReplacesTheSelectionOrInsertsAtTheCaret,
                            SelectAllSelectsEverythingIncludingBreaks,
                            SelectionIsClampedAndNeverSplitsABreak,
                            TextRangeIsClampedToTheText,
                            InsertLineGoesInFrontOfAnExistingLine,
                            InsertLineJustPastTheEndAppendsOnlyBehindANonEmptyLine,
                            InsertLineAtANegativeOrFarIndexDoesNothing,
                            AddLineAlwaysAppends,
                            DeleteLineRemovesTheLineAndItsBreak,
                            SetLineReplacesTheTextAndKeepsTheBreak,
                            CutCopyAndPasteGoThroughTheSystemClipboard,
                            ClearSelectionDeletesOnlyTheSelection,
                            ChangeTrackingReportsTheUnionOfAllEditsSinceTheMark,
                            TextAppendedAtTheEndCountsAsMarkedText,
                            InsertedThenRemovedTextLeavesAnEmptySpan,
                            PasteAtCaretReplacesTheSelectionAndLeavesTheTextOnTheClipboard,
                            LineBlocksGoAboveOrBelowTheCaretsLineInOneEdit,
                            DeclarationLinesStackInCallOrderAboveTheCaretsLine,
                            AppendedLinesFollowTheLastLineAndTheCaretStays,
                            IndexOfCountsBreaksAsTwoAndFindsNothingAcrossThem,
                            StylesheetTypeIsFoundExactlyAndCaseSensitively);
