#pragma once

#include "TableMarkup.h"

#include <QString>

#include <memory>
#include <optional>

// Shows that a long piece of work is running, for as long as it lives.
class TBusyNote
{
public:
    virtual ~TBusyNote() = default;
};

// The tool dialogs that the document windows open, behind one interface so that the windows'
// commands stay testable. The application installs the Qt implementation (TQtToolDialogs);
// tests install a scripted one that records the calls and returns prepared answers. Each tool
// adds its own methods here and to both implementations.
class TToolDialogs
{
public:
    virtual ~TToolDialogs() = default;

    // Table wizard "Erzeugen einer Tabelle": the table the user confirmed with "&Ok", nothing
    // after "Abbruch" or the close box.
    virtual std::optional<TTableOptions> AskTableOptions() = 0;
    // Named colour picker "Auswahl einer Farbkonstante": the chosen colour name ("white",
    // "red", ...) after "&Ok", nothing after "&Abbruch" or the close box.
    virtual std::optional<QString> AskColorName() = 0;
    // Image-map tool "Koordinaten mit Bildern", its open dialog starting in the folder: the
    // area element after "Ende und speichern", nothing when the tool was closed otherwise.
    virtual std::optional<QString> AskAreaTag(const QString &initialDir) = 0;
    // The picture whose size an image map from a shape file takes; nothing when cancelled.
    virtual std::optional<QString> AskShapePicture(const QString &initialDir) = 0;
    // The shape file (".shw") of an image map; nothing when cancelled.
    virtual std::optional<QString> AskShapeFile(const QString &initialDir) = 0;
    // A note with the text and a busy indicator in front of the program, and the wait cursor,
    // until the returned object is destroyed. The work runs without the user's input.
    virtual std::unique_ptr<TBusyNote> ShowBusy(const QString &text) = 0;
    // A new reference help window "HTML-Hilfe" with the topic (1 to 9), shown beside the
    // program's windows, not modally. False when the topic could not be read (the reason was
    // shown and no window appears).
    virtual bool ShowHelpTopic(int topic) = 0;
};

// The tool dialogs in effect; never null once the program or a test has installed them.
TToolDialogs &ToolDialogs();
// Installs tool dialogs (not owned) and returns the previous ones.
TToolDialogs *SetToolDialogs(TToolDialogs *dialogs);
