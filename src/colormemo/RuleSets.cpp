#include "RuleSets.h"

#include <span>

// The rule sets are kept as declared, duplicates and odd entries included ("link " with a
// blank, "underline" with a tab, "super;"): entry splitting trims and cuts them when the
// tables are built.

namespace {

using TEntries = std::span<const char *const>;

struct TRuleDecl
{
    const char *Name;
    TKeyDrawingType Type;
    bool Enabled;
    quint8 ZOrder;
    TColor DefKeyColor;
    TEntries Keywords;
    TEntries BegEnd = {};
    int KeyMaxHeight = 1;
    bool PartWord = false;
    bool KeyCase = false;
    bool IgnoreOtherRules = false;
};

QStringList ToList(TEntries entries)
{
    QStringList list;
    list.reserve(qsizetype(entries.size()));
    for (const char *entry : entries)
        list.append(QString::fromUtf8(entry));
    return list;
}

void AddRule(TDrawRules &rules, const TRuleDecl &decl)
{
    TColorRule &rule = rules.Add();
    rule.SetName(QString::fromUtf8(decl.Name));
    rule.SetKeyDrawingType(decl.Type);
    rule.SetEnabled(decl.Enabled);
    rule.SetZOrder(decl.ZOrder);
    rule.SetDefKeyColor(decl.DefKeyColor);
    rule.SetKeyMaxHeight(decl.KeyMaxHeight);
    rule.SetPartWord(decl.PartWord);
    rule.SetKeyCase(decl.KeyCase);
    rule.SetIgnoreOtherRules(decl.IgnoreOtherRules);
    rule.SetKeywords(ToList(decl.Keywords));
    rule.SetKeyBegEndLst(ToList(decl.BegEnd));
}

const TEntries None;

// clang-format off

// HTML window.
const char *const HtmlComment[] = {
    "<!--;-->;gray"};
const char *const HtmlBlank[] = {
    "&nbsp;green"};
const char *const HtmlBrackets[] = {
    "<", ">"};
const char *const HtmlBracketsBegEnd[] = {
    "<>"};
const char *const HtmlTable[] = {
    "<TABLE>", "</TABLE>", "<TR", "</TR>", "<TH>", "</TH>", "<TD>", "</TD>", "<TBODY>", "<THEAD>",
    "<TFOOT>", "</TBODY>", "</THEAD>", "</TFOOT>", "<COLGROUP"};
const char *const HtmlAttrib1[] = {
    "BGCOLOR", "COLOR", "WIDTH", "HEIGHT", "SRC", "FACE", "HREF", "USEMAP", "SHAPE"};
const char *const HtmlAttrib2[] = {
    "BGCOLOR", "COLOR", "WIDTH", "HEIGHT", "SRC"};
const char *const HtmlAttrib3[] = {
    "FACE", "HREF", "BORDER", "ALT", "USEMAP", "SHAPE", "NAME", "BUTTON", "TYPE=", "SPAN",
    "FRAME", "RULES", "SUMMARY", "collapse", "seperate", "max-width", "min-width",
    "background-color", "padding", "margin", "font-size", "text-align", "odd", "even", "radius",
    "caption", "font-weight", "text-align", "left", "top", "right", "bottom", "position",
    "relative", "text-shadow", "colspan", "rowspan", "parseInt", "parseFloat", "getElementById",
    "innerHTML", "die", "is_numeric", "isset", "$_GET", "$_PUT", "method", "action"};
const char *const Html1[] = {
    "TITLE", "HEAD", "<B>", "</B>", "<P>", "</P>", "<BR>", "</BR>", "TABLE", "FORM", "value",
    "<INPUT", "BODY", "HTML", "H1", "H2", "H3", "H4", "H5", "H6", "TH", "TD", "TR", "thead",
    "tfoot", "tbody"};
const char *const Operators1[] = {
    "=", "{", "}", "(", ")", "*", "+", "-", ";"};
const char *const Operators2[] = {
    "\""};
const char *const Java1[] = {
    "for", "return", "if", "while", "do", "function", "math", "sin", "cos"};
const char *const Java2[] = {
    "false", "true", "var", "alert", "document", "length", "selected", "this", "options", "forms",
    "liste", "selectedIndex"};
const char *const Java3[] = {
    "ONLOAD", "ONFOCUS", "ONBLUR", "ONCHANGE", "ONCHANGEFOCUS", "ONCLICK", "ONDBLCLICK",
    "ONSUBMIT"};
const char *const Java4[] = {
    "ONABORT", "ONERROR", "ONKEYDOWN", "ONKEYPRESS", "ONKEYUP", "ONMOUSEDOWN", "ONMOUSEMOVE",
    "ONMOUSEOUT", "ONMOUSEOVER"};
const char *const Java5[] = {
    "ONMOUSEUP", "ONRESET", "ONSELECT", "ONUNLOAD"};

// CSS window.
const char *const CssComment[] = {
    "<!--;-->;gray"};
const char *const CssBlank[] = {
    "&nbsp;green"};
const char *const CssBraces[] = {
    "{;};blue"};
const char *const CssKeywords[] = {
    "absolute", "active", "align", "aqua", "arial", "armenian", "auto", "background",
    "background-attachment", "background-color", "background-image", "background-position",
    "background-repeat", "background-repeat", "baseline", "black", "blink", "block", "blue",
    "body", "bold", "bolder", "border", "both", "bottom", "bottom", "bottom", "capitalize",
    "caption", "cell", "center", "center", "child", "circle", "clear", "cm", "color", "column",
    "columns", "courier new", "crosshair", "decimal", "decimal-leading-zero", "default", "disc",
    "display", "div", "double", "em", "e-resize", "ex", "family", "first", "fixed", "float",
    "focus", "font", "footer", "fuchsia", "garamond", "geneva", "georgian", "gill sans", "gray",
    "green", "groove", "groove", "group", "h1", "h2", "h3", "h4", "h5", "h6", "header", "help",
    "helvetica", "in", "in", "inline", "inline", "inset", "inside", "italic", "item", "justify",
    "large", "larger", "left", "left", "letter", "letter-spacing", "li", "lighter", "lime",
    "line", "line-height", "line-through", "link ", "link", "list", "list", "list-style-image",
    "list-style-position", "lower-alpha", "lowercase", "lower-greek", "lower-latin",
    "lower-latin", "lower-roman", "margin", "margin", "margin-bottom", "margin-left",
    "margin-right", "margin-top", "maroon", "medium", "medium", "middle", "mm", "monospace",
    "move", "navy", "ne-resize", "none", "none", "no-repeat", "normal", "normal", "nowrap",
    "n-resize", "nw-resize", "ol", "olive", "outset", "outside", "overline", "padding", "padding",
    "padding-bottom", "padding-left", "padding-right", "padding-top", "palatino", "pc",
    "percentage", "pointer", "position", "pre", "pre-line", "pre-wrap", "pt", "purple", "px",
    "red", "relative", "repeat", "repeat", "repeat-x", "repeat-x", "repeat-y", "repeat-y", "rgb",
    "ridge", "right", "right", "row", "run", "sans", "scroll", "se-resize", "serif", "silver",
    "size", "small", "small-caps", "smaller", "solid", "square", "s-resize", "style", "style",
    "style", "stylesheet", "sub", "sub", "super", "super;", "sw-resize", "table", "tahoma", "td",
    "teal", "text", "text-bottom", "text-decoration", "text-indent", "text-top", "th", "thick",
    "thin", "times", "top", "top", "tr", "type", "ul", "underline\t", "underline", "uppercase",
    "upper-latin", "upper-roman", "variant", "Verdana", "vertical", "vertical-align", "visited",
    "wait", "weight", "white", "width", "width", "word-spacing", "w-resize", "x-large", "x-small",
    "xx-large", "xx-small", "yellow"};
// clang-format on

} // namespace

void FillHtmlRules(TDrawRules &rules)
{
    rules.Clear();
    const TRuleDecl decls[] = {
        {"Kommentar", dtBeginEnd, false, 2, clMaroon, None, HtmlComment, 500, false, false, true},
        {"Blank", dtKeyShow, false, 0, clRed, HtmlBlank},
        {"Eckige_Klammer", dtKeyShow, true, 3, clBlue, HtmlBrackets, HtmlBracketsBegEnd, 100},
        {"Table", dtKeyShow, true, 2, clBlue, HtmlTable, None, 1, true},
        {"HTML_Attrib1", dtKeyShow, true, 3, clFuchsia, HtmlAttrib1},
        {"HTML_Attrib2", dtKeyShow, true, 3, clFuchsia, HtmlAttrib2},
        {"HTML_Attrib3", dtKeyShow, true, 3, clFuchsia, HtmlAttrib3},
        {"HTML1", dtKeyShow, true, 3, clBlue, Html1},
        {"Operatoren1", dtKeyShow, true, 3, clRed, Operators1, None, 1, true},
        {"Operatoren2", dtKeyShow, true, 3, clRed, Operators2, None, 1, true},
        {"java1", dtKeyShow, true, 3, clBlue, Java1, None, 1, false, true},
        {"java2", dtKeyShow, true, 3, clBlue, Java2, None, 1, false, true},
        {"java3", dtBeginEnd, true, 3, clRed, Java3},
        {"java4", dtKeyShow, true, 3, clRed, Java4},
        {"java5", dtKeyShow, true, 3, clRed, Java5},
    };
    for (const TRuleDecl &decl : decls)
        AddRule(rules, decl);
}

void FillCssRules(TDrawRules &rules)
{
    rules.Clear();
    const TRuleDecl decls[] = {
        {"Kommentar", dtBeginEnd, true, 2, clRed, None, CssComment},
        {"Blank", dtKeyShow, true, 0, clRed, CssBlank},
        {"Klammer", dtBeginEnd, true, 0, clBlue, None, CssBraces},
        {"CSS", dtKeyShow, true, 3, clBlue, CssKeywords},
    };
    for (const TRuleDecl &decl : decls)
        AddRule(rules, decl);
}
