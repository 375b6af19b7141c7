// Creation of the two kinds of document window, and the commands the frame offers them.
#include "FEinst.h"
#include "FFontEinst.h"
#include "FMain.h"
#include "FStart.h"
#include "Globals.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "WindowLayout.h"

#include <QMdiArea>
#include <QMdiSubWindow>

TFHTMLFrame *TFMain::CreateDocumentWindow(bool html)
{
    TFHTMLFrame *window = html ? static_cast<TFHTMLFrame *>(new TFMDITagra2) : new TFMDI_CSS2;
    const QRect place = CascadePlace(static_cast<int>(Area->subWindowList().size()),
                                     Area->viewport()->width(),
                                     Area->viewport()->height());
    QMdiSubWindow *sub = Area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setGeometry(place);
    return window;
}

bool TFMain::OpenDocumentInWindow(TFHTMLFrame *window, const QString &fileName, TOpenMode openMode)
{
    using M = TOpenMode;
    if (auto *html = qobject_cast<TFMDITagra2 *>(window))
        return html->OpenDocument(fileName,
                                  openMode == M::XhtmlWithCss || openMode == M::Xhtml,
                                  openMode == M::XhtmlWithCss,
                                  openMode == M::Php);
    if (auto *css = qobject_cast<TFMDI_CSS2 *>(window))
        return css->OpenDocument(fileName, openMode == M::Companion);
    return false;
}

void TFMain::ApplyEditorFontToAll()
{
    for (TFHTMLFrame *window : DocumentWindows())
        window->ApplyEditorFont();
}

void TFMain::FontCommand()
{
    DialogResult.clear();
    TFFontEinst dialog(this);
    dialog.Execute();
    if (!DialogResult.isEmpty())
        ApplyEditorFontToAll();
}

void TFMain::SettingsCommand()
{
    DialogResult.clear();
    TFEinst dialog(this);
    dialog.Execute();
    if (DialogResult.isEmpty())
        return;
    ApplyEditorFontToAll();
    for (TFHTMLFrame *window : DocumentWindows())
        window->ApplyUndoTimer();
}

void TFMain::ProductInfoCommand()
{
    TFStart dialog(this);
    dialog.exec();
}
