#include "AllocationCounter.h"
#include "ColourPass.h"
#include "RuleSets.h"
#include "TextBuffer.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

// One colour pass over a full screen of dense HTML with the HTML window's rules, in documents
// of different sizes. The pass is given only the visible lines, so its time must not depend on
// the document's size. Every heap allocation is counted (the C allocator is replaced by a
// counting one, which sees operator new and Qt's containers alike) and reported per pass.

namespace {

constexpr int VisibleLines = 60;

// A fixed-pitch view without word wrap.
class TFixedPitchView : public TColourView
{
public:
    explicit TFixedPitchView(const TTextBuffer &doc)
        : Doc(doc)
    {}
    int NextDisplayLineStart(int) const override { return -1; }
    QStringView DocumentLine(int line, QString &scratch) const override
    {
        scratch = Doc.Line(line);
        return scratch;
    }

private:
    const TTextBuffer &Doc;
};

const QString &DenseLine(int i)
{
    static const QStringList lines{
        QStringLiteral("<TR><TD WIDTH=\"120\" BGCOLOR=\"#FFCC00\"><A HREF=\"seite.html\">Eintrag"
                       "</A></TD><TD ALIGN=\"right\">12,50</TD></TR>"),
        QStringLiteral("<P CLASS=\"text\">Ein <B>fetter</B> Satz mit &nbsp; und <I>mehr</I>"
                       " Text.<BR></P>"),
        QStringLiteral("<INPUT TYPE=\"button\" NAME=\"knopf\" VALUE=\"OK\" onClick=\"if (x) "
                       "{ alert(this.value); return false; }\">"),
        QStringLiteral("<TABLE BORDER=\"1\" WIDTH=\"100%\" SUMMARY=\"Liste\"><THEAD><TR><TH>Name"
                       "</TH></TR></THEAD>"),
        QStringLiteral("<DIV STYLE=\"background-color: #EEE; padding: 4px; margin: 0\"><SPAN>"
                       "x = y + 1;</SPAN></DIV>"),
        QStringLiteral("<IMG SRC=\"bild.jpg\" ALT=\"Bild\" USEMAP=\"#karte\" HEIGHT=\"40\" "
                       "WIDTH=\"60\"><!-- kurz -->"),
    };
    return lines.at(i % lines.size());
}

// A document of dense HTML lines of about the given size in characters, built once per size.
const TTextBuffer &Document(qsizetype size)
{
    static std::map<qsizetype, std::unique_ptr<TTextBuffer>> documents;
    std::unique_ptr<TTextBuffer> &doc = documents[size];
    if (!doc) {
        QString text;
        text.reserve(size + 256);
        for (int i = 0; text.size() < size; ++i)
            text += DenseLine(i) + QStringLiteral("\r\n");
        doc = std::make_unique<TTextBuffer>(text);
    }
    return *doc;
}

void ColourPassOverOneScreen(benchmark::State &state)
{
    const TTextBuffer &doc = Document(state.range(0));
    TDrawRules rules;
    FillHtmlRules(rules);
    const THotSpot hotSpot;
    const TFixedPitchView view(doc);

    // A screen in the middle of the document, with the caret and a selection in it.
    const int firstLine = std::max(0, doc.LineCount() / 2 - VisibleLines / 2);
    const int start = doc.LineIndex(firstLine);
    const int next = doc.LineIndex(firstLine + VisibleLines);
    const int end = next < 0 ? doc.TextLength() : next;
    TColourPassInput input;
    input.Text = doc.TextView().sliced(start, end - start);
    input.TextStart = start;
    input.FirstLine = firstLine;
    input.SelStart = doc.LineIndex(firstLine + 20) + 30;
    input.SelLength = 200;

    TColourPass pass;
    pass.Run(rules, hotSpot, input, view);
    long allocations = 0;
    for (auto _ : state) {
        const long before = AllocationCount();
        pass.Run(rules, hotSpot, input, view);
        allocations += AllocationCount() - before;
        benchmark::DoNotOptimize(pass.Runs().data());
    }
    state.counters["document_chars"] = double(doc.TextLength());
    state.counters["scanned_chars"] = double(input.Text.size());
    state.counters["runs"] = double(pass.Runs().size());
    state.counters["allocs_per_pass"] = benchmark::Counter(double(allocations),
                                                           benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(ColourPassOverOneScreen)
    ->Arg(10 * 1024)
    ->Arg(1024 * 1024)
    ->Arg(50 * 1024 * 1024)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
