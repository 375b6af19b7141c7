#include "CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, AnsiRoundTripsEveryByte)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    bool lossless = false;
    EXPECT_EQ(UnicodeToAnsi(AnsiToUnicode(all), &lossless), all);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(AnsiToUnicode("\x80\xE4"), QString::fromUtf8("€ä"));
}
