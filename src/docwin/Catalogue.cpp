#include "Catalogue.h"

#include "ColorValues.h"
#include "EditControl.h"
#include "ImageMaps.h"
#include "ProgramPaths.h"
#include "Prompter.h"
#include "TableWizard.h"
#include "ToolDialogs.h"

#include <QFileInfo>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString Pattern(const char *text)
{
    return QString::fromUtf8(text);
}

QString PlainCaption(const char *caption)
{
    return Pattern(caption).remove(u'&');
}

QStringList Prefixed(const QStringList &lines, const QString &prefix)
{
    QStringList result;
    result.reserve(lines.size());
    for (const QString &line : lines)
        result << prefix + line;
    return result;
}

// The block goes in front of the first "</head>" as one edit; without one, the other lines go
// below the caret's line.
void InsertIntoHead(const TCatalogueEntry &entry, TEditControl &editor)
{
    const int head = editor.IndexOf(u"</head>");
    if (head < 0) {
        editor.InsertLinesBelowCaretLine(CatalogueLines(entry.AltText));
        return;
    }
    QString block;
    for (const QString &line : CatalogueLines(entry.Text))
        block += line + CrLf;
    editor.SetSelStart(head);
    editor.ReplaceSelection(block + CrLf);
    editor.SetModified(true);
}

void InsertList(const QString &type, bool ordered, TEditControl &editor)
{
    const QString tag = ordered ? QStringLiteral("ol") : QStringLiteral("ul");
    const QStringList items{"  <li> Text1 </li>", "  <li> Text2 </li>", "</" + tag + ">"};
    if (editor.HasStylesheetType()) {
        editor.InsertLinesBelowCaretLine(QStringList{"<" + tag + ">"} + items);
        return;
    }
    const QString comment = ordered ? QStringLiteral("<!-- 1, A, a, I,i  -->")
                                    : QStringLiteral("<!-- circle, disc, square  -->");
    const QString start = "<" + tag + " Type=\"" + type + "\" >";
    editor.InsertLinesAtCaretLine(QStringList{comment, start} + items);
}

// The six digits RRGGBB of a colour chosen in the colour dialog; empty when cancelled.
QString AskHexColour()
{
    const std::optional<QColor> colour = Prompter().AskColor(Qt::black);
    return colour ? ColorToHexRGB(FromQColor(*colour)) : QString();
}

bool InsertFunction(const TCatalogueEntry &entry, TEditControl &editor)
{
    const std::optional<QString> answer = Prompter().AskText(Pattern(entry.AltText),
                                                             PlainCaption(entry.Caption),
                                                             QString());
    const QString name = answer.value_or(QString()).trimmed();
    if (name.isEmpty())
        return false;
    editor.InsertLinesAtCaretLine(Pattern(entry.Text).arg(name).split(u'\n'));
    return true;
}

bool InsertPicture(const TCatalogueEntry &entry, const TInsertionSite &site)
{
    TFileDialogOptions options;
    options.Title = QString::fromUtf8("Bild Öffnen");
    options.Filter = "GIF-Dateien (*.gif)|*.gif|JPG-Dateien (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                     "BMP-Dateien (*.bmp)|*.bmp|PING-Dateien (*.png)|*.png|"
                     "Alle Dateien (*.*)|*.*";
    options.InitialDir = site.FileDir.isEmpty() ? ProgramDirectory : site.FileDir;
    const TFileDialogResult result = Prompter().AskOpenFileNames(options);
    if (!result.Accepted())
        return false;
    const QString name = QFileInfo(result.Files.first()).fileName();
    if (AskYesNo("Bestätigen",
                 QString::fromUtf8("Wollen Sie zusätzliche Koordinatenbereiche als Links "
                                   "einfügen?")))
        site.Editor.InsertLinesAtCaretLine(Pattern(entry.Text).arg(name).split(u'\n'));
    else
        site.Editor.PasteAtCaret(Pattern(entry.AltText).arg(name));
    return true;
}

// The actions that put a fixed text into the document.
void InsertFixedText(const TCatalogueEntry &entry, TEditControl &editor)
{
    const QStringList lines = CatalogueLines(entry.Text);
    switch (entry.Action) {
    case TCatalogueAction::Paste:
        editor.PasteAtCaret(Pattern(entry.Text));
        break;
    case TCatalogueAction::PasteEach:
        for (const QString &line : lines)
            editor.PasteAtCaret(line);
        break;
    case TCatalogueAction::Lines:
        editor.InsertLinesAtCaretLine(lines);
        break;
    case TCatalogueAction::LinesBelow:
        editor.InsertLinesBelowCaretLine(lines);
        break;
    case TCatalogueAction::Declarations:
        editor.InsertLinesAtCaretLine(Prefixed(lines, QStringLiteral("  ")));
        break;
    case TCatalogueAction::Append:
        editor.AppendLines(lines);
        break;
    case TCatalogueAction::AppendToEnd:
        editor.AppendLines(lines);
        editor.SetSelStart(editor.TextLength());
        break;
    case TCatalogueAction::AtTop:
        editor.InsertLine(0, lines.join(CrLf));
        break;
    default:
        Q_ASSERT(false);
    }
}

// The actions that compute their text or ask first; false when nothing was inserted.
bool InsertComputedText(const TCatalogueEntry &entry, const TInsertionSite &site)
{
    TEditControl &editor = site.Editor;
    switch (entry.Action) {
    case TCatalogueAction::IntoHead:
        InsertIntoHead(entry, editor);
        return true;
    case TCatalogueAction::UnorderedList:
    case TCatalogueAction::OrderedList:
        InsertList(Pattern(entry.Text), entry.Action == TCatalogueAction::OrderedList, editor);
        return true;
    case TCatalogueAction::HexColour:
    case TCatalogueAction::HexColourLine: {
        const QString digits = AskHexColour();
        if (digits.isEmpty())
            return false;
        const QString text = Pattern(entry.Text).arg(digits);
        if (entry.Action == TCatalogueAction::HexColour)
            editor.PasteAtCaret(text);
        else
            editor.InsertLinesAtCaretLine({text});
        return true;
    }
    case TCatalogueAction::NamedColour: {
        const std::optional<QString> name = ToolDialogs().AskColorName();
        if (name)
            editor.PasteAtCaret(Pattern(entry.Text).arg(*name));
        return name.has_value();
    }
    case TCatalogueAction::Table:
        return InsertTableFromWizard(editor, editor.HasStylesheetType());
    case TCatalogueAction::FunctionName:
        return InsertFunction(entry, editor);
    case TCatalogueAction::Picture:
        return InsertPicture(entry, site);
    case TCatalogueAction::AreaTag:
    case TCatalogueAction::ShapeMap: {
        const std::optional<QStringList> lines = entry.Action == TCatalogueAction::AreaTag
                                                     ? AreaTagLines(site.FileDir)
                                                     : ShapeMapLinesFromFiles(site.FileDir);
        if (lines)
            editor.InsertLinesAtCaretLine(*lines);
        return lines.has_value();
    }
    default:
        InsertFixedText(entry, editor);
        return true;
    }
}

} // namespace

QStringList CatalogueLines(const char *text)
{
    return Pattern(text).split(u'\n');
}

bool ExecuteCatalogueEntry(const TCatalogueEntry &entry, const TInsertionSite &site)
{
    if (entry.Action == TCatalogueAction::Inactive || entry.Action == TCatalogueAction::Submenu)
        return false;
    if (!InsertComputedText(entry, site))
        return false;
    site.Editor.ScrollCaret();
    return true;
}

std::vector<TMenuItem> CatalogueMenuItems(std::span<const TCatalogueEntry> rows,
                                          const std::function<void(const TCatalogueEntry &)> &run)
{
    std::vector<TMenuItem> items;
    items.reserve(rows.size());
    for (const TCatalogueEntry &row : rows) {
        TMenuItem item{row.Name, row.Caption, row.Shortcut};
        item.Literal = row.Literal;
        if (row.Action == TCatalogueAction::Submenu)
            item.SubItems = CatalogueMenuItems(row.SubItems, run);
        else if (row.Action != TCatalogueAction::Inactive)
            item.Command = [run, &row] { run(row); };
        items.push_back(std::move(item));
    }
    return items;
}

const TCatalogueEntry *FindCatalogueEntry(std::span<const TCatalogueEntry> rows, const char *name)
{
    for (const TCatalogueEntry &row : rows) {
        if (qstrcmp(row.Name, name) == 0)
            return &row;
        if (const TCatalogueEntry *inner = FindCatalogueEntry(row.SubItems, name))
            return inner;
    }
    return nullptr;
}
