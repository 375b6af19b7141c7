#include "HelpTopics.h"
#include "Hilfe.h"
#include "ProgramPaths.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { ProgramDirectory = HELP_TOPIC_DIR; }
    void TearDown() override { ProgramDirectory = Saved; }

    static QString Text(const TFHilfe &window) { return window.Memo1()->toPlainText(); }

    // A copy of one topic file in a folder of its own, used as the program directory.
    QString ProgramWithTopic(const QString &subFolder, const QString &fileName)
    {
        const QString folder = Dir.path() + "/" + subFolder;
        QDir().mkpath(folder);
        QFile::copy(QString(HELP_TOPIC_DIR) + fileName, folder + "/" + fileName);
        return Dir.path() + "/bin/";
    }

    QString Saved = ProgramDirectory;
    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
};

} // namespace

TEST_F(HelpWindowTest, ShowTopicShowsTheWindowOnlyWhenItsTimerFires)
{
    QWidget owner;
    TFHilfe *window = OpenHelpWindow(&owner, 8);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->Timer1.isActive());
    EXPECT_EQ(window->Timer1.interval(), 100);
    EXPECT_TRUE(Text(*window).startsWith("Cascading Stylesheets (CSS)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 2000));
    EXPECT_FALSE(window->Timer1.isActive());
    EXPECT_EQ(window->windowTitle(), "HTML-Hilfe");
    EXPECT_EQ(window->size(), QSize(400, 400));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_EQ(Prompter.Prompts.size(), 0u);
}

TEST_F(HelpWindowTest, EachHelpCommandOpensAWindowOfItsOwn)
{
    QWidget owner;
    TFHilfe *first = OpenHelpWindow(&owner, 2);
    TFHilfe *second = OpenHelpWindow(&owner, 2);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(owner.findChildren<TFHilfe *>().size(), 2);
    EXPECT_EQ(Text(*first), Text(*second));
}

TEST_F(HelpWindowTest, TheWindowsOwnMenuLoadsTheTopicIntoTheSameWindow)
{
    TFHilfe window;
    ASSERT_TRUE(window.ShowTopic(8));
    const struct
    {
        const char *Item;
        const char *Heading;
    } items[] = {{"MnHTML_Info_Liste", "Listen"},
                 {"MnHTML_Info_Schriften", "Schriften"},
                 {"MnHTML_Info_Bilder", "Bilder"}};
    for (const auto &item : items) {
        window.findChild<QAction *>(item.Item)->trigger();
        EXPECT_TRUE(Text(window).startsWith(item.Heading)) << item.Item;
    }
    // Style sheets and forms have no item in the help window.
    EXPECT_EQ(window.findChild<QAction *>("MnHtml_info_Css"), nullptr);
    EXPECT_EQ(window.findChild<QAction *>("MnHelp_Formulare"), nullptr);
    EXPECT_EQ(window.findChild<QMenu *>("MnHTMLInfo")->actions().size(), 7);
}

TEST_F(HelpWindowTest, CopyAndSelectAllReachTheClipboard)
{
    TFHilfe window;
    ASSERT_TRUE(window.LoadTopic(4));
    QApplication::clipboard()->clear();
    window.findChild<QAction *>("MnAllesMarkieren")->trigger();
    window.findChild<QAction *>("MnKopieren")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().replace(QChar::ParagraphSeparator, '\n'),
              Text(window));
    EXPECT_EQ(window.findChild<QAction *>("MnKopieren")->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(window.findChild<QAction *>("MnAllesMarkieren")->shortcut(), QKeySequence("Ctrl+A"));
}

TEST_F(HelpWindowTest, AMissingTopicIsReportedAndNoWindowIsShown)
{
    ProgramDirectory = Dir.path() + "/";
    QWidget owner;
    EXPECT_EQ(OpenHelpWindow(&owner, 6), nullptr);
    EXPECT_TRUE(owner.findChildren<TFHilfe *>().isEmpty());
    ASSERT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(
        Prompter.Texts("Error").first().contains("\"help_Links.rtf\" wurde nicht gefunden"));
    // A number without a topic is refused the same way.
    EXPECT_EQ(OpenHelpWindow(&owner, 10), nullptr);
    EXPECT_EQ(Prompter.Count("Error"), 2);
}

TEST_F(HelpWindowTest, AFailedLoadFromTheMenuKeepsThePreviousText)
{
    TFHilfe window;
    ASSERT_TRUE(window.LoadTopic(3));
    const QString before = Text(window);
    ProgramDirectory = Dir.path() + "/";
    window.findChild<QAction *>("MnHTML_Info_Tabelle")->trigger();
    EXPECT_EQ(Text(window), before);
    EXPECT_EQ(window.Topic(), 3);
    EXPECT_EQ(Prompter.Count("Error"), 1);
}

TEST_F(HelpWindowTest, TopicsAreFoundBesideTheProgramInTheBuildAndTheInstalledLayout)
{
    const struct
    {
        const char *Folder;
        const char *File;
    } layouts[] = {{"bin", "help_Liste.rtf"},
                   {"bin/help", "help_Farben.rtf"},
                   {"share/html-editor/help", "Formulare.rtf"}};
    for (const auto &layout : layouts) {
        ProgramDirectory = ProgramWithTopic(layout.Folder, layout.File);
        const THelpTopic *topic = nullptr;
        for (const THelpTopic &candidate : HelpTopics()) {
            if (QString(candidate.FileName) == layout.File)
                topic = &candidate;
        }
        ASSERT_NE(topic, nullptr);
        const THelpTopicText text = ReadHelpTopic(topic->Number, ProgramDirectory);
        EXPECT_TRUE(text.Ok) << layout.Folder << " " << text.Error.toStdString();
        EXPECT_FALSE(text.Document.Paragraphs.isEmpty()) << layout.Folder;
    }
}
