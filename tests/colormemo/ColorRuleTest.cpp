#include "ColorRule.h"

#include "ColorValues.h"

#include <QPalette>

#include <gtest/gtest.h>

TEST(ParseColor, ReadsNamesWithOrWithoutClPrefixInAnyCase)
{
    EXPECT_EQ(ParseColor(u"green"), 0x008000u);
    EXPECT_EQ(ParseColor(u"clGreen"), 0x008000u);
    EXPECT_EQ(ParseColor(u" Green "), 0x008000u);
    EXPECT_EQ(ParseColor(u"\tCLnavy"), 0x800000u);
    EXPECT_EQ(ParseColor(u"gray"), 0x808080u);
    EXPECT_EQ(ParseColor(u"FUCHSIA"), 0xFF00FFu);
}

TEST(ParseColor, ReadsHexRedGreenBlueIntoTheStoredLayout)
{
    EXPECT_EQ(ParseColor(u"#FF8000"), 0x0080FFu);
    EXPECT_EQ(ParseColor(u"FF8000"), 0x0080FFu);
    EXPECT_EQ(ParseColor(u"$FF0000"), 0x0000FFu);
    EXPECT_EQ(ParseColor(u"ff#8000"), 0x0080FFu);
    EXPECT_EQ(ParseColor(u"12"), 0x120000u);
    // The top byte of the number is dropped after the swap.
    EXPECT_EQ(ParseColor(u"#AB123456"), 0x563412u);
    // Only the first ten characters count.
    EXPECT_EQ(ParseColor(u"0000FF8000zz"), 0x0080FFu);
}

TEST(ColorToHexRGB, WritesSixDigitsRedGreenBlue)
{
    const std::pair<QColor, const char *> cases[] = {
        {QColor(0, 0, 0), "000000"},
        {QColor(255, 0, 0), "FF0000"},
        {QColor(0, 0, 255), "0000FF"},
        {QColor(0, 0, 128), "000080"},
        {QColor(0x12, 0xAB, 0x0C), "12AB0C"},
    };
    for (const auto &[color, digits] : cases)
        EXPECT_EQ(ColorToHexRGB(FromQColor(color)), digits);
}

TEST(ParseColor, GivesWhiteForWhatCannotBeRead)
{
    EXPECT_EQ(ParseColor(u"xyz"), 0xFFFFFFu);
    EXPECT_EQ(ParseColor(u""), 0xFFFFFFu);
    EXPECT_EQ(ParseColor(u"cl"), 0xFFFFFFu);
    EXPECT_EQ(ParseColor(u"12$"), 0xFFFFFFu);
    EXPECT_EQ(ParseColor(u"# FF"), 0xFFFFFFu);
    EXPECT_EQ(ParseColor(u"FFFFFFFFFF"), 0xFFFFFFu); // more than 32 bits
}

TEST(ToQColor, MapsExplicitAndSystemColours)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
    palette.setColor(QPalette::Button, QColor(10, 11, 12));
    EXPECT_EQ(ToQColor(0x0080FF, palette), QColor(255, 128, 0));
    EXPECT_EQ(ToQColor(clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(clWindowText, palette), QColor(4, 5, 6));
    EXPECT_EQ(ToQColor(clHighlight, palette), QColor(7, 8, 9));
    EXPECT_EQ(ToQColor(clBtnFace, palette), QColor(10, 11, 12));
}

TEST(SplitEntry, CutsAtSemicolonsKeepsDoubledOnesAndTrims)
{
    EXPECT_EQ(SplitEntry(u"a;;b;red"), QStringList({"a;b", "red"}));
    EXPECT_EQ(SplitEntry(u";"), QStringList());
    EXPECT_EQ(SplitEntry(u"super;"), QStringList({"super"}));
    EXPECT_EQ(SplitEntry(u"underline\t"), QStringList({"underline"}));
    EXPECT_EQ(SplitEntry(u" <!-- ; --> ;\x01gray "), QStringList({"<!--", "-->", "gray"}));
    EXPECT_EQ(SplitEntry(u";;;x"), QStringList({";", "x"}));
    EXPECT_EQ(SplitEntry(u"a; ;b"), QStringList({"a", "b"}));
}

TEST(ColorRule, KeywordTableTakesFirstPartUpperCasedAndItsOwnColour)
{
    TColorRule rule;
    rule.SetDefKeyColor(clBlue);
    rule.SetKeywords(
        {"&nbsp;green", "a;;b;red", ";", "", "super;", "value", "VALUE", "x;lime;junk"});
    const std::vector<TKeywordRow> &table = rule.KeywordTable();
    ASSERT_EQ(table.size(), 6u);
    EXPECT_EQ(table[0].Keyword, "&NBSP");
    EXPECT_EQ(table[0].Color, 0x008000u);
    EXPECT_EQ(table[1].Keyword, "A;B");
    EXPECT_EQ(table[1].Color, clRed);
    EXPECT_EQ(table[2].Keyword, "SUPER");
    EXPECT_EQ(table[2].Color, clBlue);
    EXPECT_EQ(table[3].Keyword, "VALUE");
    EXPECT_EQ(table[4].Keyword, "VALUE");
    EXPECT_EQ(table[5].Keyword, "X");
    EXPECT_EQ(table[5].Color, clLime);
}

TEST(ColorRule, SpanTablesCutMarkersAndShareOneTable)
{
    TColorRule rule;
    rule.SetKeyBrushColor(clYellow);
    rule.SetKeyBegEndLst({"<>", "<script;</script>", "{;};blue", "<!--;-->;gray"});
    ASSERT_EQ(rule.SpanTable().size(), 3u);
    EXPECT_EQ(rule.SpanTable()[0].BeginMarker, "<scrip");
    EXPECT_EQ(rule.SpanTable()[0].EndMarker, "</scri");
    EXPECT_EQ(rule.SpanTable()[0].Color, clRed);
    EXPECT_EQ(rule.SpanTable()[0].Brush, clYellow);
    EXPECT_EQ(rule.SpanTable()[1].Color, clBlue);
    EXPECT_EQ(rule.SpanTable()[2].Color, clGray);

    rule.SetKeyLineEndLst({"//;green", "#"});
    ASSERT_EQ(rule.SpanTable().size(), 2u);
    EXPECT_EQ(rule.SpanTable()[0].BeginMarker, "//");
    EXPECT_EQ(rule.SpanTable()[0].EndMarker, "\r\n");
    EXPECT_EQ(rule.SpanTable()[0].Color, clGreen);
    EXPECT_EQ(rule.SpanTable()[1].Color, clRed);
}

TEST(ColorRule, PrepareRuleBuildsTheTablesOfItsTypeAndSaysWhetherItCanMatch)
{
    TColorRule rule;
    rule.SetKeyDrawingType(dtBeginLineEnd);
    rule.SetKeyBegEndLst({"<;>"});
    rule.SetKeyLineEndLst({"//"});
    rule.SetKeyBegEndLst({"<;>"}); // the setter leaves the begin/end rows in the shared table
    EXPECT_TRUE(rule.PrepareRule());
    ASSERT_EQ(rule.SpanTable().size(), 1u);
    EXPECT_EQ(rule.SpanTable()[0].BeginMarker, "//");

    TColorRule eventRule;
    eventRule.SetKeyDrawingType(dtEventDraw);
    eventRule.SetKeywords({"x"});
    EXPECT_FALSE(eventRule.PrepareRule());

    // Entries count, not rows: "<>" makes no row but the rule still answers yes.
    TColorRule brackets;
    brackets.SetKeyDrawingType(dtKeyShow);
    brackets.SetKeyBegEndLst({"<>"});
    EXPECT_TRUE(brackets.PrepareRule());
    EXPECT_TRUE(brackets.SpanTable().empty());
}

TEST(ColorRule, AssignCopiesEverythingButKeySelColor)
{
    TColorRule source;
    source.SetName("Quelle");
    source.SetKeyDrawingType(dtKeyShow);
    source.SetZOrder(7);
    source.SetKeyMaxHeight(9);
    source.SetKeyCase(true);
    source.SetEnabled(false);
    source.SetPartWord(true);
    source.SetBold(true);
    source.SetItalic(true);
    source.SetUnderline(true);
    source.SetDefKeyColor(clGreen);
    source.SetKeySelColor(clBlack);
    source.SetKeyBrushColor(clAqua);
    source.SetIsHotspot(true);
    source.SetIgnoreOtherRules(true);
    source.SetKeywords({"eins"});
    source.SetKeyBegEndLst({"a;b"});
    source.SetKeyLineEndLst({"//"});

    TColorRule target;
    target.Assign(source);
    EXPECT_EQ(target.Name(), "Quelle");
    EXPECT_EQ(target.KeyDrawingType(), dtKeyShow);
    EXPECT_EQ(target.ZOrder(), 7);
    EXPECT_EQ(target.KeyMaxHeight(), 9);
    EXPECT_TRUE(target.KeyCase());
    EXPECT_FALSE(target.Enabled());
    EXPECT_TRUE(target.PartWord());
    EXPECT_EQ(target.FontStyle(), fsBold | fsItalic | fsUnderline);
    EXPECT_EQ(target.DefKeyColor(), clGreen);
    EXPECT_EQ(target.KeySelColor(), clYellow);
    EXPECT_EQ(target.KeyBrushColor(), clAqua);
    EXPECT_TRUE(target.IsHotspot());
    EXPECT_TRUE(target.IgnoreOtherRules());
    EXPECT_EQ(target.Keywords(), QStringList({"eins"}));
    EXPECT_EQ(target.KeyLineEndLst(), QStringList({"//"}));
    ASSERT_EQ(target.SpanTable().size(), 1u);
    EXPECT_EQ(target.SpanTable()[0].BeginMarker, "a");
    EXPECT_EQ(target.KeywordTable()[0].Keyword, "eins");
}

TEST(DrawRules, NeedsPrepareClearsOnlyWhenARuleCanMatch)
{
    TDrawRules rules;
    EXPECT_TRUE(rules.NeedsPrepare());
    rules.Add().SetKeyDrawingType(dtEventDraw);
    rules.PrepareRules();
    EXPECT_TRUE(rules.NeedsPrepare());
    TColorRule &keywords = rules.Add();
    keywords.SetKeyDrawingType(dtKeyShow);
    keywords.SetKeywords({"for"});
    rules.PrepareRules();
    EXPECT_FALSE(rules.NeedsPrepare());
}

TEST(DrawRules, ALaterPropertyChangeStillReachesTheTables)
{
    TDrawRules rules;
    TColorRule &rule = rules.Add();
    rule.SetKeyDrawingType(dtKeyShow);
    rule.SetKeywords({"for"});
    rules.PrepareRules();
    ASSERT_FALSE(rules.NeedsPrepare());
    EXPECT_EQ(rule.KeywordTable()[0].Keyword, "FOR");
    rule.SetKeyCase(true);
    rule.SetDefKeyColor(clGreen);
    rules.PrepareRules();
    EXPECT_EQ(rule.KeywordTable()[0].Keyword, "for");
    EXPECT_EQ(rule.KeywordTable()[0].Color, clGreen);
}

TEST(DrawRules, AssignGivesNewRulesWithDefaultKeySelColor)
{
    TDrawRules source;
    source.Add().SetName("a");
    source[0].SetKeySelColor(clBlack);
    source.Add().SetName("b");
    TDrawRules target;
    target.Add().SetName("alt");
    target.Assign(source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target[0].Name(), "a");
    EXPECT_EQ(target[1].Name(), "b");
    EXPECT_EQ(target[0].KeySelColor(), clYellow);
}

TEST(DrawRules, ColumnTextsForRuleLists)
{
    TDrawRules rules;
    TColorRule &rule = rules.Add();
    rule.SetKeyDrawingType(dtBeginLineEnd);
    rule.SetZOrder(12);
    rule.SetEnabled(false);
    EXPECT_EQ(TDrawRules::ColumnCount(), 4);
    EXPECT_EQ(TDrawRules::ColumnTitle(3), "Z-Order");
    EXPECT_EQ(rules.CellText(0, 0), "Unnamed");
    EXPECT_EQ(rules.CellText(0, 1), "dtBeginLineEnd");
    EXPECT_EQ(rules.CellText(0, 2), "False");
    EXPECT_EQ(rules.CellText(0, 3), "12");
    EXPECT_EQ(rule.DisplayName(), "Begin - Line End");
    EXPECT_EQ(KeyDrawingTypeDisplayName(TKeyDrawingType(9)), "<Other type>");
}

TEST(HotKeywordList, FindsTheFirstRangeHoldingAnOffset)
{
    TcmHotKeywordList list;
    list.Add(5, 9);
    list.Add(8, 12);
    list.Add(20, 19);
    EXPECT_EQ(list.IndexOf(4), -1);
    EXPECT_EQ(list.IndexOf(9), 0);
    EXPECT_EQ(list.IndexOf(10), 1);
    EXPECT_EQ(list.IndexOf(20), -1);
}
