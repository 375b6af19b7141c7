#include "FindDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFindDialog::TFindDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FindDialog1");
    setWindowTitle("Suchen");
    setModal(false);
    SearchText = new QLineEdit(this);
    SearchText->setObjectName("EFindText");
    WholeWord = new QCheckBox("Nur ganzes &Wort", this);
    WholeWord->setObjectName("CWholeWord");
    WholeWord->setEnabled(false);
    MatchCase = new QCheckBox("Groß-/&Kleinschreibung", this);
    MatchCase->setObjectName("CMatchCase");
    auto *direction = new QGroupBox("Richtung", this);
    Up = new QRadioButton("Nach &oben", direction);
    Up->setObjectName("RUp");
    Down = new QRadioButton("Nach &unten", direction);
    Down->setObjectName("RDown");
    Down->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(Up);
    directionLayout->addWidget(Down);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *find = buttons->addButton("&Weitersuchen", QDialogButtonBox::AcceptRole);
    find->setObjectName("BnFindNext");
    find->setDefault(true);
    QPushButton *cancel = buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    cancel->setObjectName("BnCancel");
    connect(find, &QPushButton::clicked, this, &TFindDialog::FindRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    // With its buddy the label underlines the "n" and Alt+N reaches the field.
    auto *label = new QLabel("Suchen &nach:", this);
    label->setObjectName("LFindText");
    label->setBuddy(SearchText);
    layout->addWidget(label, 0, 0);
    layout->addWidget(SearchText, 0, 1, 1, 2);
    layout->addWidget(WholeWord, 1, 0, 1, 2);
    layout->addWidget(MatchCase, 2, 0, 1, 2);
    layout->addWidget(direction, 1, 2, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 3);
}

void TFindDialog::FocusSearchText()
{
    SearchText->setFocus();
    SearchText->selectAll();
}

TFindState TFindDialog::State() const
{
    return {SearchText->text(), MatchCase->isChecked(), Down->isChecked()};
}

void TFindDialog::SetState(const TFindState &state)
{
    SearchText->setText(state.SearchText);
    MatchCase->setChecked(state.MatchCase);
    Down->setChecked(state.Down);
    Up->setChecked(!state.Down);
}
