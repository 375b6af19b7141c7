#pragma once

// The shown colour editor the widget tests type into, click and look at.

#include "ColorMemo.h"
#include "ColorMemoPresets.h"
#include "PlainTextEditControl.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// A shown HTML-window editor in a fixed font, with the focus.
class ColorMemoTest : public ::testing::Test
{
protected:
    ColorMemoTest()
    {
        ApplyHtmlWindowSettings(Memo);
        QFont font(QStringLiteral("monospace"));
        font.setPixelSize(16);
        Memo.setFont(font);
        Memo.resize(480, 320);
        Memo.show();
        Memo.activateWindow();
        Memo.setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Memo));
    }

    void SetText(const QString &text)
    {
        Edit.SetText(text);
        Settle();
    }

    // Lets pending paints run.
    void Settle()
    {
        QApplication::processEvents();
        Memo.viewport()->repaint();
    }

    QImage Shot() { return Memo.viewport()->grab().toImage(); }

    // The cell of the character at a document position, in viewport pixels.
    QRect Cell(int position)
    {
        const QRect left = Memo.PositionRect(position).toAlignedRect();
        const QRect right = Memo.PositionRect(position + 1).toAlignedRect();
        return QRect(left.left() + 1, left.top(), right.left() - left.left() - 1, left.height());
    }

    TColorMemo Memo;
    TPlainTextEditControl &Edit = *new TPlainTextEditControl(&Memo);
};

template<typename Predicate>
inline int CountPixels(const QImage &image, const QRect &area, Predicate predicate)
{
    // A rectangle outside the image (a cell scrolled out of view) has no pixels.
    const QRect rect = area & image.rect();
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += predicate(QColor(image.pixel(x, y))) ? 1 : 0;
    }
    return count;
}

inline bool SameColor(const QColor &a, const QColor &b)
{
    // Palette colours keep 16 bits per channel, painted pixels 8.
    return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1
           && std::abs(a.blue() - b.blue()) <= 1;
}

inline bool IsBlue(const QColor &c)
{
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}

inline bool IsFuchsia(const QColor &c)
{
    return c.red() > 200 && c.blue() > 200 && c.green() < 60;
}

inline bool IsWhite(const QColor &c)
{
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

inline bool IsDark(const QColor &c)
{
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

inline QString Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("<p>Zeile %1</p>").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}
