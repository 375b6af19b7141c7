#include "WindowLayout.h"

#include <gtest/gtest.h>

TEST(ColumnLayout, SecondChildTakesTheRemainder)
{
    TArrangeInput input;
    input.ClientWidth = 1003;
    input.ClientHeight = 700;
    input.ToolbarHeight = 34;
    input.StatusHeight = 20;
    input.Minimized = {false, false, false, false};
    // (1003 - 8) / 4 = 248 remainder 3; height 700 - 34 - 20 - 10.
    const QList<QRect> rects = ColumnLayout(input);
    EXPECT_EQ(rects[0], QRect(0, 0, 248, 636));
    EXPECT_EQ(rects[1], QRect(248, 0, 251, 636));
    EXPECT_EQ(rects[2], QRect(499, 0, 248, 636));
    EXPECT_EQ(rects[3], QRect(747, 0, 248, 636));
}

TEST(ColumnLayout, MinimisedSecondChildMeansNobodyGetsTheRemainder)
{
    TArrangeInput input;
    input.ClientWidth = 1000;
    input.ClientHeight = 500;
    input.Minimized = {false, true, false};
    // Two columns of (1000 - 4) / 2 = 498; no bars, so the margin is 6.
    const QList<QRect> rects = ColumnLayout(input);
    EXPECT_EQ(rects[0], QRect(0, 0, 498, 494));
    EXPECT_TRUE(rects[1].isNull());
    EXPECT_EQ(rects[2], QRect(498, 0, 498, 494));
}

TEST(ColumnLayout, AllMinimisedOrNoChildrenDoesNothing)
{
    TArrangeInput input;
    input.ClientWidth = 800;
    input.Minimized = {true};
    EXPECT_TRUE(ColumnLayout(input)[0].isNull());
    input.Minimized = {};
    EXPECT_TRUE(ColumnLayout(input).isEmpty());
}

TEST(StackedLayout, ChildrenShareTheHeightAtFullWidth)
{
    const QList<QRect> rects = StackedLayout(600, 301, {false, true, false, false});
    EXPECT_EQ(rects[0], QRect(0, 0, 600, 100));
    EXPECT_TRUE(rects[1].isNull());
    EXPECT_EQ(rects[2], QRect(0, 100, 600, 100));
    EXPECT_EQ(rects[3], QRect(0, 200, 600, 101));
}
