#pragma once

#include <QString>
#include <QStringView>

// A loaded text handed to the editor in slices, so that a big file shows its first screen at
// once and the rest follows while the window already answers. A slice ends behind the first
// line break after its size: the editor lays out a line anew with every piece added to it, so
// a long line goes in whole.
class TLoadSlices
{
public:
    explicit TLoadSlices(QString text);

    // The whole text, also what has been handed out already.
    const QString &Text() const { return Whole; }
    bool Done() const { return Next >= Whole.size(); }
    // The next slice of about `size` characters (at least one); empty when all is handed out.
    QStringView TakeSlice(qsizetype size);
    // The share of the text handed out, 0 to 100.
    int Percent() const;

private:
    QString Whole;
    qsizetype Next = 0;
};
