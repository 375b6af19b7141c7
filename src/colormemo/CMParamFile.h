#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// One named parameter of a parameter list.
class TCMParam
{
public:
    explicit TCMParam(const QString &name)
        : ParamName(name)
    {}
    virtual ~TCMParam() = default;
    TCMParam(const TCMParam &) = delete;
    TCMParam &operator=(const TCMParam &) = delete;

    QString Name() const { return ParamName; }
    // The value as text: an identifier as it is, a string's lines in their comma-separated
    // quoted form, an integer in decimal, "True" or "False"; a nested list gives "".
    virtual QString ValueText() const = 0;
    // Appends the parameter's text lines with the given indent.
    virtual void SaveToStrings(QStringList &lines, const QString &indent) const;

private:
    QString ParamName;
};

// A parameter whose value is an identifier, written without quotes.
class TCMIdentifierParam : public TCMParam
{
public:
    using TCMParam::TCMParam;
    QString Value;
    QString ValueText() const override { return Value; }
};

// A parameter whose value is a text of lines, written quoted, one line per text line.
class TCMStringParam : public TCMParam
{
public:
    using TCMParam::TCMParam;
    QStringList Value;
    QString ValueText() const override;
    void SaveToStrings(QStringList &lines, const QString &indent) const override;
};

// A parameter whose value is a 32-bit integer.
class TCMIntegerParam : public TCMParam
{
public:
    using TCMParam::TCMParam;
    qint32 Value = 0;
    QString ValueText() const override { return QString::number(Value); }
};

// A parameter whose value is a Boolean.
class TCMBoolParam : public TCMParam
{
public:
    using TCMParam::TCMParam;
    bool Value = false;
    QString ValueText() const override;
};

// An ordered list of typed, named parameters; itself a parameter, so lists nest. Names are
// compared without regard to case and the first parameter of a name counts. The list owns its
// parameters.
class TCMParamList : public TCMParam
{
public:
    explicit TCMParamList(const QString &name = QString())
        : TCMParam(name)
    {}

    int Count() const { return int(Params.size()); }
    const TCMParam &operator[](int index) const { return *Params[size_t(index)]; }
    // Index of the first parameter with the name, or -1.
    int IndexOf(const QString &name) const;
    void Clear() { Params.clear(); }
    void Delete(int index);

    // The value of the parameter of that name when it exists and is of the matching class,
    // else the default.
    QString GetIdent(const QString &name, const QString &defaultValue) const;
    QStringList GetString(const QString &name, const QStringList &defaultValue) const;
    qint32 GetInt(const QString &name, qint32 defaultValue) const;
    bool GetBool(const QString &name, bool defaultValue) const;
    // The nested list of that name, or null.
    const TCMParamList *GetList(const QString &name) const;

    // Sets the value of the parameter of that name; a parameter of another class under the name
    // is replaced, a missing one is appended.
    void SetIdent(const QString &name, const QString &value);
    void SetString(const QString &name, const QStringList &value);
    void SetInt(const QString &name, qint32 value);
    void SetBool(const QString &name, bool value);
    // Appends an empty nested list.
    TCMParamList &AddList(const QString &name);

    QString ValueText() const override { return QString(); }
    // Appends the list's text form: indent + "<", each parameter indented two blanks deeper,
    // indent + ">", and indent + one blank.
    void SaveToStrings(QStringList &lines, const QString &indent = QString()) const override;

private:
    template<typename Param>
    Param &Slot(const QString &name);
    template<typename Param>
    const Param *Typed(const QString &name) const;

    std::vector<std::unique_ptr<TCMParam>> Params;
};

// A list read back from text, or what was wrong with the text (Error, 1-based Line).
struct TParamListReadResult
{
    std::unique_ptr<TCMParamList> List;
    QString Error;
    int Line = 0;
};

// Reads the text form that SaveToStrings writes, at any indent, and nothing else. Values are
// typed by their form: quoted text is a string (a lone '' is one empty line), "True"/"False"
// a Boolean, a decimal number an integer, anything else an identifier. Nested lists come back
// unnamed (the text form does not carry their names).
TParamListReadResult ReadParamList(const QStringList &lines);
