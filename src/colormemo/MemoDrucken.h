#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

// The print dialog "Druckerkonfiguration": file, block printing, margins, line spacing,
// heading, printer font and the (hidden) table options. "&Ok" takes the values into the print
// settings and stores them; "Abbruch" and Escape leave everything as it was.
class TFMemoDrucken : public QDialog
{
    Q_OBJECT

public:
    explicit TFMemoDrucken(QWidget *parent = nullptr);

    // Fills the dialog from the print settings and the arguments, without showing it. The
    // table options are shown only with showTable, and the dialog's height follows.
    void Fill(const QString &fileDisplayName,
              bool blockPossible,
              bool commentFlag,
              bool resultFlags,
              bool showTable);
    // Fills the dialog and shows it modally; returns when it closes.
    void ShowPrintDialog(const QString &fileDisplayName,
                         bool blockPossible,
                         bool commentFlag,
                         bool resultFlags,
                         bool showTable);

    // "Okay" after "&Ok", empty otherwise.
    const QString &DialogResult() const { return Result; }
    bool BlockChecked() const;
    bool HeadingChecked() const;

private:
    void CreateFileGroup();
    void CreateMarginGroup();
    void CreateLineGroup();
    void CreateFontLine();
    void CreateButtons();
    void CreateTableGroup();
    QSpinBox *AddSpinEdit(QWidget *parent, const char *name, const QString &label, int row);
    void ShowFontLabel();
    void BnOkayClick();
    void BnFontClick();
    void SpreadColumnsToggled(bool checked);

    QString Result;
    QLabel *LDatei = nullptr;
    QCheckBox *CBlockDrucken = nullptr;
    QSpinBox *ELinkerRand = nullptr;
    QSpinBox *ERechterRand = nullptr;
    QSpinBox *EObererRand = nullptr;
    QSpinBox *EUntererRand = nullptr;
    QComboBox *CZeilenabstand = nullptr;
    QCheckBox *CHeadProSeite = nullptr;
    QLabel *LDruckerschrift = nullptr;
    QGroupBox *GTabelle = nullptr;
    QSpinBox *EBreiteZwischenDenSpalten = nullptr;
    QLabel *Label6 = nullptr;
    QCheckBox *CErgebnisMitNeuerSeite = nullptr;
    QCheckBox *CDruckenMitErgebnis = nullptr;
    QCheckBox *CLeerzeileNachSpaltenUeberschrift = nullptr;
    QComboBox *CHeadAttribute = nullptr;
    QCheckBox *CKommentarInhaltZusammen = nullptr;
};
