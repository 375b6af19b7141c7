#include "TextBuffer.h"

#include "EditControlConformance.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct TTextBufferFactory
{
    TTextBuffer Buffer;
    TEditControl &Control() { return Buffer; }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(TextBuffer, EditControlConformance, TTextBufferFactory);

namespace {

// Line starts computed the slow way, from the text alone.
std::vector<int> LineStartsOf(const QString &text)
{
    std::vector<int> starts{0};
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'\r' && text.at(i + 1) == u'\n')
            starts.push_back(i + 2);
    }
    return starts;
}

} // namespace

TEST(TextBuffer, LineIndexStaysRightThroughManyMixedEdits)
{
    TTextBuffer buffer(QStringLiteral("alpha\r\nbeta\r\n\r\ngamma"));
    QRandomGenerator random(4711);
    const QStringList pieces{QString(),
                             QStringLiteral("x"),
                             QStringLiteral("\r\n"),
                             QStringLiteral("a\nb"),
                             QStringLiteral("\r\n\r\nzz\r"),
                             QStringLiteral("longer text")};
    for (int step = 0; step < 400; ++step) {
        const int length = buffer.TextLength();
        buffer.SetSelStart(int(random.bounded(length + 1)));
        buffer.SetSelLength(int(random.bounded(6)));
        switch (random.bounded(4)) {
        case 0:
            buffer.ReplaceSelection(pieces.at(int(random.bounded(int(pieces.size())))));
            break;
        case 1:
            buffer.InsertLine(int(random.bounded(buffer.LineCount() + 1)), QStringLiteral("ins"));
            break;
        case 2:
            buffer.DeleteLine(int(random.bounded(buffer.LineCount())));
            break;
        default:
            buffer.AddLine(QStringLiteral("end"));
            break;
        }
        const QString text = buffer.Text();
        const std::vector<int> expected = LineStartsOf(text);
        ASSERT_EQ(buffer.LineCount(), int(expected.size())) << "step " << step;
        for (int line = 0; line < int(expected.size()); ++line) {
            ASSERT_EQ(buffer.LineIndex(line), expected[line]) << "step " << step;
            ASSERT_EQ(buffer.LineFromChar(expected[line]), line) << "step " << step;
        }
        ASSERT_EQ(text.count(u'\r'), text.count(u'\n')) << "step " << step;
    }
}

TEST(TextBuffer, ChangeSpanMatchesTheRealDifferenceAfterRandomEdits)
{
    TTextBuffer buffer(QStringLiteral("The quick brown fox\r\njumps over\r\nthe lazy dog"));
    QRandomGenerator random(17);
    for (int round = 0; round < 50; ++round) {
        const QString before = buffer.Text();
        buffer.MarkChanges();
        for (int edit = 0; edit < 3; ++edit) {
            buffer.SetSelStart(int(random.bounded(buffer.TextLength() + 1)));
            buffer.SetSelLength(int(random.bounded(4)));
            buffer.ReplaceSelection(edit == 1 ? QString() : QStringLiteral("ab"));
        }
        const QString after = buffer.Text();
        const TTextChange change = buffer.ChangesSinceMark();
        // Whatever the span leaves out must really be unchanged.
        ASSERT_EQ(before.left(change.Start), after.left(change.Start));
        const int tail = int(before.size()) - change.Start - change.OldLength;
        ASSERT_GE(tail, 0);
        ASSERT_EQ(int(after.size()) - change.Start - change.NewLength, tail);
        ASSERT_EQ(before.right(tail), after.right(tail));
    }
}
