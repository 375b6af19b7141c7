#include "AppSettings.h"
#include "MDITagra2.h"
#include "RecordingHost.h"
#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "ShellOpen.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Names a shell would split, expand, run or take for an option.
const QStringList HostileNames{
    "mit blank.html",
    "zitat \"a\" 'b'.html",
    "a;touch gehackt;.html",
    "$(touch gehackt).html",
    "`touch gehackt`.html",
    "-rf.html",
    "--version.html",
    "zeile\numbruch.html",
    "stern*?[a].html",
    "dollar $HOME & | > <.html",
};

// The program's own launcher instead of the tests' recording one, for the lifetime of the object.
class TDesktopLauncherScope
{
public:
    TDesktopLauncherScope()
        : Previous(SetLauncher(nullptr))
    {}
    ~TDesktopLauncherScope() { SetLauncher(Previous); }
    TDesktopLauncherScope(const TDesktopLauncherScope &) = delete;
    TDesktopLauncherScope &operator=(const TDesktopLauncherScope &) = delete;

private:
    TLauncher *Previous;
};

class ShellInjectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        Settings().AutoSave = false;
    }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(Dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // Opens the page in an HTML window and runs it with Browser1 (F9).
    void Run(const QString &page)
    {
        TFMDITagra2 window;
        ASSERT_TRUE(window.OpenDocument(page, false, false, false));
        QAction *run = window.findChild<QAction *>("MnRun");
        ASSERT_NE(run, nullptr);
        run->trigger();
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TRecordingHost Host;
};

} // namespace

// Every name reaches the browser as one argument, a full path (so a leading dash is never an
// option), exactly as it is written.
TEST_F(ShellInjectionTest, PageNamesReachTheBrowserAsOneArgument)
{
    TRecordingLauncher launcher;
    TLauncherScope scope(launcher);
    Settings().Browser[0] = "/usr/bin/firefox";
    for (const QString &name : HostileNames) {
        SCOPED_TRACE(name.toStdString());
        const QString page = Write(name, "<p>x</p>");
        launcher.Launches.clear();
        Run(page);
        ASSERT_EQ(launcher.Launches.size(), 1u);
        const TRecordedLaunch expected{"Program", "/usr/bin/firefox", {page}};
        EXPECT_EQ(launcher.Launches[0], expected);
        EXPECT_TRUE(launcher.Launches[0].Arguments.value(0).startsWith('/'));
    }
}

namespace {

// An executable that writes each of its arguments, ended by a NUL byte, into a file beside it.
QString RecordingBrowser(const QTemporaryDir &dir)
{
    const QString path = dir.filePath("browser");
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$0.args\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return path;
}

QStringList RecordedArguments(const QString &browser)
{
    QFile file(browser + ".args");
    for (int i = 0; i < 250 && !file.exists(); ++i)
        QThread::msleep(20);
    QThread::msleep(50);
    if (!file.open(QIODevice::ReadOnly))
        return {"<nothing recorded>"};
    QStringList arguments = QString::fromUtf8(file.readAll()).split(QChar(0));
    arguments.removeLast();
    file.remove();
    return arguments;
}

} // namespace

// The same through the real start of a program: no shell stands between the editor and the
// browser, so nothing in a name is ever run.
TEST_F(ShellInjectionTest, RealProgramGetsTheNameUnchangedAndNothingIsRun)
{
    TDesktopLauncherScope desktop;
    Settings().Browser[0] = RecordingBrowser(Dir);
    for (const QString &name : HostileNames) {
        SCOPED_TRACE(name.toStdString());
        const QString page = Write(name, "<p>x</p>");
        Run(page);
        EXPECT_EQ(RecordedArguments(Settings().Browser[0]), QStringList{page});
    }
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("gehackt")));
    EXPECT_FALSE(QFileInfo::exists("gehackt"));
    EXPECT_EQ(Prompter.Count("Error"), 0);
}

// A page with the executable bit (as on FAT and NTFS mounts) is opened as a page, never run.
TEST_F(ShellInjectionTest, ExecutablePageIsOpenedNotRun)
{
    const QString page = Write("seite.html",
                               "#!/bin/sh\ntouch \"$0.lief\"\n<html><body>x</body></html>\n");
    QFile(page).setPermissions(QFile(page).permissions() | QFile::ExeOwner | QFile::ExeGroup
                               | QFile::ExeOther);
    TDesktopLauncherScope desktop;
    QString opened;
    SetDocumentOpener([&](const QString &document) {
        opened = document;
        return true;
    });
    Run(page); // no browser set: the desktop opens the page
    SetDocumentOpener([](const QString &) { return false; });
    EXPECT_EQ(opened, page);
    QThread::msleep(200);
    EXPECT_FALSE(QFileInfo::exists(page + ".lief"));
}
