#include "ReplaceOutsideScripts.h"

#include "LiteralReplaceOutsideScripts.h"
#include "QStringPrinter.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString Replace(QChar c, const QString &r, const QString &text)
{
    return ReplaceOutsideScripts(c, r, text);
}

} // namespace

TEST(ReplaceOutsideScripts, ReplacesEverywhereOutsideTheFirstBlockOfEachKind)
{
    // Inside the PHP block the tab survives; before and after it, it becomes a blank.
    EXPECT_EQ(Replace('\t', " ", "a\tb<?php\techo 1; ?>\tc"), "a b<?php\techo 1; ?> c");
    // ASP block, and the umlaut of the save conversion.
    EXPECT_EQ(Replace(QChar(0xE4), "&#228;", "\u00E4<% x = \"\u00E4\" %>\u00E4"),
              "&#228;<% x = \"\u00E4\" %>&#228;");
    // Only the first script block is spared.
    const QString twoScripts
        = "<script language=\"js\">\t</script>\t<SCRIPT LANGUAGE=x>\t</script>";
    EXPECT_EQ(Replace('\t', " ", twoScripts),
              "<script language=\"js\">\t</script> <SCRIPT LANGUAGE=x> </script>");
    // The other opening form of a script block, in any letter case.
    EXPECT_EQ(Replace('\t', " ", "<Script Type=\"Text/JavaScript\">\t</SCRIPT>\t"),
              "<Script Type=\"Text/JavaScript\">\t</SCRIPT> ");
}

TEST(ReplaceOutsideScripts, BlockWithoutBothMarkersProtectsNothing)
{
    EXPECT_EQ(Replace('\t', " ", "\t</SCRIPT>\t"), " </SCRIPT> ");
    EXPECT_EQ(Replace('\t', " ", "<?\tno end"), "<? no end");
    // A closing marker in front of its opening marker spares nothing either.
    EXPECT_EQ(Replace('\t', " ", "%>\t<%\t"), "%> <% ");
}

TEST(ReplaceOutsideScripts, CharactersWithCodeZeroStayAsTheyAre)
{
    const QString text = QString("a") + QChar(0) + "b\tc" + QChar(0);
    EXPECT_EQ(Replace('\t', " ", text), QString("a") + QChar(0) + "b c" + QChar(0));
    EXPECT_EQ(Replace('\t', " ", QString(QChar(0))), QString(QChar(0)));
}

TEST(ReplaceOutsideScripts, ReplacementCanOpenABlockForTheCharactersAfterIt)
{
    // The first tab turns into "<?", which together with the later "?>" forms a PHP block.
    EXPECT_EQ(Replace('\t', "<?", "\t\t?>\t"), "<?\t?><?");
    // A replacement that completes an opening script marker: the second x lies in the new
    // block, the third one behind it.
    EXPECT_EQ(Replace('x', "<script", "x language x</script>x"),
              "<script language x</script><script");
}

TEST(ReplaceOutsideScripts, SparedCharacterNoLongerCountsAsPartOfAMarker)
{
    // The '?' of "<?" is spared, but it stands in as code 0 while the markers are looked for,
    // so the block has lost its opening marker for every later '?'.
    EXPECT_EQ(Replace('?', "!", "<? a ?> b ?>c?"), "<? a !> b !>c!");
}

TEST(ReplaceOutsideScripts, ReplacementContainingTheCharacterIsAppliedOnce)
{
    EXPECT_EQ(Replace('a', "aa", "xa<?a?>a"), "xaa<?a?>aa");
}

TEST(ReplaceOutsideScripts, TablesForLoadingAndSaving)
{
    EXPECT_EQ(ReplaceOutsideScripts(TabToBlank, "\ta"), " a");
    EXPECT_EQ(ReplaceOutsideScripts(TabToThreeBlanks, "\ta"), "   a");
    EXPECT_EQ(EncodeUmlauts(QString::fromUtf8("ÄäÖöÜüß <?ä?>")),
              QString::fromUtf8("&#196;&#228;&#214;&#246;&#220;&#252;&#223; <?ä?>"));
}

TEST(BlanksToTabsOutsideScripts, GroupsOfThreeFromTheLeft)
{
    EXPECT_EQ(BlanksToTabsOutsideScripts("a     b"), "a\t  b");
    EXPECT_EQ(BlanksToTabsOutsideScripts("      b"), "\t\tb");
    EXPECT_EQ(BlanksToTabsOutsideScripts("  b"), "  b");
    EXPECT_EQ(BlanksToTabsOutsideScripts("   x<?   ?>   "), "\tx<?   ?>\t");
    // Back and forth with the colour view's conversion gives the same text again.
    const QString plain = "p {\n\tcolor: red;\n\t\tmargin: 0;\n}";
    EXPECT_EQ(BlanksToTabsOutsideScripts(ReplaceOutsideScripts(TabToThreeBlanks, plain)), plain);
}

// Texts from a small alphabet that hits the markers in several letter cases, the characters
// being replaced, umlauts, tabs and code 0; replacements that open or break markers.
TEST(ReplaceOutsideScripts, AgreesWithTheLiteralRoutineOnRandomTexts)
{
    const QStringList pieces = ReplaceTextPieces();
    const QStringList pairs = ReplacePairs();
    QRandomGenerator random(20261208);
    int replacedSomething = 0;
    for (int round = 0; round < 20000; ++round) {
        const QString &pair = pairs[random.bounded(int(pairs.size()))];
        const QChar c = pair[0];
        const QString r = pair.mid(1);
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            text += pieces[random.bounded(int(pieces.size()))];
        const QString expected = LiteralReplaceOutsideScripts(c, r, text);
        // A deep copy: a one-character replacement works in the text it is given, which must
        // be its own copy when the caller keeps the text.
        const QString original(text.constData(), text.size());
        const QString actual = ReplaceOutsideScripts(c, r, text);
        ASSERT_EQ(actual, expected)
            << "text: " << text.toStdString() << " char: " << int(c.unicode())
            << " replacement: " << r.toStdString();
        ASSERT_EQ(text, original);
        replacedSomething += actual != text;
    }
    // The alphabet is meant to exercise the routine, not to leave the texts alone.
    EXPECT_GT(replacedSomething, 10000);
}
