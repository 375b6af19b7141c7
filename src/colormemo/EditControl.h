#pragma once

#include <QString>
#include <QStringList>

// The part of a text that changed between two moments: Start is the first changed offset,
// OldLength the length of the replaced part in the earlier text, NewLength its length now.
struct TTextChange
{
    bool Changed = false;
    int Start = 0;
    int OldLength = 0;
    int NewLength = 0;
};

// The multi-line edit control as the document windows use it. Lines are joined by CR LF and
// every offset counts a line break as two characters; an offset never lies between CR and LF
// (one given there means the end of its line). Lone CR or LF in a text handed in become CR LF.
// A text that ends with a line break has an empty last line; an empty text has one empty line.
// Implemented by TTextBuffer (plain text, for tests and logic) and by the adapter over
// QPlainTextEdit (the real editors). Every command of the document windows is written against
// this interface.
class TEditControl
{
public:
    virtual ~TEditControl() = default;

    // The whole text, lines joined by CR LF.
    virtual QString Text() const = 0;
    // Replaces the whole text; the caret goes to the start. Does not change Modified.
    virtual void SetText(const QString &text) = 0;
    // Length of Text(), CR LF counted as two.
    virtual int TextLength() const = 0;
    // Text of [start, start + length), clamped to the text.
    virtual QString TextRange(int start, int length) const = 0;
    // Offset of the first occurrence of the needle (a text without line breaks, compared
    // case-sensitively), -1 when there is none; found without a copy of the text in CR LF form.
    virtual int IndexOf(QStringView needle) const = 0;

    // Change tracking for the undo ring: the union of all changes since the last MarkChanges()
    // as one span, found without looking at the whole text.
    virtual TTextChange ChangesSinceMark() const = 0;
    virtual void MarkChanges() = 0;
    // Puts the text at the end as if it had been there since the last MarkChanges(): a file
    // that arrives in slices grows without its later slices counting as changes. The caret,
    // the selection, the view and Modified stay as they were.
    virtual void AppendAtEnd(QString text) = 0;

    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    // Puts the caret at the offset with nothing selected.
    virtual void SetSelStart(int offset) = 0;
    // Selects from SelStart on; the caret ends at the selection's end.
    virtual void SetSelLength(int length) = 0;
    virtual QString SelText() const = 0;
    // Replaces the selection (inserts at the caret when nothing is selected); the caret ends
    // behind the inserted text.
    virtual void ReplaceSelection(const QString &text) = 0;
    virtual void SelectAll() = 0;

    virtual int LineCount() const = 0;
    // Line i without its line break; empty for an index out of range.
    virtual QString Line(int line) const = 0;
    // Replaces the text of line i (keeps its line break). The line operations below edit like
    // ReplaceSelection: afterwards nothing is selected and the caret is behind the inserted text.
    virtual void SetLine(int line, const QString &text) = 0;
    // Index of the line that holds the offset (clamped to the text).
    virtual int LineFromChar(int offset) const = 0;
    // Offset of the line's first character; -1 past the last line.
    virtual int LineIndex(int line) const = 0;
    // Length of line i without its line break.
    virtual int LineLength(int line) const = 0;
    // At an existing index the new line goes in front of line i. At i == LineCount() it is
    // appended only when the last line is not empty; otherwise, and for a negative index,
    // nothing happens.
    virtual void InsertLine(int line, const QString &text) = 0;
    // Always appends a line. As a line list counts lines, an empty last line is not a line of its
    // own: on a text that is empty or ends with a break the text goes in front of that empty last
    // line followed by CR LF ("a\r\n" gives "a\r\nb\r\n", "" gives "b\r\n"); otherwise CR LF and
    // the text are appended ("a" gives "a\r\nb").
    virtual void AddLine(const QString &text) = 0;
    // Removes line i and its line break; the last line has no break of its own, so deleting it
    // leaves the break in front of it ("a\r\nb" gives "a\r\n").
    virtual void DeleteLine(int line) = 0;

    // Set by every edit except SetText (as a native edit control sets its modify flag); the
    // commands set or clear it explicitly besides.
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;

    // Clipboard commands on the selection, through the system clipboard.
    virtual void CutToClipboard() = 0;
    virtual void CopyToClipboard() = 0;
    virtual void PasteFromClipboard() = 0;
    // Deletes the selection.
    virtual void ClearSelection() = 0;

    virtual bool WordWrap() const = 0;
    virtual void SetWordWrap(bool wrap) = 0;

    // Scrolls so that the caret is visible (nothing for a control without a view).
    virtual void ScrollCaret() = 0;

    // Insertion primitives of the document windows' commands, built on the operations above so
    // that every implementation behaves alike. A block of several lines goes in as one edit.

    // Index of the line that holds the caret (the start of the selection).
    int CaretLine() const { return LineFromChar(SelStart()); }
    // Puts the text at the caret, replacing the selection; the caret ends behind it and the
    // document is marked modified. The system clipboard holds the text afterwards, as if it had
    // been copied and pasted. An empty text changes nothing.
    void PasteAtCaret(const QString &text);
    // Inserts the lines as a block in front of the caret's line: line k goes to index L + k, the
    // caret's line moves down below the block and the caret ends at its start. The selection is
    // not replaced. Marks the document modified. No lines, no change.
    void InsertLinesAtCaretLine(const QStringList &lines);
    // Inserts the lines as a block behind the caret's line (line k at index L + 1 + k); below
    // the last line the block is appended. The caret ends behind the block. Marks modified.
    void InsertLinesBelowCaretLine(const QStringList &lines);
    // Inserts two blanks and the text as a new line in front of the caret's line; the caret
    // ends at the start of its line, one lower. Marks modified.
    void InsertDeclarationLine(const QString &text);
    // Adds the text as a new last line of the document, wherever the caret is; the caret and
    // the selection stay where they were. Marks modified.
    void AppendLine(const QString &text);
    // Adds the lines as new last lines, in order, as one edit; empty lines among them stay.
    // The caret and the selection stay where they were. Marks modified.
    void AppendLines(const QStringList &lines);
    // True when the text contains "text/css" (exact, case-sensitive): lists and tables then
    // leave out their presentational attributes.
    bool HasStylesheetType() const;
};
