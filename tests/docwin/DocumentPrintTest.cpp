#include "AppSettings.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "MenuBuilder.h"
#include "ModalDriver.h"
#include "PrintSettings.h"
#include "RecordingHost.h"
#include "ScriptedPrompter.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DocumentPrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        PrintSettings() = TPrintSettings();
        TPrintSettings &s = PrintSettings();
        s.LinkerRandMM = s.RechterRandMM = s.ObererRandMM = s.UntererRandMM = 10;
        qputenv("HTML_EDITOR_PRINT_TO_PDF", Pdf.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("HTML_EDITOR_PRINT_TO_PDF"); }

    // The printed text, or nothing without pdftotext.
    std::optional<QString> PrintedText() const
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            return std::nullopt;
        QProcess process;
        process.start("pdftotext", {"-layout", Pdf, "-"});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir Dir;
    QString Pdf = Dir.filePath("druck.pdf");
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TRecordingHost Host;
};

} // namespace

TEST_F(DocumentPrintTest, ToolbarPrintPrintsTheWholeTextAndKeepsTheSelection)
{
    TFMDITagra2 window;
    window.OpenDocument(QString(), false, false, false);
    window.ActiveEditor().SetText("<p>eins</p>\r\n<p>zwei</p>");
    window.ActiveEditor().SetSelStart(3);
    window.ActiveEditor().SetSelLength(4);
    WhenModalShows("FMemoDrucken", [](QWidget &dialog) {
        // The print buffer has no selection of its own: no block printing.
        EXPECT_FALSE(dialog.findChild<QCheckBox *>("CBlockDrucken")->isEnabled());
        ClickButton(dialog, "BnOkay");
    });
    window.HandleDocCommand(TDocCommand::DocPrint);
    EXPECT_TRUE(QFile::exists(Pdf));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "<p>eins</p>\r\n<p>zwei</p>");
    EXPECT_EQ(window.ActiveEditor().SelStart(), 3);
    EXPECT_EQ(window.ActiveEditor().SelLength(), 4);
    const std::optional<QString> printed = PrintedText();
    if (!printed)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(printed->contains("<p>eins</p>"));
    EXPECT_TRUE(printed->contains("<p>zwei</p>"));
}

TEST_F(DocumentPrintTest, AnEmptyDocumentDoesNotPrintTheClipboard)
{
    TFMDI_CSS2 window;
    window.OpenDocument(QString(), false);
    QGuiApplication::clipboard()->setText("fremder Text");
    WhenModalShows("FMemoDrucken", [](QWidget &dialog) { ClickButton(dialog, "BnOkay"); });
    window.HandleDocCommand(TDocCommand::DocPrint);
    const std::optional<QString> printed = PrintedText();
    if (!printed)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_FALSE(printed->contains("fremder"));
}

TEST_F(DocumentPrintTest, BothWindowsOfferPrintAndPrinterSetup)
{
    TFMDITagra2 html;
    TFMDI_CSS2 css;
    for (QWidget *window : {static_cast<QWidget *>(&html), static_cast<QWidget *>(&css)}) {
        for (const char *name : {"MnDrucken", "MnDruckerSetup"}) {
            auto *item = window->findChild<TMenuAction *>(name);
            ASSERT_NE(item, nullptr) << name;
            EXPECT_TRUE(item->isEnabled() && item->HasCommand()) << name;
        }
    }
    html.OpenDocument(QString(), false, false, false);
    WhenModalShows("FMemoDrucken", [](QWidget &dialog) { ClickButton(dialog, "BnAbbruch"); });
    html.findChild<QAction *>("MnDrucken")->trigger();
    EXPECT_FALSE(QFile::exists(Pdf));
}
