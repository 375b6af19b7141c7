#include "LRadio4.h"

#include "Globals.h"
#include "OkCancelRow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFLRadio4::TFLRadio4(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("TFLRadio4");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(462, 220);

    LGroup = new QGroupBox(this);
    LGroup->setObjectName("LGroup");
    auto *groupLayout = new QVBoxLayout(LGroup);
    for (int i = 0; i < 4; ++i) {
        RWahl[i] = new QRadioButton(LGroup);
        RWahl[i]->setObjectName(QString("RWahl%1").arg(i + 1));
        groupLayout->addWidget(RWahl[i]);
    }
    RWahl[0]->setChecked(true);

    const TOkCancelRow buttons = MakeOkCancelRow(this, "Abbruch", "BnAbbruch");
    connect(buttons.Ok, &QPushButton::clicked, this, &TFLRadio4::OkClick);
    connect(buttons.Cancel, &QPushButton::clicked, this, &TFLRadio4::CancelClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LGroup);
    layout->addLayout(buttons.Row);
}

void TFLRadio4::SetGroupCaption(const QString &caption)
{
    LGroup->setTitle(caption);
}

void TFLRadio4::SetChoices(const QStringList &captions)
{
    for (int i = 0; i < 4; ++i) {
        RWahl[i]->setText(captions.value(i));
        RWahl[i]->setVisible(i < captions.size());
    }
}

void TFLRadio4::showEvent(QShowEvent *event)
{
    DialogResult.clear();
    QDialog::showEvent(event);
}

void TFLRadio4::OkClick()
{
    DialogResult = "OKAY";
    for (int i = 0; i < 4; ++i) {
        if (RWahl[i]->isChecked())
            ChoiceNumber = i + 1;
    }
    accept();
}

void TFLRadio4::CancelClick()
{
    DialogResult.clear();
    reject();
}
