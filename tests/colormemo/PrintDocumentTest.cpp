#include "PrintDocument.h"

#include "MemoDrucken.h"
#include "ModalDriver.h"
#include "PrintSettings.h"
#include "Registry.h"
#include "ScriptedPrompter.h"
#include "TextBuffer.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the action on the print dialog as soon as it is shown modally.
void WhenDialogShows(const std::function<void(TFMemoDrucken &)> &action)
{
    WhenModalShows("FMemoDrucken",
                   [action](QWidget &dialog) { action(static_cast<TFMemoDrucken &>(dialog)); });
}

int PdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString content = QString::fromLatin1(file.readAll());
    return int(content.count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

// The text of the PDF's pages, or nothing without pdftotext.
std::optional<QStringList> PdfPages(const QString &path)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return std::nullopt;
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).split('\f');
}

class PrintDocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        qputenv("HTML_EDITOR_PRINT_TO_PDF", Pdf.toLocal8Bit());
        ResetRegistry();
        PrintSettings() = TPrintSettings();
    }
    void TearDown() override
    {
        qunsetenv("HTML_EDITOR_PRINT_TO_PDF");
        ResetRegistry();
    }

    // Print settings as a confirmed dialog leaves them: 10 mm margins, single spacing.
    static void UseTenMillimetreMargins()
    {
        TPrintSettings &s = PrintSettings();
        s.LinkerRandMM = s.RechterRandMM = s.ObererRandMM = s.UntererRandMM = 10;
        s.Zeilenabstand = 1;
    }

    static QString NumberedText(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << "Zeile " + QString::number(i);
        return lines.join("\r\n") + "\r\n";
    }

    QTemporaryDir Dir;
    QString Pdf = Dir.filePath("druck.pdf");
    TScriptedPrompter Prompts;
    TPrompterScope Scope{Prompts};
};

} // namespace

TEST_F(PrintDocumentTest, PrintsPagesWithHeadingIntoThePdfFile)
{
    UseTenMillimetreMargins();
    // 10 points are 3.5 mm: some 75 lines fit on a page of A4 or Letter.
    const TTextBuffer source(NumberedText(200));
    ASSERT_TRUE(PrintLines("/tmp/seite.html", source, true).Printed());
    EXPECT_EQ(PdfPageCount(Pdf), 3);
    const std::optional<QStringList> pages = PdfPages(Pdf);
    if (!pages)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(pages->at(0).contains("/tmp/seite.html"));
    EXPECT_TRUE(pages->at(0).contains("Seite -1-"));
    EXPECT_TRUE(pages->at(0).contains(
        QRegularExpression("^\\s*Zeile 1\\s*$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(pages->at(2).contains("Seite -3-"));
    EXPECT_TRUE(pages->at(2).contains("Zeile 200"));
    EXPECT_FALSE(pages->at(2).contains("Zeile 201"));
}

TEST_F(PrintDocumentTest, ALongLineIsPrintedWhollyOnSeveralLines)
{
    UseTenMillimetreMargins();
    const QString digits = QString("0123456789").repeated(50);
    ASSERT_TRUE(PrintLines("a.css", TTextBuffer(digits), false).Printed());
    EXPECT_EQ(PdfPageCount(Pdf), 1);
    const std::optional<QStringList> pages = PdfPages(Pdf);
    if (!pages)
        GTEST_SKIP() << "pdftotext is not installed";
    const QStringList printed = pages->at(0).split('\n', Qt::SkipEmptyParts);
    EXPECT_GT(printed.size(), 2);
    EXPECT_EQ(printed.join("").remove(' '), digits);
}

TEST_F(PrintDocumentTest, AnUnwritableOutputIsAFailureNotAPrint)
{
    UseTenMillimetreMargins();
    qputenv("HTML_EDITOR_PRINT_TO_PDF", "/nonexistent-folder/druck.pdf");
    const TPrintResult result = PrintLines("a.css", TTextBuffer("Text"), false);
    EXPECT_EQ(result.Outcome, TPrintResult::TOutcome::Failed);
    EXPECT_FALSE(result.Error.isEmpty());
}

TEST_F(PrintDocumentTest, FirstDialogShowsMinimumMarginsAndCancelPrintsNothing)
{
    TTextBuffer source("Text"), scratch;
    WhenDialogShows([](TFMemoDrucken &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Druckerkonfiguration");
        for (const char *name : {"ELinkerRand", "ERechterRand", "EObererRand", "EUntererRand"})
            EXPECT_EQ(dialog.findChild<QSpinBox *>(name)->value(), 1) << name;
        EXPECT_EQ(dialog.findChild<QLabel *>("LDruckerschrift")->text(), " (0 pg)");
        EXPECT_EQ(dialog.findChild<QLabel *>("LDatei")->text(), "seite.html");
        EXPECT_FALSE(dialog.findChild<QWidget *>("GTabelle")->isVisibleTo(&dialog));
        ClickButton(dialog, "BnAbbruch");
    });
    const TPrintResult result = PrintDocument("/home/anna/seite.html", source, scratch, true);
    EXPECT_EQ(result.Outcome, TPrintResult::TOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(Pdf));
    EXPECT_FALSE(Registry().KeyExists(PrinterKey));
}

TEST_F(PrintDocumentTest, OkTakesTheDialogValuesAndStoresThem)
{
    TTextBuffer source("Text"), scratch;
    WhenDialogShows([](TFMemoDrucken &dialog) {
        dialog.findChild<QSpinBox *>("ELinkerRand")->setValue(15);
        dialog.findChild<QSpinBox *>("EUntererRand")->setValue(20);
        dialog.findChild<QComboBox *>("CZeilenabstand")->setCurrentIndex(5);
        dialog.findChild<QCheckBox *>("CHeadProSeite")->setChecked(true);
        ClickButton(dialog, "BnOkay");
    });
    ASSERT_TRUE(PrintDocument("seite.html", source, scratch, true).Printed());
    EXPECT_EQ(PrintSettings().Zeilenabstand, 6);
    EXPECT_EQ(RegReadInteger(PrinterKey, "LinkerRandMM", -1), 15);
    EXPECT_EQ(RegReadInteger(PrinterKey, "RechterRandMM", -1), 1);
    EXPECT_EQ(RegReadInteger(PrinterKey, "UntererRandMM", -1), 20);
    EXPECT_EQ(RegReadInteger(PrinterKey, "TrennRandMM", -1), 1);
    EXPECT_TRUE(RegReadBool(PrinterKey, "HeadProSeite", false));
    EXPECT_EQ(RegReadString(PrinterFontKey, "Name", "-"), "");
    EXPECT_EQ(RegReadInteger(PrinterHeadFontKey, "Groesse", -1), 0);
    EXPECT_EQ(RegReadInteger(ColumnHeadingKey, "Attribut", -1), 0);
    EXPECT_EQ(PdfPageCount(Pdf), 1);

    // The next dialog keeps the margins and the heading but starts again with single spacing.
    WhenDialogShows([](TFMemoDrucken &dialog) {
        EXPECT_EQ(dialog.findChild<QSpinBox *>("ELinkerRand")->value(), 15);
        EXPECT_TRUE(dialog.findChild<QCheckBox *>("CHeadProSeite")->isChecked());
        EXPECT_EQ(dialog.findChild<QComboBox *>("CZeilenabstand")->currentText(), "einzeilig");
        ClickButton(dialog, "BnAbbruch");
    });
    PrintDocument("seite.html", source, scratch, true);
}

TEST_F(PrintDocumentTest, EnterInAMarginFieldConfirmsAndEscapeCancels)
{
    TTextBuffer source("Text"), scratch;
    WhenDialogShows([](TFMemoDrucken &dialog) {
        QTest::keyClick(dialog.findChild<QSpinBox *>("EObererRand"), Qt::Key_Escape);
    });
    EXPECT_EQ(PrintDocument("a.css", source, scratch, true).Outcome,
              TPrintResult::TOutcome::Cancelled);
    WhenDialogShows([](TFMemoDrucken &dialog) {
        QSpinBox *top = dialog.findChild<QSpinBox *>("EObererRand");
        top->setFocus();
        QTest::keyClick(top, Qt::Key_Return);
    });
    EXPECT_TRUE(PrintDocument("a.css", source, scratch, true).Printed());
}

TEST_F(PrintDocumentTest, ASelectionOfMoreThanOneCharacterCanBePrintedAlone)
{
    const struct
    {
        int SelectionLength;
        bool Offered;
    } cases[] = {{0, false}, {1, false}, {2, true}};
    for (const auto &c : cases) {
        TTextBuffer source("erste Zeile\r\nzweite Zeile\r\n"), scratch;
        source.SetSelStart(13);
        source.SetSelLength(c.SelectionLength);
        WhenDialogShows([&c](TFMemoDrucken &dialog) {
            auto *block = dialog.findChild<QCheckBox *>("CBlockDrucken");
            EXPECT_EQ(block->isEnabled(), c.Offered);
            EXPECT_EQ(block->isChecked(), c.Offered);
            const QColor red(Qt::red);
            EXPECT_EQ(block->palette().color(QPalette::WindowText) == red, c.Offered);
            ClickButton(dialog, "BnAbbruch");
        });
        PrintDocument("a.css", source, scratch, true);
    }
}

TEST_F(PrintDocumentTest, BlockPrintingPrintsTheSelectionThroughTheScratchText)
{
    UseTenMillimetreMargins();
    TTextBuffer source("erste Zeile\r\nzweite Zeile\r\ndritte Zeile"), scratch("alt");
    source.SetSelStart(13);
    source.SetSelLength(12);
    WhenDialogShows([](TFMemoDrucken &dialog) { ClickButton(dialog, "BnOkay"); });
    ASSERT_TRUE(PrintDocument("a.css", source, scratch, true).Printed());
    EXPECT_EQ(scratch.Text(), "zweite Zeile");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "zweite Zeile");
    const std::optional<QStringList> pages = PdfPages(Pdf);
    if (!pages)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(pages->at(0).trimmed(), "zweite Zeile");
}

TEST_F(PrintDocumentTest, WithoutBlockPrintingTheFileItselfIsRead)
{
    TTextBuffer source("nicht gedruckt"), scratch;
    WhenDialogShows([](TFMemoDrucken &dialog) { ClickButton(dialog, "BnOkay"); });
    const TPrintResult missing = PrintDocument(Dir.filePath("fehlt.css"), source, scratch, false);
    EXPECT_EQ(missing.Outcome, TPrintResult::TOutcome::Failed);
    EXPECT_EQ(Prompts.Count("Error"), 1);

    QFile file(Dir.filePath("da.css"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("body { color: red; }\r\n");
    file.close();
    WhenDialogShows([](TFMemoDrucken &dialog) { ClickButton(dialog, "BnOkay"); });
    EXPECT_TRUE(PrintDocument(file.fileName(), source, scratch, false).Printed());
    EXPECT_EQ(scratch.Text(), "body { color: red; }\r\n");
}

TEST_F(PrintDocumentTest, FontChangeTakesNameSizeColourAndOnlyExactBold)
{
    const struct
    {
        bool Bold;
        bool Italic;
        bool StoredBold;
    } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}};
    for (const auto &c : cases) {
        QFont font("DejaVu Serif");
        font.setPointSize(12);
        font.setBold(c.Bold);
        font.setItalic(c.Italic);
        Prompts.FontAnswers.push_back(TFontChoice{font, QColor(Qt::red)});
        WhenDialogShows([](TFMemoDrucken &dialog) {
            ClickButton(dialog, "BnFont");
            EXPECT_EQ(dialog.findChild<QLabel *>("LDruckerschrift")->text(), "DejaVu Serif (12 pg)");
            ClickButton(dialog, "BnAbbruch");
        });
        TTextBuffer source, scratch;
        PrintDocument("a.css", source, scratch, true);
        const TPrintFont &printer = PrintSettings().DruckerSchrift;
        EXPECT_EQ(printer.Name, "DejaVu Serif");
        EXPECT_EQ(printer.Size, 12);
        EXPECT_EQ(printer.Color, 0x0000FF);
        EXPECT_EQ(printer.Bold, c.StoredBold) << c.Bold << c.Italic;
    }
    // The dialog was preset with the font that prints while none is chosen.
    EXPECT_EQ(Prompts.FontPresets.front().Font.family(), DefaultPrinterFontName);
}

TEST(PrintableLines, CountLinesAsALineListDoes)
{
    EXPECT_EQ(PrintableLines(""), QStringList());
    EXPECT_EQ(PrintableLines("a"), QStringList{"a"});
    EXPECT_EQ(PrintableLines("a\r\n"), QStringList{"a"});
    EXPECT_EQ(PrintableLines("a\r\n\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(PrintableLines("\r\n"), QStringList{""});
}
