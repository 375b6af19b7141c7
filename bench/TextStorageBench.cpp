// What holding a big page costs: time to put 50 MB of lines into each text storage the
// editors use, and the heap bytes it holds afterwards, per line and against the text's own
// UTF-16 size. Run: build/bench/text_storage_bench

#include "BenchText.h"
#include "ChunkedText.h"
#include "PlainTextEditControl.h"
#include "TextBuffer.h"
#include "TextPositions.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// About `bytes` characters of 69-character HTML lines joined by CR LF.
QString Page(qsizetype bytes)
{
    const QString line = QStringLiteral(
        "<tr><td class=\"zelle\">Grüße aus Köln</td><td width=\"80\">Maß</td></tr>\r\n");
    return RepeatedLine(line, bytes);
}

const QString &Page50MB()
{
    static const QString text = Page(50 * 1000 * 1000);
    return text;
}

size_t HeapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap held by what `load` builds, beside the counters of time.
template<typename Load>
void MeasureLoad(benchmark::State &state, Load load)
{
    const QString &text = Page50MB();
    const double lines = double(text.count(u'\n') + 1);
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        const size_t before = HeapBytes();
        state.ResumeTiming();
        auto storage = load(text);
        state.PauseTiming();
        const double held = double(HeapBytes() - before);
        state.counters["MiB"] = held / (1024 * 1024);
        state.counters["bytes_per_line"] = held / lines;
        state.counters["per_text_byte"] = held / (double(text.size()) * sizeof(QChar));
        storage.reset();
        state.ResumeTiming();
    }
}

// The colour editor's storage today: a QTextDocument with a plain-text layout, no view.
void LoadTextDocument(benchmark::State &state)
{
    MeasureLoad(state, [](const QString &text) {
        auto doc = std::make_unique<QTextDocument>();
        doc->setUndoRedoEnabled(false);
        doc->setPlainText(ToDocumentBreaks(text));
        return doc;
    });
}
BENCHMARK(LoadTextDocument)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same through the edit control over a QPlainTextEdit that is not shown.
void LoadPlainTextEdit(benchmark::State &state)
{
    MeasureLoad(state, [](const QString &text) {
        auto edit = std::make_unique<QPlainTextEdit>();
        auto *control = new TPlainTextEditControl(edit.get());
        control->SetText(text);
        return edit;
    });
}
BENCHMARK(LoadPlainTextEdit)->Unit(benchmark::kMillisecond)->Iterations(2);

// The test buffer: one QString and a line index.
void LoadTextBuffer(benchmark::State &state)
{
    MeasureLoad(state, [](const QString &text) { return std::make_unique<TTextBuffer>(text); });
}
BENCHMARK(LoadTextBuffer)->Unit(benchmark::kMillisecond)->Iterations(2);

// The undo ring's copy of the document.
void LoadChunkedText(benchmark::State &state)
{
    MeasureLoad(state, [](const QString &text) {
        auto chunks = std::make_unique<TChunkedText>();
        chunks->Assign(text);
        return chunks;
    });
}
BENCHMARK(LoadChunkedText)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same copy once the text is in the editor: packed, as the slices of a load go in.
void LoadAndPackChunkedText(benchmark::State &state)
{
    MeasureLoad(state, [](const QString &text) {
        auto chunks = std::make_unique<TChunkedText>();
        chunks->Assign(text);
        for (qsizetype from = 0; from < text.size(); from += 256 * 1024)
            chunks->Pack(from, from + 256 * 1024);
        return chunks;
    });
}
BENCHMARK(LoadAndPackChunkedText)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
