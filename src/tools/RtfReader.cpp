#include "RtfReader.h"

#include "CodePage.h"
#include "RtfWords.h"

#include <QHash>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// Where the text of the current group goes.
enum class TDestination { Text, Skip, FontTable, ColorTable };

// The character of one ANSI byte.
QChar AnsiCharacter(uchar byte)
{
    static const QString table = [] {
        QByteArray bytes(256, '\0');
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        return AnsiToUnicode(bytes);
    }();
    return table.at(byte);
}

// The character of "\uN": negative numbers count from 65536, as 16-bit writers store them.
QChar UnicodeCharacter(int number)
{
    const int code = number < 0 ? number + 65536 : number;
    if (code < 0 || code > 0xFFFF)
        return QChar(QChar::ReplacementCharacter);
    return QChar(char16_t(code));
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Formatting that a group inherits and that its end restores.
struct TGroupState
{
    TRtfCharFormat Format;
    int FontIndex = -1; // -1: the default font
    int ColorIndex = 0;
    int UnicodeSkip = 1;
    TRtfAlignment Alignment = TRtfAlignment::Left;
    int LeftIndent = 0;
    int FirstLineIndent = 0;
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    TDestination Destination = TDestination::Text;
};

// Deeper groups are counted but share the state of the deepest kept one, so that no input can
// make the stack grow without bound.
constexpr int MaxGroupDepth = 1000;
constexpr int MaxWordLength = 32;

class TRtfParser
{
public:
    explicit TRtfParser(const QByteArray &bytes)
        : Input(bytes)
    {}
    TRtfDocument Parse();

private:
    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    void ReadControlWord();
    void ControlSymbol(char symbol);
    void ControlWord(const QByteArray &word, bool hasParameter, int parameter);
    void CharacterWord(TRtfWord word, bool hasParameter, int parameter);
    void ParagraphWord(TRtfWord word, int parameter);
    void TableWord(TRtfWord word, int parameter);
    void AddCharacter(QChar c);
    void AddText(QChar c);
    void EndParagraph();
    TRtfCharFormat EffectiveFormat() const;
    bool AtEnd() const { return Pos >= Input.size(); }

    const QByteArray &Input;
    qsizetype Pos = 0;
    TGroupState State;
    std::vector<TGroupState> Stack;
    int OverflowDepth = 0;
    bool RootClosed = false;
    int PendingSkip = 0;
    int DefaultFont = -1;
    struct TFontEntry
    {
        QString Name;
        bool FixedPitch = false;
    };
    QHash<int, TFontEntry> Fonts;
    int TableFont = -1;
    TFontEntry TableEntry;
    QList<QColor> Colors;
    int Rgb[3] = {0, 0, 0};
    bool ColorGiven = false;
    TRtfParagraph Paragraph;
    TRtfDocument Document;
};

TRtfDocument TRtfParser::Parse()
{
    const QByteArray start = Input.trimmed().left(5);
    Document.Complete = start == "{\\rtf";
    while (!AtEnd()) {
        const char c = Input.at(Pos++);
        if (c == '{') {
            OpenGroup();
        } else if (c == '}') {
            CloseGroup();
        } else if (c == '\\') {
            ReadControl();
        } else if (c != '\r' && c != '\n' && c != '\0') {
            if (RootClosed && !QChar(uchar(c)).isSpace())
                Document.Complete = false;
            AddCharacter(AnsiCharacter(uchar(c)));
        }
    }
    if (!Stack.empty() || OverflowDepth > 0)
        Document.Complete = false;
    if (!Paragraph.Runs.isEmpty())
        EndParagraph();
    return std::move(Document);
}

void TRtfParser::OpenGroup()
{
    if (Stack.size() >= MaxGroupDepth) {
        ++OverflowDepth;
        return;
    }
    Stack.push_back(State);
}

void TRtfParser::CloseGroup()
{
    if (OverflowDepth > 0) {
        --OverflowDepth;
        return;
    }
    if (Stack.empty()) {
        Document.Complete = false;
        return;
    }
    State = Stack.back();
    Stack.pop_back();
    PendingSkip = 0;
    if (Stack.empty())
        RootClosed = true;
}

void TRtfParser::ReadControl()
{
    if (AtEnd()) {
        Document.Complete = false;
        return;
    }
    const char c = Input.at(Pos);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        ReadControlWord();
        return;
    }
    ++Pos;
    ControlSymbol(c);
}

void TRtfParser::ReadControlWord()
{
    QByteArray word;
    while (!AtEnd() && std::isalpha(uchar(Input.at(Pos)))) {
        if (word.size() < MaxWordLength)
            word += Input.at(Pos);
        ++Pos;
    }
    const bool negative = !AtEnd() && Input.at(Pos) == '-';
    if (negative)
        ++Pos;
    qint64 value = 0;
    bool hasParameter = false;
    while (!AtEnd() && std::isdigit(uchar(Input.at(Pos)))) {
        // Absurdly long numbers stop growing instead of overflowing.
        value = std::min<qint64>(value * 10 + (Input.at(Pos) - '0'), 1LL << 40);
        hasParameter = true;
        ++Pos;
    }
    if (!AtEnd() && Input.at(Pos) == ' ')
        ++Pos;
    value = std::clamp<qint64>(negative ? -value : value, -(1LL << 30), 1LL << 30);
    ControlWord(word, hasParameter, int(value));
}

void TRtfParser::ControlSymbol(char symbol)
{
    switch (symbol) {
    case '\'': {
        if (Pos + 2 > Input.size()) {
            Pos = Input.size(); // cut off inside the character
            Document.Complete = false;
            return;
        }
        const int high = HexDigit(Input.at(Pos));
        const int low = HexDigit(Input.at(Pos + 1));
        if (high < 0 || low < 0) {
            Document.Complete = false; // what follows is read as text
            return;
        }
        Pos += 2;
        AddCharacter(AnsiCharacter(uchar(high * 16 + low)));
        return;
    }
    case '\\':
    case '{':
    case '}':
        AddCharacter(QChar(symbol));
        return;
    case '~':
        AddCharacter(QChar(0x00A0));
        return;
    case '_':
        AddCharacter(QChar(0x2011));
        return;
    case '*':
        State.Destination = TDestination::Skip;
        return;
    case '\r':
    case '\n':
        ControlWord("par", false, 0);
        return;
    default:
        return; // "\-" (optional hyphen) and the rest show nothing
    }
}

void TRtfParser::ControlWord(const QByteArray &word, bool hasParameter, int parameter)
{
    const TRtfWordEntry *entry = FindRtfWord(word);
    if (!entry)
        return;
    switch (entry->Word) {
    case TRtfWord::Symbol:
        AddCharacter(QChar(entry->Symbol));
        return;
    case TRtfWord::Unicode:
        AddCharacter(UnicodeCharacter(parameter));
        PendingSkip = State.UnicodeSkip;
        return;
    case TRtfWord::Binary:
        // Binary data of the given length follows; it is never text.
        Pos += std::clamp<qsizetype>(parameter, 0, Input.size() - Pos);
        return;
    case TRtfWord::SkipGroup:
        State.Destination = TDestination::Skip;
        return;
    case TRtfWord::FontTable:
    case TRtfWord::ColorTable:
    case TRtfWord::Red:
    case TRtfWord::Green:
    case TRtfWord::Blue:
    case TRtfWord::DefaultFont:
    case TRtfWord::FixedPitchFont:
    case TRtfWord::ProportionalFont:
    case TRtfWord::Pitch:
        TableWord(entry->Word, parameter);
        return;
    case TRtfWord::Paragraph:
    case TRtfWord::ParagraphDefault:
    case TRtfWord::AlignLeft:
    case TRtfWord::AlignCenter:
    case TRtfWord::AlignRight:
    case TRtfWord::AlignJustify:
    case TRtfWord::LeftIndent:
    case TRtfWord::FirstIndent:
    case TRtfWord::SpaceBefore:
    case TRtfWord::SpaceAfter:
        ParagraphWord(entry->Word, parameter);
        return;
    default:
        CharacterWord(entry->Word, hasParameter, parameter);
        return;
    }
}

void TRtfParser::CharacterWord(TRtfWord word, bool hasParameter, int parameter)
{
    const bool on = !hasParameter || parameter != 0;
    switch (word) {
    case TRtfWord::Plain:
        State.Format = TRtfCharFormat();
        State.FontIndex = -1;
        State.ColorIndex = 0;
        break;
    case TRtfWord::Bold:
        State.Format.Bold = on;
        break;
    case TRtfWord::Italic:
        State.Format.Italic = on;
        break;
    case TRtfWord::Underline:
        State.Format.Underline = on;
        break;
    case TRtfWord::UnderlineNone:
        State.Format.Underline = false;
        break;
    case TRtfWord::FontSize:
        if (hasParameter)
            State.Format.HalfPoints = std::clamp(parameter, 2, 400);
        break;
    case TRtfWord::Font:
        if (State.Destination == TDestination::FontTable)
            TableFont = parameter;
        else
            State.FontIndex = parameter;
        break;
    case TRtfWord::Color:
        State.ColorIndex = parameter;
        break;
    case TRtfWord::UnicodeSkip:
        State.UnicodeSkip = std::clamp(parameter, 0, 10);
        break;
    default:
        break;
    }
}

void TRtfParser::ParagraphWord(TRtfWord word, int parameter)
{
    switch (word) {
    case TRtfWord::Paragraph:
        if (State.Destination == TDestination::Text)
            EndParagraph();
        break;
    case TRtfWord::ParagraphDefault:
        State.Alignment = TRtfAlignment::Left;
        State.LeftIndent = 0;
        State.FirstLineIndent = 0;
        State.SpaceBefore = 0;
        State.SpaceAfter = 0;
        break;
    case TRtfWord::AlignLeft:
        State.Alignment = TRtfAlignment::Left;
        break;
    case TRtfWord::AlignCenter:
        State.Alignment = TRtfAlignment::Center;
        break;
    case TRtfWord::AlignRight:
        State.Alignment = TRtfAlignment::Right;
        break;
    case TRtfWord::AlignJustify:
        State.Alignment = TRtfAlignment::Justify;
        break;
    case TRtfWord::LeftIndent:
        State.LeftIndent = std::clamp(parameter, 0, 20000);
        break;
    case TRtfWord::FirstIndent:
        State.FirstLineIndent = std::clamp(parameter, -20000, 20000);
        break;
    case TRtfWord::SpaceBefore:
        State.SpaceBefore = std::clamp(parameter, 0, 20000);
        break;
    case TRtfWord::SpaceAfter:
        State.SpaceAfter = std::clamp(parameter, 0, 20000);
        break;
    default:
        break;
    }
}

void TRtfParser::TableWord(TRtfWord word, int parameter)
{
    switch (word) {
    case TRtfWord::FontTable:
        State.Destination = TDestination::FontTable;
        break;
    case TRtfWord::ColorTable:
        State.Destination = TDestination::ColorTable;
        break;
    case TRtfWord::Red:
    case TRtfWord::Green:
    case TRtfWord::Blue:
        Rgb[int(word) - int(TRtfWord::Red)] = std::clamp(parameter, 0, 255);
        ColorGiven = true;
        break;
    case TRtfWord::DefaultFont:
        DefaultFont = parameter;
        break;
    case TRtfWord::FixedPitchFont:
    case TRtfWord::ProportionalFont:
        TableEntry.FixedPitch = word == TRtfWord::FixedPitchFont;
        break;
    case TRtfWord::Pitch:
        TableEntry.FixedPitch = TableEntry.FixedPitch || parameter == 1;
        break;
    default:
        break;
    }
}

void TRtfParser::AddCharacter(QChar c)
{
    if (PendingSkip > 0) {
        --PendingSkip; // the stand-in for a reader without Unicode
        return;
    }
    switch (State.Destination) {
    case TDestination::Text:
        AddText(c);
        break;
    case TDestination::FontTable:
        if (c == ';') {
            TableEntry.Name = TableEntry.Name.trimmed();
            Fonts.insert(TableFont, TableEntry);
            TableEntry = TFontEntry();
        } else if (TableEntry.Name.size() < 256) {
            TableEntry.Name += c;
        }
        break;
    case TDestination::ColorTable:
        if (c == ';') {
            // An entry without components stands for the view's own text colour.
            Colors << (ColorGiven ? QColor(Rgb[0], Rgb[1], Rgb[2]) : QColor());
            Rgb[0] = Rgb[1] = Rgb[2] = 0;
            ColorGiven = false;
        }
        break;
    case TDestination::Skip:
        break;
    }
}

TRtfCharFormat TRtfParser::EffectiveFormat() const
{
    TRtfCharFormat format = State.Format;
    const TFontEntry font = Fonts.value(State.FontIndex < 0 ? DefaultFont : State.FontIndex);
    format.FontName = font.Name;
    format.FixedPitch = font.FixedPitch;
    if (State.ColorIndex > 0 && State.ColorIndex < Colors.size())
        format.Color = Colors.at(State.ColorIndex);
    return format;
}

void TRtfParser::AddText(QChar c)
{
    const TRtfCharFormat format = EffectiveFormat();
    if (Paragraph.Runs.isEmpty() || !(Paragraph.Runs.last().Format == format))
        Paragraph.Runs << TRtfRun{QString(), format};
    Paragraph.Runs.last().Text += c;
}

void TRtfParser::EndParagraph()
{
    Paragraph.Alignment = State.Alignment;
    Paragraph.LeftIndent = State.LeftIndent;
    Paragraph.FirstLineIndent = State.FirstLineIndent;
    Paragraph.SpaceBefore = State.SpaceBefore;
    Paragraph.SpaceAfter = State.SpaceAfter;
    Document.Paragraphs << std::move(Paragraph);
    Paragraph = TRtfParagraph();
}

} // namespace

QString TRtfParagraph::Text() const
{
    QString text;
    for (const TRtfRun &run : Runs)
        text += run.Text;
    return text;
}

QString TRtfDocument::PlainText() const
{
    QStringList lines;
    for (const TRtfParagraph &paragraph : Paragraphs)
        lines << paragraph.Text();
    return lines.join('\n');
}

TRtfDocument ReadRtf(const QByteArray &bytes)
{
    return TRtfParser(bytes).Parse();
}
