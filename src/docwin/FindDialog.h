#pragma once

#include "Search.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// The non-modal find dialog of a document window: search text, match case and direction (the
// whole-word option is shown but disabled). "Weitersuchen" hands the state to the window.
class TFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFindDialog(QWidget *parent = nullptr);

    // Puts the keyboard focus into the search field with its text selected.
    void FocusSearchText();
    TFindState State() const;
    void SetState(const TFindState &state);

Q_SIGNALS:
    // The user asked to search with the dialog's settings.
    void FindRequested();

private:
    QLineEdit *SearchText = nullptr;
    QCheckBox *WholeWord = nullptr;
    QCheckBox *MatchCase = nullptr;
    QRadioButton *Up = nullptr;
    QRadioButton *Down = nullptr;
};
