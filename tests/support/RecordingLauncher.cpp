#include "RecordingLauncher.h"

#include "ShellOpen.h"

int TRecordingLauncher::Record(const QString &kind,
                               const QString &program,
                               const QStringList &arguments)
{
    Launches.push_back({kind, program, arguments});
    if (Results.empty())
        return ShellSuccess;
    const int result = Results.front();
    Results.pop_front();
    return result;
}

int TRecordingLauncher::StartProgram(const QString &program, const QStringList &arguments)
{
    return Record("Program", program, arguments);
}

int TRecordingLauncher::OpenDocument(const QString &document)
{
    return Record("Document", document, {});
}

int TRecordingLauncher::OpenInWebBrowser(const QString &page)
{
    return Record("WebBrowser", page, {});
}
