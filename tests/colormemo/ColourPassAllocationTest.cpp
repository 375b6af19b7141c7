#include "AllocationCounter.h"
#include "ColourPass.h"
#include "ColourPassFakes.h"
#include "RuleSets.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <memory>

// Every heap allocation of this test executable is counted (AllocationCounter.cpp is linked in),
// so that a test can prove that a piece of code allocates nothing.

TEST(ColourPassAllocation, CountingSeesQtAndStandardAllocations)
{
    long before = AllocationCount();
    QString text(100, u'x');
    EXPECT_GT(AllocationCount(), before);
    before = AllocationCount();
    auto number = std::make_unique<int>(5);
    EXPECT_GT(AllocationCount(), before);
}

TEST(ColourPassAllocation, RepeatedPassOverTheSameViewAllocatesNothing)
{
    QStringList lines;
    for (int i = 0; i < 60; ++i) {
        lines.append(
            QStringLiteral("<TR><TD WIDTH=\"120\" BGCOLOR=\"#FFCC00\"><A HREF=\"s%1.html\">"
                           "Eintrag %1</A></TD><TD onClick=\"alert(this.value)\">"
                           "x = y + 1; &nbsp;</TD></TR>")
                .arg(i));
    }
    const TTextBuffer doc(lines.join(QStringLiteral("\r\n")));
    TDrawRules rules;
    FillHtmlRules(rules);
    rules[0].SetEnabled(true); // the comment rule too, so span scanning takes part
    const THotSpot hotSpot;
    const TFakeView view(doc);
    TColourPassInput input;
    input.Text = doc.TextView();
    input.SelStart = doc.LineIndex(30) + 17;
    input.SelLength = 40;

    TColourPass pass;
    pass.Run(rules, hotSpot, input, view);
    pass.Run(rules, hotSpot, input, view);
    ASSERT_GT(pass.Runs().size(), 1000u);

    const long before = AllocationCount();
    for (int i = 0; i < 10; ++i)
        pass.Run(rules, hotSpot, input, view);
    EXPECT_EQ(AllocationCount() - before, 0);
}
