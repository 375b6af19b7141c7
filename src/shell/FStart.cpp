#include "FStart.h"

#include "ShellOpen.h"
#include "ToolbarGlyphs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 339;
constexpr int ClientHeight = 466;

} // namespace

TFStart::TFStart(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("FStart");
    setWindowTitle("Startbildschirm");
    setFixedSize(ClientWidth, ClientHeight);
    auto *picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(ToolbarGlyph(TGlyph::New).pixmap(96, 96));
    picture->setGeometry((ClientWidth - 96) / 2, 20, 96, 96);
    AddLabel("HTML-Editor", 140, true);
    AddLabel("Quelltext-Editor für HTML, XHTML, PHP und CSS", 175);
    AddLabel("KALMORA", 205);
    AddLabel("Version " + QString(HTML_EDITOR_VERSION), 235);
    auto *web = static_cast<QLabel *>(AddLabel("<a href=\"web\">" + HomePageAddress + "</a>", 290));
    web->setObjectName("LabelHomePage");
    connect(web, &QLabel::linkActivated, this, [] {
        ShellOpen(HomePageAddress, QString(), QString());
    });
    auto *mail = static_cast<QLabel *>(AddLabel("<a href=\"mail\">" + ContactAddress + "</a>", 320));
    mail->setObjectName("LabelMail");
    connect(mail, &QLabel::linkActivated, this, [] {
        ShellOpen("mailto:" + ContactAddress, QString(), QString());
    });

    BnWeiter = new QPushButton("&Weiter", this);
    BnWeiter->setObjectName("BnWeiter");
    BnWeiter->setDefault(true);
    BnWeiter->setGeometry((ClientWidth - 90) / 2, ClientHeight - 50, 90, 28);
    BnWeiter->hide();
    connect(BnWeiter, &QPushButton::clicked, this, &QDialog::accept);
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(500);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TFStart::Timer1Timer);
    Timer1.start();
}

QWidget *TFStart::AddLabel(const QString &text, int top, bool bold)
{
    auto *label = new QLabel(text, this);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 6);
        label->setFont(font);
    }
    label->adjustSize();
    // Every text stands centred across the dialog.
    label->move((ClientWidth - label->width()) / 2, top);
    if (text.startsWith("<a "))
        label->setCursor(Qt::PointingHandCursor);
    return label;
}

void TFStart::Timer1Timer()
{
    Timer1.stop();
    BnWeiter->show();
    BnWeiter->setFocus();
}

bool TFStart::CanClose() const
{
    return !BnWeiter->isHidden();
}

void TFStart::closeEvent(QCloseEvent *event)
{
    if (CanClose())
        event->accept();
    else
        event->ignore();
}

void TFStart::keyPressEvent(QKeyEvent *event)
{
    // Escape and Enter do nothing until "&Weiter" is there.
    if (!CanClose()
        && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return
            || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFStart::done(int result)
{
    if (CanClose())
        QDialog::done(result);
}
