// What a key press costs the undo ring, and what a full ring holds, on large documents.
// Run: build/bench/undo_ring_bench

#include "TextBuffer.h"
#include "UndoRing.h"

#include <QRandomGenerator>
#include <QString>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// A page of the given number of characters in lines of markup.
QString Document(qsizetype characters)
{
    const QString line = QStringLiteral(
        "  <tr><td class=\"cell\">Zelle mit etwas Text</td></tr>\r\n");
    QString text;
    text.reserve(characters + line.size());
    while (text.size() + line.size() <= characters)
        text += line;
    text += QString(characters - text.size(), u'x');
    return text;
}

// One key press at a random place: the key-down snapshot is timed, the editor's own insertion
// (a QString insertion in the test buffer) is not.
void BM_SnapshotPerKeystroke(benchmark::State &state)
{
    TTextBuffer editor(Document(state.range(0)));
    TUndoRing ring;
    ring.TakeUndoSnapshot(editor); // the first snapshot copies the document once
    QRandomGenerator random(1);
    for (auto _ : state) {
        editor.SetSelStart(random.bounded(editor.TextLength()));
        editor.ReplaceSelection(QStringLiteral("k"));
        const auto start = std::chrono::steady_clock::now();
        ring.TakeUndoSnapshot(editor);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["document_chars"] = double(editor.TextLength());
}
BENCHMARK(BM_SnapshotPerKeystroke)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One undo step and one redo step on a ring of small edits.
void BM_UndoRedoStep(benchmark::State &state)
{
    TTextBuffer editor(Document(state.range(0)));
    TUndoRing ring;
    QRandomGenerator random(2);
    for (int key = 0; key < 50; ++key) {
        ring.TakeUndoSnapshot(editor);
        editor.SetSelStart(random.bounded(editor.TextLength()));
        editor.ReplaceSelection(QStringLiteral("k"));
    }
    ring.Undo(editor);
    for (auto _ : state) {
        ring.Undo(editor);
        ring.Redo(editor);
    }
}
BENCHMARK(BM_UndoRedoStep)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

// A ring filled with one-character edits spread over the document: the bytes it holds against
// the bytes of the document's text.
void BM_RingMemoryAfterSmallEdits(benchmark::State &state)
{
    const qsizetype characters = state.range(0);
    for (auto _ : state) {
        TTextBuffer editor(Document(characters));
        TUndoRing ring;
        QRandomGenerator random(3);
        for (int key = 0; key < TUndoRing::Capacity + 10; ++key) {
            ring.TakeUndoSnapshot(editor);
            editor.SetSelStart(random.bounded(editor.TextLength()));
            editor.ReplaceSelection(QStringLiteral("k"));
        }
        const double documentBytes = double(editor.TextLength()) * sizeof(QChar);
        state.counters["snapshots"] = ring.UndoTop();
        state.counters["document_MB"] = documentBytes / 1e6;
        state.counters["ring_MB"] = double(ring.MemoryBytes()) / 1e6;
        state.counters["ring_per_document"] = double(ring.MemoryBytes()) / documentBytes;
    }
}
BENCHMARK(BM_RingMemoryAfterSmallEdits)
    ->Arg(10'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
