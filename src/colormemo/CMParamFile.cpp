#include "CMParamFile.h"

namespace {

const QString Assign = QStringLiteral(" = ");

QString SingleQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// The comma-separated form of a string list: an item is quoted (inner quotes doubled) when
// it holds a blank or control character, a double quote or a comma; a list of one empty item
// is "".
QString CommaText(const QStringList &items)
{
    if (items.size() == 1 && items.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList parts;
    for (const QString &item : items) {
        const bool needsQuotes = std::any_of(item.begin(), item.end(), [](QChar c) {
            return c.unicode() <= 32 || c == u'"' || c == u',';
        });
        if (needsQuotes) {
            QString quoted = item;
            quoted.replace(u'"', QStringLiteral("\"\""));
            parts.append(u'"' + quoted + u'"');
        } else {
            parts.append(item);
        }
    }
    return parts.join(u',');
}

} // namespace

void TCMParam::SaveToStrings(QStringList &lines, const QString &indent) const
{
    lines.append(indent + Name() + Assign + ValueText());
}

QString TCMStringParam::ValueText() const
{
    return CommaText(Value);
}

void TCMStringParam::SaveToStrings(QStringList &lines, const QString &indent) const
{
    const QString head = indent + Name() + Assign;
    if (Value.isEmpty()) {
        lines.append(head + SingleQuoted(QString()));
        return;
    }
    lines.append(head + SingleQuoted(Value.first()));
    const QString continuation(head.size(), u' ');
    for (qsizetype i = 1; i < Value.size(); ++i)
        lines.append(continuation + SingleQuoted(Value.at(i)));
}

QString TCMBoolParam::ValueText() const
{
    return Value ? QStringLiteral("True") : QStringLiteral("False");
}

int TCMParamList::IndexOf(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Params[size_t(i)]->Name().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TCMParamList::Delete(int index)
{
    if (index >= 0 && index < Count())
        Params.erase(Params.begin() + index);
}

template<typename Param>
const Param *TCMParamList::Typed(const QString &name) const
{
    const int index = IndexOf(name);
    return index < 0 ? nullptr : dynamic_cast<const Param *>(Params[size_t(index)].get());
}

template<typename Param>
Param &TCMParamList::Slot(const QString &name)
{
    // Parameters of another class under the name give way until one of the right class is
    // found or none is left.
    for (int index = IndexOf(name); index >= 0; index = IndexOf(name)) {
        if (auto *param = dynamic_cast<Param *>(Params[size_t(index)].get()))
            return *param;
        Delete(index);
    }
    Params.push_back(std::make_unique<Param>(name));
    return static_cast<Param &>(*Params.back());
}

QString TCMParamList::GetIdent(const QString &name, const QString &defaultValue) const
{
    const auto *param = Typed<TCMIdentifierParam>(name);
    return param ? param->Value : defaultValue;
}

QStringList TCMParamList::GetString(const QString &name, const QStringList &defaultValue) const
{
    const auto *param = Typed<TCMStringParam>(name);
    return param ? param->Value : defaultValue;
}

qint32 TCMParamList::GetInt(const QString &name, qint32 defaultValue) const
{
    const auto *param = Typed<TCMIntegerParam>(name);
    return param ? param->Value : defaultValue;
}

bool TCMParamList::GetBool(const QString &name, bool defaultValue) const
{
    const auto *param = Typed<TCMBoolParam>(name);
    return param ? param->Value : defaultValue;
}

const TCMParamList *TCMParamList::GetList(const QString &name) const
{
    return Typed<TCMParamList>(name);
}

void TCMParamList::SetIdent(const QString &name, const QString &value)
{
    Slot<TCMIdentifierParam>(name).Value = value;
}

void TCMParamList::SetString(const QString &name, const QStringList &value)
{
    Slot<TCMStringParam>(name).Value = value;
}

void TCMParamList::SetInt(const QString &name, qint32 value)
{
    Slot<TCMIntegerParam>(name).Value = value;
}

void TCMParamList::SetBool(const QString &name, bool value)
{
    Slot<TCMBoolParam>(name).Value = value;
}

TCMParamList &TCMParamList::AddList(const QString &name)
{
    Params.push_back(std::make_unique<TCMParamList>(name));
    return static_cast<TCMParamList &>(*Params.back());
}

void TCMParamList::SaveToStrings(QStringList &lines, const QString &indent) const
{
    lines.append(indent + u'<');
    const QString inner = indent + QStringLiteral("  ");
    for (const auto &param : Params)
        param->SaveToStrings(lines, inner);
    lines.append(indent + u'>');
    lines.append(indent + u' ');
}

namespace {

// Reads the text form line by line; every deviation from what SaveToStrings writes is an
// error with the line's number.
class TParamReader
{
public:
    explicit TParamReader(const QStringList &lines)
        : Lines(lines)
    {}

    TParamListReadResult Read();

private:
    bool ReadList(TCMParamList &list, const QString &indent);
    bool ReadParam(TCMParamList &list, const QString &inner, const QString &text);
    bool ReadQuoted(QStringView text, QString &value);
    bool Fail(const QString &error);

    const QStringList &Lines;
    int Pos = 0;
    QString Error;
};

TParamListReadResult TParamReader::Read()
{
    TParamListReadResult result;
    if (Lines.isEmpty()) {
        result.Error = QStringLiteral("Keine Parameterliste");
        result.Line = 1;
        return result;
    }
    const QString &first = Lines.first();
    const QString indent = first.left(first.size() - 1);
    auto list = std::make_unique<TCMParamList>();
    if (!first.endsWith(u'<') || indent.count(u' ') != indent.size()) {
        Fail(QStringLiteral("\"<\" erwartet"));
    } else if (ReadList(*list, indent) && Pos < Lines.size()) {
        Fail(QStringLiteral("Text nach dem Ende der Liste"));
    }
    if (!Error.isEmpty()) {
        result.Error = Error;
        result.Line = Pos + 1;
        return result;
    }
    result.List = std::move(list);
    return result;
}

bool TParamReader::ReadList(TCMParamList &list, const QString &indent)
{
    if (Pos >= Lines.size() || Lines.at(Pos) != indent + u'<')
        return Fail(QStringLiteral("\"<\" erwartet"));
    ++Pos;
    const QString inner = indent + QStringLiteral("  ");
    for (;;) {
        if (Pos >= Lines.size())
            return Fail(QStringLiteral("\">\" fehlt"));
        const QString &line = Lines.at(Pos);
        if (line == indent + u'>') {
            ++Pos;
            if (Pos >= Lines.size() || Lines.at(Pos) != indent + u' ')
                return Fail(QStringLiteral("Leerzeile nach \">\" fehlt"));
            ++Pos;
            return true;
        }
        if (!line.startsWith(inner) || line.size() == inner.size() || line.at(inner.size()) == u' ')
            return Fail(QStringLiteral("Falsch eingerückte Zeile"));
        if (line.size() == inner.size() + 1 && line.at(inner.size()) == u'<') {
            if (!ReadList(list.AddList(QString()), inner))
                return false;
            continue;
        }
        if (!ReadParam(list, inner, line))
            return false;
    }
}

bool TParamReader::ReadParam(TCMParamList &list, const QString &inner, const QString &text)
{
    const qsizetype assign = text.indexOf(Assign, inner.size());
    if (assign <= inner.size())
        return Fail(QStringLiteral("\" = \" erwartet"));
    const QString name = text.mid(inner.size(), assign - inner.size());
    const QString value = text.mid(assign + Assign.size());
    if (value.startsWith(u'\'')) {
        QStringList lines(QString{});
        if (!ReadQuoted(value, lines.first()))
            return false;
        ++Pos;
        // Further lines of the text are quoted on lines of their own, aligned behind " = ".
        const QString continuation(assign + Assign.size(), u' ');
        while (Pos < Lines.size() && Lines.at(Pos).startsWith(continuation)
               && Lines.at(Pos).mid(continuation.size()).startsWith(u'\'')) {
            lines.append(QString());
            if (!ReadQuoted(QStringView(Lines.at(Pos)).mid(continuation.size()), lines.last()))
                return false;
            ++Pos;
        }
        list.SetString(name, lines);
        return true;
    }
    ++Pos;
    if (value == u"True" || value == u"False") {
        list.SetBool(name, value == u"True");
    } else {
        bool isNumber = false;
        const qint32 number = value.toInt(&isNumber);
        if (isNumber && QString::number(number) == value)
            list.SetInt(name, number);
        else
            list.SetIdent(name, value);
    }
    return true;
}

bool TParamReader::ReadQuoted(QStringView text, QString &value)
{
    value.clear();
    qsizetype i = 1;
    for (; i < text.size(); ++i) {
        if (text[i] != u'\'') {
            value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'\'') {
            value += u'\'';
            ++i;
        } else {
            break;
        }
    }
    if (i != text.size() - 1)
        return Fail(QStringLiteral("Ungültiger Text in Anführungszeichen"));
    return true;
}

bool TParamReader::Fail(const QString &error)
{
    if (Error.isEmpty())
        Error = error;
    return false;
}

} // namespace

TParamListReadResult ReadParamList(const QStringList &lines)
{
    return TParamReader(lines).Read();
}
