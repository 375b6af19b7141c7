#pragma once

#include "TableMarkup.h"

#include <QDialog>

#include <utility>

class QCheckBox;
class QComboBox;
class QLayout;
class QSpinBox;

// The table wizard "Erzeugen einer Tabelle": asks for the shape of a table. The caller shows it
// modally and, when Accepted() is set, reads Options() and writes the markup.
class TFTabelle : public QDialog
{
    Q_OBJECT

public:
    explicit TFTabelle(QWidget *parent = nullptr);

    // Set only by "&Ok".
    bool Accepted() const { return AcceptedFlag; }
    // The shape as the controls hold it. A spin field's text that is no number counts as its
    // lower bound; a typed number that the field has not corrected yet counts as typed.
    TTableOptions Options() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSpinBox *AddSpinField(const char *name,
                           const QString &caption,
                           std::pair<int, int> range,
                           int value);
    QCheckBox *AddCheckBox(const char *name, const QString &caption, bool blue, bool checked);
    QLayout *CreateCheckBoxes();
    QLayout *CreateButtons();
    void OkClick();

    QSpinBox *SpAnzRow = nullptr;
    QSpinBox *SpAnzCol = nullptr;
    QSpinBox *SpBorderWidth = nullptr;
    QCheckBox *cHeaderInFirstRow = nullptr;
    QCheckBox *cHeaderInFirstCol = nullptr;
    QCheckBox *cTHead = nullptr;
    QCheckBox *cTFoot = nullptr;
    QCheckBox *cBody = nullptr;
    QCheckBox *chkMitColGroup = nullptr;
    QCheckBox *cbCellSpacing_Cellpadding = nullptr;
    QComboBox *cbCellFrame = nullptr;
    bool AcceptedFlag = false;
};
