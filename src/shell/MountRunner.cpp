// Runs the desktop's mount tool for the network drive dialogs.
#include "NetworkDrives.h"

#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace {

// A mount can wait long for a server that does not answer; after this the tool is stopped.
constexpr int MountTimeoutMs = 60 * 1000;

// The output ends with a question and waits for its answer ("Password: ", "User [anna]: ").
bool EndsWithQuestion(const QString &output)
{
    static const QRegularExpression question("(^|\\n)[A-Za-z][A-Za-z ]*( \\[[^\\]\\n]*\\])?: $");
    return question.match(output).hasMatch();
}

// Takes the new output; a question is answered, or the program stopped when there is no answer.
void ReadOutput(QProcess &process, QString &output, const TPromptAnswerer &answer)
{
    output += QString::fromUtf8(process.readAllStandardOutput());
    if (!EndsWithQuestion(output))
        return;
    const std::optional<QString> reply = answer ? answer(output) : std::nullopt;
    if (reply)
        process.write((*reply + "\n").toUtf8());
    else
        process.kill();
}

// Runs gio with untranslated messages (so that their reasons can be recognised), answering its
// questions through the answerer.
class TGioRunner : public TMountRunner
{
public:
    TProcessResult Run(const QString &program,
                       const QStringList &arguments,
                       const TPromptAnswerer &answer) override
    {
        TProcessResult result;
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return result;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "C.UTF-8");
        process.setProcessEnvironment(environment);
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
            result.TimedOut = true;
            process.kill();
        });
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
            ReadOutput(process, result.Output, answer);
        });
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        process.start(path, arguments);
        if (!process.waitForStarted())
            return result;
        result.Started = true;
        timeout.start(MountTimeoutMs);
        loop.exec();
        result.Output += QString::fromUtf8(process.readAllStandardOutput());
        result.Errors = QString::fromUtf8(process.readAllStandardError());
        result.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return result;
    }
};

TGioRunner GioRunner;
TMountRunner *Installed = nullptr;

} // namespace

TMountRunner &MountRunner()
{
    return Installed ? *Installed : GioRunner;
}

TMountRunner *SetMountRunner(TMountRunner *runner)
{
    TMountRunner *previous = Installed;
    Installed = runner;
    return previous;
}
