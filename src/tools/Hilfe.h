#pragma once

#include <QMainWindow>
#include <QTimer>

class QTextEdit;

// The reference help window "HTML-Hilfe": one topic file shown as formatted text, with a menu to
// copy from it and to switch to other topics. Several can be open at once; each stays above the
// program's other windows and deletes itself when closed.
class TFHilfe : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFHilfe(QWidget *parent = nullptr);

    // Loads the topic and shows the window when Timer1 fires (100 ms later). When the topic
    // cannot be read the reason is shown, the window stays hidden and false is returned.
    bool ShowTopic(int number);
    // Replaces the text by the topic of the number. When its file cannot be read the reason is
    // shown and the previous text stays.
    bool LoadTopic(int number);

    QTextEdit *Memo1() const { return Memo; }
    // The topic shown now, 0 before the first.
    int Topic() const { return CurrentTopic; }

    QTimer Timer1;

private:
    void CreateMenus();

    QTextEdit *Memo = nullptr;
    int CurrentTopic = 0;
};

// A document window's help command: a new help window for the topic, above the owner's window.
// Returns null (and shows nothing but the reason) when the topic cannot be read.
TFHilfe *OpenHelpWindow(QWidget *owner, int number);
