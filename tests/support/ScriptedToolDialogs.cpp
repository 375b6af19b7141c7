#include "ScriptedToolDialogs.h"

namespace {

// The next prepared answer, or the cancelled one when none is left.
template<typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>> &answers)
{
    std::optional<T> answer;
    if (!answers.empty()) {
        answer = std::move(answers.front());
        answers.pop_front();
    }
    return answer;
}

} // namespace

std::optional<TTableOptions> TScriptedToolDialogs::AskTableOptions()
{
    Calls.append("Table");
    return NextAnswer(TableAnswers);
}

std::optional<QString> TScriptedToolDialogs::AskColorName()
{
    Calls.append("ColorName");
    return NextAnswer(ColorNameAnswers);
}

std::unique_ptr<TBusyNote> TScriptedToolDialogs::ShowBusy(const QString &text)
{
    Calls.append("Busy");
    BusyNotes.append(text);
    return std::make_unique<TBusyNote>();
}
