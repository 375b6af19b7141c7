#include "Navigation.h"

#include "FileUtils.h"
#include "Prompter.h"

int CaretLine(const TEditControl &editor)
{
    return editor.LineFromChar(editor.SelStart()) + 1;
}

bool MoveToLine(TEditControl &editor, int number)
{
    if (number >= editor.LineCount())
        return false;
    // The offset counts every line before the target with its CR LF.
    const int offset = number <= 1 ? 0 : editor.LineIndex(number - 1);
    editor.SetSelStart(offset);
    editor.SetSelLength(1);
    editor.ScrollCaret();
    return true;
}

std::optional<int> ParseLineNumber(const QString &answer)
{
    int number = 0;
    if (!TryParseInt(answer, number))
        return std::nullopt;
    return number;
}

bool GoToLineCommand(TEditControl &editor)
{
    const QString answer = AskText(QStringLiteral("gewünschte Zeile"),
                                   QStringLiteral("Gehe Zu"),
                                   QString());
    const std::optional<int> number = ParseLineNumber(answer);
    return number && MoveToLine(editor, *number);
}

void TJumpMarks::Store(int digit, const TEditControl &editor)
{
    Lines.at(size_t(digit)) = CaretLine(editor);
}

bool TJumpMarks::GoTo(int digit, TEditControl &editor) const
{
    return MoveToLine(editor, Lines.at(size_t(digit)));
}
