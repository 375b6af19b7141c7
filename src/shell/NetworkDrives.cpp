#include "NetworkDrives.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

const QString MountProgram = QStringLiteral("gio");
const QStringList NetworkSchemes = {"smb", "sftp", "ftp", "ftps", "dav", "davs", "nfs", "afp"};

enum class TQuestion { Other, User, Domain, Password, Choice };

// The question on the output's last line ("Password: ", "User [anna]: ") and its default.
TQuestion QuestionOf(const QString &output, QString &defaultValue)
{
    static const QRegularExpression prompt("(User|Domain|Password|Choice)(?: \\[(.*)\\])?: $");
    const QString lastLine = output.mid(output.lastIndexOf('\n') + 1);
    const QRegularExpressionMatch match = prompt.match(lastLine);
    if (!match.hasMatch() || match.capturedStart() != 0)
        return TQuestion::Other;
    defaultValue = match.captured(2);
    const QString word = match.captured(1);
    if (word == "User")
        return TQuestion::User;
    if (word == "Domain")
        return TQuestion::Domain;
    return word == "Password" ? TQuestion::Password : TQuestion::Choice;
}

// A question with options as the mount tool prints it: message lines, then "[1] option" lines.
int AskChoice(const QString &text,
              const std::function<int(const QString &, const QStringList &)> &chooseOption)
{
    static const QRegularExpression option("^\\[(\\d+)\\] (.*)$");
    QStringList question;
    QStringList options;
    const QStringList lines = text.split('\n');
    for (const QString &line : lines.mid(0, lines.size() - 1)) {
        const QRegularExpressionMatch match = option.match(line);
        if (match.hasMatch())
            options << match.captured(2);
        else if (!line.trimmed().isEmpty())
            question << line.trimmed();
    }
    if (options.isEmpty())
        return 0;
    return chooseOption(question.join('\n'), options);
}

QString Failure(const QString &what, const QString &address, const TProcessResult &result)
{
    return "Das Netzwerklaufwerk\r\n" + address + "\r\n" + what + ":\r\n"
           + MountFailureReason(result);
}

// A share given the Windows way (\\server\share) becomes an smb:// address.
QString NormalizedAddress(const QString &address)
{
    QString text = address.trimmed();
    if (text.startsWith("\\\\"))
        text = "smb://" + text.mid(2).replace('\\', '/');
    return text;
}

// Where the desktop shows the files of a mounted share, when it has a local folder for it.
QString LocalPathOf(TMountRunner &runner, const QString &address)
{
    const TProcessResult info = runner.Run(MountProgram, {"info", address}, {});
    static const QRegularExpression localPath("^local path: (.+)$",
                                              QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = localPath.match(info.Output);
    return info.ExitCode == 0 && match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

QString CheckShareAddress(const QString &address)
{
    const QString text = NormalizedAddress(address);
    if (text.isEmpty())
        return "Bitte geben Sie die Adresse der Freigabe ein, zum Beispiel smb://server/freigabe.";
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || !text.contains("://"))
        return "Die Adresse \"" + text
               + "\" ist ungültig. Sie beginnt mit der Art der Verbindung, zum Beispiel "
                 "smb://server/freigabe oder sftp://benutzer@server/ordner.";
    if (!NetworkSchemes.contains(url.scheme().toLower()))
        return "Adressen der Art \"" + url.scheme()
               + "://\" können nicht verbunden werden. Möglich sind " + NetworkSchemes.join("://, ")
               + "://.";
    if (url.host().isEmpty())
        return "In der Adresse \"" + text + "\" fehlt der Name des Servers.";
    return QString();
}

TNetworkOutcome ConnectShare(
    TMountRunner &runner,
    const TShareLogin &login,
    const std::function<int(const QString &question, const QStringList &options)> &chooseOption)
{
    const QString address = NormalizedAddress(login.Address);
    if (const QString invalid = CheckShareAddress(address); !invalid.isEmpty())
        return {false, invalid, {}};
    QStringList arguments = {"mount"};
    if (login.Anonymous)
        arguments << "-a";
    arguments << address;
    bool refused = false;
    bool cancelled = false;
    qsizetype answeredUpTo = 0;
    QList<TQuestion> asked;
    const auto answer = [&](const QString &output) -> std::optional<QString> {
        QString defaultValue;
        const TQuestion question = QuestionOf(output, defaultValue);
        const QString text = output.mid(answeredUpTo);
        answeredUpTo = output.size();
        // The same login question twice: the server did not accept the first answer.
        if (question != TQuestion::Choice && asked.contains(question)) {
            refused = true;
            return std::nullopt;
        }
        asked << question;
        switch (question) {
        case TQuestion::User:
            return login.User.isEmpty() ? defaultValue : login.User;
        case TQuestion::Domain:
            return login.Domain.isEmpty() ? defaultValue : login.Domain;
        case TQuestion::Password:
            return login.Password;
        case TQuestion::Choice: {
            const int choice = AskChoice(text, chooseOption);
            cancelled = choice == 0;
            return cancelled ? std::nullopt : std::optional<QString>(QString::number(choice));
        }
        case TQuestion::Other:
            break;
        }
        return std::nullopt;
    };
    const TProcessResult result = runner.Run(MountProgram, arguments, answer);
    if (cancelled)
        return {false, QString(), {}};
    if (refused)
        return {false,
                "Die Anmeldung an\r\n" + address
                    + "\r\nwurde abgelehnt: Benutzername, Domäne oder Passwort stimmen nicht.",
                {}};
    if (!result.Started || result.TimedOut || result.ExitCode != 0) {
        const QString reason = MountFailureReason(result);
        if (reason.contains("bereits verbunden"))
            return {true, reason, {}};
        return {false, Failure("konnte nicht verbunden werden", address, result), {}};
    }
    const QString folder = LocalPathOf(runner, address);
    QString note = "Das Netzwerklaufwerk\r\n" + address + "\r\nist verbunden.";
    if (!folder.isEmpty())
        note += "\r\nSeine Dateien liegen im Ordner\r\n" + folder;
    return {true, note, {}};
}

TNetworkOutcome ListShares(TMountRunner &runner)
{
    const TProcessResult result = runner.Run(MountProgram, {"mount", "-l"}, {});
    if (!result.Started || result.TimedOut || result.ExitCode != 0)
        return {false,
                "Die verbundenen Netzwerklaufwerke können nicht ermittelt werden:\r\n"
                    + MountFailureReason(result),
                {}};
    return {true, QString(), ParseMountList(result.Output)};
}

TNetworkOutcome DisconnectShare(TMountRunner &runner, const QString &address)
{
    const TProcessResult result = runner.Run(MountProgram, {"mount", "-u", address}, {});
    if (!result.Started || result.TimedOut || result.ExitCode != 0)
        return {false, Failure("konnte nicht getrennt werden", address, result), {}};
    return {true, "Das Netzwerklaufwerk\r\n" + address + "\r\nist getrennt.", {}};
}

QList<TNetworkMount> ParseMountList(const QString &output)
{
    static const QRegularExpression mountLine("^\\s*Mount\\(\\d+\\):\\s*(.*)\\s->\\s(\\S+)\\s*$");
    QList<TNetworkMount> mounts;
    const QStringList lines = output.split('\n');
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = mountLine.match(line);
        if (!match.hasMatch())
            continue;
        const TNetworkMount mount{match.captured(1).trimmed(), match.captured(2)};
        const QString scheme = QUrl(mount.Address).scheme().toLower();
        const bool listed = std::any_of(mounts.cbegin(), mounts.cend(), [&](const auto &known) {
            return known.Address == mount.Address;
        });
        if (!scheme.isEmpty() && scheme != "file" && !listed)
            mounts << mount;
    }
    return mounts;
}

QString MountFailureReason(const TProcessResult &result)
{
    if (!result.Started)
        return "Das Programm \"gio\" ist nicht installiert oder lässt sich nicht starten "
               "(Debian-Paket libglib2.0-bin).";
    if (result.TimedOut)
        return "Der Server antwortet nicht (Zeitüberschreitung).";
    const QStringList lines
        = (result.Errors.trimmed().isEmpty() ? result.Output : result.Errors).trimmed().split('\n');
    QString reason = lines.last().trimmed();
    // "gio: smb://server/share: reason" names the tool and the address before the reason.
    static const QRegularExpression prefix("^gio: (?:[a-z]+://[^ ]*: )?");
    reason.remove(prefix);
    static const std::pair<const char *, const char *> known[] = {
        {"implement mount",
         "Für Adressen dieser Art ist keine Unterstützung installiert "
         "(Debian-Paket gvfs-backends), oder der Dienst gvfs läuft nicht."},
        {"not supported", "Der Vorgang wird für diese Adresse nicht unterstützt."},
        {"already mounted", "Das Netzwerklaufwerk ist bereits verbunden."},
        {"not mounted", "Das Netzwerklaufwerk ist nicht verbunden."},
        {"mount for file", "Das Netzwerklaufwerk ist nicht verbunden."},
        {"connection refused", "Der Server lehnt die Verbindung ab."},
        {"resolve", "Der Server wurde nicht gefunden."},
        {"name or service not known", "Der Server wurde nicht gefunden."},
        {"no route to host", "Der Server ist nicht erreichbar."},
        {"permission denied", "Zugriff verweigert."},
        {"access denied", "Zugriff verweigert."},
        {"timed out", "Der Server antwortet nicht (Zeitüberschreitung)."},
        {"busy", "Das Netzwerklaufwerk wird noch benutzt (Dateien sind geöffnet)."},
    };
    for (const auto &[phrase, german] : known) {
        if (reason.contains(QLatin1String(phrase), Qt::CaseInsensitive))
            return german + QString(" (") + reason + ")";
    }
    if (reason.isEmpty())
        return "Unbekannter Fehler (Rückgabewert " + QString::number(result.ExitCode) + ").";
    return reason;
}
