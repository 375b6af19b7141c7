#include "FarbKonstante.h"
#include "QtToolDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct TPickerColor
{
    const char *Name;
    const char *Swatch;
};

// The sixteen entries in their order, with the colours their swatch shows.
const TPickerColor Expected[] = {
    {"white", "#ffffff"},
    {"red", "#ff0000"},
    {"blue", "#0000ff"},
    {"black", "#000000"},
    {"green", "#008000"},
    {"yellow", "#ffff00"},
    {"cyan", "#00ffff"},
    {"magenta", "#ff00ff"},
    {"purple", "#800080"},
    {"navy", "#000080"},
    {"olive", "#808000"},
    {"lime", "#00ff00"},
    {"aqua", "#00ffff"},
    {"teal", "#008080"},
    {"silver", "#c0c0c0"},
    {"maroon", "#800000"},
};

class ColorPicker : public testing::Test
{
protected:
    QListWidget &List() { return *Dialog.findChild<QListWidget *>("ListBox1"); }
    TColorSwatch &Swatch() { return *Dialog.findChild<TColorSwatch *>("PaintBoxHTMLColor"); }
    QPushButton &Button(const char *name) { return *Dialog.findChild<QPushButton *>(name); }
    // The colour painted in the middle of the swatch.
    QColor PaintedColor()
    {
        const QImage image = Swatch().grab().toImage();
        return image.pixelColor(image.rect().center());
    }
    void ClickEntry(int row)
    {
        const QRect rect = List().visualItemRect(List().item(row));
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, rect.center());
    }

    TFFarbKonstante Dialog;
};

} // namespace

TEST_F(ColorPicker, StartsOnWhiteWithTheSixteenNamesInOrder)
{
    EXPECT_EQ(Dialog.windowTitle(), "Auswahl einer Farbkonstante");
    ASSERT_EQ(List().count(), 16);
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(List().item(row)->text(), Expected[row].Name);
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(Dialog.ColorName(), "white");
    EXPECT_EQ(Swatch().size(), QSize(200, 50));
    EXPECT_EQ(PaintedColor(), QColor("#ffffff"));
    EXPECT_EQ(Button("BnOk").text(), "&Ok");
    EXPECT_TRUE(Button("BnOk").isDefault());
    EXPECT_EQ(Button("BnEsc").text(), "&Abbruch");
    EXPECT_FALSE(Dialog.Accepted());
}

TEST_F(ColorPicker, ClickedEntryNamesAndPaintsItsColour)
{
    Dialog.show();
    for (int row = 15; row >= 0; --row) {
        ClickEntry(row);
        EXPECT_EQ(Dialog.ColorName(), Expected[row].Name);
        EXPECT_EQ(PaintedColor(), QColor(Expected[row].Swatch)) << Expected[row].Name;
    }
    // "cyan" and "aqua" are one colour.
    ClickEntry(6);
    const QColor cyan = PaintedColor();
    ClickEntry(12);
    EXPECT_EQ(PaintedColor(), cyan);
}

TEST_F(ColorPicker, TimerPaintsTheSelectedEntryOnceAfterShowing)
{
    QTimer *timer = Dialog.findChild<QTimer *>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 100);
    Dialog.show();
    List().setCurrentRow(14);
    Swatch().SetColor(Qt::black); // as if the first paint had not reached the screen
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    EXPECT_EQ(PaintedColor(), QColor("#c0c0c0"));
}

TEST_F(ColorPicker, OkAtOnceGivesWhiteCancelGivesNothing)
{
    Dialog.show();
    QTest::mouseClick(&Button("BnOk"), Qt::LeftButton);
    EXPECT_TRUE(Dialog.Accepted());
    EXPECT_EQ(Dialog.ColorName(), "white");

    TFFarbKonstante cancelled;
    cancelled.show();
    QTest::mouseClick(cancelled.findChild<QPushButton *>("BnEsc"), Qt::LeftButton);
    EXPECT_FALSE(cancelled.Accepted());
    TFFarbKonstante closed;
    closed.show();
    closed.close();
    EXPECT_FALSE(closed.Accepted());
}

TEST(QtToolDialogs, ColorNameAfterOkNothingAfterCancel)
{
    TQtToolDialogs dialogs;
    const auto pickAndPress = [](int row, const char *button) {
        QTimer::singleShot(0, [row, button] {
            if (!QTest::qWaitFor([] { return QApplication::activeModalWidget(); }, 2000))
                return;
            QWidget *dialog = QApplication::activeModalWidget();
            dialog->findChild<QListWidget *>("ListBox1")->setCurrentRow(row);
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        });
    };
    pickAndPress(8, "BnOk");
    EXPECT_EQ(dialogs.AskColorName(), std::optional<QString>("purple"));
    pickAndPress(8, "BnEsc");
    EXPECT_EQ(dialogs.AskColorName(), std::nullopt);
}
