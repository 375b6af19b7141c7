#pragma once

#include "EditControl.h"

#include <QString>

#include <vector>

// Turns lone CR and lone LF breaks into CR LF, so that every break of a text counts two.
QString NormalizeLineBreaks(const QString &text);

// The edit control as plain text in memory: a QString of CR LF lines plus an index of line
// starts that every edit updates in place, so line and offset queries are binary searches.
// Used by the logic tests and wherever a document's text is needed without a widget. Every
// text handed in is normalised to CR LF breaks first.
class TTextBuffer : public TEditControl
{
public:
    TTextBuffer();
    // A buffer that holds the text (normalised), caret at the start, not modified.
    explicit TTextBuffer(const QString &text);

    QString Text() const override;
    void SetText(const QString &text) override;
    int TextLength() const override;
    QString TextRange(int start, int length) const override;
    int IndexOf(QStringView needle) const override;
    // The text without a copy; valid until the next edit.
    QStringView TextView() const { return Content; }

    TTextChange ChangesSinceMark() const override;
    void MarkChanges() override;
    void AppendAtEnd(QString text) override;

    int SelStart() const override;
    int SelLength() const override;
    void SetSelStart(int offset) override;
    void SetSelLength(int length) override;
    QString SelText() const override;
    void ReplaceSelection(const QString &text) override;
    void SelectAll() override;

    int LineCount() const override;
    QString Line(int line) const override;
    void SetLine(int line, const QString &text) override;
    int LineFromChar(int offset) const override;
    int LineIndex(int line) const override;
    int LineLength(int line) const override;
    void InsertLine(int line, const QString &text) override;
    void AddLine(const QString &text) override;
    void DeleteLine(int line) override;

    bool Modified() const override;
    void SetModified(bool modified) override;

    void CutToClipboard() override;
    void CopyToClipboard() override;
    void PasteFromClipboard() override;
    void ClearSelection() override;

    bool WordWrap() const override;
    void SetWordWrap(bool wrap) override;
    void ScrollCaret() override;

private:
    // Replaces [start, start + length) by the (normalised) text; the caret ends behind it.
    void Replace(int start, int length, const QString &text);
    void NoteChange(int start, int length);
    void UpdateLineStarts(int start, int length, const QString &text);
    void RebuildLineStarts();
    // Clamps an offset to the text and moves it from between CR and LF to the line's end.
    int Snap(int offset) const;
    int LineEnd(int line) const;

    QString Content;
    // Offset of each line's first character; never empty, the first entry is 0.
    std::vector<int> LineStarts{0};
    int Caret = 0;
    int Selected = 0;
    bool IsModified = false;
    bool Wraps = false;
    // Change tracking: the changes since the mark leave the first ChangeHead characters and the
    // last ChangeTail characters untouched.
    bool HasChanges = false;
    int ChangeHead = 0;
    int ChangeTail = 0;
    int MarkLength = 0;
};
