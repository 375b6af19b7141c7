#include "ColorMemo.h"
#include "ColorMemoPresets.h"
#include "PlainTextEditControl.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <random>

// The colour editor on large documents: loading a text through the edit-control adapter, the
// adapter's offset/line queries far into the text, and the cost of one typed character in the
// HTML window's editor (the key, the text change, and the paint with its colour pass).

namespace {

// About `bytes` characters of HTML lines joined by CR LF.
QString HtmlText(qsizetype bytes)
{
    const QString line = QStringLiteral(
        "<TR><TD WIDTH=\"50%\">Zelle</TD><TD BGCOLOR=\"#FFFFFF\">&nbsp;Text</TD></TR>\r\n");
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

const QString &Text50MB()
{
    static const QString text = HtmlText(50 * 1000 * 1000);
    return text;
}

void SetText50MB(benchmark::State &state)
{
    TColorMemo memo;
    ApplyHtmlWindowSettings(memo);
    memo.resize(800, 600);
    memo.show();
    auto *edit = new TPlainTextEditControl(&memo);
    for (auto _ : state) {
        state.PauseTiming();
        edit->SetText(QString());
        QApplication::processEvents();
        state.ResumeTiming();
        edit->SetText(Text50MB());
        // Until the view has been laid out and painted.
        QApplication::processEvents();
    }
    state.counters["lines"] = edit->LineCount();
}
BENCHMARK(SetText50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void OffsetQueries50MB(benchmark::State &state)
{
    QPlainTextEdit plain;
    auto *edit = new TPlainTextEditControl(&plain);
    edit->SetText(Text50MB());
    std::mt19937 random(42);
    std::uniform_int_distribution<int> offsets(0, edit->TextLength());
    for (auto _ : state) {
        const int line = edit->LineFromChar(offsets(random));
        benchmark::DoNotOptimize(edit->LineIndex(line));
    }
}
BENCHMARK(OffsetQueries50MB);

void TypeOneCharacter(benchmark::State &state)
{
    TColorMemo memo;
    ApplyHtmlWindowSettings(memo);
    memo.resize(800, 600);
    memo.show();
    memo.activateWindow();
    memo.setFocus();
    auto *edit = new TPlainTextEditControl(&memo);
    edit->SetText(HtmlText(state.range(0)));
    // Type in the middle of the document, with the view on the caret.
    edit->SetSelStart(edit->LineIndex(edit->LineCount() / 2) + 10);
    edit->ScrollCaret();
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&memo, Qt::Key_X);
        // The paint of what the key changed, with its colour pass.
        QApplication::processEvents();
        state.PauseTiming();
        QTest::keyClick(&memo, Qt::Key_Backspace);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["passes"] = benchmark::Counter(memo.LastColourPass().Count);
}
BENCHMARK(TypeOneCharacter)
    ->Arg(10 * 1000)
    ->Arg(1000 * 1000)
    ->Arg(50 * 1000 * 1000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
