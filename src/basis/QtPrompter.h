#pragma once

#include "Prompter.h"

class QWidget;

// The prompter of the running program: Qt message boxes and common dialogs.
class TQtPrompter : public TPrompter
{
public:
    // Dialogs are centred on the window that ParentWidget returns (may be null).
    void SetParentWidget(QWidget *parent) { Parent = parent; }

    void ShowNote(const QString &caption, const QString &text) override;
    void ShowError(const QString &caption, const QString &text) override;
    bool AskYesNo(const QString &caption, const QString &text, int helpContext) override;
    TYesNoCancel AskYesNoCancel(const QString &caption, const QString &text) override;
    std::optional<QString> AskText(const QString &prompt,
                                   const QString &caption,
                                   const QString &initial) override;
    TFileDialogResult AskOpenFileNames(const TFileDialogOptions &options) override;
    TFileDialogResult AskSaveFileName(const TFileDialogOptions &options) override;
    int AskChoice(const QString &caption,
                  const QString &groupCaption,
                  const QStringList &choices) override;
    std::optional<QColor> AskColor(const QColor &initial) override;
    std::optional<TFontChoice> AskFont(const TFontChoice &initial) override;

private:
    TFileDialogResult RunFileDialog(const TFileDialogOptions &options, bool save);

    QWidget *Parent = nullptr;
};

// Turns a "Text|*.a;*.b|..." filter into the list of name filters that QFileDialog expects.
QStringList QtNameFilters(const QString &filter);
