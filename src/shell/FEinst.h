#pragma once

#include "FontPreview.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// The settings dialog "Einstellungen" with the pages "Allgemein", "Schriften", "Browser" and
// "Undo / Redo". Nothing reaches the settings before "&Ok", except a font chosen with
// "&Ändern", which is in effect at once.
class TFEinst : public QDialog
{
    Q_OBJECT

public:
    explicit TFEinst(QWidget *parent = nullptr);

    // Fills the controls from the settings, on the page "Allgemein".
    void Fill();
    // Fills the controls and shows the dialog modally.
    void Execute();
    // 0 on "Allgemein", 1 on "Schriften"; the other pages keep the index.
    int HelpPageIndex() const { return HelpIndex; }

protected:
    // The close query: after "&Ok" the controls are copied into the settings and stored.
    void done(int result) override;

private:
    void CreateGeneralPage();
    void CreateFontPage();
    void CreateBrowserPage();
    void CreateUndoPage();
    void CreateButtons();
    QCheckBox *AddCheckBox(QWidget *page, const char *name, const QString &caption);
    void PageChanged(int index);
    void SetHelpContexts();
    void ShowChosenFont();
    void BnAendernSchriftClick();
    void BrowseBrowser(QLineEdit *field);
    void BnOkClick();
    void CopyToSettings();

    QTabWidget *MainTab = nullptr;
    QPushButton *BnHilfe = nullptr;
    QCheckBox *CMainFensterMaximal = nullptr;
    QCheckBox *CImmerSicherheitsabfrage = nullptr;
    QCheckBox *CSucheAmAktuellenCursor = nullptr;
    QCheckBox *CFensterMaximal = nullptr;
    QCheckBox *CInEditMitTabs = nullptr;
    QCheckBox *CBakDatei = nullptr;
    QSpinBox *ETabBreite = nullptr;
    std::unique_ptr<TFontPreview> Preview;
    QRadioButton *RTabellenschrift = nullptr;
    QRadioButton *RDruckerSchrift = nullptr;
    QLineEdit *EBrowserPfad[4] = {};
    QRadioButton *RUndoMitTasten = nullptr;
    QRadioButton *RUndoMitTimer = nullptr;
    QSpinBox *spUndoIntervall = nullptr;
    bool Cancelled = true;
    int HelpIndex = 0;
};
