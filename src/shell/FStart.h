#pragma once

#include <QDialog>
#include <QTimer>

class QPushButton;

// The information dialog ("Startbildschirm"): product name, maker, version, home page and
// contact. It can be closed only once "&Weiter" has appeared, half a second after opening.
class TFStart : public QDialog
{
    Q_OBJECT

public:
    explicit TFStart(QWidget *parent = nullptr);

    bool CanClose() const;
    // Closing is refused while "&Weiter" is hidden.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Timer1Timer();
    QWidget *AddLabel(const QString &text, int top, bool bold = false);

    QPushButton *BnWeiter = nullptr;
    QTimer Timer1;
};

// The product's home page and contact address.
inline const QString HomePageAddress = QStringLiteral("https://www.kalmora.de/html-editor/");
inline const QString ContactAddress = QStringLiteral("info@kalmora.de");
