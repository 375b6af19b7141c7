#include "RuleSets.h"

#include <gtest/gtest.h>

namespace {

struct TExpectedRule
{
    const char *Name;
    TKeyDrawingType Type;
    bool Enabled;
    int ZOrder;
    TColor DefKeyColor;
    int KeywordCount;
};

void ExpectRules(const TDrawRules &rules, const std::vector<TExpectedRule> &expected)
{
    ASSERT_EQ(rules.Count(), int(expected.size()));
    for (int i = 0; i < rules.Count(); ++i) {
        SCOPED_TRACE(expected[size_t(i)].Name);
        EXPECT_EQ(rules[i].Name(), expected[size_t(i)].Name);
        EXPECT_EQ(rules[i].KeyDrawingType(), expected[size_t(i)].Type);
        EXPECT_EQ(rules[i].Enabled(), expected[size_t(i)].Enabled);
        EXPECT_EQ(rules[i].ZOrder(), expected[size_t(i)].ZOrder);
        EXPECT_EQ(rules[i].DefKeyColor(), expected[size_t(i)].DefKeyColor);
        EXPECT_EQ(rules[i].Keywords().size(), expected[size_t(i)].KeywordCount);
        EXPECT_FALSE(rules[i].IsHotspot());
    }
}

} // namespace

TEST(RuleSets, HtmlWindowHasItsFifteenRules)
{
    TDrawRules rules;
    FillHtmlRules(rules);
    ExpectRules(rules,
                {{"Kommentar", dtBeginEnd, false, 2, clMaroon, 0},
                 {"Blank", dtKeyShow, false, 0, clRed, 1},
                 {"Eckige_Klammer", dtKeyShow, true, 3, clBlue, 2},
                 {"Table", dtKeyShow, true, 2, clBlue, 15},
                 {"HTML_Attrib1", dtKeyShow, true, 3, clFuchsia, 9},
                 {"HTML_Attrib2", dtKeyShow, true, 3, clFuchsia, 5},
                 {"HTML_Attrib3", dtKeyShow, true, 3, clFuchsia, 48},
                 {"HTML1", dtKeyShow, true, 3, clBlue, 26},
                 {"Operatoren1", dtKeyShow, true, 3, clRed, 9},
                 {"Operatoren2", dtKeyShow, true, 3, clRed, 1},
                 {"java1", dtKeyShow, true, 3, clBlue, 9},
                 {"java2", dtKeyShow, true, 3, clBlue, 12},
                 {"java3", dtBeginEnd, true, 3, clRed, 8},
                 {"java4", dtKeyShow, true, 3, clRed, 9},
                 {"java5", dtKeyShow, true, 3, clRed, 4}});
    EXPECT_EQ(rules[0].KeyMaxHeight(), 500);
    EXPECT_TRUE(rules[0].IgnoreOtherRules());
    EXPECT_EQ(rules[0].KeyBegEndLst(), QStringList({"<!--;-->;gray"}));
    EXPECT_EQ(rules[2].KeyMaxHeight(), 100);
    EXPECT_EQ(rules[2].KeyBegEndLst(), QStringList({"<>"}));
    EXPECT_TRUE(rules[3].PartWord());
    EXPECT_TRUE(rules[8].PartWord());
    EXPECT_EQ(rules[9].Keywords(), QStringList({"\""}));
    EXPECT_TRUE(rules[9].PartWord());
    EXPECT_TRUE(rules[10].KeyCase());
    EXPECT_TRUE(rules[11].KeyCase());
    EXPECT_FALSE(rules[12].IgnoreOtherRules());
    EXPECT_EQ(rules[12].KeyBegEndLst(), QStringList());
    for (int i = 1; i < rules.Count(); ++i)
        EXPECT_EQ(rules[i].KeyMaxHeight(), i == 2 ? 100 : 1) << i;

    rules.PrepareRules();
    EXPECT_FALSE(rules.NeedsPrepare());
    EXPECT_TRUE(rules[2].SpanTable().empty()); // "<>" has no second part
    EXPECT_EQ(rules[1].KeywordTable()[0].Keyword, "&NBSP");
    EXPECT_EQ(rules[1].KeywordTable()[0].Color, clGreen);
    EXPECT_EQ(rules[7].KeywordTable()[10].Keyword, "VALUE");
    EXPECT_EQ(rules[11].KeywordTable()[11].Keyword, "selectedIndex");
}

TEST(RuleSets, CssWindowHasItsFourRulesWithTheOddEntriesCleanedByTheTable)
{
    TDrawRules rules;
    FillCssRules(rules);
    ExpectRules(rules,
                {{"Kommentar", dtBeginEnd, true, 2, clRed, 0},
                 {"Blank", dtKeyShow, true, 0, clRed, 1},
                 {"Klammer", dtBeginEnd, true, 0, clBlue, 0},
                 {"CSS", dtKeyShow, true, 3, clBlue, 230}});
    EXPECT_EQ(rules[2].KeyBegEndLst(), QStringList({"{;};blue"}));
    const QStringList &keywords = rules[3].Keywords();
    EXPECT_EQ(keywords.first(), "absolute");
    EXPECT_EQ(keywords.last(), "yellow");
    EXPECT_TRUE(keywords.contains("link "));
    EXPECT_TRUE(keywords.contains("underline\t"));
    EXPECT_TRUE(keywords.contains("super;"));
    EXPECT_EQ(keywords.count("style"), 3);

    rules.PrepareRules();
    const std::vector<TKeywordRow> &table = rules[3].KeywordTable();
    ASSERT_EQ(table.size(), 230u);
    const auto count = [&](const char *keyword) {
        return std::count_if(table.begin(), table.end(), [&](const TKeywordRow &row) {
            return row.Keyword == QLatin1String(keyword);
        });
    };
    EXPECT_EQ(count("LINK"), 2);
    EXPECT_EQ(count("UNDERLINE"), 2);
    EXPECT_EQ(count("SUPER"), 2);
    EXPECT_EQ(count("COURIER NEW"), 1);
    ASSERT_EQ(rules[2].SpanTable().size(), 1u);
    EXPECT_EQ(rules[2].SpanTable()[0].BeginMarker, "{");
    EXPECT_EQ(rules[2].SpanTable()[0].EndMarker, "}");
}
