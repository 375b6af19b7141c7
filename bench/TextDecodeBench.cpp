// Opening a big page up to the moment its first slice can go into the editor, without a
// display: reading the file, decoding it, the HTML window's tab rule and the check for
// characters the editor keeps only as line breaks. Run: build/bench/text_decode_bench
// (alone with --benchmark_filter for a meaningful "peak_MiB", the process's high-water mark).

#include "Document.h"
#include "DocumentText.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The page kinds: windows-1252 with CR LF (the common case), the same in UTF-8, the same with
// LF breaks only, windows-1252 with a tab on every line, and the same without a script.
enum TPageKind { AnsiCrLf, Utf8CrLf, AnsiLf, AnsiTabs, AnsiTabsNoScript };
const char *const KindNames[] = {"ansi crlf", "utf-8 crlf", "ansi lf", "ansi tabs", "no script"};

// The lines of the user-level test pages: about 69 characters of markup with umlauts.
const char16_t *const PageLines[] = {
    u"<tr><td class=\"zelle\">Grüße aus Köln</td><td width=\"80\">Maß</td></tr>",
    u"  <p>Übergröße, Äpfel und Öl: schön bunte Häuser am Fluss.</p>   ",
    u"<!-- Kommentar: die Tabelle zeigt Öffnungszeiten für März  -->   ",
    u"<a href=\"seite.html#anker\" title=\"Zur Übersicht\">weiter</a><br />",
    u"  <div style=\"color: #FF0000; font-size: 1.2em;\">Straße</div>    ",
    u"<img src=\"bild.jpg\" alt=\"Gebäude\" width=\"320\" height=\"200\" />    ",
    u"<li><b>fett</b> und <i>kursiv</i> &amp; &nbsp;Füße im Schnee</li>",
    u"<script type=\"text/javascript\">var zähler = 0; zähler++;</script>",
};

QByteArray PageBlock(TPageKind kind)
{
    QString block;
    for (const char16_t *line : PageLines) {
        const QString text = QString::fromUtf16(line);
        if (kind == AnsiTabsNoScript && text.contains(u"script"))
            continue;
        block += text;
        if (kind == AnsiTabs || kind == AnsiTabsNoScript)
            block += u'\t';
        block += kind == AnsiLf ? u"\n" : u"\r\n";
    }
    return kind == Utf8CrLf ? block.toUtf8() : block.toLatin1();
}

QString WritePage(const QString &path, qint64 bytes, TPageKind kind)
{
    const QByteArray block = PageBlock(kind).repeated(1024);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    for (qint64 written = 0; written < bytes; written += block.size())
        file.write(block);
    // An old file, as pages are: one written within the last seconds is also hashed on
    // opening, since a change could keep its modification time.
    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    return path;
}

double PeakMiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// What TFHTMLFrame does before the editor sees the text: the document reads and decodes the
// file, the HTML window turns tabs outside scripts into blanks and counts the characters it
// would have to show as line breaks.
void ReadPage(benchmark::State &state)
{
    const auto kind = TPageKind(state.range(1));
    QTemporaryDir dir;
    const QString page = WritePage(dir.filePath("big.html"), state.range(0) << 20, kind);
    for (auto _ : state) {
        TDocument doc(TDocKind::Html);
        TDocumentLoad load = doc.Load(page);
        if (!load.Ok) {
            state.SkipWithError("load failed");
            break;
        }
        const QString text = HtmlTextAfterLoading(std::move(load.Text));
        benchmark::DoNotOptimize(LineBreakCharacterCount(text));
    }
    state.SetLabel(KindNames[kind]);
    state.counters["MB"] = double(state.range(0));
    state.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(ReadPage)
    ->ArgsProduct({{1, 10, 50}, {AnsiCrLf}})
    ->ArgsProduct({{50}, {Utf8CrLf, AnsiLf, AnsiTabs, AnsiTabsNoScript}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1);

// Decoding alone, the bytes already in memory.
void DecodePage(benchmark::State &state)
{
    const auto kind = TPageKind(state.range(1));
    const QByteArray block = PageBlock(kind);
    const QByteArray bytes = block.repeated(int((state.range(0) << 20) / block.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeText(bytes));
    state.SetLabel(KindNames[kind]);
    state.counters["MB"] = double(state.range(0));
}
BENCHMARK(DecodePage)
    ->ArgsProduct({{50}, {AnsiCrLf, Utf8CrLf, AnsiLf, AnsiTabs}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1);

} // namespace

BENCHMARK_MAIN();
