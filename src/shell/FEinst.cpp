#include "FEinst.h"

#include "AppSettings.h"
#include "Globals.h"
#include "MenuBuilder.h"
#include "Prompter.h"
#include "Reactivate.h"
#include "SettingsFonts.h"
#include "SettingsStore.h"
#include "ShellOpen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr int HelpContextBase = 10500;

// Programs here have no name endings; the first filter shows every executable file.
const char *const ProgramFilter = "Programm-Dateien|*|COM-Dateien *.COM|*.COM|EXE-Dateien "
                                  "*.EXE|*.EXE|BAT-Dateien *.BAT|*.BAT|Alle Dateien (*.*)|*";

QWidget *AddPage(QTabWidget *tabs, const char *name, const QString &caption)
{
    auto *page = new QWidget(tabs);
    page->setObjectName(name);
    tabs->addTab(page, caption);
    return page;
}

} // namespace

TFEinst::TFEinst(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("FEinst");
    setWindowTitle("Einstellungen");
    setFixedSize(570, 479);
    MainTab = new QTabWidget(this);
    MainTab->setObjectName("MainTab");
    MainTab->setGeometry(8, 8, 554, 420);
    CreateGeneralPage();
    CreateFontPage();
    CreateBrowserPage();
    CreateUndoPage();
    CreateButtons();
    connect(MainTab, &QTabWidget::currentChanged, this, &TFEinst::PageChanged);
}

QCheckBox *TFEinst::AddCheckBox(QWidget *page, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, page);
    box->setObjectName(name);
    page->layout()->addWidget(box);
    return box;
}

void TFEinst::CreateGeneralPage()
{
    QWidget *page = AddPage(MainTab, "TabAllgemein", "Allgemein");
    auto *group = new QGroupBox("Optionen", page);
    group->setObjectName("GOptionen");
    new QVBoxLayout(group);
    CMainFensterMaximal = AddCheckBox(group, "CMainFensterMaximal", "Mainfenster immer maximal");
    CImmerSicherheitsabfrage = AddCheckBox(group,
                                           "CImmerSicherheitsabfrage",
                                           "Immer eine Sicherheitsabfrage beim Schließen");
    CSucheAmAktuellenCursor = AddCheckBox(group,
                                          "CSucheAmAktuellenCursor",
                                          "Suche am aktuellen Cursor");
    CFensterMaximal = AddCheckBox(group, "CFensterMaximal", "Fenster immer maximal");
    CInEditMitTabs = AddCheckBox(group, "CInEditMitTabs", "In den Editoren mit Tab´s");
    CBakDatei = AddCheckBox(group, "CBakDatei", "Sicherheitsdatei beim Sichern erstellen (*.BAK)");
    // The tab width only passes through: hidden, and without limits.
    auto *tabLabel = new QLabel("Tab-Breite", group);
    tabLabel->setObjectName("Label15");
    tabLabel->hide();
    ETabBreite = new QSpinBox(group);
    ETabBreite->setObjectName("ETabBreite");
    ETabBreite->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    ETabBreite->hide();
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch();
}

void TFEinst::CreateFontPage()
{
    QWidget *page = AddPage(MainTab, "TabSchriften", "Schriften");
    auto *note = new QLabel("In diesem Dialogfenster können Sie die Schriften für die Tabellen "
                            "bzw. für die untere Zeile bearbeiten.",
                            page);
    note->setWordWrap(true);
    note->setGeometry(16, 12, 510, 40);
    Preview = std::make_unique<TFontPreview>(page, 16, 64);
    auto *group = new QGroupBox("Aus&wahl", page);
    group->setObjectName("GAuswahl");
    group->setGeometry(16, 200, 250, 84);
    auto *groupLayout = new QVBoxLayout(group);
    RTabellenschrift = new QRadioButton("Editorschrift", group);
    RTabellenschrift->setObjectName("RTabellenschrift");
    RTabellenschrift->setChecked(true);
    RDruckerSchrift = new QRadioButton("Druckerschrift", group);
    RDruckerSchrift->setObjectName("RDruckerSchrift");
    groupLayout->addWidget(RTabellenschrift);
    groupLayout->addWidget(RDruckerSchrift);
    connect(RTabellenschrift, &QRadioButton::toggled, this, &TFEinst::ShowChosenFont);
    auto *change = new QPushButton("&Ändern", page);
    change->setObjectName("BnAendernSchrift");
    change->setGeometry(290, 226, 100, 28);
    connect(change, &QPushButton::clicked, this, &TFEinst::BnAendernSchriftClick);
}

void TFEinst::CreateBrowserPage()
{
    QWidget *page = AddPage(MainTab, "TabBrowser", "Browser");
    auto *layout = new QGridLayout(page);
    const char *const buttonNames[4] = {"EBn1Button", "EBn2Button", "BitBtn1", "BitBtn2"};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QLabel(QString("Pfad des %1. Browsers").arg(i + 1), page), 2 * i, 0);
        EBrowserPfad[i] = new QLineEdit(page);
        EBrowserPfad[i]->setObjectName("EBrowserPfad" + QString::number(i + 1));
        layout->addWidget(EBrowserPfad[i], 2 * i + 1, 0);
        auto *browse = new QPushButton("...", page);
        browse->setObjectName(buttonNames[i]);
        browse->setFixedWidth(32);
        layout->addWidget(browse, 2 * i + 1, 1);
        QLineEdit *field = EBrowserPfad[i];
        connect(browse, &QPushButton::clicked, this, [this, field] { BrowseBrowser(field); });
    }
    layout->setRowStretch(8, 1);
}

void TFEinst::CreateUndoPage()
{
    QWidget *page = AddPage(MainTab, "TabUndo", "Undo / Redo");
    auto *note = new QLabel("Ein Undo-Schritt kann bei jedem Tastendruck im Editor festgehalten "
                            "werden oder in einem festen Zeitabstand. Bei sehr großen Dateien "
                            "hält das feste Intervall das Tippen flüssig.",
                            page);
    note->setWordWrap(true);
    auto *group = new QGroupBox("Auswahl", page);
    group->setObjectName("GUndoAuswahl");
    auto *groupLayout = new QGridLayout(group);
    RUndoMitTasten = new QRadioButton("Undo jeweils bei einem Tastendruck", group);
    RUndoMitTasten->setObjectName("RUndoMitTasten");
    RUndoMitTasten->setChecked(true);
    RUndoMitTimer = new QRadioButton("Undo mit festem Intervall", group);
    RUndoMitTimer->setObjectName("RUndoMitTimer");
    spUndoIntervall = new QSpinBox(group);
    spUndoIntervall->setObjectName("spUndoIntervall");
    spUndoIntervall->setRange(5, 1000);
    spUndoIntervall->setValue(5);
    spUndoIntervall->setEnabled(false);
    groupLayout->addWidget(RUndoMitTasten, 0, 0, 1, 4);
    groupLayout->addWidget(RUndoMitTimer, 1, 0, 1, 4);
    groupLayout->addWidget(new QLabel("Intervall", group), 2, 1);
    groupLayout->addWidget(spUndoIntervall, 2, 2);
    groupLayout->addWidget(new QLabel("[Sekunden]", group), 2, 3);
    connect(RUndoMitTimer, &QRadioButton::toggled, spUndoIntervall, &QSpinBox::setEnabled);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(note);
    layout->addWidget(group);
    layout->addStretch();
}

void TFEinst::CreateButtons()
{
    const auto add = [this](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(left, 440, 100, 28);
        return button;
    };
    QPushButton *ok = add("BnOk", "&Ok", 236);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFEinst::BnOkClick);
    connect(add("BnAbbruch", "Abbruch", 346), &QPushButton::clicked, this, &QDialog::reject);
    BnHilfe = add("BnHilfe", "&Hilfe", 456);
    connect(BnHilfe, &QPushButton::clicked, this, [this] {
        ShowNote("Hilfe",
                 "Die Hilfedatei HTML32.HLP gehört nicht zu dieser Ausgabe.\r\nHilfethema: "
                     + QString::number(BnHilfe->property(HelpContextProperty).toInt()));
    });
}

void TFEinst::Fill()
{
    Cancelled = true;
    MainTab->setCurrentIndex(0);
    HelpIndex = 0;
    SetHelpContexts();
    const TSettings &s = Settings();
    for (int i = 0; i < 4; ++i)
        EBrowserPfad[i]->setText(s.Browser[i]);
    ETabBreite->setValue(s.TabBreite);
    CSucheAmAktuellenCursor->setChecked(s.SucheAmAktuellenCursor);
    CBakDatei->setChecked(s.AutoSave);
    CMainFensterMaximal->setChecked(s.MainFensterImmerMaximal);
    CFensterMaximal->setChecked(s.FensterImmerMaximal);
    CImmerSicherheitsabfrage->setChecked(s.ImmerSicherheitsabfrage);
    CInEditMitTabs->setChecked(s.InEditMitTabs);
    if (s.UndoMitKeyUp) {
        RUndoMitTasten->setChecked(true);
    } else {
        RUndoMitTimer->setChecked(true);
        spUndoIntervall->setValue(s.UndoTimerIntervall);
    }
    spUndoIntervall->setEnabled(!s.UndoMitKeyUp);
    RTabellenschrift->setChecked(true);
    ShowChosenFont();
}

void TFEinst::Execute()
{
    Fill();
    TReactivate reactivate(parentWidget());
    exec();
}

void TFEinst::PageChanged(int index)
{
    if (index == 0 || index == 1)
        HelpIndex = index;
    SetHelpContexts();
}

void TFEinst::SetHelpContexts()
{
    const int context = HelpContextBase + 100 * HelpIndex;
    BnHilfe->setProperty(HelpContextProperty, context);
    MainTab->setProperty(HelpContextProperty, context);
}

void TFEinst::ShowChosenFont()
{
    if (RTabellenschrift->isChecked())
        ShowEditorFont(*Preview);
    else
        ShowPrinterFont(*Preview);
}

void TFEinst::BnAendernSchriftClick()
{
    const bool changed = RTabellenschrift->isChecked() ? ChangeEditorFont() : ChangePrinterFont();
    if (changed)
        ShowChosenFont();
}

void TFEinst::BrowseBrowser(QLineEdit *field)
{
    TFileDialogOptions options;
    options.Title = "Datei aussuchen und eintragen";
    options.InitialDir = GetProgramFilesDir();
    options.Filter = ProgramFilter;
    options.MustExist = true;
    options.ExecutableFilter = 1;
    const TFileDialogResult result = Prompter().AskOpenFileNames(options);
    if (result.Accepted())
        field->setText(result.Files.first());
}

void TFEinst::BnOkClick()
{
    Cancelled = false;
    DialogResult = "Okay";
    accept();
}

void TFEinst::done(int result)
{
    if (!Cancelled) {
        CopyToSettings();
        // The frame's bounds are stored with the settings.
        SaveSettings(parentWidget() ? parentWidget()->window()->geometry() : QRect());
    }
    QDialog::done(result);
}

void TFEinst::CopyToSettings()
{
    TSettings &s = Settings();
    s.AutoSave = CBakDatei->isChecked();
    s.InEditMitTabs = CInEditMitTabs->isChecked();
    s.TabBreite = ETabBreite->value();
    s.SucheAmAktuellenCursor = CSucheAmAktuellenCursor->isChecked();
    for (int i = 0; i < 4; ++i)
        s.Browser[i] = EBrowserPfad[i]->text().trimmed();
    s.MainFensterImmerMaximal = CMainFensterMaximal->isChecked();
    s.FensterImmerMaximal = CFensterMaximal->isChecked();
    s.ImmerSicherheitsabfrage = CImmerSicherheitsabfrage->isChecked();
    s.UndoMitKeyUp = RUndoMitTasten->isChecked();
    if (!s.UndoMitKeyUp)
        s.UndoTimerIntervall = spUndoIntervall->value();
}
