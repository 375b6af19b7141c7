#pragma once

#include <QString>

class QLabel;
class QWidget;

// The font preview of the settings dialogs: "Fontname:" and "Größe:" with the font's name and
// size in points, and the sample line on white in the font itself (name, size, bold or
// regular, colour).
class TFontPreview
{
public:
    // Creates the labels inside the parent, the first line at the given top.
    TFontPreview(QWidget *parent, int left, int top);

    void Show(const QString &name, int size, bool bold, qint32 bgrColor);

private:
    QLabel *LSchriftname = nullptr;
    QLabel *LSchriftgroesse = nullptr;
    QLabel *LSchriftbeispiel = nullptr;
};
