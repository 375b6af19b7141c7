#pragma once

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The "&Ok" and cancel buttons of a small dialog, side by side at its right edge. "&Ok" is the
// default button, so Enter confirms; the caller connects both buttons.
struct TOkCancelRow
{
    QPushButton *Ok;
    QPushButton *Cancel;
    QHBoxLayout *Row;
};

// Makes the row with "&Ok" named BnOk and the cancel button with the dialog's own caption and
// object name.
TOkCancelRow MakeOkCancelRow(QWidget *dialog,
                             const QString &cancelCaption,
                             const QString &cancelObjectName);
