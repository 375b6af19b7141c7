#include "BenchText.h"
#include "ColorMemo.h"
#include "ColorMemoPresets.h"
#include "PlainTextEditControl.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <functional>
#include <random>

// The colour editor on large documents: loading a text through the edit-control adapter, the
// adapter's offset/line queries far into the text, and the cost of one typed character in the
// HTML window's editor (the key, the text change, and the paint with its colour pass).

namespace {

// About `bytes` characters of HTML lines joined by CR LF, or of one line without breaks.
QString HtmlText(qsizetype bytes, bool breaks = true)
{
    const QString line
        = QStringLiteral(
              "<TR><TD WIDTH=\"50%\">Zelle</TD><TD BGCOLOR=\"#FFFFFF\">&nbsp;Text</TD></TR>")
          + (breaks ? QStringLiteral("\r\n") : QStringLiteral(" "));
    return RepeatedLine(line, bytes);
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

// One typed character and the paint it causes, in an editor that shows `text` with the view on
// the caret, which `caret` places.
void TypeOneCharacterAt(QPlainTextEdit &widget,
                        benchmark::State &state,
                        const QString &text,
                        const std::function<int(TPlainTextEditControl &)> &caret)
{
    widget.resize(800, 600);
    widget.show();
    widget.activateWindow();
    widget.setFocus();
    auto *edit = new TPlainTextEditControl(&widget);
    edit->SetText(text);
    edit->SetSelStart(caret(*edit));
    edit->ScrollCaret();
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&widget, Qt::Key_X);
        // The paint of what the key changed, with its colour pass.
        QApplication::processEvents();
        state.PauseTiming();
        QTest::keyClick(&widget, Qt::Key_Backspace);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// The same in a text of the given size, with the caret in the middle of the text.
void TypeOneCharacterInto(QPlainTextEdit &widget, benchmark::State &state, bool breaks = true)
{
    TypeOneCharacterAt(widget,
                       state,
                       HtmlText(state.range(0), breaks),
                       [breaks](TPlainTextEditControl &edit) {
                           return breaks ? edit.LineIndex(edit.LineCount() / 2) + 10
                                         : edit.TextLength() / 2;
                       });
}

void TypeOneCharacter(benchmark::State &state)
{
    TColorMemo memo;
    ApplyHtmlWindowSettings(memo);
    TypeOneCharacterInto(memo, state);
    state.counters["passes"] = benchmark::Counter(memo.LastColourPass().Count);
}
BENCHMARK(TypeOneCharacter)
    ->Arg(10 * 1000)
    ->Arg(1000 * 1000)
    ->Arg(50 * 1000 * 1000)
    ->Unit(benchmark::kMicrosecond);

// The same in a text of one wrapped line: the pass scans the part of the line in view.
void TypeOneCharacterInOneLine(benchmark::State &state)
{
    TColorMemo memo;
    ApplyHtmlWindowSettings(memo);
    TypeOneCharacterInto(memo, state, false);
    const TColourPassInfo pass = memo.LastColourPass();
    state.counters["scanned_chars"] = double(pass.Scanned);
}
BENCHMARK(TypeOneCharacterInOneLine)
    ->Arg(100 * 1000)
    ->Arg(1000 * 1000)
    ->Unit(benchmark::kMillisecond);

// A key typed in a short line while a long line shows below it, as in a page with an inline
// script or image of the given size: the long line must cost what its visible part costs.
void TypeOneCharacterBesideALongLine(benchmark::State &state)
{
    TColorMemo memo;
    ApplyHtmlWindowSettings(memo);
    const QString shortLines = HtmlText(400);
    const QString text = shortLines + HtmlText(state.range(0), false) + QStringLiteral("\r\n")
                         + shortLines;
    TypeOneCharacterAt(memo, state, text, [](TPlainTextEditControl &edit) {
        return edit.LineIndex(1) + 10;
    });
}
BENCHMARK(TypeOneCharacterBesideALongLine)->Arg(1000 * 1000)->Unit(benchmark::kMicrosecond);

// The caret moved by a character and back by a word inside a line of the given size: the move
// must cost what the text around the caret costs, not what the line costs.
void MoveTheCaretInALongLine(benchmark::State &state)
{
    TColorMemo memo;
    ApplyHtmlWindowSettings(memo);
    memo.resize(800, 600);
    memo.show();
    memo.activateWindow();
    memo.setFocus();
    auto *edit = new TPlainTextEditControl(&memo);
    edit->SetText(HtmlText(400) + HtmlText(state.range(0), false) + QStringLiteral("\r\n"));
    edit->SetSelStart(edit->LineIndex(edit->LineCount() - 2) + int(state.range(0) / 2));
    edit->ScrollCaret();
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&memo, Qt::Key_Right);
        QTest::keyClick(&memo, Qt::Key_Left, Qt::ControlModifier);
        QApplication::processEvents();
    }
}
BENCHMARK(MoveTheCaretInALongLine)->Arg(1000 * 1000)->Unit(benchmark::kMicrosecond);

// The same in a plain edit: what the key and the paint cost without colours.
void TypeOneCharacterPlain(benchmark::State &state)
{
    QPlainTextEdit plain;
    plain.setLineWrapMode(QPlainTextEdit::NoWrap);
    TypeOneCharacterInto(plain, state);
}
BENCHMARK(TypeOneCharacterPlain)
    ->Arg(10 * 1000)
    ->Arg(50 * 1000 * 1000)
    ->Unit(benchmark::kMicrosecond);

} // namespace
