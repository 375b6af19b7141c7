#include "ProgramPaths.h"

#include "FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramDirectory;
int RecentListMaximum = 9;

void InitBasisLibrary(const QString &executablePath)
{
    ProgramDirectory = AddBackslash(QFileInfo(executablePath).absolutePath());
    RecentListMaximum = 9;
}

QString ScratchDirectory()
{
    QString directory = qEnvironmentVariable("HTML_EDITOR_HOME");
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                    + "/KALMORA/HTML-Editor";
    QDir().mkpath(directory);
    return AddBackslash(directory);
}
