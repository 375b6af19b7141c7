#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

// Options of an open or save file dialog. The filter uses the "Text|*.a;*.b|Text|*.c" form.
struct TFileDialogOptions
{
    QString Title;
    QString InitialDir;
    QString FileName;
    QString Filter;
    int FilterIndex = 1; // 1-based, as the dialogs count their filters
    QString DefaultExt;  // without dot; appended when the typed name has no extension
    bool MultiSelect = false;
    // An open dialog accepts only a file that exists.
    bool MustExist = false;
    // 1-based index of a filter that shows executable programs, whatever their names; 0 for
    // none. Programs here have no name endings by which a pattern could find them.
    int ExecutableFilter = 0;
};

// What a file dialog returned: no files when the user cancelled.
struct TFileDialogResult
{
    QStringList Files;
    int FilterIndex = 1;

    bool Accepted() const { return !Files.isEmpty(); }
};

// A font with its colour, as the font dialog shows and returns it.
struct TFontChoice
{
    QFont Font;
    QColor Color = Qt::black;
};

// True when the font's style is exactly bold: bold, and neither italic, underlined nor struck
// out. The settings keep only "bold or regular", so bold italic counts as regular.
bool IsExactlyBold(const QFont &font);

// Answer of a question with Yes, No and Cancel.
enum class TYesNoCancel { Yes, No, Cancel };

// Every modal question and dialog that the program logic needs. The application installs the
// Qt implementation; tests install a scripted one that records the questions and answers them.
class TPrompter
{
public:
    virtual ~TPrompter() = default;

    virtual void ShowNote(const QString &caption, const QString &text) = 0;
    virtual void ShowError(const QString &caption, const QString &text) = 0;
    virtual bool AskYesNo(const QString &caption, const QString &text, int helpContext) = 0;
    virtual TYesNoCancel AskYesNoCancel(const QString &caption, const QString &text) = 0;
    // Returns std::nullopt when the user cancels.
    virtual std::optional<QString> AskText(const QString &prompt,
                                           const QString &caption,
                                           const QString &initial)
        = 0;
    virtual TFileDialogResult AskOpenFileNames(const TFileDialogOptions &options) = 0;
    virtual TFileDialogResult AskSaveFileName(const TFileDialogOptions &options) = 0;
    // A choice among up to four options with radio buttons; 1-based, 0 when cancelled.
    virtual int AskChoice(const QString &caption,
                          const QString &groupCaption,
                          const QStringList &choices)
        = 0;
    virtual std::optional<QColor> AskColor(const QColor &initial) = 0;
    // The font dialog with a choice of colour; std::nullopt when the user cancels.
    virtual std::optional<TFontChoice> AskFont(const TFontChoice &initial) = 0;
};

// The prompter in effect; never null once the program or a test has installed one.
TPrompter &Prompter();
// Installs a prompter (not owned) and returns the previous one.
TPrompter *SetPrompter(TPrompter *prompter);

// Message box with the exclamation icon and an OK button.
void ShowNote(const QString &caption, const QString &text);
// Message box with the error icon and an OK button.
void ShowError(const QString &caption, const QString &text);
// Yes/No question; true only for Yes. A help context of 0 shows no Help button.
bool AskYesNo(const QString &caption, const QString &text, int helpContext = 0);
// One-line input box; the edited text on OK, the empty string on Cancel.
QString AskText(const QString &prompt, const QString &caption, const QString &initial);
// Asks "Bestätigen" before an existing file is replaced. True when no file of that name exists
// or the user answered Yes.
bool MayReplaceFile(const QString &path);
