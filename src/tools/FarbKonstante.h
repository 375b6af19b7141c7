#pragma once

#include <QColor>
#include <QDialog>
#include <QTimer>

class QListWidget;

// A plain area filled with one colour.
class TColorSwatch : public QWidget
{
    Q_OBJECT

public:
    explicit TColorSwatch(QWidget *parent = nullptr);

    QColor Color() const { return FillColor; }
    void SetColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor FillColor = Qt::white;
};

// The named colour picker "Auswahl einer Farbkonstante": a list of sixteen colour names of HTML
// and CSS with a swatch of the selected one. The caller shows it modally and, when Accepted()
// is set, inserts ColorName().
class TFFarbKonstante : public QDialog
{
    Q_OBJECT

public:
    explicit TFFarbKonstante(QWidget *parent = nullptr);

    // Set only by "&Ok".
    bool Accepted() const { return AcceptedFlag; }
    // The name of the selected entry; "white" until another one is chosen.
    QString ColorName() const { return ColorNameValue; }

private:
    QLayout *CreateButtons();
    // Stores the selected entry's name and paints its colour into the swatch at once.
    void ListBox1Click();
    void Timer1Timer();
    void OkClick();

    QListWidget *ListBox1 = nullptr;
    TColorSwatch *PaintBoxHTMLColor = nullptr;
    QTimer Timer1;
    QString ColorNameValue;
    bool AcceptedFlag = false;
};
