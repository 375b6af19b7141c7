// Creation of the two kinds of document window.
#include "FHTMLFrame.h"
#include "FMain.h"

TFHTMLFrame *TFMain::CreateDocumentWindow(bool)
{
    return nullptr;
}

void TFMain::OpenDocumentInWindow(TFHTMLFrame *, const QString &, int) {}
