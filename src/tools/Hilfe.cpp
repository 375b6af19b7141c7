#include "Hilfe.h"

#include "HelpTopics.h"
#include "MenuBuilder.h"
#include "ProgramPaths.h"
#include "Prompter.h"
#include "RtfTextDocument.h"

#include <QMenuBar>
#include <QTextEdit>

TFHilfe::TFHilfe(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName("FHilfe");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("HTML-Hilfe");
    resize(400, 400);
    Memo = new QTextEdit(this);
    Memo->setObjectName("Memo1");
    // Typing changes only what is shown; the topic file is never written.
    Memo->setAcceptRichText(true);
    Memo->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(Memo);
    Timer1.setParent(this);
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(100);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1.stop();
        show();
        raise();
        activateWindow();
    });
    CreateMenus();
}

void TFHilfe::CreateMenus()
{
    QMenu *file = CreateMenu(this, "MnDatei", "&Datei", QString(), 0, 1);
    AddMenuItems(file, {{"MnBeenden", "&Beenden", "", "", 0, [this] { close(); }}});
    QMenu *edit = CreateMenu(this, "MnBearbeiten", "&Bearbeiten", QString(), 0, 2);
    AddMenuItems(edit,
                 {{"MnKopieren", "&Kopieren", "Ctrl+C", "", 0, [this] { Memo->copy(); }},
                  {"MnAllesMarkieren", "Alles &markieren", "Ctrl+A", "", 0, [this] {
                       Memo->selectAll();
                   }}});
    QMenu *info = CreateMenu(this, "MnHTMLInfo", "HTML-Info", QString(), 0, 3);
    std::vector<TMenuItem> topics;
    // Style sheets and forms have no item here.
    for (const THelpTopic &topic : HelpTopics().first(7)) {
        const int number = topic.Number;
        topics.push_back(
            {topic.ItemName, topic.Caption, "", "", 0, [this, number] { LoadTopic(number); }});
    }
    AddMenuItems(info, topics);
    for (QMenu *menu : {file, edit, info})
        menuBar()->addMenu(menu);
}

bool TFHilfe::LoadTopic(int number)
{
    const THelpTopicText topic = ReadHelpTopic(number, ProgramDirectory);
    if (!topic.Ok) {
        ShowError("Fehler", topic.Error);
        return false;
    }
    FillTextDocument(*Memo->document(), topic.Document);
    Memo->moveCursor(QTextCursor::Start);
    CurrentTopic = number;
    return true;
}

bool TFHilfe::ShowTopic(int number)
{
    if (!LoadTopic(number))
        return false;
    Timer1.start();
    return true;
}

TFHilfe *OpenHelpWindow(QWidget *owner, int number)
{
    auto *window = new TFHilfe(owner ? owner->window() : nullptr);
    if (window->ShowTopic(number))
        return window;
    delete window;
    return nullptr;
}
