#include "QtToolDialogs.h"

#include "FarbKonstante.h"
#include "Tabelle.h"

#include <QApplication>
#include <QProgressDialog>

namespace {

// A modal box with a busy bar and the wait cursor. The work that follows blocks the event
// loop, so the box is painted before it starts.
class TQtBusyNote : public TBusyNote
{
public:
    TQtBusyNote(QWidget *parent, const QString &text)
        : Box(text, QString(), 0, 0, parent)
    {
        Box.setObjectName("BusyNote");
        Box.setWindowTitle("Bitte warten");
        Box.setWindowModality(Qt::ApplicationModal);
        Box.setMinimumDuration(0);
        Box.setCancelButton(nullptr);
        Box.setValue(0);
        Box.show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~TQtBusyNote() override { QApplication::restoreOverrideCursor(); }

private:
    QProgressDialog Box;
};

} // namespace

std::optional<TTableOptions> TQtToolDialogs::AskTableOptions()
{
    TFTabelle dialog(Parent);
    dialog.exec();
    if (!dialog.Accepted())
        return std::nullopt;
    return dialog.Options();
}

std::optional<QString> TQtToolDialogs::AskColorName()
{
    TFFarbKonstante dialog(Parent);
    dialog.exec();
    if (!dialog.Accepted())
        return std::nullopt;
    return dialog.ColorName();
}

std::unique_ptr<TBusyNote> TQtToolDialogs::ShowBusy(const QString &text)
{
    return std::make_unique<TQtBusyNote>(Parent, text);
}
