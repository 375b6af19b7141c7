#pragma once

#include "ToolDialogs.h"

class QWidget;

// The tool dialogs of the running program: each call shows the dialog modally and reads it
// after it has closed.
class TQtToolDialogs : public TToolDialogs
{
public:
    // The window the dialogs belong to (may be null).
    void SetParentWidget(QWidget *parent) { Parent = parent; }

    std::optional<TTableOptions> AskTableOptions() override;
    std::optional<QString> AskColorName() override;
    std::optional<QString> AskAreaTag(const QString &initialDir) override;
    std::optional<QString> AskShapePicture(const QString &initialDir) override;
    std::optional<QString> AskShapeFile(const QString &initialDir) override;
    std::unique_ptr<TBusyNote> ShowBusy(const QString &text) override;
    bool ShowHelpTopic(int topic) override;

private:
    QWidget *Parent = nullptr;
};
