// Any lines go through the parameter-list reader without a crash. A list it accepts, written out
// again, reads back to the same list (its text form is written the same way twice), and colouring
// rules can be read from it.
#include "CMParamFile.h"
#include "ColorRule.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const TParamListReadResult read = ReadParamList(text.split(u'\n'));
    if (!read.List)
        return 0;
    QStringList written;
    read.List->SaveToStrings(written);
    const TParamListReadResult again = ReadParamList(written);
    if (!again.List)
        std::abort(); // the reader refuses what the writer wrote
    QStringList rewritten;
    again.List->SaveToStrings(rewritten);
    if (rewritten != written)
        std::abort();
    TDrawRules rules;
    (void) rules.LoadFromParams(*read.List);
    return 0;
}
