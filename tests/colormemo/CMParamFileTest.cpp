#include "CMParamFile.h"

#include "ColorRule.h"
#include "RuleSets.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Text(const TCMParamList &list)
{
    QStringList lines;
    list.SaveToStrings(lines);
    std::vector<std::string> result;
    for (const QString &line : lines)
        result.push_back(line.toStdString());
    return result;
}

std::vector<std::string> Text(const TColorRule &rule)
{
    TCMParamList list;
    rule.SaveToParams(list);
    return Text(list);
}

} // namespace

TEST(CMParamList, WritingAnotherClassUnderANameReplacesTheParameter)
{
    TCMParamList list;
    list.SetString("Wert", {"a"});
    list.SetBool("andere", true);
    list.SetInt("WERT", 5);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetInt("wert", 0), 5);
    EXPECT_EQ(list.GetString("wert", {"vorgabe"}), QStringList({"vorgabe"}));
    list.SetInt("wert", 6);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetInt("Wert", 0), 6);
}

TEST(CMParamList, GettersGiveTheDefaultForMissingOrOtherParameters)
{
    TCMParamList list;
    list.SetIdent("Art", "dtKeyShow");
    list.SetBool("An", true);
    EXPECT_EQ(list.GetIdent("art", "x"), "dtKeyShow");
    EXPECT_EQ(list.GetInt("Art", 7), 7);
    EXPECT_TRUE(list.GetBool("AN", false));
    EXPECT_FALSE(list.GetBool("Aus", false));
    EXPECT_EQ(list.GetList("An"), nullptr);
    list.Delete(0);
    EXPECT_EQ(list.GetIdent("Art", "x"), "x");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(CMParamList, ValuesAsText)
{
    TCMParamList list;
    list.SetIdent("i", "dtBeginEnd");
    list.SetInt("n", -12);
    list.SetBool("b", false);
    list.SetString("s", {"a b", "c", "d,e", "sag \"hi\"", ""});
    list.SetString("eins", {""});
    list.AddList("tief").SetInt("x", 1);
    EXPECT_EQ(list[0].ValueText(), "dtBeginEnd");
    EXPECT_EQ(list[1].ValueText(), "-12");
    EXPECT_EQ(list[2].ValueText(), "False");
    EXPECT_EQ(list[3].ValueText(), "\"a b\",c,\"d,e\",\"sag \"\"hi\"\"\",");
    EXPECT_EQ(list[4].ValueText(), "\"\"");
    EXPECT_EQ(list[5].ValueText(), "");
}

TEST(CMParamList, TextFormIsIndentedWithQuotedLinesAndNestedLists)
{
    TCMParamList list;
    list.SetIdent("KeyDrawingType", "dtKeyShow");
    list.SetInt("ZOrder", 3);
    list.SetBool("Enabled", false);
    list.SetString("Keywords", {"for", "it's"});
    list.SetString("Leer", {});
    list.AddList("innen").SetInt("Tiefer", 1);
    const std::vector<std::string> expected{"<",
                                            "  KeyDrawingType = dtKeyShow",
                                            "  ZOrder = 3",
                                            "  Enabled = False",
                                            "  Keywords = 'for'",
                                            "             'it''s'",
                                            "  Leer = ''",
                                            "  <",
                                            "    Tiefer = 1",
                                            "  >",
                                            "   ",
                                            ">",
                                            " "};
    EXPECT_EQ(Text(list), expected);
}

TEST(ColorRuleParams, NewRuleWritesOnlyItsDrawingType)
{
    const TColorRule rule;
    const std::vector<std::string> expected{"<", "  KeyDrawingType = dtBeginEnd", ">", " "};
    EXPECT_EQ(Text(rule), expected);
}

TEST(ColorRuleParams, OnlyValuesThatDifferFromANewRuleAreWrittenInTheirOrder)
{
    TColorRule rule;
    rule.SetIgnoreOtherRules(true);
    rule.SetKeyCase(true);
    rule.SetKeywords({"a", "b"});
    rule.SetKeyBrushColor(clYellow);
    rule.SetDefKeyColor(clBlue);
    rule.SetKeyMaxHeight(500);
    rule.SetZOrder(2);
    rule.SetName("Kommentar");
    rule.SetKeyDrawingType(dtKeyShow);
    rule.SetEnabled(false);
    rule.SetIsHotspot(true);
    const std::vector<std::string> expected{"<",
                                            "  KeyDrawingType = dtKeyShow",
                                            "  Name = 'Kommentar'",
                                            "  ZOrder = 2",
                                            "  MaxHeight = 500",
                                            "  DefKeyColor = 16711680",
                                            "  KeyBrushColor = 65535",
                                            "  Keywords = 'a'",
                                            "             'b'",
                                            "  Enabled = False",
                                            "  KeyCase = True",
                                            "  Ignore = True",
                                            ">",
                                            " "};
    EXPECT_EQ(Text(rule), expected);
}

TEST(ColorRuleParams, MissingParametersLeaveTheRuleAlone)
{
    TColorRule rule;
    rule.SetName("alt");
    rule.SetZOrder(5);
    rule.SetKeywords({"x"});
    rule.SetKeyDrawingType(dtKeyShow);
    TCMParamList list;
    list.SetBool("PartWord", true);
    list.SetIdent("KeyDrawingType", "dtbeginlineend");
    ASSERT_TRUE(rule.LoadFromParams(list).Ok);
    EXPECT_EQ(rule.Name(), "alt");
    EXPECT_EQ(rule.ZOrder(), 5);
    EXPECT_EQ(rule.Keywords(), QStringList({"x"}));
    EXPECT_TRUE(rule.PartWord());
    EXPECT_EQ(rule.KeyDrawingType(), dtBeginLineEnd);

    list.SetIdent("KeyDrawingType", "dtIrgendwas");
    ASSERT_TRUE(rule.LoadFromParams(list).Ok);
    EXPECT_EQ(rule.KeyDrawingType(), dtBeginLineEnd);
    // Without the parameter the drawing type reads as its default text, dtBeginEnd.
    list.Delete(list.IndexOf("KeyDrawingType"));
    ASSERT_TRUE(rule.LoadFromParams(list).Ok);
    EXPECT_EQ(rule.KeyDrawingType(), dtBeginEnd);
}

TEST(ColorRuleParams, ZOrderOutOfRangeFailsTheReadAndChangesNothing)
{
    TColorRule rule;
    rule.SetName("Regel");
    TCMParamList list;
    list.SetIdent("KeyDrawingType", "dtKeyShow");
    list.SetString("Name", {"neu"});
    list.SetInt("ZOrder", 256);
    const TParamsResult result = rule.LoadFromParams(list);
    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(result.Error.isEmpty());
    EXPECT_EQ(rule.Name(), "Regel");
    EXPECT_EQ(rule.KeyDrawingType(), dtBeginEnd);
    list.SetInt("ZOrder", -1);
    EXPECT_FALSE(rule.LoadFromParams(list).Ok);
    list.SetInt("ZOrder", 255);
    EXPECT_TRUE(rule.LoadFromParams(list).Ok);
    EXPECT_EQ(rule.ZOrder(), 255);
}

TEST(ColorRuleParams, LoadedListsReachTheTablesAtTheNextPreparation)
{
    TDrawRules rules;
    TColorRule &rule = rules.Add();
    rule.SetKeyDrawingType(dtKeyShow);
    rule.SetKeywords({"alt"});
    rules.PrepareRules();
    ASSERT_FALSE(rules.NeedsPrepare());
    TCMParamList list;
    list.SetIdent("KeyDrawingType", "dtKeyShow");
    list.SetString("Keywords", {"neu;green"});
    ASSERT_TRUE(rule.LoadFromParams(list).Ok);
    rules.PrepareRules();
    ASSERT_EQ(rule.KeywordTable().size(), 1u);
    EXPECT_EQ(rule.KeywordTable()[0].Keyword, "NEU");
    EXPECT_EQ(rule.KeywordTable()[0].Color, clGreen);
}

TEST(ReadParamList, ReadsTheTextFormBack)
{
    TCMParamList list;
    list.SetIdent("Art", "dtKeyShow");
    list.SetInt("Zahl", -2147483647 - 1);
    list.SetBool("Ja", true);
    list.SetString("Zeilen", {"it's", "", " a\tb ", "x = 'y'"});
    list.SetString("Eine", {""});
    list.SetIdent("Leer", "");
    list.AddList("innen").SetBool("Nein", false);
    QStringList lines;
    list.SaveToStrings(lines, QStringLiteral("    "));

    const TParamListReadResult read = ReadParamList(lines);
    ASSERT_TRUE(read.List) << read.Error.toStdString() << " line " << read.Line;
    const TCMParamList &back = *read.List;
    ASSERT_EQ(back.Count(), 7);
    EXPECT_EQ(back.GetIdent("Art", ""), "dtKeyShow");
    EXPECT_EQ(back.GetInt("Zahl", 0), -2147483647 - 1);
    EXPECT_TRUE(back.GetBool("Ja", false));
    EXPECT_EQ(back.GetString("Zeilen", {}), QStringList({"it's", "", " a\tb ", "x = 'y'"}));
    EXPECT_EQ(back.GetString("Eine", {}), QStringList({""}));
    EXPECT_EQ(back.GetIdent("Leer", "x"), "");
    const auto *inner = dynamic_cast<const TCMParamList *>(&back[6]);
    ASSERT_NE(inner, nullptr);
    EXPECT_FALSE(inner->GetBool("Nein", true));
}

TEST(ReadParamList, RejectsWhatTheWriterDoesNotWrite)
{
    const auto errorLine = [](const QStringList &lines) {
        const TParamListReadResult read = ReadParamList(lines);
        EXPECT_FALSE(read.List);
        EXPECT_FALSE(read.Error.isEmpty());
        return read.Line;
    };
    EXPECT_EQ(errorLine({}), 1);
    EXPECT_EQ(errorLine({"<", "  a = 1", ">"}), 4);                  // no blank line behind ">"
    EXPECT_EQ(errorLine({"<", "  a = 1"}), 3);                       // no ">"
    EXPECT_EQ(errorLine({"<", " a = 1", ">", " "}), 2);              // wrong indent
    EXPECT_EQ(errorLine({"<", "  a = 'x", ">", " "}), 2);            // open quote
    EXPECT_EQ(errorLine({"<", "  a = 'x' y", ">", " "}), 2);         // text behind the quote
    EXPECT_EQ(errorLine({"<", "  a=1", ">", " "}), 2);               // no " = "
    EXPECT_EQ(errorLine({"<", ">", " ", "<", ">", " "}), 4);         // a second list
    EXPECT_EQ(errorLine({"<", "  s = 'a'", "   'b'", ">", " "}), 3); // misaligned line
}

namespace {

void ExpectSameRules(const TDrawRules &a, const TDrawRules &b)
{
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        SCOPED_TRACE(a[i].Name().toStdString());
        EXPECT_EQ(a[i].Name(), b[i].Name());
        EXPECT_EQ(a[i].KeyDrawingType(), b[i].KeyDrawingType());
        EXPECT_EQ(a[i].ZOrder(), b[i].ZOrder());
        EXPECT_EQ(a[i].KeyMaxHeight(), b[i].KeyMaxHeight());
        EXPECT_EQ(a[i].KeyCase(), b[i].KeyCase());
        EXPECT_EQ(a[i].Enabled(), b[i].Enabled());
        EXPECT_EQ(a[i].FontStyle(), b[i].FontStyle());
        EXPECT_EQ(a[i].PartWord(), b[i].PartWord());
        EXPECT_EQ(a[i].DefKeyColor(), b[i].DefKeyColor());
        EXPECT_EQ(a[i].KeySelColor(), b[i].KeySelColor());
        EXPECT_EQ(a[i].KeyBrushColor(), b[i].KeyBrushColor());
        EXPECT_EQ(a[i].IgnoreOtherRules(), b[i].IgnoreOtherRules());
        EXPECT_EQ(a[i].Keywords(), b[i].Keywords());
        EXPECT_EQ(a[i].KeyBegEndLst(), b[i].KeyBegEndLst());
        EXPECT_EQ(a[i].KeyLineEndLst(), b[i].KeyLineEndLst());
    }
}

void ExpectRoundTrip(void (*fill)(TDrawRules &))
{
    TDrawRules original;
    fill(original);
    original[0].SetKeySelColor(clGreen);
    TCMParamList params;
    original.SaveToParams(params);
    QStringList lines;
    params.SaveToStrings(lines);

    const TParamListReadResult read = ReadParamList(lines);
    ASSERT_TRUE(read.List) << read.Error.toStdString() << " line " << read.Line;
    TDrawRules loaded;
    const TParamsResult result = loaded.LoadFromParams(*read.List);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    ExpectSameRules(original, loaded);

    TCMParamList again;
    loaded.SaveToParams(again);
    QStringList linesAgain;
    again.SaveToStrings(linesAgain);
    EXPECT_EQ(linesAgain, lines);
}

} // namespace

TEST(RuleSetParams, HtmlRulesRoundTripThroughText)
{
    ExpectRoundTrip(FillHtmlRules);
}

TEST(RuleSetParams, CssRulesRoundTripThroughText)
{
    ExpectRoundTrip(FillCssRules);
}

TEST(RuleSetParams, ABadRuleLeavesTheCollectionAsItWas)
{
    TDrawRules rules;
    FillCssRules(rules);
    TCMParamList params;
    params.AddList("gut").SetIdent("KeyDrawingType", "dtKeyShow");
    params.AddList("schlecht").SetInt("ZOrder", 1000);
    EXPECT_FALSE(rules.LoadFromParams(params).Ok);
    EXPECT_EQ(rules.Count(), 4);
    EXPECT_EQ(rules[3].Name(), "CSS");
}
