#include "FontPreview.h"

#include "AppSettings.h"

#include <QLabel>

namespace {

QLabel *NewLabel(QWidget *parent, const char *name, const QString &text, QRect bounds)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(name);
    label->setGeometry(bounds);
    return label;
}

} // namespace

TFontPreview::TFontPreview(QWidget *parent, int left, int top)
{
    NewLabel(parent, nullptr, "Fontname:", {left, top, 80, 20});
    LSchriftname = NewLabel(parent, "LSchriftname", {}, {left + 90, top, 300, 20});
    NewLabel(parent, nullptr, "Größe:", {left, top + 26, 80, 20});
    LSchriftgroesse = NewLabel(parent, "LSchriftgroesse", {}, {left + 90, top + 26, 300, 20});
    LSchriftbeispiel = NewLabel(parent,
                                "LSchriftbeispiel",
                                "AaBbCcDdEeFfGgHhIiJjKkLl",
                                {left, top + 56, 400, 60});
    LSchriftbeispiel->setAutoFillBackground(true);
    QPalette palette = LSchriftbeispiel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    LSchriftbeispiel->setPalette(palette);
}

void TFontPreview::Show(const QString &name, int size, bool bold, qint32 bgrColor)
{
    LSchriftname->setText(name);
    LSchriftgroesse->setText(QString::number(size));
    QFont font(name);
    if (size > 0)
        font.setPointSize(size);
    font.setBold(bold);
    LSchriftbeispiel->setFont(font);
    QPalette palette = LSchriftbeispiel->palette();
    palette.setColor(QPalette::WindowText, BgrToColor(bgrColor));
    LSchriftbeispiel->setPalette(palette);
}
