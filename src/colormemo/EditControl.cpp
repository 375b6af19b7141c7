#include "EditControl.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

void TEditControl::PasteAtCaret(const QString &text)
{
    // An empty transfer would leave the clipboard as it was and paste its old content.
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    ReplaceSelection(text);
    SetModified(true);
}

void TEditControl::InsertLinesAtCaretLine(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    // The caret's line always exists, so the block goes in front of it as one line insertion.
    InsertLine(CaretLine(), lines.join(CrLf));
    SetModified(true);
}

void TEditControl::InsertLinesBelowCaretLine(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    const int below = CaretLine() + 1;
    if (below < LineCount()) {
        InsertLine(below, lines.join(CrLf));
    } else {
        // Below the last line the block is appended as a whole. (Inserting line by line just
        // past the end would drop every line that follows an empty one.)
        SetSelStart(TextLength());
        ReplaceSelection(CrLf + lines.join(CrLf));
    }
    SetModified(true);
}

void TEditControl::InsertDeclarationLine(const QString &text)
{
    InsertLinesAtCaretLine({QStringLiteral("  ") + text});
}

void TEditControl::AppendLine(const QString &text)
{
    AppendLines({text});
}

void TEditControl::AppendLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    const int start = SelStart();
    const int length = SelLength();
    AddLine(lines.join(CrLf));
    SetSelStart(start);
    SetSelLength(length);
    SetModified(true);
}

bool TEditControl::HasStylesheetType() const
{
    return IndexOf(u"text/css") >= 0;
}
