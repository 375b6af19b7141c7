#include "LoadSlices.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(LoadSlices, SlicesEndBehindALineBreakAndALongLineGoesInWhole)
{
    struct TCase
    {
        const char *Name;
        QString Text;
        qsizetype Size;
        QStringList Slices;
    };
    const TCase cases[] = {
        {"through the next break", "ab\r\ncdef\r\ngh", 3, {"ab\r\n", "cdef\r\n", "gh"}},
        {"a break right at the size", "abc\r\nd", 5, {"abc\r\n", "d"}},
        {"a long line in one", "abcdefgh\r\nij\r\nk", 2, {"abcdefgh\r\n", "ij\r\n", "k"}},
        {"a size ending at CR takes the LF", "abcdef\r\nx", 7, {"abcdef\r\n", "x"}},
        {"a text without breaks in one", "abcdefg", 1, {"abcdefg"}},
        {"empty text", "", 4, {}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TLoadSlices slices(c.Text);
        QStringList taken;
        while (!slices.Done())
            taken << slices.TakeSlice(c.Size).toString();
        EXPECT_EQ(taken, c.Slices);
        EXPECT_EQ(slices.Percent(), 100);
        EXPECT_TRUE(slices.TakeSlice(c.Size).isEmpty());
    }
}
