#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

// One character and the text that takes its place outside the protected script blocks.
struct TCharReplacement
{
    char16_t Char;
    std::u16string_view Replacement;
};

// A tab becomes one blank: the HTML window on loading and on switching to the colour view.
inline constexpr TCharReplacement TabToBlank{u'\t', u" "};
// A tab becomes three blanks: "Up&date", "Letzte Version &laden" and the CSS window's colour view.
inline constexpr TCharReplacement TabToThreeBlanks{u'\t', u"   "};
// The umlauts and the sharp s as numeric character references, in the order the HTML window
// applies them when it saves.
inline constexpr std::array<TCharReplacement, 7> UmlautReferences{{
    {u'\u00C4', u"&#196;"}, // Ä
    {u'\u00E4', u"&#228;"}, // ä
    {u'\u00D6', u"&#214;"}, // Ö
    {u'\u00F6', u"&#246;"}, // ö
    {u'\u00DC', u"&#220;"}, // Ü
    {u'\u00FC', u"&#252;"}, // ü
    {u'\u00DF', u"&#223;"}, // ß
}};

// Replaces every occurrence of c in text by replacement, except inside the first script block,
// the first PHP block ("<?" ... "?>") and the first ASP block ("<%" ... "%>"). A block counts
// only when both of its markers are present; markers are compared in upper case. The markers
// are looked for in the text as it stands before each occurrence is decided, with the earlier
// replacements already made, so a replacement can open or close a block further on. A script
// block opens with "<script language" or with <script type="text/javascript">, whichever comes
// first, and ends with "</script>". Characters with code 0 in the text are left as they are.
// Linear in the length of the text; each occurrence of c is replaced once, even when the
// replacement contains c. A replacement of one character is made in the text itself: a text
// handed over with std::move is not copied.
QString ReplaceOutsideScripts(QChar c, QStringView replacement, QString text);
QString ReplaceOutsideScripts(const TCharReplacement &pair, QString text);
// Applies the pairs one after the other.
QString ReplaceOutsideScripts(std::span<const TCharReplacement> pairs, QString text);

// The HTML window's save conversion: the umlaut table applied outside the script blocks.
QString EncodeUmlauts(const QString &text);

// The CSS window's plain view: every group of three consecutive blanks, taken from left to right
// without overlap, becomes one tab, except inside the blocks that ReplaceOutsideScripts spares.
QString BlanksToTabsOutsideScripts(const QString &text);
