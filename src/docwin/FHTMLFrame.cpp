#include "FHTMLFrame.h"

#include <QCloseEvent>

TFHTMLFrame::TFHTMLFrame(QWidget *parent)
    : QWidget(parent)
{}

void TFHTMLFrame::CloseWithoutQuery()
{
    QueryDone = true;
    QWidget *window = parentWidget() ? parentWidget() : this;
    window->close();
    QueryDone = false;
}

void TFHTMLFrame::closeEvent(QCloseEvent *event)
{
    if (QueryDone || CloseQuery())
        event->accept();
    else
        event->ignore();
}
