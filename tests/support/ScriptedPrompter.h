#pragma once

#include "Prompter.h"

#include <deque>
#include <vector>

// One question the logic asked.
struct TRecordedPrompt
{
    QString Kind; // "Note", "Error", "YesNo", "YesNoCancel", "Text", "Open", "Save", ...
    QString Caption;
    QString Text;
};

// A prompter for tests: records every question and answers from prepared queues. An empty
// queue gives the cautious answer (No, Cancel, nothing chosen).
class TScriptedPrompter : public TPrompter
{
public:
    std::vector<TRecordedPrompt> Prompts;
    std::vector<TFileDialogOptions> FileDialogs;

    std::deque<bool> YesNoAnswers;
    std::deque<TYesNoCancel> YesNoCancelAnswers;
    std::deque<std::optional<QString>> TextAnswers;
    std::deque<TFileDialogResult> OpenAnswers;
    std::deque<TFileDialogResult> SaveAnswers;
    std::deque<int> ChoiceAnswers;
    std::deque<std::optional<QColor>> ColorAnswers;
    std::deque<std::optional<TFontChoice>> FontAnswers;
    // The fonts the font dialogs were preset with.
    std::vector<TFontChoice> FontPresets;

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

    // Number of recorded questions of a kind.
    int Count(const QString &kind) const;
    // Texts of the recorded questions of a kind, in order.
    QStringList Texts(const QString &kind) const;
    // Answers the next save dialog with one file.
    void AnswerSave(const QString &fileName, int filterIndex = 1);
    void AnswerOpen(const QStringList &fileNames);
};

// Installs a prompter for the lifetime of the object and restores the previous one.
class TPrompterScope
{
public:
    explicit TPrompterScope(TPrompter &prompter)
        : Previous(SetPrompter(&prompter))
    {}
    ~TPrompterScope() { SetPrompter(Previous); }
    TPrompterScope(const TPrompterScope &) = delete;
    TPrompterScope &operator=(const TPrompterScope &) = delete;

private:
    TPrompter *Previous;
};
