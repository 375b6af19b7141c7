#include "ColourPass.h"
#include "ColourPassFakes.h"
#include "RuleSets.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>

// Every heap allocation of this test executable is counted, so that a test can prove that a
// piece of code allocates nothing. The C allocation functions are replaced by counting ones
// that forward to the C library's own; operator new and Qt's containers both end up there.
namespace {
std::atomic<long> AllocationCount{0};
}

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *p, std::size_t size);
void __libc_free(void *p);

void *malloc(std::size_t size)
{
    AllocationCount.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    AllocationCount.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *p, std::size_t size)
{
    AllocationCount.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, size);
}

void free(void *p)
{
    __libc_free(p);
}
}

TEST(ColourPassAllocation, CountingSeesQtAndStandardAllocations)
{
    long before = AllocationCount.load();
    QString text(100, u'x');
    EXPECT_GT(AllocationCount.load(), before);
    before = AllocationCount.load();
    auto number = std::make_unique<int>(5);
    EXPECT_GT(AllocationCount.load(), before);
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

    const long before = AllocationCount.load();
    for (int i = 0; i < 10; ++i)
        pass.Run(rules, hotSpot, input, view);
    EXPECT_EQ(AllocationCount.load() - before, 0);
}
