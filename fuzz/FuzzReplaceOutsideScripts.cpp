// The linear replacement outside script blocks agrees with its literal, quadratic form on any
// text: the bytes pick the character, its replacement and the text's pieces.
#include "LiteralReplaceOutsideScripts.h"
#include "ReplaceOutsideScripts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A byte below the number of pieces is that piece, any other byte the Latin-1 character.
QString Piece(const QStringList &pieces, uint8_t byte)
{
    return byte < pieces.size() ? pieces[byte] : QString(QChar(byte));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QStringList pieces = ReplaceTextPieces();
    static const QStringList pairs = ReplacePairs();
    // The literal form is quadratic: short texts keep the fuzzer fast.
    if (size < 3 || size > 300)
        return 0;
    QChar c;
    QString r;
    if (data[0] < pairs.size()) {
        c = pairs[data[0]][0];
        r = pairs[data[0]].mid(1);
    } else {
        c = QChar(data[1]);
        r = Piece(pieces, data[2]);
        // Every caller passes a replacement without the character itself.
        if (r.contains(c))
            return 0;
    }
    QString text;
    for (size_t i = 3; i < size; ++i)
        text += Piece(pieces, data[i]);
    // Pieces and Latin-1 characters never hold U+E000, the literal form's mark of a spared one.
    if (ReplaceOutsideScripts(c, r, text) != LiteralReplaceOutsideScripts(c, r, text))
        std::abort();
    return 0;
}
