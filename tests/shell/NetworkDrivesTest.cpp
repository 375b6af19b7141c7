#include "NetworkDrives.h"

#include "NetworkDriveDialogs.h"
#include "ScriptedPrompter.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <deque>

namespace {

// A mount tool stand-in: each run plays the next prepared step (questions asked on the output,
// then the result) and records the call with the answers it got.
class TRecordingMountRunner : public TMountRunner
{
public:
    struct TStep
    {
        QStringList Questions;
        TProcessResult Result{true, false, 0, {}, {}};
    };
    struct TCall
    {
        QStringList Command; // program and arguments
        QStringList Answers;
    };

    std::deque<TStep> Steps;
    std::vector<TCall> Calls;

    TProcessResult Run(const QString &program,
                       const QStringList &arguments,
                       const TPromptAnswerer &answer) override
    {
        TStep step;
        if (!Steps.empty()) {
            step = Steps.front();
            Steps.pop_front();
        }
        TCall call{QStringList{program} + arguments, {}};
        QString output;
        for (const QString &question : step.Questions) {
            output += question;
            const std::optional<QString> reply = answer ? answer(output) : std::nullopt;
            if (!reply) {
                call.Answers << "<stopped>";
                step.Result = {true, false, -1, {}, {}};
                break;
            }
            call.Answers << *reply;
            output += *reply + "\n";
        }
        Calls.push_back(call);
        step.Result.Output = output + step.Result.Output;
        return step.Result;
    }
};

TProcessResult Failed(const QString &errors)
{
    return {true, false, 2, {}, errors};
}

class NetworkDrivesTest : public ::testing::Test
{
protected:
    void Fill(TFNetzwerkVerbinden &dialog,
              const QString &address,
              const QString &user = {},
              const QString &password = {})
    {
        dialog.findChild<QLineEdit *>("EAdresse")->setText(address);
        dialog.findChild<QLineEdit *>("EBenutzer")->setText(user);
        dialog.findChild<QLineEdit *>("EPasswort")->setText(password);
    }
    static void Click(QWidget &dialog, const char *button)
    {
        dialog.findChild<QPushButton *>(button)->click();
    }

    TRecordingMountRunner Runner;
    TMountRunner *Previous = SetMountRunner(&Runner);
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};

    ~NetworkDrivesTest() override { SetMountRunner(Previous); }
};

} // namespace

TEST_F(NetworkDrivesTest, ConnectAnswersTheLoginQuestionsAndTellsWhereTheFilesAre)
{
    Runner.Steps.push_back({{"Password required for share daten on nas\nUser [root]: ",
                             "Domain [WORKGROUP]: ",
                             "Password: "}});
    Runner.Steps.push_back({{},
                            {true,
                             false,
                             0,
                             "local path: /run/user/0/gvfs/smb-share:"
                             "server=nas,share=daten\n",
                             {}}});
    TFNetzwerkVerbinden dialog;
    Fill(dialog, " smb://nas/daten ", "anna", "geheim wort");
    Click(dialog, "BnVerbinden");
    ASSERT_EQ(Runner.Calls.size(), 2u);
    EXPECT_EQ(Runner.Calls[0].Command, QStringList({"gio", "mount", "smb://nas/daten"}));
    // The password is typed into the tool, never put on its command line.
    EXPECT_EQ(Runner.Calls[0].Answers, QStringList({"anna", "WORKGROUP", "geheim wort"}));
    EXPECT_EQ(Runner.Calls[1].Command, QStringList({"gio", "info", "smb://nas/daten"}));
    ASSERT_EQ(Prompter.Count("Note"), 1);
    EXPECT_TRUE(
        Prompter.Texts("Note")[0].endsWith("/run/user/0/gvfs/smb-share:server=nas,share=daten"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(NetworkDrivesTest, AddressesAreCheckedBeforeAnythingRuns)
{
    const struct
    {
        QString Address;
        QString Reason; // the start of the message, empty when the address is fine
    } cases[] = {
        {"", "Bitte geben Sie die Adresse"},
        {"nas/daten", "Die Adresse \"nas/daten\" ist ungültig"},
        {"http://nas/daten", "Adressen der Art \"http://\" können nicht"},
        {"smb:///daten", "In der Adresse"},
        {"smb://nas/daten", ""},
        {"SFTP://anna@server:2222/home/anna", ""},
        {"\\\\nas\\daten", ""},
    };
    for (const auto &c : cases) {
        const QString reason = CheckShareAddress(c.Address);
        EXPECT_TRUE(c.Reason.isEmpty() ? reason.isEmpty() : reason.startsWith(c.Reason))
            << c.Address.toStdString() << ": " << reason.toStdString();
    }
    TFNetzwerkVerbinden dialog;
    Fill(dialog, "nas/daten");
    Click(dialog, "BnVerbinden");
    EXPECT_TRUE(Runner.Calls.empty());
    EXPECT_EQ(Prompter.Count("Error"), 1);
}

TEST_F(NetworkDrivesTest, WindowsShareNamesAndAnonymousLoginsReachTheTool)
{
    TFNetzwerkVerbinden dialog;
    Fill(dialog, "\\\\nas\\daten\\bilder");
    dialog.findChild<QCheckBox *>("CAnonym")->setChecked(true);
    Click(dialog, "BnVerbinden");
    ASSERT_FALSE(Runner.Calls.empty());
    EXPECT_EQ(Runner.Calls[0].Command,
              QStringList({"gio", "mount", "-a", "smb://nas/daten/bilder"}));
}

TEST_F(NetworkDrivesTest, FailuresAreShownAndTheDialogStaysOpen)
{
    const struct
    {
        TRecordingMountRunner::TStep Step;
        QString Shown;
    } cases[] = {
        {{{}, Failed("gio: smb://nas/daten: volume doesn’t implement mount\n")}, "gvfs-backends"},
        {{{}, Failed("gio: smb://nas/daten: Failed to mount Windows share: Connection refused\n")},
         "Der Server lehnt die Verbindung ab."},
        {{{}, Failed("gio: smb://nas/daten: Etwas ganz Neues\n")}, "Etwas ganz Neues"},
        {{{}, {false, false, -1, {}, {}}}, "\"gio\" ist nicht installiert"},
        {{{}, {true, true, -1, {}, {}}}, "Zeitüberschreitung"},
        {{{"Password: ", "Password: "}, {}}, "wurde abgelehnt"},
    };
    for (const auto &c : cases) {
        Runner.Steps = {c.Step};
        Prompter.Prompts.clear();
        TFNetzwerkVerbinden dialog;
        Fill(dialog, "smb://nas/daten", "", "falsch");
        Click(dialog, "BnVerbinden");
        ASSERT_EQ(Prompter.Count("Error"), 1) << c.Shown.toStdString();
        EXPECT_TRUE(Prompter.Texts("Error")[0].contains(c.Shown))
            << Prompter.Texts("Error")[0].toStdString();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
    }
    // A share that is connected already counts as connected.
    Runner.Steps = {{{}, Failed("gio: smb://nas/daten: Location is already mounted\n")}};
    TFNetzwerkVerbinden dialog;
    Fill(dialog, "smb://nas/daten");
    Click(dialog, "BnVerbinden");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(NetworkDrivesTest, QuestionsWithOptionsGoToTheUser)
{
    const QString question = "The identity of the remote computer (server) is unknown.\n"
                             "[1] Log In Anyway\n[2] Cancel Login\nChoice: ";
    for (const int choice : {1, 0}) {
        Runner.Steps = {{{question}}};
        Runner.Calls.clear();
        Prompter.Prompts.clear();
        Prompter.ChoiceAnswers = {choice};
        TFNetzwerkVerbinden dialog;
        Fill(dialog, "sftp://anna@server/home/anna");
        Click(dialog, "BnVerbinden");
        ASSERT_EQ(Prompter.Count("Choice"), 1);
        EXPECT_EQ(Prompter.Prompts[0].Text.toStdString(),
                  "The identity of the remote computer (server) is unknown.: Log In Anyway, "
                  "Cancel Login");
        if (choice == 1) {
            EXPECT_EQ(Runner.Calls[0].Answers, QStringList({"1"}));
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        } else {
            // Cancelled by the user: nothing more to say.
            EXPECT_EQ(Runner.Calls[0].Answers, QStringList({"<stopped>"}));
            EXPECT_EQ(Prompter.Count("Error"), 0);
            EXPECT_NE(dialog.result(), QDialog::Accepted);
        }
    }
}

TEST_F(NetworkDrivesTest, DisconnectListsTheNetworkSharesAndUnmountsTheChosenOne)
{
    const QString listing = "Drive(0): QEMU HARDDISK\n"
                            "  Type: GProxyDrive (GProxyVolumeMonitorUDisks2)\n"
                            "  Volume(0): Daten\n"
                            "    Mount(0): Daten -> file:///media/daten\n"
                            "Mount(0): daten auf nas -> smb://nas/daten/\n"
                            "Mount(1): anna on server -> sftp://anna@server/\n"
                            "Mount(2): daten auf nas -> smb://nas/daten/\n";
    Runner.Steps = {{{}, {true, false, 0, listing, {}}},
                    {{}, Failed("gio: sftp://anna@server/: File is busy\n")},
                    {},
                    {{}, {true, false, 0, "Mount(0): daten auf nas -> smb://nas/daten/\n", {}}}};
    TFNetzwerkTrennen dialog;
    auto *list = dialog.findChild<QListWidget *>("LBLaufwerke");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "daten auf nas  (smb://nas/daten/)");
    list->setCurrentRow(1);
    Click(dialog, "BnTrennen");
    ASSERT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(Prompter.Texts("Error")[0].contains("wird noch benutzt"));
    EXPECT_EQ(list->count(), 2);
    Click(dialog, "BnTrennen");
    EXPECT_EQ(Runner.Calls[2].Command, QStringList({"gio", "mount", "-u", "sftp://anna@server/"}));
    EXPECT_EQ(list->count(), 1);
    EXPECT_TRUE(dialog.findChild<QLabel *>("LabelHinweis")->text().endsWith("ist getrennt."));
}

TEST_F(NetworkDrivesTest, DisconnectWithoutSharesOrWithoutTheTool)
{
    Runner.Steps = {{{}, {true, false, 0, "Mount(0): Daten -> file:///media/daten\n", {}}}};
    TFNetzwerkTrennen empty;
    EXPECT_EQ(empty.findChild<QListWidget *>("LBLaufwerke")->count(), 0);
    EXPECT_FALSE(empty.findChild<QPushButton *>("BnTrennen")->isEnabled());
    EXPECT_EQ(empty.findChild<QLabel *>("LabelHinweis")->text(),
              "Es ist kein Netzwerklaufwerk verbunden.");
    Runner.Steps = {{{}, {false, false, -1, {}, {}}}};
    TFNetzwerkTrennen missing;
    EXPECT_TRUE(missing.findChild<QLabel *>("LabelHinweis")->text().contains("nicht installiert"));
}
