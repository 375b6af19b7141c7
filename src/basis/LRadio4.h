#pragma once

#include <QDialog>

class QGroupBox;
class QRadioButton;

// Choice dialog with four radio buttons in a group box, "&Ok" and "Abbruch". The caller sets
// the captions; "&Ok" stores the number of the checked button and sets DialogResult to "OKAY".
class TFLRadio4 : public QDialog
{
    Q_OBJECT

public:
    explicit TFLRadio4(QWidget *parent = nullptr);

    void SetGroupCaption(const QString &caption);
    void SetChoices(const QStringList &captions);
    // 1..4 after "&Ok"; otherwise what the caller preset.
    int Choice() const { return ChoiceNumber; }
    void SetChoice(int choice) { ChoiceNumber = choice; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OkClick();
    void CancelClick();

    QGroupBox *LGroup = nullptr;
    QRadioButton *RWahl[4] = {};
    int ChoiceNumber = 0;
};
