#pragma once

#include "EditControl.h"

#include <QObject>

class QPlainTextEdit;
class QTextCursor;
class QTextDocument;

// TEditControl over a QPlainTextEdit: serves the plain view (an ordinary QPlainTextEdit) and the
// colour editor TColorMemo alike. Offsets count a line break as two characters; every
// conversion to and from document positions is a search in the document's block tree, so no
// operation walks the whole text except Text() and SetText(). The document's own undo history
// is switched off; undo and redo requests from the keyboard and the context menu come out as
// UndoRequested and RedoRequested for the window's snapshot ring. Owned by the edit.
class TPlainTextEditControl : public QObject, public TEditControl
{
    Q_OBJECT

public:
    explicit TPlainTextEditControl(QPlainTextEdit *edit);

    // The wrapped edit.
    QPlainTextEdit *Edit() const { return Widget; }

    QString Text() const override;
    void SetText(const QString &text) override;
    int TextLength() const override;
    QString TextRange(int start, int length) const override;
    int IndexOf(QStringView needle) const override;

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

Q_SIGNALS:
    void UndoRequested();
    void RedoRequested();

private:
    QTextDocument &Doc() const;
    // Replaces the document range [from, to) with text (CR LF breaks) without moving the view.
    void ReplaceRange(int from, int to, const QString &text);
    // Makes the cursor the edit's cursor without scrolling: like the edit control's own
    // selection message, only ScrollCaret brings the caret into view.
    void ApplyCursor(const QTextCursor &cursor);
    void NoteChange(int position, int removed, int added);
    // Whether the text's last line lies wholly below the lines on screen.
    bool EndIsBelowView() const;

    QPlainTextEdit *Widget;
    // Change tracking since the last mark, in offsets: the smallest changed start and the
    // smallest distance of a change's end from the end of the text.
    bool ChangedSinceMark = false;
    int MarkLength = 0;
    int MinChangeStart = 0;
    int MinEndDistance = 0;
};
