#pragma once

#include "DocumentHost.h"
#include "TextBuffer.h"

#include <QMap>
#include <QStringList>

// A frame stand-in for document window tests: records what the windows report.
class TRecordingHost : public TDocumentHost
{
public:
    TRecordingHost() { Previous = DocumentHost(), SetDocumentHost(this); }
    ~TRecordingHost() override { SetDocumentHost(Previous); }

    void NoteActiveDocument(TFHTMLFrame *, const QString &, bool modified) override
    {
        Status[TStatusPanel::Modified] = modified ? "geändert" : "";
    }
    void NoteDocumentClosed(TFHTMLFrame *) override { ++ClosedNotes; }
    void OpenCompanionStylesheet(const QString &html, const QString &css) override
    {
        Companions << html + "|" + css;
    }
    void NewDocumentCommand() override {}
    void OpenCommand() override {}
    void OpenFile(const QString &) override {}
    void OpenRecentFile(int) override {}
    TSaveResult SaveAllDocuments() override { return TSaveResult::Saved(); }
    void CloseAllDocuments() override {}
    void ExternalToolCommand(TExternalTool) override {}
    void FontCommand() override {}
    void ProductInfoCommand() override {}
    TEditControl &MainMemo() override { return Scratch; }
    void SetStatusText(TStatusPanel panel, const QString &text) override { Status[panel] = text; }
    QString MainHtml() const override { return Main; }
    void SetMainHtml(const QString &fileName) override { Main = fileName; }

    int ClosedNotes = 0;
    QStringList Companions;
    QMap<TStatusPanel, QString> Status;
    QString Main;
    TTextBuffer Scratch;

private:
    TDocumentHost *Previous = nullptr;
};
