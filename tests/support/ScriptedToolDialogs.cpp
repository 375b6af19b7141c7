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

std::optional<QString> TScriptedToolDialogs::AskAreaTag(const QString &initialDir)
{
    Calls.append("AreaTag");
    InitialDirs.append(initialDir);
    return NextAnswer(AreaTagAnswers);
}

std::optional<QString> TScriptedToolDialogs::AskShapePicture(const QString &initialDir)
{
    Calls.append("ShapePicture");
    InitialDirs.append(initialDir);
    return NextAnswer(ShapePictureAnswers);
}

std::optional<QString> TScriptedToolDialogs::AskShapeFile(const QString &initialDir)
{
    Calls.append("ShapeFile");
    InitialDirs.append(initialDir);
    return NextAnswer(ShapeFileAnswers);
}

std::unique_ptr<TBusyNote> TScriptedToolDialogs::ShowBusy(const QString &text)
{
    Calls.append("Busy");
    BusyNotes.append(text);
    return std::make_unique<TBusyNote>();
}

bool TScriptedToolDialogs::ShowHelpTopic(int topic)
{
    Calls.append("Help " + QString::number(topic));
    return true;
}
