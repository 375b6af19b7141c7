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
        const qsizetype searched = std::min(whole.size(), end + size) - (end - 1);
        const qsizetype lineBreak = whole.sliced(end - 1, searched).indexOf(u'\n');
        if (lineBreak >= 0)
            end += lineBreak;
        else if (whole[end - 1] == u'\r' && whole[end] == u'\n')
            ++end;
    }
    const QStringView slice = whole.sliced(Next, end - Next);
    Next = end;
    return slice;
}

int TLoadSlices::Percent() const
{
    return Whole.isEmpty() ? 100 : int(100 * Next / Whole.size());
}
