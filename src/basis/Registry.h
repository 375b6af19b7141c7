#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>
#include <optional>

// One registry value: a string (REG_SZ) or a 32-bit integer (REG_DWORD).
struct TRegValue
{
    enum class TKind { String, DWord, Other };

    TKind Kind = TKind::Other;
    QString Text;
    qint32 Number = 0;

    static TRegValue String(const QString &text) { return {TKind::String, text, 0}; }
    static TRegValue DWord(qint32 number) { return {TKind::DWord, {}, number}; }
};

// The current user's registry, kept as a JSON file: one object per key path (below the root,
// without a leading backslash), holding the values of that key. Strings are REG_SZ, integral
// numbers REG_DWORD, anything else a value of another type. Key and value names compare without
// regard to case, as the registry does. Writes replace the file atomically; a damaged file is
// moved aside and never overwritten.
class TRegistryStore
{
public:
    explicit TRegistryStore(QString filePath);
    virtual ~TRegistryStore() = default;

    const QString &FilePath() const { return Path; }
    bool KeyExists(const QString &key);
    std::optional<TRegValue> Value(const QString &key, const QString &name);
    // False when the store cannot be written (unreadable file, failed write).
    bool SetValue(const QString &key, const QString &name, const TRegValue &value);

    // Writes inside Begin/EndUpdate go to the file once, at the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    // A German message about a damaged, unreadable or unwritable file; empty when all is well.
    // Reading it clears it, so the user is told once.
    QString TakeWarning();

protected:
    // Reads the whole file; false with the reason when it cannot be read.
    virtual bool ReadFile(QByteArray &bytes, QString &reason);

private:
    void Refresh();
    void Load();
    bool Flush();
    QString FindKey(const QString &key) const;

    QString Path;
    QJsonObject Root;
    qint64 LoadedSize = -1;
    qint64 LoadedTime = -1;
    bool Loaded = false;
    bool Writable = true;
    bool Dirty = false;
    int UpdateDepth = 0;
    QString Warning;
};

// The store of this program run: the file named by HTML_EDITOR_REGISTRY, else
// $XDG_CONFIG_HOME/KALMORA/registry.json.
TRegistryStore &Registry();
// Forgets the store so that the next Registry() call opens the file named then (tests).
void ResetRegistry();

// Groups several writes into one write of the file.
class TRegistryBatch
{
public:
    TRegistryBatch() { Registry().BeginUpdate(); }
    ~TRegistryBatch() { Registry().EndUpdate(); }
    TRegistryBatch(const TRegistryBatch &) = delete;
    TRegistryBatch &operator=(const TRegistryBatch &) = delete;
};

// The default when the key is missing or the value is not a string; a missing value in an
// existing key reads as the empty string.
QString RegReadString(const QString &key, const QString &name, const QString &defaultValue);
// The default when the key or the value is missing or the value is not an integer.
qint32 RegReadInteger(const QString &key, const QString &name, qint32 defaultValue);
// As RegReadInteger; any integer other than 0 is true.
bool RegReadBool(const QString &key, const QString &name, bool defaultValue);
void RegWriteString(const QString &key, const QString &name, const QString &value);
void RegWriteInteger(const QString &key, const QString &name, qint32 value);
// True is written as 1, false as 0.
void RegWriteBool(const QString &key, const QString &name, bool value);
