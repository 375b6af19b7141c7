#include "Tabelle.h"

#include "OkCancelRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The value a spin field stands for: its text as typed, the lower bound for a text that is no
// number.
int TypedValue(const QSpinBox *field)
{
    bool ok = false;
    const int value = field->cleanText().trimmed().toInt(&ok);
    return ok ? value : field->minimum();
}

} // namespace

TFTabelle::TFTabelle(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("TFTabelle");
    setWindowTitle("Erzeugen einer Tabelle");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    layout->addLayout(fields);
    SpAnzRow = AddSpinField("SpAnzRow", "Anzahl der Zeilen", {1, 1000}, 5);
    SpAnzCol = AddSpinField("SpAnzCol", "Anzahl der Spalten", {1, 1000}, 5);
    SpBorderWidth = AddSpinField("SpBorderWidth", "Rahmendicke", {0, 20}, 1);
    for (QSpinBox *field : {SpAnzRow, SpAnzCol, SpBorderWidth})
        fields->addRow(field->accessibleName(), field);

    layout->addLayout(CreateCheckBoxes());

    cbCellFrame = new QComboBox(this);
    cbCellFrame->setObjectName("cbCellFrame");
    cbCellFrame->addItems(CellFrameItems());
    cbCellFrame->setCurrentIndex(-1);
    auto *frameRow = new QFormLayout;
    frameRow->addRow("Cell-Frame", cbCellFrame);
    layout->addLayout(frameRow);
    layout->addLayout(CreateButtons());
    setFixedSize(sizeHint());
}

QSpinBox *TFTabelle::AddSpinField(const char *name,
                                  const QString &caption,
                                  std::pair<int, int> range,
                                  int value)
{
    auto *field = new QSpinBox(this);
    field->setObjectName(name);
    field->setAccessibleName(caption);
    field->setRange(range.first, range.second);
    // Leaving the field puts a typed value that lies outside the range onto its nearest bound.
    field->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    field->setValue(value);
    return field;
}

QCheckBox *TFTabelle::AddCheckBox(const char *name, const QString &caption, bool blue, bool checked)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setChecked(checked);
    if (blue) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        box->setPalette(palette);
    }
    return box;
}

QLayout *TFTabelle::CreateCheckBoxes()
{
    cHeaderInFirstRow = AddCheckBox("cHeaderInFirstRow", "Header in erster Zeile", true, false);
    cHeaderInFirstCol = AddCheckBox("cHeaderInFirstCol", "Header in erster Spalte", true, false);
    cTHead = AddCheckBox("cTHead", "THead", false, false);
    cTFoot = AddCheckBox("cTFoot", "TFoot", false, false);
    cBody = AddCheckBox("cBody", "TBody", false, false);
    chkMitColGroup = AddCheckBox("chkMitColGroup", "mit ColGroup", true, true);
    cbCellSpacing_Cellpadding = AddCheckBox("cbCellSpacing_Cellpadding",
                                            "CellSpacing / Cellpadding",
                                            false,
                                            false);
    auto *boxes = new QGridLayout;
    QCheckBox *const order[] = {cHeaderInFirstRow,
                                cTHead,
                                cHeaderInFirstCol,
                                cTFoot,
                                chkMitColGroup,
                                cBody,
                                cbCellSpacing_Cellpadding};
    for (int i = 0; i < int(std::size(order)); ++i)
        boxes->addWidget(order[i], i / 2, i % 2);
    return boxes;
}

QLayout *TFTabelle::CreateButtons()
{
    const TOkCancelRow buttons = MakeOkCancelRow(this, "Abbruch", "BnESC");
    connect(buttons.Ok, &QPushButton::clicked, this, &TFTabelle::OkClick);
    connect(buttons.Cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons.Row;
}

TTableOptions TFTabelle::Options() const
{
    TTableOptions options;
    options.Rows = TypedValue(SpAnzRow);
    options.Cols = TypedValue(SpAnzCol);
    options.BorderWidth = TypedValue(SpBorderWidth);
    options.HeaderInFirstRow = cHeaderInFirstRow->isChecked();
    options.HeaderInFirstCol = cHeaderInFirstCol->isChecked();
    options.THead = cTHead->isChecked();
    options.TFoot = cTFoot->isChecked();
    options.TBody = cBody->isChecked();
    options.ColGroup = chkMitColGroup->isChecked();
    options.CellSpacing = cbCellSpacing_Cellpadding->isChecked();
    options.FrameItem = cbCellFrame->currentIndex();
    return options;
}

void TFTabelle::showEvent(QShowEvent *event)
{
    // Centred on the desktop, whatever window opened it.
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TFTabelle::OkClick()
{
    AcceptedFlag = true;
    accept();
}
