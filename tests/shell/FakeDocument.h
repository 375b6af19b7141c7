#pragma once

#include "FHTMLFrame.h"

#include <QMenu>

// A document window that records what the frame asks of it.
class TFakeDocument : public TFHTMLFrame
{
public:
    explicit TFakeDocument(TDocKind kind, bool withRunMenu = false)
    {
        SetDocKind(kind);
        File = new QMenu("&Datei", this);
        Edit = new QMenu("&Bearbeiten", this);
        Help = new QMenu("&Hilfe", this);
        if (withRunMenu)
            Run = new QMenu("&Run", this);
    }

    void SetColourView(bool colour) override { ColourViews << colour; }
    void ApplyUndoTimer() override {}
    void ApplyEditorFont() override {}
    void HandleDocCommand(TDocCommand command) override { Commands << command; }
    TSaveResult SaveDocument() override
    {
        ++Saves;
        return SaveAnswer;
    }
    TSaveResult SaveDocumentAs() override { return TSaveResult::Cancelled(); }
    void RunCommand(TRunCommand) override {}
    bool CloseQuery() override
    {
        ++Queries;
        return AllowClose;
    }
    bool IsModified() const override { return false; }
    QList<TMergedMenu> MergedMenus() const override
    {
        QList<TMergedMenu> menus{{File, 1}, {Edit, 2}};
        if (Run)
            menus << TMergedMenu{Run, 9};
        menus << TMergedMenu{Help, 9};
        return menus;
    }
    void RefreshRecentFileMenu() override {}
    void FormActivate() override {}

    QList<bool> ColourViews;
    QList<TDocCommand> Commands;
    int Saves = 0;
    TSaveResult SaveAnswer = TSaveResult::Saved();
    int Queries = 0;
    bool AllowClose = true;
    QMenu *File = nullptr;
    QMenu *Edit = nullptr;
    QMenu *Help = nullptr;
    QMenu *Run = nullptr;
};
