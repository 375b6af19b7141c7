#include "QtToolDialogs.h"

#include "Coords.h"
#include "FarbKonstante.h"
#include "Hilfe.h"
#include "Prompter.h"
#include "Reactivate.h"
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

// The one file chosen in an open dialog, nothing when it was cancelled.
std::optional<QString> AskOneFile(const TFileDialogOptions &options)
{
    const TFileDialogResult chosen = Prompter().AskOpenFileNames(options);
    if (!chosen.Accepted())
        return std::nullopt;
    return chosen.Files.first();
}

} // namespace

std::optional<TTableOptions> TQtToolDialogs::AskTableOptions()
{
    TReactivate reactivate(Parent);
    TFTabelle dialog(Parent);
    dialog.exec();
    if (!dialog.Accepted())
        return std::nullopt;
    return dialog.Options();
}

std::optional<QString> TQtToolDialogs::AskColorName()
{
    TReactivate reactivate(Parent);
    TFFarbKonstante dialog(Parent);
    dialog.exec();
    if (!dialog.Accepted())
        return std::nullopt;
    return dialog.ColorName();
}

std::optional<QString> TQtToolDialogs::AskAreaTag(const QString &initialDir)
{
    TFCoords tool(Parent);
    if (!tool.ExecuteCoords(initialDir))
        return std::nullopt;
    return tool.GetAreaTag();
}

std::optional<QString> TQtToolDialogs::AskShapePicture(const QString &initialDir)
{
    TFileDialogOptions options;
    options.Title = QString::fromUtf8("Bild öffnen");
    options.InitialDir = initialDir;
    options.Filter = "JPG-Dateien (*.jpg;*.jpeg)|*.jpg;*.jpeg|BMP-Dateien (*.bmp)|*.bmp"
                     "|GIF-Dateien (*.gif)|*.gif|PNG-Dateien (*.png)|*.png"
                     "|Alle Dateien (*.*)|*.*";
    return AskOneFile(options);
}

std::optional<QString> TQtToolDialogs::AskShapeFile(const QString &initialDir)
{
    TFileDialogOptions options;
    options.Title = QString::fromUtf8("SHW-Datei öffnen");
    options.InitialDir = initialDir;
    options.Filter = "SHW-Dateien (*.shw)|*.shw|Alle Dateien (*.*)|*.*";
    options.DefaultExt = "SHW";
    return AskOneFile(options);
}

std::unique_ptr<TBusyNote> TQtToolDialogs::ShowBusy(const QString &text)
{
    return std::make_unique<TQtBusyNote>(Parent, text);
}

bool TQtToolDialogs::ShowHelpTopic(int topic)
{
    return OpenHelpWindow(Parent, topic) != nullptr;
}
