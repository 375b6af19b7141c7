#pragma once

#include <QString>
#include <QStringView>
#include <QTextBlock>

// The characters of one line, read a stretch at a time: a long line of a document is never
// copied whole to measure it, to place the caret in it or to paint the columns on screen.
// Made for one line at a time; the document must not change while it is in use.
class TLineText
{
public:
    // A line at hand as a string, which must outlive this.
    explicit TLineText(QStringView text);
    // A block of a document, read in stretches of it.
    explicit TLineText(const QTextBlock &block);

    int Length() const { return Size; }
    // The characters [from, to) (clamped to the line); valid until the next call.
    QStringView Range(int from, int to) const;
    // The character at a column inside the line.
    QChar At(int column) const { return Range(column, column + 1).front(); }

private:
    // Characters read from a block at least at a time: a few around a column for the caret or
    // the columns on screen, more and more while measuring goes through a long line piece by
    // piece.
    static constexpr int FirstStretch = 1024;
    static constexpr int LongestStretch = 64 * 1024;

    QStringView Whole;
    QTextBlock Block;
    int Size = 0;
    mutable QString Stretch;
    mutable int StretchStart = 0;
    mutable int StretchLength = FirstStretch;
};
