// Opening and saving big pages in the HTML document window: reading, decoding, the tab
// conversion, handing the text to the editor, and writing it back; typing and inserting
// snippets from the menus in them.
#include "MDITagra2.h"
#include "ProgramPaths.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QString MakePage(const QString &path, qint64 bytes)
{
    const QByteArray line
        = "  <tr><td class=\"cell\">Zelle\xE4</td><td width=\"80\">\t42</td></tr>\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (qint64 written = 0; written < bytes; written += line.size())
        file.write(line);
    return path;
}

// Until the window shows the first screen of the page, and until the whole text is in.
void OpenPage(benchmark::State &state, bool whole)
{
    QTemporaryDir dir;
    const QString page = MakePage(dir.filePath("big.html"), state.range(0) * 1024 * 1024);
    for (auto _ : state) {
        TFMDITagra2 window;
        benchmark::DoNotOptimize(window.OpenDocument(page, false, false, false));
        QCoreApplication::processEvents();
        while (whole && window.IsLoading())
            QCoreApplication::processEvents();
    }
    state.counters["MB"] = double(state.range(0));
}
void OpenPageFirstScreen(benchmark::State &state)
{
    OpenPage(state, false);
}
void OpenPageWhole(benchmark::State &state)
{
    OpenPage(state, true);
}
BENCHMARK(OpenPageFirstScreen)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(OpenPageWhole)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);

// The whole load of a page in a window on the screen, which paints as the slices arrive.
void OpenShownPageWhole(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString page = MakePage(dir.filePath("big.html"), state.range(0) * 1024 * 1024);
    for (auto _ : state) {
        TFMDITagra2 window;
        window.resize(1000, 800);
        window.show();
        benchmark::DoNotOptimize(window.OpenDocument(page, false, false, false));
        while (window.IsLoading())
            QCoreApplication::processEvents();
    }
    state.counters["MB"] = double(state.range(0));
}
BENCHMARK(OpenShownPageWhole)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);

// A key typed while a page loads, with the slice that the event loop puts in beside it.
void TypeDuringLoad(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString page = MakePage(dir.filePath("big.html"), state.range(0) * 1024 * 1024);
    TFMDITagra2 window;
    window.resize(1000, 800);
    window.show();
    window.OpenDocument(page, false, false, false);
    QWidget *editor = window.ActiveEditorWidget();
    for (auto _ : state) {
        if (!window.IsLoading()) {
            state.SkipWithError("the load ended before the keys");
            break;
        }
        QTest::keyClick(editor, Qt::Key_A);
        QCoreApplication::processEvents();
    }
    state.counters["MB"] = double(state.range(0));
}
BENCHMARK(TypeDuringLoad)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(50);

void SavePage(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString page = MakePage(dir.filePath("big.html"), state.range(0) * 1024 * 1024);
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    for (auto _ : state) {
        if (!window.SaveDocument().IsSaved())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SavePage)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);

// Shows the window with a page of that many megabytes loaded in whole, the caret in its middle.
void ShowWholePage(TFMDITagra2 &window, const QTemporaryDir &dir, int64_t megabytes)
{
    const QString page = MakePage(dir.filePath("big.html"), megabytes * 1024 * 1024);
    window.resize(1000, 800);
    window.show();
    window.OpenDocument(page, false, false, false);
    window.FinishLoading();
    window.ActiveEditor().SetSelStart(window.ActiveEditor().TextLength() / 2);
    QCoreApplication::processEvents();
}

// One typed character in the middle of a big page, with everything a key press sets off in the
// window: the undo snapshot, the edit, the colour pass and the status line.
void TypeInPage(benchmark::State &state)
{
    QTemporaryDir dir;
    TFMDITagra2 window;
    ShowWholePage(window, dir, state.range(0));
    QWidget *editor = window.ActiveEditorWidget();
    QTest::keyClick(editor, Qt::Key_A); // the first key press after loading is not timed
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
        QCoreApplication::sendEvent(editor, &press);
        QCoreApplication::sendEvent(editor, &release);
        // The repaints the key asked for, of the parts it asked for.
        QCoreApplication::processEvents();
    }
    state.counters["MB"] = double(state.range(0));
}
BENCHMARK(TypeInPage)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(300);

// A menu item that writes a snippet into a big page, with the undo snapshot it takes: a list
// (which first looks for "text/css" in the whole text), a skeleton appended behind the last
// line, a tag pasted at the caret.
void InsertIntoPage(benchmark::State &state)
{
    const char *items[] = {"MnListePunkte", "MnBasicXHTML_strict11", "MnFont_Bold"};
    const char *name = items[state.range(1)];
    QTemporaryDir dir;
    TFMDITagra2 window;
    ShowWholePage(window, dir, state.range(0));
    QAction *item = window.findChild<QAction *>(name);
    for (auto _ : state) {
        item->trigger();
        window.ActiveEditorWidget()->repaint();
    }
    state.SetLabel(name);
    state.counters["MB"] = double(state.range(0));
}
BENCHMARK(InsertIntoPage)
    ->ArgsProduct({{1, 50}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace
