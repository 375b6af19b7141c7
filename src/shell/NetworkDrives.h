#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Connecting and disconnecting network shares ("Netzwerklaufwerk verbinden" / "trennen") with the
// desktop's mount tool "gio mount" (smb://, sftp://, ftp://, dav:// addresses). The logic here
// knows no widgets; the program runs gio through TMountRunner, tests through a recording one.

// How a run of the mount tool ended.
struct TProcessResult
{
    bool Started = false;  // false: the program is not installed or could not be started
    bool TimedOut = false; // ended by us after waiting too long
    int ExitCode = -1;
    QString Output;
    QString Errors;
};

// Answers a question the running program asks on its standard output (the output so far is
// given, its last line being the question): the line to type, or nothing to stop the program.
using TPromptAnswerer = std::function<std::optional<QString>(const QString &output)>;

// Runs the mount tool.
class TMountRunner
{
public:
    virtual ~TMountRunner() = default;
    virtual TProcessResult Run(const QString &program,
                               const QStringList &arguments,
                               const TPromptAnswerer &answer)
        = 0;
};

// The runner of this program run: gio through QProcess unless another one was installed.
TMountRunner &MountRunner();
// Installs a runner (not owned; null restores gio) and returns the previous one.
TMountRunner *SetMountRunner(TMountRunner *runner);

// What the user typed into the connect dialog.
struct TShareLogin
{
    QString Address;
    QString User;
    QString Domain;
    QString Password;
    bool Anonymous = false;
};

// A mounted network share as the mount tool lists it.
struct TNetworkMount
{
    QString Name;
    QString Address;

    bool operator==(const TNetworkMount &) const = default;
};

// The end of a connect, disconnect or list: success, or a German message.
struct TNetworkOutcome
{
    bool Ok = false;
    QString Message; // the failure, or a note on success (where the files can be found)
    QList<TNetworkMount> Mounts;
};

// Empty when the address can be mounted, else the German reason (no scheme, no server, a kind of
// address the mount tool does not serve).
QString CheckShareAddress(const QString &address);

// Mounts the share; the login answers the tool's questions for user, domain and password, and
// chooseOption (the question, the options; 1-based choice or 0 to cancel) answers any other
// question, for example about an unknown server key.
TNetworkOutcome ConnectShare(
    TMountRunner &runner,
    const TShareLogin &login,
    const std::function<int(const QString &question, const QStringList &options)> &chooseOption);
// The network shares mounted now (local disks are left out).
TNetworkOutcome ListShares(TMountRunner &runner);
// Unmounts a share given by its address.
TNetworkOutcome DisconnectShare(TMountRunner &runner, const QString &address);

// The mounts in the output of "gio mount -l", network shares only, each address once.
QList<TNetworkMount> ParseMountList(const QString &output);
// The German reason for the mount tool's error output.
QString MountFailureReason(const TProcessResult &result);
