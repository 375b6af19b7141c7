#include "Registry.h"

#include "SafeFileWrite.h"
#include "TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

#include <cerrno>
#include <cmath>

namespace {

std::unique_ptr<TRegistryStore> GlobalStore;

// "\SOFTWARE\X" and "SOFTWARE\X\" name the same key as "SOFTWARE\X".
QString NormalizedKey(const QString &key)
{
    QString normal = key;
    while (normal.startsWith('\\'))
        normal.remove(0, 1);
    while (normal.endsWith('\\'))
        normal.chop(1);
    return normal;
}

QString FindName(const QJsonObject &object, const QString &name)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return {};
}

TRegValue FromJson(const QJsonValue &value)
{
    if (value.isString())
        return TRegValue::String(value.toString());
    if (value.isDouble()) {
        // A DWORD may have been written unsigned (colours such as 0xFF000005).
        const double number = value.toDouble();
        if (std::trunc(number) == number && number >= -2147483648.0 && number <= 4294967295.0)
            return TRegValue::DWord(static_cast<qint32>(static_cast<qint64>(number)));
    }
    return {};
}

QString DefaultRegistryPath()
{
    const QString overridePath = qEnvironmentVariable("HTML_EDITOR_REGISTRY");
    if (!overridePath.isEmpty())
        return overridePath;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + "/KALMORA/registry.json";
}

QString AsideName(const QString &path)
{
    QString aside = path + ".damaged";
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + ".damaged" + QString::number(n);
    return aside;
}

} // namespace

TRegistryStore::TRegistryStore(QString filePath)
    : Path(std::move(filePath))
{}

void TRegistryStore::Refresh()
{
    // Another running instance may have written the file: reload it when it changed, but never
    // in the middle of our own batch of writes.
    if (UpdateDepth > 0 && Loaded)
        return;
    const QFileInfo info(Path);
    const qint64 size = info.exists() ? info.size() : -1;
    const qint64 time = info.exists() ? info.lastModified().toMSecsSinceEpoch() : -1;
    if (!Loaded || size != LoadedSize || time != LoadedTime)
        Load();
}

void TRegistryStore::Load()
{
    Loaded = true;
    Root = {};
    const QFileInfo info(Path);
    LoadedSize = info.exists() ? info.size() : -1;
    LoadedTime = info.exists() ? info.lastModified().toMSecsSinceEpoch() : -1;
    if (!info.exists())
        return;
    QByteArray bytes;
    QString reason;
    // Only a regular file is opened: reading a pipe or a device there could block start-up.
    if (!info.isFile())
        reason = "keine gewöhnliche Datei";
    if (!reason.isEmpty() || !ReadFile(bytes, reason)) {
        // What cannot be read must not be overwritten: this run keeps its settings in memory.
        Writable = false;
        Warning = "Die Einstellungsdatei\r\n" + Path + "\r\nkann nicht gelesen werden (" + reason
                  + ").\r\nEs gelten die Voreinstellungen; Änderungen werden nicht gespeichert.";
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        Root = document.object();
        return;
    }
    const QString aside = AsideName(Path);
    if (QFile::rename(Path, aside)) {
        LoadedSize = LoadedTime = -1;
        Warning = "Die Einstellungsdatei\r\n" + Path + "\r\nist beschädigt und wurde nach\r\n"
                  + aside + "\r\nverschoben. Es gelten die Voreinstellungen.";
    } else {
        Writable = false;
        Warning = "Die Einstellungsdatei\r\n" + Path
                  + "\r\nist beschädigt und kann nicht beiseitegelegt werden.\r\n"
                    "Es gelten die Voreinstellungen; Änderungen werden nicht gespeichert.";
    }
}

bool TRegistryStore::ReadFile(QByteArray &bytes, QString &reason)
{
    QFile file(Path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        reason = FileErrorReason(errno, file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reason = FileErrorReason(errno, file.errorString());
        return false;
    }
    return true;
}

QString TRegistryStore::FindKey(const QString &key) const
{
    return FindName(Root, NormalizedKey(key));
}

bool TRegistryStore::KeyExists(const QString &key)
{
    Refresh();
    return !FindKey(key).isEmpty();
}

std::optional<TRegValue> TRegistryStore::Value(const QString &key, const QString &name)
{
    Refresh();
    const QString storedKey = FindKey(key);
    if (storedKey.isEmpty())
        return std::nullopt;
    const QJsonObject values = Root.value(storedKey).toObject();
    const QString storedName = FindName(values, name);
    if (storedName.isEmpty())
        return std::nullopt;
    return FromJson(values.value(storedName));
}

bool TRegistryStore::SetValue(const QString &key, const QString &name, const TRegValue &value)
{
    Refresh();
    if (!Writable)
        return false;
    QString storedKey = FindKey(key);
    if (storedKey.isEmpty())
        storedKey = NormalizedKey(key);
    QJsonObject values = Root.value(storedKey).toObject();
    QString storedName = FindName(values, name);
    if (storedName.isEmpty())
        storedName = name;
    if (value.Kind == TRegValue::TKind::String)
        values.insert(storedName, value.Text);
    else
        values.insert(storedName, value.Number);
    Root.insert(storedKey, values);
    Dirty = true;
    if (UpdateDepth > 0)
        return true;
    return Flush();
}

void TRegistryStore::BeginUpdate()
{
    Refresh();
    ++UpdateDepth;
}

void TRegistryStore::EndUpdate()
{
    if (UpdateDepth > 0 && --UpdateDepth == 0 && Dirty)
        Flush();
}

bool TRegistryStore::Flush()
{
    Dirty = false;
    QDir().mkpath(QFileInfo(Path).absolutePath());
    // Every write is checked: a full disk leaves the previous settings file whole instead of
    // an empty one that would read as damaged.
    const TSaveResult result = WriteFileSafely(Path,
                                               QJsonDocument(Root).toJson(QJsonDocument::Indented),
                                               false);
    if (!result.IsSaved()) {
        if (Warning.isEmpty())
            Warning = "Die Einstellungen können nicht gespeichert werden.\r\n" + result.Reason();
        return false;
    }
    const QFileInfo info(Path);
    LoadedSize = info.size();
    LoadedTime = info.lastModified().toMSecsSinceEpoch();
    return true;
}

QString TRegistryStore::TakeWarning()
{
    Refresh();
    return std::exchange(Warning, QString());
}

TRegistryStore &Registry()
{
    if (!GlobalStore)
        GlobalStore = std::make_unique<TRegistryStore>(DefaultRegistryPath());
    return *GlobalStore;
}

void ResetRegistry()
{
    GlobalStore.reset();
}

QString RegReadString(const QString &key, const QString &name, const QString &defaultValue)
{
    TRegistryStore &store = Registry();
    if (!store.KeyExists(key))
        return defaultValue;
    const std::optional<TRegValue> value = store.Value(key, name);
    if (!value)
        return QString();
    return value->Kind == TRegValue::TKind::String ? value->Text : defaultValue;
}

qint32 RegReadInteger(const QString &key, const QString &name, qint32 defaultValue)
{
    const std::optional<TRegValue> value = Registry().Value(key, name);
    if (!value || value->Kind != TRegValue::TKind::DWord)
        return defaultValue;
    return value->Number;
}

bool RegReadBool(const QString &key, const QString &name, bool defaultValue)
{
    return RegReadInteger(key, name, defaultValue ? 1 : 0) != 0;
}

void RegWriteString(const QString &key, const QString &name, const QString &value)
{
    Registry().SetValue(key, name, TRegValue::String(value));
}

void RegWriteInteger(const QString &key, const QString &name, qint32 value)
{
    Registry().SetValue(key, name, TRegValue::DWord(value));
}

void RegWriteBool(const QString &key, const QString &name, bool value)
{
    RegWriteInteger(key, name, value ? 1 : 0);
}
