#include "FarbKonstante.h"

#include "NamedColors.h"
#include "OkCancelRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TColorSwatch::TColorSwatch(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TColorSwatch::SetColor(const QColor &color)
{
    FillColor = color;
    repaint();
}

void TColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), FillColor);
}

TFFarbKonstante::TFFarbKonstante(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("TFFarbKonstante");
    setWindowTitle("Auswahl einer Farbkonstante");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    for (const TNamedColor &color : PickerColors())
        ListBox1->addItem(color.Name);
    // All sixteen names at once, without scrolling.
    ListBox1->setMinimumHeight(ListBox1->sizeHintForRow(0) * ListBox1->count()
                               + 2 * ListBox1->frameWidth());
    PaintBoxHTMLColor = new TColorSwatch(this);
    PaintBoxHTMLColor->setObjectName("PaintBoxHTMLColor");
    PaintBoxHTMLColor->setFixedSize(200, 50);

    auto *label = new QLabel("Farbe", this);
    label->setObjectName("LabelFarbe");
    label->setBuddy(ListBox1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ListBox1);
    layout->addWidget(PaintBoxHTMLColor, 0, Qt::AlignHCenter);
    layout->addLayout(CreateButtons());

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFFarbKonstante::ListBox1Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TFFarbKonstante::ListBox1Click);
    ListBox1->setCurrentRow(0);
    ListBox1Click();
    // Paints the first entry's swatch again once the dialog is on the screen.
    Timer1.setParent(this);
    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &TFFarbKonstante::Timer1Timer);
    Timer1.start();
    setFixedSize(sizeHint());
}

QLayout *TFFarbKonstante::CreateButtons()
{
    const TOkCancelRow buttons = MakeOkCancelRow(this, "&Abbruch", "BnEsc");
    connect(buttons.Ok, &QPushButton::clicked, this, &TFFarbKonstante::OkClick);
    connect(buttons.Cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons.Row;
}

void TFFarbKonstante::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    const auto colors = PickerColors();
    if (row < 0 || row >= int(colors.size()))
        return;
    ColorNameValue = colors[row].Name;
    PaintBoxHTMLColor->SetColor(QColor::fromRgb(colors[row].Swatch));
}

void TFFarbKonstante::Timer1Timer()
{
    Timer1.stop();
    ListBox1Click();
}

void TFFarbKonstante::OkClick()
{
    AcceptedFlag = true;
    accept();
}
