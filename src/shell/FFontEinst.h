#pragma once

#include "FontPreview.h"

#include <QDialog>

// The font dialog "&Schrift": the editor font in a preview, "&Ändern" to choose another one
// (in effect at once), "&Ok" to store the settings.
class TFFontEinst : public QDialog
{
    Q_OBJECT

public:
    explicit TFFontEinst(QWidget *parent = nullptr);

    // Shows the editor font and the dialog, modally.
    void Execute();

protected:
    // The close query: after "&Ok" the settings are stored.
    void done(int result) override;

private:
    void BnOkClick();

    TFontPreview Preview;
    bool Cancelled = true;
};
