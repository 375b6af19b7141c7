#include "FontColorDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct TNamedColor
{
    const char *Name;
    QRgb Value;
};

const TNamedColor BasicColors[] = {
    {"Schwarz", 0x000000},
    {"Kastanienbraun", 0x800000},
    {"Grün", 0x008000},
    {"Olivgrün", 0x808000},
    {"Marineblau", 0x000080},
    {"Lila", 0x800080},
    {"Blaugrün", 0x008080},
    {"Grau", 0x808080},
    {"Silber", 0xC0C0C0},
    {"Rot", 0xFF0000},
    {"Hellgrün", 0x00FF00},
    {"Gelb", 0xFFFF00},
    {"Blau", 0x0000FF},
    {"Fuchsie", 0xFF00FF},
    {"Aquamarin", 0x00FFFF},
    {"Weiß", 0xFFFFFF},
};

QIcon Swatch(const QColor &color)
{
    QPixmap pixmap(24, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 23, 11);
    return QIcon(pixmap);
}

} // namespace

TFontColorDialog::TFontColorDialog(const TFontChoice &initial, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FontColorDialog");
    setWindowTitle("Schriftart");
    Fonts = new QFontDialog(initial.Font, this);
    Fonts->setObjectName("FontDialog");
    Fonts->setOptions(QFontDialog::NoButtons);
    // Shown as a part of this dialog rather than as a window of its own.
    Fonts->setWindowFlags(Qt::Widget);
    // Escape or Enter inside the font part would close only that part: they close the whole
    // dialog instead.
    connect(Fonts, &QDialog::finished, this, &QDialog::done);
    Colors = new QComboBox(this);
    Colors->setObjectName("CFarbe");
    for (const TNamedColor &entry : BasicColors)
        Colors->addItem(Swatch(QColor(entry.Value)), entry.Name, QColor(entry.Value));
    int index = Colors->findData(QColor(initial.Color.rgb()));
    if (index < 0) {
        Colors->addItem(Swatch(initial.Color), "Benutzerdefiniert", initial.Color);
        index = Colors->count() - 1;
    }
    Colors->setCurrentIndex(index);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *colorRow = new QFormLayout;
    colorRow->addRow("&Farbe:", Colors);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

TFontChoice TFontColorDialog::Choice() const
{
    return {Fonts->currentFont(), Colors->currentData().value<QColor>()};
}
