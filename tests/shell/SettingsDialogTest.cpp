#include "AppSettings.h"
#include "ColorMemo.h"
#include "FEinst.h"
#include "FMain.h"
#include "Globals.h"
#include "MenuBuilder.h"
#include "ModalDriver.h"
#include "PrintSettings.h"
#include "RecentFiles.h"
#include "Registry.h"
#include "ScriptedPrompter.h"
#include "SettingsStore.h"
#include "ShellOpen.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QFont FontOf(const QString &family, int size, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

template<typename T>
T *Child(QWidget &dialog, const char *name)
{
    T *child = dialog.findChild<T *>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

class SettingsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        qputenv("HTML_EDITOR_HOME", Dir.filePath("home").toLocal8Bit());
        ResetRegistry();
        Settings() = TSettings();
        PrintSettings() = TPrintSettings();
        Frame = std::make_unique<TFMain>(QStringList());
    }
    void TearDown() override
    {
        for (TFHTMLFrame *window : Frame->DocumentWindows())
            window->CloseWithoutQuery();
        Frame.reset();
        ResetRegistry();
    }

    TFHTMLFrame *NewWindow(TOpenMode openMode)
    {
        Frame->OpenDocumentWindow(QString(), openMode);
        return Frame->DocumentWindows().last();
    }

    // Opens the settings dialog through the frame's menu and lets the action handle it.
    void RunSettingsDialog(const std::function<void(QWidget &)> &action)
    {
        WhenModalShows("FEinst", action);
        Frame->findChild<QAction *>("MnEinstellungen")->trigger();
    }

    static QString EditorFamily(TFHTMLFrame *window)
    {
        return window->MemoColor()->font().family();
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    std::unique_ptr<TFMain> Frame;
};

} // namespace

TEST_F(SettingsDialogTest, OpensOnGeneralPageAndMaximalBoxesStartUncheckedInEveryRun)
{
    Settings().MainFensterImmerMaximal = true;
    Settings().FensterImmerMaximal = true;
    SaveSettings({});
    // A new program run starts with fresh settings and loads them; the two boxes are stored
    // in the mirror key only and are not loaded.
    Frame.reset();
    Settings() = TSettings();
    Frame = std::make_unique<TFMain>(QStringList());
    ASSERT_TRUE(RegReadBool(MainRegistryKey + "\\Allgemein", "FensterImmerMaximal", false));
    for (int run = 0; run < 2; ++run) {
        RunSettingsDialog([](QWidget &dialog) {
            auto *tabs = Child<QTabWidget>(dialog, "MainTab");
            EXPECT_EQ(tabs->currentWidget()->objectName(), "TabAllgemein");
            EXPECT_EQ(Child<QWidget>(dialog, "BnHilfe")->property(HelpContextProperty), 10500);
            EXPECT_FALSE(Child<QCheckBox>(dialog, "CMainFensterMaximal")->isChecked());
            EXPECT_FALSE(Child<QCheckBox>(dialog, "CFensterMaximal")->isChecked());
            EXPECT_TRUE(Child<QCheckBox>(dialog, "CImmerSicherheitsabfrage")->isChecked());
            EXPECT_TRUE(Child<QCheckBox>(dialog, "CBakDatei")->isChecked());
            tabs->setCurrentIndex(2);
            ClickButton(dialog, "BnAbbruch");
        });
    }
}

TEST_F(SettingsDialogTest, HelpContextFollowsTheGeneralAndFontPagesOnly)
{
    TFEinst dialog;
    dialog.Fill();
    auto *tabs = dialog.findChild<QTabWidget *>("MainTab");
    const struct
    {
        int Page;
        int Context;
    } steps[] = {{1, 10600}, {2, 10600}, {3, 10600}, {0, 10500}, {3, 10500}, {1, 10600}};
    for (const auto &step : steps) {
        tabs->setCurrentIndex(step.Page);
        EXPECT_EQ(dialog.findChild<QWidget *>("BnHilfe")->property(HelpContextProperty), step.Context)
            << step.Page;
        EXPECT_EQ(tabs->property(HelpContextProperty), step.Context);
    }
}

TEST_F(SettingsDialogTest, CancelAfterChangingTheEditorFontKeepsOpenWindowsButNotNewOnes)
{
    TFHTMLFrame *before = NewWindow(TOpenMode::Xhtml);
    const QString oldFamily = EditorFamily(before);
    Prompter.FontAnswers.push_back(TFontChoice{FontOf("DejaVu Serif", 15, false, false), Qt::blue});
    RunSettingsDialog([](QWidget &dialog) {
        Child<QTabWidget>(dialog, "MainTab")->setCurrentIndex(1);
        ClickButton(dialog, "BnAendernSchrift");
        EXPECT_EQ(Child<QLabel>(dialog, "LSchriftname")->text(), "DejaVu Serif");
        EXPECT_EQ(Child<QLabel>(dialog, "LSchriftgroesse")->text(), "15");
        ClickButton(dialog, "BnAbbruch");
    });
    EXPECT_TRUE(DialogResult.isEmpty());
    EXPECT_EQ(Settings().EditorSchriftName, "DejaVu Serif");
    EXPECT_EQ(Settings().EditorSchriftFarbe, 0xFF0000);
    EXPECT_EQ(EditorFamily(before), oldFamily);
    EXPECT_EQ(RegReadString(MainRegistryKey, "EditorSchriftName", "<nicht gespeichert>"),
              "<nicht gespeichert>");
    EXPECT_EQ(EditorFamily(NewWindow(TOpenMode::Css)), "DejaVu Serif");
}

TEST_F(SettingsDialogTest, FixedUndoIntervalReachesEveryOpenWindow)
{
    const QList<TFHTMLFrame *> windows = {NewWindow(TOpenMode::Xhtml), NewWindow(TOpenMode::Css)};
    RunSettingsDialog([](QWidget &dialog) {
        Child<QRadioButton>(dialog, "RUndoMitTimer")->setChecked(true);
        Child<QSpinBox>(dialog, "spUndoIntervall")->setValue(7);
        ClickButton(dialog, "BnOk");
    });
    EXPECT_EQ(DialogResult, "Okay");
    for (TFHTMLFrame *window : windows) {
        auto *timer = window->findChild<QTimer *>("TimerUndo");
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 7000);
    }
    EXPECT_FALSE(RegReadBool("Undo", "UndoMitKeyUp", true));
    EXPECT_EQ(RegReadInteger("Undo", "UndoTimerIntervall", 0), 7);
}

TEST_F(SettingsDialogTest, UndoChoiceEnablesTheIntervalAndKeyPressesKeepTheStoredInterval)
{
    Settings().UndoMitKeyUp = false;
    Settings().UndoTimerIntervall = 12;
    TFEinst dialog;
    dialog.Fill();
    auto *keys = dialog.findChild<QRadioButton *>("RUndoMitTasten");
    auto *field = dialog.findChild<QSpinBox *>("spUndoIntervall");
    EXPECT_TRUE(dialog.findChild<QRadioButton *>("RUndoMitTimer")->isChecked());
    EXPECT_TRUE(field->isEnabled());
    EXPECT_EQ(field->value(), 12);
    EXPECT_EQ(field->minimum(), 5);
    EXPECT_EQ(field->maximum(), 1000);
    keys->setChecked(true);
    EXPECT_FALSE(field->isEnabled());
    field->setValue(99);
    dialog.findChild<QPushButton *>("BnOk")->click();
    EXPECT_TRUE(Settings().UndoMitKeyUp);
    EXPECT_EQ(Settings().UndoTimerIntervall, 12);
}

TEST_F(SettingsDialogTest, ExactlyBoldIsTheOnlyBoldEditorFont)
{
    const struct
    {
        bool Bold;
        bool Italic;
        bool Stored;
    } cases[] = {{true, true, false}, {true, false, true}, {false, true, false}};
    for (const auto &c : cases) {
        Prompter.FontAnswers.push_back(
            TFontChoice{FontOf("DejaVu Sans", 11, c.Bold, c.Italic), Qt::black});
        RunSettingsDialog([](QWidget &dialog) {
            Child<QTabWidget>(dialog, "MainTab")->setCurrentIndex(1);
            ClickButton(dialog, "BnAendernSchrift");
            ClickButton(dialog, "BnOk");
        });
        EXPECT_EQ(RegReadBool(MainRegistryKey, "EditorSchriftBold", !c.Stored), c.Stored)
            << c.Bold << c.Italic;
    }
}

TEST_F(SettingsDialogTest, OkCopiesTheControlsAndTrimsBrowserPaths)
{
    RunSettingsDialog([](QWidget &dialog) {
        Child<QLineEdit>(dialog, "EBrowserPfad1")->setText("  /usr/bin/firefox ");
        Child<QLineEdit>(dialog, "EBrowserPfad4")->setText("/opt/chromium");
        Child<QCheckBox>(dialog, "CSucheAmAktuellenCursor")->setChecked(true);
        Child<QCheckBox>(dialog, "CBakDatei")->setChecked(false);
        Child<QCheckBox>(dialog, "CInEditMitTabs")->setChecked(true);
        Child<QCheckBox>(dialog, "CFensterMaximal")->setChecked(true);
        Child<QCheckBox>(dialog, "CImmerSicherheitsabfrage")->setChecked(false);
        ClickButton(dialog, "BnOk");
    });
    const TSettings &s = Settings();
    EXPECT_EQ(s.Browser[0], "/usr/bin/firefox");
    EXPECT_EQ(s.Browser[3], "/opt/chromium");
    EXPECT_TRUE(s.SucheAmAktuellenCursor);
    EXPECT_FALSE(s.AutoSave);
    EXPECT_TRUE(s.InEditMitTabs);
    EXPECT_TRUE(s.FensterImmerMaximal);
    EXPECT_FALSE(s.ImmerSicherheitsabfrage);
    EXPECT_EQ(s.TabBreite, 2);
    EXPECT_EQ(RegReadString(MainRegistryKey, "Browser1", {}), "/usr/bin/firefox");
    EXPECT_FALSE(RegReadBool(MainRegistryKey, "AutoSave", true));
    EXPECT_TRUE(RegReadBool(MainRegistryKey + "\\Allgemein", "FensterImmerMaximal", false));
}

TEST_F(SettingsDialogTest, EscapeAndCancelCopyNothing)
{
    for (const bool escape : {true, false}) {
        RunSettingsDialog([escape](QWidget &dialog) {
            Child<QLineEdit>(dialog, "EBrowserPfad2")->setText("/usr/bin/anders");
            Child<QCheckBox>(dialog, "CBakDatei")->setChecked(false);
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                ClickButton(dialog, "BnAbbruch");
        });
        EXPECT_TRUE(DialogResult.isEmpty());
        EXPECT_TRUE(Settings().Browser[1].isEmpty());
        EXPECT_TRUE(Settings().AutoSave);
        EXPECT_FALSE(Registry().KeyExists(MainRegistryKey));
    }
}

TEST_F(SettingsDialogTest, BrowseButtonsAskForAnExistingProgram)
{
    TFEinst dialog;
    dialog.Fill();
    const char *const buttons[4] = {"EBn1Button", "EBn2Button", "BitBtn1", "BitBtn2"};
    for (int i = 0; i < 4; ++i) {
        Prompter.AnswerOpen({"/usr/bin/browser" + QString::number(i + 1)});
        dialog.findChild<QPushButton *>(buttons[i])->click();
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dialog.findChild<QLineEdit *>("EBrowserPfad" + QString::number(i + 1))->text(),
                  "/usr/bin/browser" + QString::number(i + 1));
    // A cancelled dialog leaves the field as it was.
    dialog.findChild<QPushButton *>("EBn1Button")->click();
    EXPECT_EQ(dialog.findChild<QLineEdit *>("EBrowserPfad1")->text(), "/usr/bin/browser1");
    const TFileDialogOptions &asked = Prompter.FileDialogs.back();
    EXPECT_EQ(asked.Title, "Datei aussuchen und eintragen");
    EXPECT_EQ(asked.InitialDir, GetProgramFilesDir());
    EXPECT_TRUE(asked.MustExist);
    EXPECT_EQ(asked.ExecutableFilter, 1);
    EXPECT_TRUE(asked.Filter.startsWith("Programm-Dateien|*|"));
}

TEST_F(SettingsDialogTest, PrinterFontChoiceIsThePrintersFont)
{
    Prompter.FontAnswers.push_back(TFontChoice{FontOf("DejaVu Sans Mono", 9, true, false), Qt::red});
    RunSettingsDialog([](QWidget &dialog) {
        Child<QTabWidget>(dialog, "MainTab")->setCurrentIndex(1);
        // The printer font starts empty in every run.
        Child<QRadioButton>(dialog, "RDruckerSchrift")->setChecked(true);
        EXPECT_EQ(Child<QLabel>(dialog, "LSchriftname")->text(), "");
        EXPECT_EQ(Child<QLabel>(dialog, "LSchriftgroesse")->text(), "0");
        ClickButton(dialog, "BnAendernSchrift");
        EXPECT_EQ(Child<QLabel>(dialog, "LSchriftname")->text(), "DejaVu Sans Mono");
        ClickButton(dialog, "BnAbbruch");
    });
    const TPrintFont &printer = PrintSettings().DruckerSchrift;
    EXPECT_EQ(printer.Name, "DejaVu Sans Mono");
    EXPECT_EQ(printer.Size, 9);
    EXPECT_TRUE(printer.Bold);
    EXPECT_EQ(printer.Color, 0x0000FF);
    EXPECT_EQ(Settings().EditorSchriftName, "MS Sans Serif");
}

TEST_F(SettingsDialogTest, FontDialogOfTheWindowsStoresAndAppliesOnOkOnly)
{
    TFHTMLFrame *window = NewWindow(TOpenMode::Css);
    const QString oldFamily = EditorFamily(window);
    const struct
    {
        const char *Button;
        bool Applied;
    } cases[] = {{"BnAbbruch", false}, {"BnOk", true}};
    for (const auto &c : cases) {
        Prompter.FontAnswers.push_back(
            TFontChoice{FontOf("DejaVu Serif", 13, false, false), Qt::black});
        WhenModalShows("FFontEinst", [&c](QWidget &dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
            ClickButton(dialog, "BnAendern");
            EXPECT_EQ(Child<QLabel>(dialog, "LSchriftname")->text(), "DejaVu Serif");
            ClickButton(dialog, c.Button);
        });
        window->findChild<QAction *>("MnSchrift")->trigger();
        EXPECT_EQ(EditorFamily(window), c.Applied ? "DejaVu Serif" : oldFamily) << c.Button;
        EXPECT_EQ(RegReadInteger(MainRegistryKey, "EditorSchriftGroesse", 0), c.Applied ? 13 : 0);
    }
}
