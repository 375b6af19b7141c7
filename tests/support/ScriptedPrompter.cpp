#include "ScriptedPrompter.h"

namespace {

template<typename T>
T Next(std::deque<T> &answers, T fallback)
{
    if (!answers.empty()) {
        fallback = std::move(answers.front());
        answers.pop_front();
    }
    return fallback;
}

} // namespace

void TScriptedPrompter::ShowNote(const QString &caption, const QString &text)
{
    Prompts.push_back({"Note", caption, text});
}

void TScriptedPrompter::ShowError(const QString &caption, const QString &text)
{
    Prompts.push_back({"Error", caption, text});
}

bool TScriptedPrompter::AskYesNo(const QString &caption, const QString &text, int)
{
    Prompts.push_back({"YesNo", caption, text});
    return Next(YesNoAnswers, false);
}

TYesNoCancel TScriptedPrompter::AskYesNoCancel(const QString &caption, const QString &text)
{
    Prompts.push_back({"YesNoCancel", caption, text});
    return Next(YesNoCancelAnswers, TYesNoCancel::Cancel);
}

std::optional<QString> TScriptedPrompter::AskText(const QString &prompt,
                                                  const QString &caption,
                                                  const QString &)
{
    Prompts.push_back({"Text", caption, prompt});
    return Next(TextAnswers, std::optional<QString>());
}

TFileDialogResult TScriptedPrompter::AskOpenFileNames(const TFileDialogOptions &options)
{
    Prompts.push_back({"Open", options.Title, options.Filter});
    FileDialogs.push_back(options);
    return Next(OpenAnswers, TFileDialogResult());
}

TFileDialogResult TScriptedPrompter::AskSaveFileName(const TFileDialogOptions &options)
{
    Prompts.push_back({"Save", options.Title, options.Filter});
    FileDialogs.push_back(options);
    return Next(SaveAnswers, TFileDialogResult());
}

int TScriptedPrompter::AskChoice(const QString &caption,
                                 const QString &groupCaption,
                                 const QStringList &choices)
{
    Prompts.push_back({"Choice", caption, groupCaption + ": " + choices.join(", ")});
    return Next(ChoiceAnswers, 0);
}

std::optional<QColor> TScriptedPrompter::AskColor(const QColor &)
{
    Prompts.push_back({"Color", {}, {}});
    return Next(ColorAnswers, std::optional<QColor>());
}

std::optional<TFontChoice> TScriptedPrompter::AskFont(const TFontChoice &initial)
{
    Prompts.push_back({"Font", {}, initial.Font.family()});
    FontPresets.push_back(initial);
    return Next(FontAnswers, std::optional<TFontChoice>());
}

int TScriptedPrompter::Count(const QString &kind) const
{
    int count = 0;
    for (const TRecordedPrompt &prompt : Prompts)
        count += prompt.Kind == kind ? 1 : 0;
    return count;
}

QStringList TScriptedPrompter::Texts(const QString &kind) const
{
    QStringList texts;
    for (const TRecordedPrompt &prompt : Prompts) {
        if (prompt.Kind == kind)
            texts << prompt.Text;
    }
    return texts;
}

void TScriptedPrompter::AnswerSave(const QString &fileName, int filterIndex)
{
    SaveAnswers.push_back({{fileName}, filterIndex});
}

void TScriptedPrompter::AnswerOpen(const QStringList &fileNames)
{
    OpenAnswers.push_back({fileNames, 1});
}
