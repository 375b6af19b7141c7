#include "TableWizard.h"

#include "TableMarkup.h"
#include "ToolDialogs.h"

QString BigTableNote(const TTableOptions &options)
{
    return QStringLiteral("Die Tabelle mit %1 × %2 Zellen wird eingefügt ...")
        .arg(options.Rows)
        .arg(options.Cols);
}

bool InsertTableFromWizard(TEditControl &editor, bool pageHasStylesheet)
{
    const std::optional<TTableOptions> options = ToolDialogs().AskTableOptions();
    if (!options)
        return false;
    std::unique_ptr<TBusyNote> busy;
    if (qint64(options->Rows) * options->Cols > BigTableCells)
        busy = ToolDialogs().ShowBusy(BigTableNote(*options));
    InsertTableMarkup(editor, *options, pageHasStylesheet);
    return true;
}
