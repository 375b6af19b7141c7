#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

// Every test executable runs with a QApplication on the offscreen platform, with settings and
// scratch files in a temporary folder, with a scripted prompter so that no test can block on a
// modal box, and with a recording launcher so that no test starts a browser.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#ifdef HTML_EDITOR_SANITIZE
    // Under xvfb-run the offscreen platform loads the system's GL library, which leaves a block
    // that LeakSanitizer reports once the library is gone; the tests need no GL.
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
#endif
    QTemporaryDir home;
    qputenv("HTML_EDITOR_REGISTRY", (home.path() + "/registry.json").toLocal8Bit());
    qputenv("HTML_EDITOR_HOME", (home.path() + "/home").toLocal8Bit());
    QApplication app(argc, argv);
    TScriptedPrompter prompter;
    SetPrompter(&prompter);
    TRecordingLauncher launcher;
    SetLauncher(&launcher);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
