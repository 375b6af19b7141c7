#include "TableMarkup.h"

#include "EditControl.h"

#include <algorithm>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// Appends the line: indent blanks, the text, CR LF.
void AddLine(QString &out, int indent, QStringView text)
{
    out.append(QString(indent, u' '));
    out.append(text);
    out.append(LineBreak);
}

// Appends a non-negative number in decimal without a temporary string.
void AddNumber(QString &out, qint64 number)
{
    char16_t digits[24];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    std::reverse(digits, digits + count);
    out.append(QStringView(digits, count));
}

// Appends one numbered cell line: indent 5, the opening tag, a blank, the number, "-zelle" and
// the closing tag.
void AddNumberedCell(QString &out, QStringView tag, qint64 number)
{
    out.append(u"     <");
    out.append(tag);
    out.append(u"> ");
    AddNumber(out, number);
    out.append(u"-zelle</");
    out.append(tag);
    out.append(u'>');
    out.append(LineBreak);
}

// The head or foot section: one empty cell per column, each as an opening and a closing line.
void AddHeadOrFoot(QString &out, QStringView openTag, QStringView closeTag, int cols)
{
    AddLine(out, 3, openTag);
    AddLine(out, 4, u"<tr>");
    for (int k = 0; k < cols; ++k) {
        AddLine(out, 4, u"<td>");
        AddLine(out, 4, u"</td>");
    }
    AddLine(out, 4, u"</tr>");
    AddLine(out, 3, closeTag);
}

// The body rows. The cell number counts every cell row by row, headers included.
void AddBodyRows(QString &out, const TTableOptions &options)
{
    const int rowIndent = options.TBody ? 4 : 2;
    qint64 number = 1;
    for (int r = 1; r <= options.Rows; ++r) {
        AddLine(out, rowIndent, u"<tr>");
        for (int k = 1; k <= options.Cols; ++k, ++number) {
            if (options.HeaderInFirstCol && k == 1 && r == 1)
                AddLine(out, 5, u"<th> <br /> </th>");
            else if ((options.HeaderInFirstCol && k == 1) || (options.HeaderInFirstRow && r == 1))
                AddNumberedCell(out, u"th", number);
            else
                AddNumberedCell(out, u"td", number);
        }
        AddLine(out, 4, u"</tr>");
    }
}

// A generous estimate of the markup's length, so that building it never copies the text.
qsizetype EstimatedLength(const TTableOptions &options)
{
    const qint64 rows = std::max(0, options.Rows);
    const qint64 cols = std::max(0, options.Cols);
    const qint64 cellLength = 32; // "     <td> 1000000-zelle</td>\r\n" and a little more
    return qsizetype(400 + cols * 40 + rows * 20 + rows * cols * cellLength);
}

} // namespace

const QStringList &CellFrameItems()
{
    static const QStringList items{"Keinen Eintrag",
                                   "void: Keine Seite mit Rand (Default)",
                                   "Above: Seite oben",
                                   "Below: Seite unten",
                                   "hsides: Oben und Unten",
                                   "vsides: Links und rechts",
                                   "lhs: Links",
                                   "rhs: Rechts",
                                   "box: Alle Seiten",
                                   "border: Alle Seiten"};
    return items;
}

QString CellFrameKeyword(int frameItem)
{
    // Item 0 is no frame at all and item 1 the browser's default, so neither is written.
    if (frameItem < 2 || frameItem >= CellFrameItems().size())
        return QString();
    return CellFrameItems().at(frameItem).section(u':', 0, 0).toLower();
}

QString TableStartTag(const TTableOptions &options, bool pageHasStylesheet)
{
    QString tag = pageHasStylesheet ? QStringLiteral("<table ")
                                    : QStringLiteral("<table border=\"")
                                          + QString::number(options.BorderWidth) + u'"';
    if (options.CellSpacing)
        tag += QStringLiteral(" cellspacing=\"20\" cellpadding=\"20%\" ");
    const QString frame = CellFrameKeyword(options.FrameItem);
    if (!frame.isEmpty()) {
        // The keyword is the value of the frame attribute, set off from what stands before.
        if (!tag.endsWith(u' '))
            tag += u' ';
        tag += QStringLiteral("frame=\"") + frame + QStringLiteral("\" ");
    }
    return tag + u'>';
}

QString TableMarkup(const TTableOptions &options, bool pageHasStylesheet)
{
    QString out;
    out.reserve(EstimatedLength(options));
    AddLine(out, 0, u"<!-- Tabelle -->");
    AddLine(out, 2, TableStartTag(options, pageHasStylesheet));
    if (options.ColGroup) {
        AddLine(out, 2, u"<colgroup>");
        for (int k = 0; k < options.Cols; ++k)
            AddLine(out, 4, u"<col width=\"80\"/>");
        AddLine(out, 2, u"</colgroup>");
    }
    if (options.THead)
        AddHeadOrFoot(out, u"<thead>", u"</thead>", options.Cols);
    if (options.TFoot)
        AddHeadOrFoot(out, u"<tfoot>", u"</tfoot>", options.Cols);
    if (options.TBody)
        AddLine(out, 3, u"<tbody>");
    AddBodyRows(out, options);
    if (options.TBody)
        AddLine(out, 3, u"</tbody>");
    AddLine(out, 2, u"</table>");
    return out;
}

void InsertTableMarkup(TEditControl &editor, const TTableOptions &options, bool pageHasStylesheet)
{
    const int caretLine = editor.LineFromChar(editor.SelStart());
    QString markup = TableMarkup(options, pageHasStylesheet);
    int position = 0;
    if (caretLine > 0)
        position = editor.LineIndex(caretLine - 1);
    else
        markup.remove(0, markup.indexOf(LineBreak) + LineBreak.size());
    editor.SetSelStart(position);
    editor.ReplaceSelection(markup);
    editor.SetModified(true);
}
