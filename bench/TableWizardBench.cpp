// The table wizard's biggest table, 1000 rows by 1000 columns (a million cell lines, about
// 30 MB of markup): building the markup, and writing it into a text buffer and into a shown
// HTML window's editor, up to the repaint that shows it.
#include "MDITagra2.h"
#include "TableMarkup.h"
#include "TextBuffer.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TTableOptions BiggestTable()
{
    TTableOptions options;
    options.Rows = 1000;
    options.Cols = 1000;
    options.TBody = true;
    options.HeaderInFirstRow = true;
    return options;
}

void BuildMarkup(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TableMarkup(BiggestTable(), false));
}
BENCHMARK(BuildMarkup)->Unit(benchmark::kMillisecond)->Iterations(3);

void InsertIntoTextBuffer(benchmark::State &state)
{
    for (auto _ : state) {
        TTextBuffer buffer(QStringLiteral("<html>\r\n<body>\r\n</body>\r\n</html>"));
        buffer.SetSelStart(buffer.LineIndex(2));
        InsertTableMarkup(buffer, BiggestTable(), false);
        benchmark::DoNotOptimize(buffer.TextLength());
    }
}
BENCHMARK(InsertIntoTextBuffer)->Unit(benchmark::kMillisecond)->Iterations(3);

// A small page open in a shown HTML window; the caret in its body.
void InsertIntoHtmlWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("page.html");
    QFile file(page);
    file.open(QIODevice::WriteOnly);
    file.write("<html>\r\n<head>\r\n</head>\r\n<body>\r\n<p>Text</p>\r\n</body>\r\n</html>\r\n");
    file.close();
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TFMDITagra2>();
        window->resize(1000, 800);
        window->show();
        window->OpenDocument(page, false, false, false);
        QCoreApplication::processEvents();
        TEditControl &editor = window->ActiveEditor();
        editor.SetSelStart(editor.LineIndex(5));
        state.ResumeTiming();
        InsertTableMarkup(editor, BiggestTable(), false);
        window->ActiveEditorWidget()->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(InsertIntoHtmlWindow)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
