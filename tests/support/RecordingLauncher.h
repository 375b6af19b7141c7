#pragma once

#include "Launcher.h"

#include <deque>
#include <vector>

// One start the logic asked for.
struct TRecordedLaunch
{
    QString Kind; // "Program", "Document" or "WebBrowser"
    QString Program;
    QStringList Arguments;

    bool operator==(const TRecordedLaunch &) const = default;
};

// A launcher for tests: records what would be started and answers with prepared result codes
// (success when none is left). Nothing is ever started.
class TRecordingLauncher : public TLauncher
{
public:
    std::vector<TRecordedLaunch> Launches;
    std::deque<int> Results;

    int StartProgram(const QString &program, const QStringList &arguments) override;
    int OpenDocument(const QString &document) override;
    int OpenInWebBrowser(const QString &page) override;

private:
    int Record(const QString &kind, const QString &program, const QStringList &arguments);
};

// Installs a launcher for the lifetime of the object and restores the previous one.
class TLauncherScope
{
public:
    explicit TLauncherScope(TLauncher &launcher)
        : Previous(SetLauncher(&launcher))
    {}
    ~TLauncherScope() { SetLauncher(Previous); }
    TLauncherScope(const TLauncherScope &) = delete;
    TLauncherScope &operator=(const TLauncherScope &) = delete;

private:
    TLauncher *Previous;
};
