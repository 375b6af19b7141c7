// The colour pass with random rules over random text and a random view: no crash, and every run
// lies in the scanned text, holds no line break, and follows the run before it.
#include "ColourPass.h"
#include "ColourPassFakes.h"
#include "TextBuffer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Characters that make markers, words, line breaks, hot spots and entry separators likely.
constexpr char16_t Alphabet[] = u"<>!-/*{};; ;abcABC_\r\n\t\"'\u00E4\u00DF\u001E\u001F";

QString RandomText(FuzzedDataProvider &input, size_t maxLength)
{
    QString text;
    const size_t length = input.ConsumeIntegralInRange<size_t>(0, maxLength);
    for (size_t i = 0; i < length && input.remaining_bytes() > 0; ++i)
        text += QChar(Alphabet[input.ConsumeIntegralInRange<size_t>(0, std::size(Alphabet) - 2)]);
    return text;
}

QStringList RandomEntries(FuzzedDataProvider &input)
{
    QStringList entries;
    const int count = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        QString entry = RandomText(input, 8);
        // Sometimes with a colour part, named or numeric.
        if (input.ConsumeBool())
            entry += input.ConsumeBool() ? QStringLiteral(";clBlue") : QStringLiteral(";$00FF00");
        entries.append(entry);
    }
    return entries;
}

void AddRandomRule(TDrawRules &rules, FuzzedDataProvider &input)
{
    TColorRule &rule = rules.Add();
    rule.SetKeyDrawingType(TKeyDrawingType(input.ConsumeIntegralInRange(0, 3)));
    rule.SetZOrder(input.ConsumeIntegral<quint8>());
    rule.SetKeyCase(input.ConsumeBool());
    rule.SetPartWord(input.ConsumeBool());
    rule.SetIgnoreOtherRules(input.ConsumeBool());
    rule.SetEnabled(input.ConsumeIntegralInRange(0, 7) != 0);
    rule.SetBold(input.ConsumeBool());
    rule.SetKeyMaxHeight(input.ConsumeIntegralInRange(-1, 5));
    rule.SetKeywords(RandomEntries(input));
    rule.SetKeyBegEndLst(RandomEntries(input));
    rule.SetKeyLineEndLst(RandomEntries(input));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    TDrawRules rules;
    const int ruleCount = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < ruleCount; ++i)
        AddRandomRule(rules, input);
    THotSpot hotSpot;
    hotSpot.Active = input.ConsumeBool();
    TTextBuffer doc(RandomText(input, 400));
    TFakeView view(doc, input.ConsumeIntegralInRange(0, 12));

    // Scan from a random line to the end or to a later line, as the control does.
    const int firstLine = input.ConsumeIntegralInRange(0, doc.LineCount() - 1);
    const int lastLine = input.ConsumeIntegralInRange(firstLine, doc.LineCount());
    const int start = doc.LineIndex(firstLine);
    const int next = doc.LineIndex(lastLine);
    const int end = next < 0 ? doc.TextLength() : next;
    TColourPassInput in;
    in.Text = doc.TextView().sliced(start, end - start);
    in.TextStart = start;
    in.FirstLine = firstLine;
    in.SelStart = input.ConsumeIntegralInRange(0, doc.TextLength());
    in.SelLength = input.ConsumeIntegralInRange(0, doc.TextLength() - in.SelStart);
    in.ShowSelection = input.ConsumeBool();
    if (input.ConsumeBool())
        in.Options |= cmoCalcFullBegEnds;

    TColourPass pass;
    pass.Run(rules, hotSpot, in, view);
    int previousEnd = start - 1;
    for (const TKeyDescr &run : pass.Runs()) {
        if (run.Start > run.End || run.Start <= previousEnd || run.End >= end)
            std::abort();
        for (int i = run.Start; i <= run.End; ++i) {
            const QChar c = doc.TextView()[i];
            if (c == u'\r' || c == u'\n')
                std::abort();
        }
        previousEnd = run.End;
    }
    return 0;
}
