#include "NetworkDriveDialogs.h"

#include "NetworkDrives.h"
#include "Prompter.h"
#include "WaitCursor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *AddField(QFormLayout *form, const char *name, const QString &label)
{
    auto *edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(name);
    form->addRow(label, edit);
    return edit;
}

QPushButton *AddButton(QDialogButtonBox *box,
                       const char *name,
                       const QString &caption,
                       QDialogButtonBox::ButtonRole role)
{
    QPushButton *button = box->addButton(caption, role);
    button->setObjectName(name);
    return button;
}

// A question of the mount tool (an unknown server key, for example) goes to the user.
int ChooseOption(const QString &question, const QStringList &options)
{
    return Prompter().AskChoice("Netzwerklaufwerk verbinden", question, options.mid(0, 4));
}

} // namespace

TFNetzwerkVerbinden::TFNetzwerkVerbinden(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FNetzwerkVerbinden");
    setWindowTitle("Netzwerklaufwerk verbinden");
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel("Adresse der Freigabe, zum Beispiel smb://server/freigabe oder "
                            "sftp://benutzer@server/ordner. Benutzer, Domäne und Passwort nur, "
                            "wenn der Server danach fragt.",
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    EAdresse = AddField(form, "EAdresse", "&Adresse:");
    EBenutzer = AddField(form, "EBenutzer", "&Benutzer:");
    EDomaene = AddField(form, "EDomaene", "&Domäne:");
    EPasswort = AddField(form, "EPasswort", "&Passwort:");
    EPasswort->setEchoMode(QLineEdit::Password);
    CAnonym = new QCheckBox("A&nonym anmelden", this);
    CAnonym->setObjectName("CAnonym");
    form->addRow(QString(), CAnonym);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *connectButton = AddButton(buttons,
                                           "BnVerbinden",
                                           "&Verbinden",
                                           QDialogButtonBox::AcceptRole);
    connectButton->setDefault(true);
    AddButton(buttons, "BnAbbrechen", "Abbrechen", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(connectButton, &QPushButton::clicked, this, &TFNetzwerkVerbinden::ConnectClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(460, sizeHint().height());
}

void TFNetzwerkVerbinden::ConnectClick()
{
    const QString invalid = CheckShareAddress(EAdresse->text());
    if (!invalid.isEmpty()) {
        ShowError("Fehler", invalid);
        EAdresse->setFocus();
        return;
    }
    const TShareLogin login{EAdresse->text(),
                            EBenutzer->text().trimmed(),
                            EDomaene->text().trimmed(),
                            EPasswort->text(),
                            CAnonym->isChecked()};
    TNetworkOutcome outcome;
    {
        TWaitCursor wait;
        outcome = ConnectShare(MountRunner(), login, &ChooseOption);
    }
    if (outcome.Ok) {
        ShowNote("Netzwerklaufwerk verbinden", outcome.Message);
        accept();
    } else if (!outcome.Message.isEmpty()) {
        ShowError("Fehler", outcome.Message);
    }
}

TFNetzwerkTrennen::TFNetzwerkTrennen(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FNetzwerkTrennen");
    setWindowTitle("Netzwerklaufwerk trennen");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Verbundene Netzwerklaufwerke:", this));
    LBLaufwerke = new QListWidget(this);
    LBLaufwerke->setObjectName("LBLaufwerke");
    layout->addWidget(LBLaufwerke);
    LabelHinweis = new QLabel(this);
    LabelHinweis->setObjectName("LabelHinweis");
    LabelHinweis->setWordWrap(true);
    layout->addWidget(LabelHinweis);
    auto *buttons = new QDialogButtonBox(this);
    BnTrennen = AddButton(buttons, "BnTrennen", "&Trennen", QDialogButtonBox::ActionRole);
    AddButton(buttons, "BnSchliessen", "&Schließen", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(BnTrennen, &QPushButton::clicked, this, &TFNetzwerkTrennen::DisconnectClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(LBLaufwerke, &QListWidget::itemDoubleClicked, this, &TFNetzwerkTrennen::DisconnectClick);
    resize(460, 300);
    FillList();
}

void TFNetzwerkTrennen::FillList()
{
    LBLaufwerke->clear();
    TNetworkOutcome listed;
    {
        TWaitCursor wait;
        listed = ListShares(MountRunner());
    }
    if (!listed.Ok)
        LabelHinweis->setText(listed.Message);
    else if (listed.Mounts.isEmpty())
        LabelHinweis->setText("Es ist kein Netzwerklaufwerk verbunden.");
    for (const TNetworkMount &mount : listed.Mounts) {
        auto *item = new QListWidgetItem(mount.Name + "  (" + mount.Address + ")", LBLaufwerke);
        item->setData(Qt::UserRole, mount.Address);
    }
    LBLaufwerke->setCurrentRow(0);
    BnTrennen->setEnabled(!listed.Mounts.isEmpty());
}

void TFNetzwerkTrennen::DisconnectClick()
{
    const QListWidgetItem *item = LBLaufwerke->currentItem();
    if (!item)
        return;
    TNetworkOutcome outcome;
    {
        TWaitCursor wait;
        outcome = DisconnectShare(MountRunner(), item->data(Qt::UserRole).toString());
    }
    if (!outcome.Ok) {
        ShowError("Fehler", outcome.Message);
        return;
    }
    FillList();
    LabelHinweis->setText(outcome.Message);
}
