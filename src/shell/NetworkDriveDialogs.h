#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Netzwerklaufwerk verbinden": the address of a share and the login, connected with the mount
// tool when the user presses "Verbinden". A failure is shown and the dialog stays open for
// another try; success is shown and closes it.
class TFNetzwerkVerbinden : public QDialog
{
    Q_OBJECT

public:
    explicit TFNetzwerkVerbinden(QWidget *parent = nullptr);

private:
    void ConnectClick();

    QLineEdit *EAdresse = nullptr;
    QLineEdit *EBenutzer = nullptr;
    QLineEdit *EDomaene = nullptr;
    QLineEdit *EPasswort = nullptr;
    QCheckBox *CAnonym = nullptr;
};

// "Netzwerklaufwerk trennen": the network shares mounted now; "Trennen" unmounts the chosen one.
class TFNetzwerkTrennen : public QDialog
{
    Q_OBJECT

public:
    explicit TFNetzwerkTrennen(QWidget *parent = nullptr);

private:
    void FillList();
    void DisconnectClick();

    QListWidget *LBLaufwerke = nullptr;
    QLabel *LabelHinweis = nullptr;
    QPushButton *BnTrennen = nullptr;
};
