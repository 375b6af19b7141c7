#include "LoadSlices.h"

#include <algorithm>

TLoadSlices::TLoadSlices(QString text)
    : Whole(std::move(text))
{}

QStringView TLoadSlices::TakeSlice(qsizetype size)
{
    if (Done())
        return {};
    size = std::max<qsizetype>(size, 1);
    const QStringView whole(Whole);
    qsizetype end = std::min(whole.size(), Next + size);
    if (end < whole.size()) {
        const qsizetype lineBreak = whole.indexOf(u'\n', end - 1);
        end = lineBreak < 0 ? whole.size() : lineBreak + 1;
    }
    const QStringView slice = whole.sliced(Next, end - Next);
    Next = end;
    return slice;
}

int TLoadSlices::Percent() const
{
    return Whole.isEmpty() ? 100 : int(100 * Next / Whole.size());
}
