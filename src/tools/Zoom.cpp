#include "Zoom.h"

#include "OkCancelRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace {

const char *const Caption = "Bild verkleinern oder vergrößern";

QLabel *HeadingLabel(QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(Caption), parent);
    label->setObjectName("LabelUeberschrift");
    QFont font("Arial");
    font.setPixelSize(19);
    label->setFont(font);
    label->setStyleSheet("color: blue;");
    return label;
}

} // namespace

TFZoom::TFZoom(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FZoom");
    setWindowTitle(QString::fromUtf8(Caption));
    spZoomFaktor = new QSpinBox(this);
    spZoomFaktor->setObjectName("spZoomFaktor");
    spZoomFaktor->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spZoomFaktor->setSingleStep(10);
    spZoomFaktor->setValue(100);
    auto *factorLabel = new QLabel("Faktor in Prozent", this);
    factorLabel->setBuddy(spZoomFaktor);

    const TOkCancelRow buttons = MakeOkCancelRow(this, "&Abbrechen", "BnAbbrechen");
    connect(buttons.Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *factorRow = new QHBoxLayout;
    factorRow->addWidget(factorLabel);
    factorRow->addWidget(spZoomFaktor);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(HeadingLabel(this));
    layout->addLayout(factorRow);
    layout->addLayout(buttons.Row);
}

int TFZoom::Factor() const
{
    return spZoomFaktor->value();
}

void TFZoom::SetFactor(int percent)
{
    spZoomFaktor->setValue(percent);
}
