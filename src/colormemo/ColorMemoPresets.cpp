#include "ColorMemoPresets.h"

#include "ColorMemo.h"
#include "RuleSets.h"

namespace {

void ApplyDocumentWindowSettings(TColorMemo &memo, int gutterSize)
{
    TCMGutterOptions gutter = memo.Gutter();
    gutter.ShowLineNumbers = true;
    gutter.NumColor = clWindowText;
    gutter.Size = gutterSize;
    gutter.Is3D = true;
    memo.SetGutter(gutter);

    TCMPrintOptions print = memo.PrintOptions();
    print.Margins = TCMPrintMargins{100, 100, 100, 100};
    print.HeaderAlignment = taCenter;
    print.FooterAlignment = taCenter;
    memo.SetPrintOptions(print);

    memo.SetOptions(TColorMemoOptions(cmoAllowCutCopy) | cmoDragText);
    memo.SetTabStopWidth(32);
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab keys go into the text; the edit does that unless tab focus is switched on.
    memo.setTabChangesFocus(false);
}

} // namespace

void ApplyHtmlWindowSettings(TColorMemo &memo)
{
    ApplyDocumentWindowSettings(memo, 80);
    FillHtmlRules(memo.ColorRules());
    memo.viewport()->update();
}

void ApplyCssWindowSettings(TColorMemo &memo)
{
    ApplyDocumentWindowSettings(memo, 40);
    FillCssRules(memo.ColorRules());
    memo.viewport()->update();
}
