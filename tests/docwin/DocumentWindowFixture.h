#pragma once

#include "AppSettings.h"
#include "FHTMLFrame.h"
#include "RecordingHost.h"
#include "ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Document window tests: settings reset, a folder of their own, a scripted prompter and a
// recording frame.
class TDocumentWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        Settings().EditorPfad = Dir.path() + "/";
    }

    QString Path(const QString &name) const { return Dir.filePath(name); }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QByteArray Read(const QString &name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Types text at the end of the active editor, as the user would.
    static void Type(TFHTMLFrame &window, const QString &text)
    {
        window.ActiveEditor().SetSelStart(window.ActiveEditor().TextLength());
        window.ActiveEditor().ReplaceSelection(text);
        window.ActiveEditor().SetModified(true);
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TRecordingHost Host;
};
