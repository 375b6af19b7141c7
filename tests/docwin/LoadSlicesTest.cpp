#include "LoadSlices.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(LoadSlices, SlicesEndBehindALineBreakOrInALongLineNeverBetweenCrAndLf)
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
        {"a line longer than two slices is cut", "abcdefgh\r\n", 2, {"ab", "cd", "ef", "gh\r\n"}},
        {"not between CR and LF", "abcdef\r\nx", 7, {"abcdef\r\n", "x"}},
        {"a cut at CR takes the LF",
         "abcdefg\r\nx",
         1,
         {"a", "b", "c", "d", "e", "f", "g", "\r\n", "x"}},
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
