#include "MemoDrucken.h"

#include "AppSettings.h"
#include "PrintDocument.h"
#include "PrintSettings.h"
#include "Prompter.h"
#include "Reactivate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int ClientWidth = 534;
constexpr int DesignedHeight = 447;

const QStringList LineSpacings = {"einzeilig",
                                  "1.1 zeilig",
                                  "1.2 zeilig",
                                  "1.3 zeilig",
                                  "1.4 zeilig",
                                  "1.5 zeilig",
                                  "zweizeilig"};

const QStringList HeadAttributes = {"normal",
                                    "Fett",
                                    "Kursiv",
                                    "Unterstrichen",
                                    "Fett/Unterstrichen",
                                    "Fett/Kursiv",
                                    "Kursiv/Unterstrichen"};

QCheckBox *NewCheckBox(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox *NewGroup(QWidget *parent, const char *name, const QString &caption, QRect bounds)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(bounds);
    return group;
}

void SetTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

TFMemoDrucken::TFMemoDrucken(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("FMemoDrucken");
    setWindowTitle("Druckerkonfiguration");
    setFixedSize(ClientWidth, DesignedHeight);
    CreateFileGroup();
    CreateMarginGroup();
    CreateLineGroup();
    CreateFontLine();
    CreateButtons();
    CreateTableGroup();
}

void TFMemoDrucken::CreateFileGroup()
{
    QGroupBox *group = NewGroup(this, "GDatei", "Zu druckende &Datei", {8, 8, 410, 70});
    LDatei = new QLabel(group);
    LDatei->setObjectName("LDatei");
    LDatei->setGeometry(12, 22, 386, 18);
    CBlockDrucken = NewCheckBox(group, "CBlockDrucken", "&markierten Block drucken");
    CBlockDrucken->setGeometry(12, 44, 386, 20);
}

QSpinBox *TFMemoDrucken::AddSpinEdit(QWidget *parent,
                                     const char *name,
                                     const QString &label,
                                     int row)
{
    auto *layout = static_cast<QGridLayout *>(parent->layout());
    layout->addWidget(new QLabel(label, parent), row, 0);
    auto *edit = new QSpinBox(parent);
    edit->setObjectName(name);
    layout->addWidget(edit, row, 1);
    return edit;
}

void TFMemoDrucken::CreateMarginGroup()
{
    QGroupBox *group = NewGroup(this, "GRaender", "&Ränder [mm]", {8, 86, 184, 146});
    new QGridLayout(group);
    ELinkerRand = AddSpinEdit(group, "ELinkerRand", "Linker Rand", 0);
    ERechterRand = AddSpinEdit(group, "ERechterRand", "Rechter Rand", 1);
    EObererRand = AddSpinEdit(group, "EObererRand", "Oberer Rand", 2);
    EUntererRand = AddSpinEdit(group, "EUntererRand", "Unterer Rand", 3);
    for (QSpinBox *edit : {ELinkerRand, ERechterRand, EObererRand, EUntererRand})
        edit->setRange(1, 100);
}

void TFMemoDrucken::CreateLineGroup()
{
    QGroupBox *group = NewGroup(this, "GroupBox1", "&Zeilen-Optionen", {198, 86, 220, 146});
    auto *layout = new QGridLayout(group);
    layout->setContentsMargins(8, 8, 8, 8);
    auto *label = new QLabel("Zeilena&bstand", group);
    CZeilenabstand = new QComboBox(group);
    CZeilenabstand->setObjectName("CZeilenabstand");
    label->setBuddy(CZeilenabstand);
    CHeadProSeite = NewCheckBox(group, "CHeadProSeite", "Überschrift / Seiten&nummern");
    layout->addWidget(label, 0, 0);
    layout->addWidget(CZeilenabstand, 1, 0);
    layout->addWidget(CHeadProSeite, 2, 0);
    layout->setRowStretch(3, 1);
}

void TFMemoDrucken::CreateFontLine()
{
    auto *label = new QLabel("Schrift", this);
    label->setObjectName("Label7");
    label->setGeometry(8, 244, 50, 18);
    LDruckerschrift = new QLabel(this);
    LDruckerschrift->setObjectName("LDruckerschrift");
    LDruckerschrift->setGeometry(62, 244, ClientWidth - 70, 18);
}

void TFMemoDrucken::CreateButtons()
{
    const auto add = [this](const char *name, const QString &caption, int top) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(428, top, 98, 28);
        return button;
    };
    QPushButton *ok = add("BnOkay", "&Ok", 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFMemoDrucken::BnOkayClick);
    connect(add("BnAbbruch", "Abbruch", 48), &QPushButton::clicked, this, &QDialog::reject);
    // The help button has no action.
    add("BnHilfe", "&Hilfe", 82);
    connect(add("BnDruckerEinrichten", "&Druckertyp", 160), &QPushButton::clicked, this, [this] {
        PrinterSetupDialog(this);
    });
    connect(add("BnFont", "&Font ändern", 194), &QPushButton::clicked, this, [this] {
        BnFontClick();
    });
}

void TFMemoDrucken::CreateTableGroup()
{
    GTabelle = NewGroup(this, "GTabelle", "&Tabelle", {8, 272, 518, 132});
    auto *layout = new QGridLayout(GTabelle);
    auto *maxWidth = AddSpinEdit(GTabelle,
                                 "EMaxBreiteInProzent",
                                 "Max. Breite einer Spalte [%] ",
                                 0);
    maxWidth->setRange(15, 100);
    maxWidth->setSingleStep(5);
    maxWidth->setValue(100);
    EBreiteZwischenDenSpalten = AddSpinEdit(GTabelle, "EBreiteZwischenDenSpalten", QString(), 1);
    EBreiteZwischenDenSpalten->setRange(1, 100);
    EBreiteZwischenDenSpalten->setToolTip("Breite zwischen den Spalten in mm.");
    Label6 = static_cast<QLabel *>(layout->itemAtPosition(1, 0)->widget());
    Label6->setObjectName("Label6");
    Label6->setText("Breite zw. den Spalten [mm]");
    auto *headLabel = new QLabel("Sp-Überschrift", GTabelle);
    CHeadAttribute = new QComboBox(GTabelle);
    CHeadAttribute->setObjectName("CHeadAttribute");
    layout->addWidget(headLabel, 2, 0);
    layout->addWidget(CHeadAttribute, 2, 1);
    CErgebnisMitNeuerSeite = NewCheckBox(GTabelle,
                                         "CErgebnisMitNeuerSeite",
                                         "Ergebnis mit neuer Seite");
    CDruckenMitErgebnis = NewCheckBox(GTabelle, "CDruckenMitErgebnis", "Drucken mit Ergebnis");
    CLeerzeileNachSpaltenUeberschrift = NewCheckBox(GTabelle,
                                                    "CLeerzeileNachSpaltenUeberschrift",
                                                    "Leerzeile nach Überschrift");
    auto *spread = NewCheckBox(GTabelle,
                               "CSpaltenGleichmaessigAufteilen",
                               "Spalten gleichmäßig aufteilen");
    connect(spread, &QCheckBox::toggled, this, &TFMemoDrucken::SpreadColumnsToggled);
    auto *lines = NewCheckBox(GTabelle, "CLinienSenkrecht", "Linien senkrecht");
    CKommentarInhaltZusammen = NewCheckBox(GTabelle,
                                           "CKommentarInhaltZusammen",
                                           "Kommentar + Inhalt Zusammen");
    const QList<QCheckBox *> boxes = {CErgebnisMitNeuerSeite,
                                      CDruckenMitErgebnis,
                                      CLeerzeileNachSpaltenUeberschrift,
                                      spread,
                                      lines,
                                      CKommentarInhaltZusammen};
    for (int i = 0; i < boxes.size(); ++i)
        layout->addWidget(boxes[i], i % 3, 2 + i / 3);
}

void TFMemoDrucken::SpreadColumnsToggled(bool checked)
{
    Label6->setText(checked ? "Mindestbreite zw. d. Sp." : "Breite zw. den Spalten");
}

void TFMemoDrucken::Fill(const QString &fileDisplayName,
                         bool blockPossible,
                         bool commentFlag,
                         bool resultFlags,
                         bool showTable)
{
    const TPrintSettings &s = PrintSettings();
    LDatei->setText(fileDisplayName);
    CZeilenabstand->clear();
    CZeilenabstand->addItems(LineSpacings);
    CZeilenabstand->setCurrentIndex(0);
    CHeadAttribute->clear();
    CHeadAttribute->addItems(HeadAttributes);
    CHeadAttribute->setCurrentIndex(s.Attribut - 1);
    CKommentarInhaltZusammen->setEnabled(commentFlag);
    CKommentarInhaltZusammen->setChecked(commentFlag);
    ShowFontLabel();
    CLeerzeileNachSpaltenUeberschrift->setChecked(s.LeerzeileNachSpaltenUeberschrift);
    ELinkerRand->setValue(s.LinkerRandMM);
    ERechterRand->setValue(s.RechterRandMM);
    EObererRand->setValue(s.ObererRandMM);
    EUntererRand->setValue(s.UntererRandMM);
    EBreiteZwischenDenSpalten->setValue(s.TrennRandMM);
    CHeadProSeite->setChecked(s.HeadProSeite);
    CBlockDrucken->setEnabled(blockPossible);
    CBlockDrucken->setChecked(blockPossible);
    SetTextColor(CBlockDrucken, blockPossible ? QColor(Qt::red) : QColor(Qt::black));
    if (showTable) {
        setFixedHeight(GTabelle->geometry().bottom() + 1 + 40);
        GTabelle->show();
        CErgebnisMitNeuerSeite->setEnabled(resultFlags);
        CDruckenMitErgebnis->setEnabled(resultFlags);
    } else {
        setFixedHeight(LDruckerschrift->geometry().bottom() + 1 + 30);
        GTabelle->hide();
    }
    Result.clear();
}

void TFMemoDrucken::ShowPrintDialog(const QString &fileDisplayName,
                                    bool blockPossible,
                                    bool commentFlag,
                                    bool resultFlags,
                                    bool showTable)
{
    Fill(fileDisplayName, blockPossible, commentFlag, resultFlags, showTable);
    TReactivate reactivate(parentWidget());
    exec();
}

bool TFMemoDrucken::BlockChecked() const
{
    return CBlockDrucken->isChecked();
}

bool TFMemoDrucken::HeadingChecked() const
{
    return CHeadProSeite->isChecked();
}

void TFMemoDrucken::ShowFontLabel()
{
    const TPrintFont &font = PrintSettings().DruckerSchrift;
    LDruckerschrift->setText(font.Name + " (" + QString::number(font.Size) + " pg)");
    SetTextColor(LDruckerschrift, BgrToColor(font.Color));
}

void TFMemoDrucken::BnOkayClick()
{
    TPrintSettings &s = PrintSettings();
    Result = "Okay";
    s.LinkerRandMM = ELinkerRand->value();
    s.RechterRandMM = ERechterRand->value();
    s.ObererRandMM = EObererRand->value();
    s.UntererRandMM = EUntererRand->value();
    s.TrennRandMM = EBreiteZwischenDenSpalten->value();
    s.HeadProSeite = CHeadProSeite->isChecked();
    s.Zeilenabstand = CZeilenabstand->currentIndex() + 1;
    s.Attribut = CHeadAttribute->currentIndex() + 1;
    s.LeerzeileNachSpaltenUeberschrift = CLeerzeileNachSpaltenUeberschrift->isChecked();
    SavePrintSettings();
    accept();
}

void TFMemoDrucken::BnFontClick()
{
    TPrintFont &font = PrintSettings().DruckerSchrift;
    const std::optional<TFontChoice> chosen = Prompter().AskFont(PrinterFontChoice(font));
    if (!chosen)
        return;
    SavePrintSettings();
    TakeFontChoice(*chosen, font);
    ShowFontLabel();
}
