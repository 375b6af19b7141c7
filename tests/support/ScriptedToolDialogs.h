#pragma once

#include "ToolDialogs.h"

#include <deque>

// Tool dialogs for tests: record which dialog was asked for and answer from prepared queues.
// An empty queue answers as if the user had cancelled.
class TScriptedToolDialogs : public TToolDialogs
{
public:
    // Names of the dialogs asked for, in order ("Table", "ColorName", "AreaTag", "ShapePicture",
    // "ShapeFile", "Busy", "Help 8").
    QStringList Calls;
    // The folders the image-map dialogs were opened with, in order.
    QStringList InitialDirs;

    std::deque<std::optional<TTableOptions>> TableAnswers;
    std::deque<std::optional<QString>> ColorNameAnswers;
    std::deque<std::optional<QString>> AreaTagAnswers;
    std::deque<std::optional<QString>> ShapePictureAnswers;
    std::deque<std::optional<QString>> ShapeFileAnswers;

    std::optional<TTableOptions> AskTableOptions() override;
    std::optional<QString> AskColorName() override;
    std::optional<QString> AskAreaTag(const QString &initialDir) override;
    std::optional<QString> AskShapePicture(const QString &initialDir) override;
    std::optional<QString> AskShapeFile(const QString &initialDir) override;
    // Records the note's text in BusyNotes; the note does nothing.
    std::unique_ptr<TBusyNote> ShowBusy(const QString &text) override;
    // Records "Help" and the topic number; the window counts as shown.
    bool ShowHelpTopic(int topic) override;

    QStringList BusyNotes;
};

// Installs tool dialogs for the lifetime of the object and restores the previous ones.
class TToolDialogsScope
{
public:
    explicit TToolDialogsScope(TToolDialogs &dialogs)
        : Previous(SetToolDialogs(&dialogs))
    {}
    ~TToolDialogsScope() { SetToolDialogs(Previous); }
    TToolDialogsScope(const TToolDialogsScope &) = delete;
    TToolDialogsScope &operator=(const TToolDialogsScope &) = delete;

private:
    TToolDialogs *Previous;
};
