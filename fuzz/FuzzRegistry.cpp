// Any bytes as the settings file: the store reads its values or falls back to the defaults,
// moves a damaged file aside, and never crashes.
#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath("registry.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    TRegistryStore store(path);
    (void) store.KeyExists("SOFTWARE\\KALMORA\\HTML");
    (void) store.Value("SOFTWARE\\KALMORA\\HTML", "TabBreite");
    (void) store.Value("Undo", "UndoTimerIntervall");
    (void) store.SetValue("SOFTWARE\\KALMORA\\HTML", "Browser1", TRegValue::String("x"));
    (void) store.TakeWarning();
    // A damaged file was moved aside; the next input starts from an empty folder again.
    for (const QString &name : QDir(folder.path()).entryList(QDir::Files))
        QFile::remove(folder.filePath(name));
    return 0;
}
