#include "UndoRing.h"

#include "QStringPrinter.h"
#include "TextBuffer.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// A key press in the editor: the window takes its snapshot at the key-down, then the key acts.
void TypeKey(TUndoRing &ring, TTextBuffer &editor, const QString &typed)
{
    ring.TakeUndoSnapshot(editor);
    editor.ReplaceSelection(typed);
}

// "x" loaded into a fresh window, then a, b and c typed at its end.
struct TTypedAbc
{
    TTextBuffer Editor;
    TUndoRing Ring;

    TTypedAbc()
    {
        Ring.TakeUndoSnapshot(Editor); // at creation, on the empty editor
        Editor.SetText("x");
        Editor.SetSelStart(1);
        for (const char *key : {"a", "b", "c"})
            TypeKey(Ring, Editor, key);
    }
};

} // namespace

TEST(UndoRing, UndoFromTheMenuStepsBackThroughTheTypedKeys)
{
    TTypedAbc doc;
    EXPECT_EQ(doc.Editor.Text(), "xabc");
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "xab");
    // The text before the undo was kept as snapshot 4; the next undo goes back to 2.
    EXPECT_EQ(UndoCaption(doc.Ring.UndoIndex(), doc.Ring.UndoTop()),
              "  Rückg UndoIndex: 2  UndoMax: 4");
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "xa");
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "x");
    EXPECT_EQ(doc.Ring.UndoIndex(), 0);
    // Nothing left to undo: the text stays, the document is marked modified all the same.
    doc.Editor.SetModified(false);
    EXPECT_FALSE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "x");
    EXPECT_TRUE(doc.Editor.Modified());

    // Redo walks all the way back to the text before the first undo, and no further.
    for (const char *expected : {"xa", "xab", "xabc"}) {
        EXPECT_TRUE(doc.Ring.Redo(doc.Editor));
        EXPECT_EQ(doc.Editor.Text(), expected);
    }
    doc.Editor.SetModified(false);
    EXPECT_FALSE(doc.Ring.Redo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "xabc");
    EXPECT_TRUE(doc.Editor.Modified());
}

TEST(UndoRing, UndoByKeyboardActsOnEveryPress)
{
    // Ctrl+Z: the key-downs of Ctrl and Z reach TakeUndoSnapshot before the undo runs.
    TTypedAbc doc;
    for (const char *expected : {"xab", "xa", "x"}) {
        doc.Ring.TakeUndoSnapshot(doc.Editor);
        doc.Ring.TakeUndoSnapshot(doc.Editor);
        EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
        EXPECT_EQ(doc.Editor.Text(), expected);
    }
    // Ctrl+Alt+Z likewise.
    for (const char *expected : {"xa", "xab", "xabc"}) {
        doc.Ring.TakeUndoSnapshot(doc.Editor);
        doc.Ring.TakeUndoSnapshot(doc.Editor);
        doc.Ring.TakeUndoSnapshot(doc.Editor);
        EXPECT_TRUE(doc.Ring.Redo(doc.Editor));
        EXPECT_EQ(doc.Editor.Text(), expected);
    }
}

TEST(UndoRing, RedoAfterNewTypingMovesIntoTheOlderHigherSnapshots)
{
    TTypedAbc doc;
    doc.Ring.Undo(doc.Editor);
    doc.Ring.Undo(doc.Editor);
    ASSERT_EQ(doc.Editor.Text(), "xa");
    doc.Editor.SetSelStart(2);
    TypeKey(doc.Ring, doc.Editor, "d");
    ASSERT_EQ(doc.Editor.Text(), "xad");

    EXPECT_TRUE(doc.Ring.Redo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "xabc");
    EXPECT_EQ(doc.Ring.UndoTop(), 4);
    // The new typing was kept in the ring on the way.
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "xad");
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "xa");
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "x");
}

TEST(UndoRing, KeyThatChangesNothingTakesNoSnapshot)
{
    TTypedAbc doc;
    ASSERT_EQ(doc.Ring.UndoIndex(), 3);
    doc.Ring.TakeUndoSnapshot(doc.Editor); // stores "xabc"
    EXPECT_EQ(doc.Ring.UndoIndex(), 4);
    // Shift, arrow keys: nothing changed since.
    doc.Ring.TakeUndoSnapshot(doc.Editor);
    doc.Editor.SetSelStart(0);
    doc.Ring.TakeUndoSnapshot(doc.Editor);
    EXPECT_EQ(doc.Ring.UndoIndex(), 4);
    // A character typed and taken back again.
    doc.Editor.ReplaceSelection("q");
    doc.Editor.SetSelStart(0);
    doc.Editor.SetSelLength(1);
    doc.Editor.ClearSelection();
    ASSERT_EQ(doc.Editor.Text(), "xabc");
    doc.Ring.TakeUndoSnapshot(doc.Editor);
    EXPECT_EQ(doc.Ring.UndoIndex(), 4);
    EXPECT_EQ(doc.Ring.LastSnapshotText(), "xabc");
    // The empty editor of a new window stores nothing either.
    TTextBuffer empty;
    TUndoRing ring;
    ring.TakeUndoSnapshot(empty);
    EXPECT_EQ(ring.UndoIndex(), 0);
    EXPECT_EQ(ring.UndoTop(), 0);
    EXPECT_FALSE(ring.Undo(empty));
}

TEST(UndoRing, OldestSnapshotIsDroppedAfterFourHundred)
{
    // Key n (counted from 1) finds the text of the first n - 1 characters; the first key finds
    // the empty text and stores nothing, so 405 keys store the texts of length 1 to 404.
    QString typed;
    for (int i = 0; i < 405; ++i)
        typed += QChar(u'a' + i % 26);
    TTextBuffer editor;
    TUndoRing ring;
    for (int i = 0; i < 405; ++i)
        TypeKey(ring, editor, typed.mid(i, 1));
    // Only the last 400 are kept: lengths 5 to 404.
    EXPECT_EQ(ring.UndoIndex(), 400);
    EXPECT_EQ(ring.UndoTop(), 400);
    const QString full = editor.Text();
    EXPECT_EQ(ring.Snapshot(400), ring.LastSnapshotText());
    EXPECT_EQ(ring.Snapshot(1).size() + 399, ring.Snapshot(400).size());
    EXPECT_TRUE(full.startsWith(ring.Snapshot(1)));

    // Undo keeps the current text first (dropping one more), then walks down to snapshot 1.
    int steps = 0;
    QString previous = full;
    while (ring.Undo(editor)) {
        ++steps;
        ASSERT_TRUE(previous.startsWith(editor.Text()));
        ASSERT_LT(editor.Text().size(), previous.size());
        previous = editor.Text();
    }
    EXPECT_EQ(steps, 399);
    EXPECT_EQ(ring.UndoTop(), 400);
    EXPECT_EQ(editor.Text(), ring.Snapshot(1));
}

namespace {

// The ring's rules over whole texts, as plainly as they can be written: the reference for the
// stored differences.
class TPlainRing
{
public:
    void Take(const QString &text)
    {
        if (Restored) {
            if (text == Slots[size_t(Index)])
                return;
            Restored = false;
            ++Index;
            Last = Slots[size_t(Index - 1)];
        }
        if (text == Last)
            return;
        if (Index >= TUndoRing::Capacity) {
            Slots.erase(Slots.begin());
            Index = TUndoRing::Capacity - 1;
        }
        ++Index;
        Slots.resize(std::max<size_t>(Slots.size(), size_t(Index)));
        Slots[size_t(Index - 1)] = text;
        Top = std::max(Top, Index);
        Last = text;
    }

    std::optional<QString> Undo(const QString &text)
    {
        Take(text);
        const int shown = Restored ? Index + 1 : Index;
        if (shown <= 1)
            return std::nullopt;
        Restored = true;
        Index = shown - 2;
        return Slots[size_t(shown - 2)];
    }

    std::optional<QString> Redo(const QString &text)
    {
        Take(text);
        const int shown = Restored ? Index + 1 : Index;
        if (shown < 1 || shown >= Top)
            return std::nullopt;
        Restored = true;
        Index = shown;
        return Slots[size_t(shown)];
    }

    std::vector<QString> Slots;
    int Index = 0;
    int Top = 0;
    QString Last;
    bool Restored = false;
};

// A random small edit somewhere in the text.
void RandomEdit(QRandomGenerator &random, TTextBuffer &editor)
{
    static const QStringList inserts = {"a", "bc", "\r\n", "<p>", "", "xyz\r\nw", "\t"};
    const int length = editor.TextLength();
    editor.SetSelStart(random.bounded(length + 1));
    editor.SetSelLength(random.bounded(4));
    editor.ReplaceSelection(inserts[random.bounded(int(inserts.size()))]);
}

} // namespace

TEST(UndoRing, StoredDifferencesGiveBackTheExactTexts)
{
    QRandomGenerator random(8121526);
    for (int run = 0; run < 40; ++run) {
        TTextBuffer colour;
        TTextBuffer plain;
        TTextBuffer *active = &colour;
        TUndoRing ring;
        TPlainRing expected;
        const bool smallRing = run % 4 == 0; // runs long enough to overflow the 400 places
        if (run % 4 == 1)                    // a text long enough to be held in several pieces
            colour.SetText(QString(30000, 'l'));
        const int operations = smallRing ? 1500 : 300;
        TChunkedText earlier;
        QString earlierText;
        for (int op = 0; op < operations; ++op) {
            const int what = random.bounded(100);
            if (what < 55) {
                ring.TakeUndoSnapshot(*active);
                expected.Take(active->Text());
                if (random.bounded(4) > 0)
                    RandomEdit(random, *active);
            } else if (what < 70 && !smallRing) {
                const std::optional<QString> text = expected.Undo(active->Text());
                ASSERT_EQ(ring.Undo(*active), text.has_value());
                if (text) {
                    ASSERT_EQ(active->Text(), *text);
                }
            } else if (what < 82 && !smallRing) {
                const std::optional<QString> text = expected.Redo(active->Text());
                ASSERT_EQ(ring.Redo(*active), text.has_value());
                if (text) {
                    ASSERT_EQ(active->Text(), *text);
                }
            } else if (what < 90) {
                RandomEdit(random, *active);
            } else if (what < 95) {
                // The other view takes over, with its own conversion of the text.
                TTextBuffer *other = active == &colour ? &plain : &colour;
                QString text = active->Text();
                if (random.bounded(2))
                    text.replace('\t', ' ');
                other->SetText(text);
                active = other;
            } else {
                active->SetText(QStringLiteral("reloaded\r\n") + active->Text().left(7));
            }
            ASSERT_EQ(ring.UndoIndex(), expected.Index) << "run " << run << " op " << op;
            ASSERT_EQ(ring.UndoTop(), expected.Top);
            // The current text from the ring's pieces is the editor's, also between snapshots,
            // and a copy taken earlier keeps its text whatever the ring does afterwards.
            ASSERT_EQ(earlier.ToString(), earlierText) << "run " << run << " op " << op;
            if (const std::optional<TChunkedText> current = ring.CurrentText(*active)) {
                ASSERT_EQ(current->ToString(), active->Text()) << "run " << run << " op " << op;
                earlier = *current;
                earlierText = active->Text();
            }
        }
        ASSERT_EQ(ring.LastSnapshotText(), expected.Last);
        for (int i = 1; i <= expected.Top; ++i)
            ASSERT_EQ(ring.Snapshot(i), expected.Slots[size_t(i - 1)]) << "snapshot " << i;
    }
}

TEST(UndoRing, CurrentTextOnlyForTheEditorItFollows)
{
    TUndoRing ring;
    TTextBuffer followed("<p>a</p>");
    TTextBuffer other("<p>a</p>");
    EXPECT_FALSE(ring.CurrentText(followed).has_value()) << "before the first snapshot";
    ring.TakeUndoSnapshot(followed);
    followed.SetSelStart(3);
    followed.ReplaceSelection("neu");
    ASSERT_TRUE(ring.CurrentText(followed).has_value());
    EXPECT_EQ(ring.CurrentText(followed)->ToString(), "<p>neua</p>");
    EXPECT_FALSE(ring.CurrentText(other).has_value());
}

TEST(UndoRing, FullRingOfSmallEditsHoldsLittleMoreThanOneCopy)
{
    // 2 million characters in lines of 80, then 450 key presses spread over the text.
    QString line = QString(78, 'm') + "\r\n";
    QString text;
    text.reserve(2'000'000);
    while (text.size() + line.size() <= 2'000'000)
        text += line;
    TTextBuffer editor(text);
    TUndoRing ring;
    QRandomGenerator random(77);
    for (int key = 0; key < 450; ++key) {
        editor.SetSelStart(random.bounded(editor.TextLength()));
        TypeKey(ring, editor, "k");
    }
    // "Up&date" reads the same text again: the whole text is replaced, and the ring keeps only
    // what differs.
    const QString reloaded = editor.Text();
    editor.SetText(reloaded);
    editor.SetSelStart(17);
    TypeKey(ring, editor, "k");
    ASSERT_EQ(ring.UndoTop(), 400);
    const qsizetype documentBytes = editor.TextLength() * qsizetype(sizeof(QChar));
    EXPECT_LT(ring.MemoryBytes(), documentBytes + documentBytes / 5);
    // Undo goes back key by key, exactly.
    QString before = editor.Text();
    ASSERT_TRUE(ring.Undo(editor));
    EXPECT_EQ(editor.TextLength(), before.size() - 1);
    EXPECT_EQ(editor.Text(), ring.Snapshot(399));
}

TEST(UndoRing, LoadedTextGivenAlongIsStoredLikeOneReadFromTheEditor)
{
    TTextBuffer editor;
    TUndoRing ring;
    ring.TakeUndoSnapshot(editor);
    const QString loaded = "<p>geladen</p>\r\n";
    editor.SetText(loaded);
    ring.TakeLoadedSnapshot(editor, loaded);
    EXPECT_EQ(ring.UndoIndex(), 1);
    EXPECT_EQ(ring.Snapshot(1), loaded);
    editor.SetSelStart(3);
    editor.ReplaceSelection("x");
    ring.Undo(editor);
    EXPECT_EQ(editor.Text(), loaded);
    ring.Redo(editor);
    EXPECT_EQ(editor.Text(), "<p>xgeladen</p>\r\n");
    // A reload of the same text with one character changed.
    const QString reloaded = "<p>Geladen</p>\r\n";
    editor.SetText(reloaded);
    ring.TakeLoadedSnapshot(editor, reloaded);
    ring.Undo(editor);
    EXPECT_EQ(editor.Text(), "<p>xgeladen</p>\r\n");
}

namespace {

// A window's editor right after a big text was read: the ring holds it all, the editor its start.
struct TLoading
{
    TTextBuffer Editor;
    TUndoRing Ring;

    TLoading(const QString &loaded, qsizetype firstSlice)
    {
        Ring.TakeUndoSnapshot(Editor); // at creation, on the empty editor
        Ring.TakeLoadedSnapshot(Editor, loaded);
        Ring.PutRest(Editor, firstSlice);
    }
};

} // namespace

TEST(UndoRing, EditsDuringALoadStayWhereTheyWereMadeAndTheRestFollows)
{
    const QString loaded = "aa\r\nbb\r\ncc\r\ndd\r\n";
    struct TCase
    {
        const char *Name;
        int Start;
        int Length;
        QString Typed;
        QString Whole;
    };
    const TCase cases[] = {
        {"at the start", 0, 0, "X", "Xaa\r\nbb\r\ncc\r\ndd\r\n"},
        {"in the middle", 4, 1, "XY", "aa\r\nXYb\r\ncc\r\ndd\r\n"},
        {"at the end of what is in", 8, 0, "X\r\n", "aa\r\nbb\r\nX\r\ncc\r\ndd\r\n"},
        {"the last break of what is in deleted", 6, 2, "", "aa\r\nbbcc\r\ndd\r\n"},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TLoading doc(loaded, 5);
        ASSERT_EQ(doc.Editor.Text(), "aa\r\nbb\r\n") << "the first slice ends behind a break";
        ASSERT_EQ(doc.Ring.RestLength(), 8);
        EXPECT_FALSE(doc.Editor.Modified());
        doc.Ring.TakeUndoSnapshot(doc.Editor); // the key-down
        doc.Editor.SetSelStart(c.Start);
        doc.Editor.SetSelLength(c.Length);
        doc.Editor.ReplaceSelection(c.Typed);
        // A recovery copy holds the whole text; a key-down between slices stores it once.
        EXPECT_EQ(doc.Ring.CurrentText(doc.Editor)->ToString(), c.Whole);
        while (doc.Ring.RestLength() > 0) {
            doc.Ring.PutRest(doc.Editor, 1);
            doc.Ring.TakeUndoSnapshot(doc.Editor);
            EXPECT_EQ(doc.Ring.CurrentText(doc.Editor)->ToString(), c.Whole);
        }
        EXPECT_EQ(doc.Editor.Text(), c.Whole);
        EXPECT_TRUE(doc.Editor.Modified());
        EXPECT_EQ(doc.Ring.UndoTop(), 2);
        EXPECT_EQ(doc.Ring.LastSnapshotText(), c.Whole);
        EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
        EXPECT_EQ(doc.Editor.Text(), loaded);
        EXPECT_TRUE(doc.Ring.Redo(doc.Editor));
        EXPECT_EQ(doc.Editor.Text(), c.Whole);
    }
}

TEST(UndoRing, RandomEditsBetweenTheSlicesOfALoadKeepTheWholeTextInStep)
{
    QString loaded;
    for (int i = 0; i < 3000; ++i)
        loaded += QStringLiteral("<p>%1</p>\r\n").arg(i);
    QRandomGenerator random(4711);
    for (int run = 0; run < 10; ++run) {
        TLoading doc(loaded, 100);
        while (doc.Ring.RestLength() > 0) {
            const int what = random.bounded(10);
            if (what < 4) {
                doc.Ring.PutRest(doc.Editor, random.bounded(1, 3000));
            } else {
                if (what < 7)
                    doc.Ring.TakeUndoSnapshot(doc.Editor);
                RandomEdit(random, doc.Editor);
            }
            const QString whole = doc.Editor.Text() + loaded.right(doc.Ring.RestLength());
            ASSERT_EQ(doc.Ring.CurrentText(doc.Editor)->ToString(), whole) << "run " << run;
        }
        // Back to the loaded text and forward again to the last one, exactly.
        const QString last = doc.Editor.Text();
        while (doc.Ring.Undo(doc.Editor)) {
        }
        EXPECT_EQ(doc.Editor.Text(), loaded) << "run " << run;
        while (doc.Ring.Redo(doc.Editor)) {
        }
        EXPECT_EQ(doc.Editor.Text(), last) << "run " << run;
    }
}

TEST(UndoRing, ALoadedTextIsKeptPackedOnceItIsInTheEditor)
{
    QString loaded;
    for (int i = 0; loaded.size() < 400'000; ++i)
        loaded += QStringLiteral("<li>Eintrag %1 f\u00FCr Gr\u00F6\u00DFen</li>\r\n").arg(i);
    TLoading doc(loaded, 64 * 1024);
    const qsizetype whileLoading = doc.Ring.MemoryBytes();
    while (doc.Ring.RestLength() > 0)
        doc.Ring.PutRest(doc.Editor, 256 * 1024);
    EXPECT_GT(whileLoading, loaded.size() * 3 / 4) << "the rest waits as it is";
    EXPECT_LT(doc.Ring.MemoryBytes(), loaded.size() / 4);
    // Typing in the middle unpacks only around the change, and undo restores every character.
    doc.Editor.SetSelStart(200'000);
    TypeKey(doc.Ring, doc.Editor, "x");
    EXPECT_LT(doc.Ring.MemoryBytes(), loaded.size() / 4);
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), loaded);
}

TEST(UndoRing, ABigChangeIsKeptPackedThroughUndoAndRedo)
{
    QString pasted;
    for (int i = 0; pasted.size() < 400'000; ++i)
        pasted += QStringLiteral("<td>Zelle %1 \u00E4</td>\r\n").arg(i);
    TTextBuffer editor("<table>\r\n</table>\r\n");
    TUndoRing ring;
    editor.SetSelStart(9);
    TypeKey(ring, editor, pasted);
    const QString whole = editor.Text();
    TypeKey(ring, editor, "x"); // the paste goes into the ring with this key-down
    EXPECT_LT(ring.MemoryBytes(), pasted.size() / 4);
    ASSERT_TRUE(ring.Undo(editor));
    EXPECT_EQ(editor.Text(), whole);
    ASSERT_TRUE(ring.Undo(editor));
    EXPECT_EQ(editor.Text(), "<table>\r\n</table>\r\n");
    ASSERT_TRUE(ring.Redo(editor));
    EXPECT_EQ(editor.Text(), whole);
    EXPECT_LT(ring.MemoryBytes(), pasted.size() / 4) << "the pasted text came back packed";

    // Replaced throughout: the ring keeps the replaced text for the undo, packed too.
    QString replaced = whole;
    replaced.replace(u'\u00E4', u'a');
    editor.SetText(replaced);
    TypeKey(ring, editor, "y");
    EXPECT_LT(ring.MemoryBytes(), 2 * pasted.size() / 4);
    ASSERT_TRUE(ring.Undo(editor));
    EXPECT_EQ(editor.Text(), replaced);
    ASSERT_TRUE(ring.Undo(editor));
    EXPECT_EQ(editor.Text(), whole);
}

TEST(UndoRing, UndoDuringALoadPutsTheRestInFirst)
{
    const QString loaded = "<p>1</p>\r\n<p>2</p>\r\n<p>3</p>\r\n";
    TLoading doc(loaded, 1);
    TypeKey(doc.Ring, doc.Editor, "x");
    EXPECT_TRUE(doc.Ring.Undo(doc.Editor));
    EXPECT_EQ(doc.Ring.RestLength(), 0);
    EXPECT_EQ(doc.Editor.Text(), loaded);
    EXPECT_TRUE(doc.Ring.Redo(doc.Editor));
    EXPECT_EQ(doc.Editor.Text(), "x" + loaded);
}

TEST(UndoRing, RestSlicesEndBehindALineBreakAndALongLineIsCut)
{
    struct TCase
    {
        const char *Name;
        QString Text;
        qsizetype Size;
        QStringList Slices;
    };
    const QString longLine = QString(100, 'm') + "\r\n";
    const QString smiley = QStringLiteral("\U0001F600");
    const QString bigLine = QString(250'000, 'm') + "\r\n";
    const TCase cases[] = {
        {"through the next break", "ab\r\ncdef\r\ngh", 3, {"ab\r\n", "cdef\r\n", "gh"}},
        {"a break right at the size", "abc\r\nd", 5, {"abc\r\n", "d"}},
        {"a line up to twice the size in one", "abcdef\r\nij", 4, {"abcdef\r\n", "ij"}},
        {"a longer line cut", "abcdefgh\r\nij\r\nk", 2, {"ab", "cd", "ef", "gh\r\n", "ij\r\n", "k"}},
        {"a size ending at CR takes the LF", "abcdef\r\nx", 7, {"abcdef\r\n", "x"}},
        {"a text without breaks cut", "abcdefg", 3, {"abc", "def", "g"}},
        {"a surrogate pair is not cut", "ab" + smiley + "cdefgh", 3, {"ab" + smiley, "cde", "fgh"}},
        {"a long line: cut twice, its end with the break",
         longLine + "z",
         30,
         {longLine.left(30), longLine.mid(30, 30), longLine.mid(60), "z"}},
        {"empty text", "", 4, {}},
        {"a line longer than 64K: in 64K slices, its end with the break",
         bigLine + "z",
         150'000,
         {bigLine.left(65'536), bigLine.mid(65'536, 65'536), bigLine.mid(131'072), "z"}},
        {"a cut line's end: no bigger than 64K, however big the slices",
         QString(300'000, 'm'),
         150'000,
         {QString(65'536, 'm'),
          QString(65'536, 'm'),
          QString(65'536, 'm'),
          QString(65'536, 'm'),
          QString(37'856, 'm')}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TTextBuffer editor;
        TUndoRing ring;
        ring.TakeLoadedSnapshot(editor, c.Text);
        QStringList taken;
        QString lengths;
        while (ring.RestLength() > 0) {
            const int before = editor.TextLength();
            ring.PutRest(editor, c.Size);
            taken << editor.Text().mid(before);
            lengths += QString::number(taken.back().size()) + ' ';
        }
        EXPECT_TRUE(taken == c.Slices) << "slice lengths: " << lengths.toStdString();
        EXPECT_EQ(ring.LastSnapshotText(), editor.Text());
    }
}

TEST(UndoRing, TimerIntervalFollowsTheSettings)
{
    EXPECT_EQ(UndoTimerInterval(true, 10), 0);
    EXPECT_EQ(UndoTimerInterval(false, 10), 10000);
    EXPECT_EQ(UndoTimerInterval(false, 0), 1000);
    EXPECT_EQ(UndoTimerInterval(false, 3'000'000), 2'147'483'000);
}
