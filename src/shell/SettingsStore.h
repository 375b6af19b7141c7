#pragma once

#include <QRect>
#include <QString>

// Name and size of a font holder's font; they are the defaults of the font settings.
struct TFontDefaults
{
    QString Name = "MS Sans Serif";
    qint32 Size = 10;
};

// The browser that becomes "Browser1" when none is set and it is installed.
inline const QString DefaultFirefoxPath = QStringLiteral("/usr/bin/firefox");

// Fills the in-memory settings from the registry; missing or mistyped values take their
// defaults. The two font holders' fonts are the defaults of the editor and error fonts.
void LoadSettings(const TFontDefaults &editorFont,
                  const TFontDefaults &errorFont,
                  const QString &firefoxPath = DefaultFirefoxPath);
// Writes every setting, the frame's bounds, the "Undo" key and the mirror subkeys, as one
// write of the registry file.
void SaveSettings(const QRect &frameBounds);
// Writes the mirror subkeys below the given key.
void SaveBaseSettings(const QString &key);
