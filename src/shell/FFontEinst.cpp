#include "FFontEinst.h"

#include "Globals.h"
#include "Reactivate.h"
#include "SettingsFonts.h"
#include "SettingsStore.h"

#include <QPushButton>

TFFontEinst::TFFontEinst(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , Preview(this, 16, 16)
{
    setObjectName("FFontEinst");
    setWindowTitle("Einstellungen");
    setFixedSize(472, 284);
    const auto add = [this](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(left, 240, 100, 28);
        return button;
    };
    QPushButton *ok = add("BnOk", "&Ok", 140);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFFontEinst::BnOkClick);
    connect(add("BnAbbruch", "Abbruch", 250), &QPushButton::clicked, this, &QDialog::reject);
    connect(add("BnAendern", "&Ändern", 360), &QPushButton::clicked, this, [this] {
        if (ChangeEditorFont())
            ShowEditorFont(Preview);
    });
}

void TFFontEinst::Execute()
{
    ShowEditorFont(Preview);
    Cancelled = true;
    TReactivate reactivate(parentWidget());
    exec();
}

void TFFontEinst::BnOkClick()
{
    Cancelled = false;
    DialogResult = "Okay";
    accept();
}

void TFFontEinst::done(int result)
{
    if (!Cancelled)
        // The frame's bounds are stored with the settings.
        SaveSettings(parentWidget() ? parentWidget()->window()->geometry() : QRect());
    QDialog::done(result);
}
