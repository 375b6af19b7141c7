#include "QtPrompter.h"

#include "FileUtils.h"
#include "FontColorDialog.h"
#include "LRadio4.h"
#include "Reactivate.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace {

// Message texts use CR LF line breaks; the message boxes want plain line feeds.
QString DisplayText(const QString &text)
{
    QString shown = text;
    shown.replace("\r\n", "\n");
    return shown;
}

// Shows only folders and executable files while its filter is the chosen one.
class TExecutableFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetActive(bool active)
    {
        Active = active;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        auto *files = qobject_cast<QFileSystemModel *>(sourceModel());
        if (!Active || !files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool Active = false;
};

// Lets the dialog's executable filter show executable files.
void InstallExecutableFilter(QFileDialog &dialog, const QString &filterName)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    auto *proxy = new TExecutableFilter(&dialog);
    dialog.setProxyModel(proxy);
    QObject::connect(&dialog,
                     &QFileDialog::filterSelected,
                     proxy,
                     [proxy, filterName](const QString &f) { proxy->SetActive(f == filterName); });
    proxy->SetActive(dialog.selectedNameFilter() == filterName);
}

// An open dialog that takes names of missing files too, so that the program can tell the user
// in its own words, and that completes a name without extension by the default extension.
class TOpenFileDialog : public QFileDialog
{
public:
    TOpenFileDialog(QWidget *parent, const QString &title, const QString &folder, bool multi)
        : QFileDialog(parent, title, folder)
    {
        setOption(QFileDialog::DontUseNativeDialog, true);
        setFileMode(QFileDialog::AnyFile);
        if (!multi)
            return;
        const QList<QAbstractItemView *> views = findChildren<QAbstractItemView *>();
        for (QAbstractItemView *view : views)
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    QString DefaultExt;
    QStringList Chosen;

protected:
    void accept() override
    {
        const QStringList typed = selectedFiles();
        // A folder is entered, as always.
        if (typed.size() == 1 && QFileInfo(typed.first()).isDir()) {
            QFileDialog::accept();
            return;
        }
        Chosen.clear();
        for (const QString &name : typed)
            Chosen << ResolveTypedFileName(name, DefaultExt);
        QDialog::accept();
    }
};

} // namespace

QStringList QtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int bracket = description.lastIndexOf('(');
        if (bracket > 0)
            description = description.left(bracket).trimmed();
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        // "*.*" means every file here, also one without a dot in its name.
        patterns.replaceInStrings(QRegularExpression("^\\*\\.\\*$"), "*");
        patterns.removeDuplicates();
        result << description + " (" + patterns.join(' ') + ")";
    }
    return result;
}

void TQtPrompter::ShowNote(const QString &caption, const QString &text)
{
    TReactivate reactivate(Parent);
    QMessageBox::warning(Parent, caption, DisplayText(text));
}

void TQtPrompter::ShowError(const QString &caption, const QString &text)
{
    TReactivate reactivate(Parent);
    QMessageBox::critical(Parent, caption, DisplayText(text));
}

bool TQtPrompter::AskYesNo(const QString &, const QString &text, int helpContext)
{
    TReactivate reactivate(Parent);
    // The confirmation box carries the standard caption, not the caller's.
    QMessageBox box(QMessageBox::Question,
                    "Bestätigen",
                    DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No,
                    Parent);
    if (helpContext != 0)
        box.addButton(QMessageBox::Help);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

TYesNoCancel TQtPrompter::AskYesNoCancel(const QString &caption, const QString &text)
{
    TReactivate reactivate(Parent);
    const auto answer = QMessageBox::question(Parent,
                                              caption,
                                              DisplayText(text),
                                              QMessageBox::Yes | QMessageBox::No
                                                  | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return TYesNoCancel::Yes;
    if (answer == QMessageBox::No)
        return TYesNoCancel::No;
    return TYesNoCancel::Cancel;
}

std::optional<QString> TQtPrompter::AskText(const QString &prompt,
                                            const QString &caption,
                                            const QString &initial)
{
    TReactivate reactivate(Parent);
    bool ok = false;
    const QString text
        = QInputDialog::getText(Parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

namespace {

// Puts the filters into the dialog and selects the chosen one; returns the dialog's filters.
QStringList ApplyFilters(QFileDialog &dialog, const TFileDialogOptions &options)
{
    const QStringList filters = QtNameFilters(options.Filter);
    dialog.setNameFilters(filters);
    if (options.FilterIndex >= 1 && options.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[options.FilterIndex - 1]);
    if (options.ExecutableFilter >= 1 && options.ExecutableFilter <= filters.size())
        InstallExecutableFilter(dialog, filters[options.ExecutableFilter - 1]);
    return filters;
}

} // namespace

TFileDialogResult TQtPrompter::RunFileDialog(const TFileDialogOptions &options, bool save)
{
    TReactivate reactivate(Parent);
    std::unique_ptr<QFileDialog> dialog;
    TOpenFileDialog *open = nullptr;
    if (save || options.MustExist) {
        dialog = std::make_unique<QFileDialog>(Parent, options.Title, options.InitialDir);
        dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setDefaultSuffix(options.DefaultExt);
    } else {
        auto owned = std::make_unique<TOpenFileDialog>(Parent,
                                                       options.Title,
                                                       options.InitialDir,
                                                       options.MultiSelect);
        open = owned.get();
        open->DefaultExt = options.DefaultExt;
        dialog = std::move(owned);
    }
    // The callers ask their own overwrite question.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = ApplyFilters(*dialog, options);
    if (!options.FileName.isEmpty())
        dialog->selectFile(options.FileName);
    TFileDialogResult result;
    if (dialog->exec() != QDialog::Accepted)
        return result;
    result.Files = open ? open->Chosen : dialog->selectedFiles();
    result.FilterIndex = filters.indexOf(dialog->selectedNameFilter()) + 1;
    return result;
}

TFileDialogResult TQtPrompter::AskOpenFileNames(const TFileDialogOptions &options)
{
    return RunFileDialog(options, false);
}

TFileDialogResult TQtPrompter::AskSaveFileName(const TFileDialogOptions &options)
{
    return RunFileDialog(options, true);
}

int TQtPrompter::AskChoice(const QString &caption,
                           const QString &groupCaption,
                           const QStringList &choices)
{
    TReactivate reactivate(Parent);
    TFLRadio4 dialog(Parent);
    dialog.setWindowTitle(caption);
    dialog.SetGroupCaption(groupCaption);
    dialog.SetChoices(choices);
    dialog.SetChoice(0);
    dialog.exec();
    return dialog.Choice();
}

std::optional<QColor> TQtPrompter::AskColor(const QColor &initial)
{
    TReactivate reactivate(Parent);
    const QColor color = QColorDialog::getColor(initial, Parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<TFontChoice> TQtPrompter::AskFont(const TFontChoice &initial)
{
    TReactivate reactivate(Parent);
    TFontColorDialog dialog(initial, Parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}
