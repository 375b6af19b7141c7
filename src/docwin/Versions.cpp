#include "Versions.h"

#include "ProgramPaths.h"
#include "RecentFiles.h"
#include "Registry.h"
#include "SafeFileWrite.h"

#include <QFileInfo>

QString VersionFilePath(const QString &fileName)
{
    return ScratchDirectory() + fileName;
}

TSaveResult WriteVersionFile(const QString &path, const QString &text)
{
    bool lossless = true;
    QByteArray bytes = EncodeText(text, TTextFormat(), &lossless);
    // ANSI bytes that also read as UTF-8 ("Ã¤" is C3 A4) would come back as other characters.
    if (!lossless || DecodeText(bytes).Text != text)
        bytes = EncodeText(text, {TTextEncoding::Utf8Bom, TLineBreakStyle::CrLf});
    return WriteFileSafely(path, bytes, false);
}

TTextReadResult ReadVersionFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        TTextReadResult missing;
        missing.Error = "Es wurde noch keine Version gespeichert (\"Aktueller Inhalt speichern\"). "
                        "Die Datei\r\n"
                        + path + "\r\nfehlt.";
        return missing;
    }
    return ReadTextFile(path);
}

QString RememberLastVersionName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    RegWriteString(MainRegistryKey, "LastDatei", name);
    return name;
}
