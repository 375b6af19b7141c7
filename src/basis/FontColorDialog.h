#pragma once

#include "Prompter.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

// The font dialog with a colour list beneath it, as the font settings need both: the platform
// font dialog alone chooses no colour. The colours are the sixteen basic colours of the
// classic font dialog; a preset colour outside them is added to the list.
class TFontColorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFontColorDialog(const TFontChoice &initial, QWidget *parent = nullptr);

    TFontChoice Choice() const;

private:
    QFontDialog *Fonts = nullptr;
    QComboBox *Colors = nullptr;
};
