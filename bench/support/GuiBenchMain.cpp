#include "Prompter.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The main of the benchmarks that need widgets: an offscreen application unless a display is
// chosen, settings and scratch files in a temporary folder, and a prompter that answers every
// question with No or Cancel, since a benchmark must never wait for one.

namespace {

class TSilentPrompter : public TPrompter
{
public:
    void ShowNote(const QString &, const QString &) override {}
    void ShowError(const QString &, const QString &) override {}
    bool AskYesNo(const QString &, const QString &, int) override { return false; }
    TYesNoCancel AskYesNoCancel(const QString &, const QString &) override
    {
        return TYesNoCancel::No;
    }
    std::optional<QString> AskText(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    TFileDialogResult AskOpenFileNames(const TFileDialogOptions &) override { return {}; }
    TFileDialogResult AskSaveFileName(const TFileDialogOptions &) override { return {}; }
    int AskChoice(const QString &, const QString &, const QStringList &) override { return 0; }
    std::optional<QColor> AskColor(const QColor &) override { return std::nullopt; }
    std::optional<TFontChoice> AskFont(const TFontChoice &) override { return std::nullopt; }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HTML_EDITOR_REGISTRY", (home.path() + "/registry.json").toLocal8Bit());
    qputenv("HTML_EDITOR_HOME", (home.path() + "/home").toLocal8Bit());
    QApplication app(argc, argv);
    TSilentPrompter prompter;
    SetPrompter(&prompter);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
