#pragma once

#include <QDialog>

class QSpinBox;

// "Bild verkleinern oder vergrößern": asks the factor in percent by which a picture is resized.
class TFZoom : public QDialog
{
    Q_OBJECT

public:
    explicit TFZoom(QWidget *parent = nullptr);

    // The factor in percent (100 at start, steps of 10, no bounds of its own).
    int Factor() const;
    void SetFactor(int percent);

private:
    QSpinBox *spZoomFaktor = nullptr;
};
