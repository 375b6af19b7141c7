#include "TextSpans.h"

#include <algorithm>

TTextChange DifferingSpan(QStringView before, QStringView after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    if (head == before.size() && head == after.size())
        return TTextChange{};
    qsizetype tail = 0;
    while (tail < shorter - head
           && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    // Keep line breaks whole.
    if (head > 0 && before[head - 1] == u'\r')
        --head;
    if (tail > 0 && before[before.size() - tail] == u'\n')
        --tail;
    return TTextChange{true,
                       int(head),
                       int(before.size() - head - tail),
                       int(after.size() - head - tail)};
}

void ReplaceDifferingSpan(TEditControl &editor, const QString &before, const QString &after)
{
    const TTextChange span = DifferingSpan(before, after);
    if (!span.Changed)
        return;
    editor.SetSelStart(span.Start);
    editor.SetSelLength(span.OldLength);
    editor.ReplaceSelection(after.mid(span.Start, span.NewLength));
}
