#include "Prompter.h"

#include "FileUtils.h"

#include <QFileInfo>
#include <QtGlobal>

namespace {

TPrompter *CurrentPrompter = nullptr;

} // namespace

TPrompter &Prompter()
{
    Q_ASSERT(CurrentPrompter);
    return *CurrentPrompter;
}

TPrompter *SetPrompter(TPrompter *prompter)
{
    TPrompter *previous = CurrentPrompter;
    CurrentPrompter = prompter;
    return previous;
}

void ShowNote(const QString &caption, const QString &text)
{
    Prompter().ShowNote(caption, text);
}

void ShowError(const QString &caption, const QString &text)
{
    Prompter().ShowError(caption, text);
}

bool AskYesNo(const QString &caption, const QString &text, int helpContext)
{
    return Prompter().AskYesNo(caption, text, helpContext);
}

QString AskText(const QString &prompt, const QString &caption, const QString &initial)
{
    return Prompter().AskText(prompt, caption, initial).value_or(QString());
}

bool MayReplaceFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    // The question names the file without its folder and, as it always has, without a blank
    // before "existiert".
    const TSplitFileName parts = SplitFileName(path);
    return AskYesNo("Bestätigen",
                    "Die Datei " + parts.Base + parts.Ext
                        + "existiert bereits.\r\nMöchten Sie sie ersetzen?");
}

bool IsExactlyBold(const QFont &font)
{
    return font.bold() && !font.italic() && !font.underline() && !font.strikeOut();
}
