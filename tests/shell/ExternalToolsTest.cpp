#include "ExternalTools.h"

#include "AppSettings.h"
#include "FMain.h"
#include "Registry.h"
#include "ScratchFiles.h"
#include "ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(ExternalTools, CommandPromptReportsAShellThatIsNotThere)
{
    QTemporaryDir dir;
    qputenv("HTML_EDITOR_REGISTRY", dir.filePath("registry.json").toLocal8Bit());
    ResetRegistry();
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TFMain frame({});
    const TSettings saved = Settings();
    Settings().COMSPECINDI = false;
    for (const QString &shell : {QString("/no/such/zsh"), QString(), QString("no-such-shell-x")}) {
        Settings().COMSPEC = shell;
        EXPECT_EQ(StartCommandInterpreter(CommandInterpreterProgram()), 2) << shell.toStdString();
        frame.ExternalToolCommand(TExternalTool::CommandPrompt);
    }
    Settings() = saved;
    EXPECT_EQ(prompter.Texts("Note"), QStringList(3, "Fehler: 2"));
    ResetRegistry();
}

TEST(ExternalTools, ScratchCleanUpTouchesOnlyRegularFiles)
{
    QTemporaryDir home;
    QTemporaryDir outside;
    const QString target = outside.filePath("precious.txt");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadOther));
    const QFile::Permissions mode = QFile::permissions(target);
    ASSERT_TRUE(QFile::link(target, home.filePath("TMPlink")));
    ASSERT_EQ(mkfifo(QFile::encodeName(home.filePath("TEMPpipe")).constData(), 0644), 0);
    QFile scratch(home.filePath("TMP0001.tmp"));
    ASSERT_TRUE(scratch.open(QIODevice::WriteOnly));
    scratch.close();

    DeleteScratchFilesIn(home.path());
    EXPECT_FALSE(QFileInfo::exists(home.filePath("TMP0001.tmp")));
    EXPECT_EQ(QFile::permissions(target), mode) << "the link's target keeps its mode";
    EXPECT_TRUE(QFileInfo(home.filePath("TMPlink")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(home.filePath("TEMPpipe")));
}

} // namespace
