#include "FontColorDialog.h"

#include <QComboBox>
#include <QFontDialog>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(FontColorDialog, ReturnsThePresetFontAndColour)
{
    const struct
    {
        QColor Color;
        QString Shown;
    } cases[] = {{QColor(0x80, 0, 0), "Kastanienbraun"},
                 {QColor(Qt::white), "Weiß"},
                 {QColor(0x12, 0x34, 0x56), "Benutzerdefiniert"}};
    for (const auto &c : cases) {
        QFont font("DejaVu Sans");
        font.setPointSize(14);
        TFontColorDialog dialog({font, c.Color});
        EXPECT_EQ(dialog.findChild<QComboBox *>("CFarbe")->currentText(), c.Shown);
        const TFontChoice choice = dialog.Choice();
        EXPECT_EQ(choice.Color, c.Color);
        EXPECT_EQ(choice.Font.family(), "DejaVu Sans");
        EXPECT_EQ(choice.Font.pointSize(), 14);
    }
}

TEST(FontColorDialog, KeysInTheFontPartCloseTheWholeDialog)
{
    const struct
    {
        Qt::Key Key;
        int Result;
    } cases[] = {{Qt::Key_Escape, QDialog::Rejected}, {Qt::Key_Return, QDialog::Accepted}};
    for (const auto &c : cases) {
        TFontColorDialog dialog({QFont("DejaVu Sans"), Qt::black});
        QTimer::singleShot(0, &dialog, [&dialog, &c] {
            // The list of font families.
            QWidget *inner = dialog.findChild<QFontDialog *>("FontDialog")->findChild<QListView *>();
            inner->setFocus();
            QTest::keyClick(inner, c.Key);
            // A dialog that is still open would block the test: close it as cancelled.
            if (dialog.isVisible())
                dialog.done(-1);
        });
        EXPECT_EQ(dialog.exec(), c.Result);
    }
}

TEST(ExactlyBold, OnlyBoldWithoutOtherStyles)
{
    const auto style = [](bool bold, bool italic, bool underline, bool strikeOut) {
        QFont font;
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(underline);
        font.setStrikeOut(strikeOut);
        return IsExactlyBold(font);
    };
    EXPECT_TRUE(style(true, false, false, false));
    EXPECT_FALSE(style(true, true, false, false));
    EXPECT_FALSE(style(true, false, true, false));
    EXPECT_FALSE(style(true, false, false, true));
    EXPECT_FALSE(style(false, false, false, false));
}
