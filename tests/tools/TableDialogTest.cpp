#include "QtToolDialogs.h"
#include "Tabelle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template<typename T>
T *Child(const QWidget &parent, const char *name)
{
    T *child = parent.findChild<T *>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Replaces a spin field's text by typing, as a user would, without leaving the field.
void TypeInto(QSpinBox *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Clicks a check box on its box, as a user would.
void Click(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Runs the action on the modal dialog as soon as it is shown.
void WhenModalShows(const std::function<void(QWidget &)> &action)
{
    QTimer::singleShot(0, [action] {
        if (QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000))
            action(*QApplication::activeModalWidget());
    });
}

} // namespace

void PrintTo(const TTableOptions &o, std::ostream *out)
{
    *out << o.Rows << "x" << o.Cols << " border " << o.BorderWidth << " headers "
         << o.HeaderInFirstRow << o.HeaderInFirstCol << " head/foot/body " << o.THead << o.TFoot
         << o.TBody << " spacing " << o.CellSpacing << " colgroup " << o.ColGroup << " frame "
         << o.FrameItem;
}

TEST(TableDialog, FieldsHaveTheirRangesAndDefaults)
{
    TFTabelle dialog;
    EXPECT_EQ(dialog.windowTitle(), "Erzeugen einer Tabelle");
    struct
    {
        const char *Name;
        const char *Caption;
        int Min, Max, Value;
    } const fields[] = {{"SpAnzRow", "Anzahl der Zeilen", 1, 1000, 5},
                        {"SpAnzCol", "Anzahl der Spalten", 1, 1000, 5},
                        {"SpBorderWidth", "Rahmendicke", 0, 20, 1}};
    for (const auto &f : fields) {
        const QSpinBox *field = Child<QSpinBox>(dialog, f.Name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->minimum(), f.Min) << f.Name;
        EXPECT_EQ(field->maximum(), f.Max) << f.Name;
        EXPECT_EQ(field->value(), f.Value) << f.Name;
        bool captionShown = false;
        for (const QLabel *l : dialog.findChildren<QLabel *>())
            captionShown = captionShown || (l->text() == f.Caption && l->buddy() == field);
        EXPECT_TRUE(captionShown) << f.Caption;
    }
    struct
    {
        const char *Name;
        const char *Caption;
        bool Checked;
        bool Blue;
    } const boxes[] = {{"cHeaderInFirstRow", "Header in erster Zeile", false, true},
                       {"cHeaderInFirstCol", "Header in erster Spalte", false, true},
                       {"cTHead", "THead", false, false},
                       {"cTFoot", "TFoot", false, false},
                       {"cBody", "TBody", false, false},
                       {"chkMitColGroup", "mit ColGroup", true, true},
                       {"cbCellSpacing_Cellpadding", "CellSpacing / Cellpadding", false, false}};
    for (const auto &b : boxes) {
        const QCheckBox *box = Child<QCheckBox>(dialog, b.Name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), b.Caption);
        EXPECT_EQ(box->isChecked(), b.Checked) << b.Name;
        EXPECT_EQ(box->palette().color(QPalette::WindowText) == QColor(Qt::blue), b.Blue) << b.Name;
    }
    const QComboBox *frame = Child<QComboBox>(dialog, "cbCellFrame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->count(), 10);
    EXPECT_EQ(frame->currentIndex(), -1);
    EXPECT_EQ(frame->itemText(5), "vsides: Links und rechts");
    EXPECT_EQ(Child<QPushButton>(dialog, "BnOk")->text(), "&Ok");
    EXPECT_TRUE(Child<QPushButton>(dialog, "BnOk")->isDefault());
    EXPECT_EQ(Child<QPushButton>(dialog, "BnESC")->text(), "Abbruch");
    EXPECT_EQ(dialog.Options(), TTableOptions());
}

TEST(TableDialog, OkReportsTheChosenShape)
{
    TFTabelle dialog;
    dialog.show();
    Child<QSpinBox>(dialog, "SpAnzRow")->setValue(1000);
    Child<QSpinBox>(dialog, "SpAnzCol")->setValue(2);
    Child<QSpinBox>(dialog, "SpBorderWidth")->setValue(0);
    for (const char *name : {"cHeaderInFirstRow", "cTFoot", "chkMitColGroup"})
        Click(Child<QCheckBox>(dialog, name));
    Child<QComboBox>(dialog, "cbCellFrame")->setCurrentIndex(9);
    EXPECT_FALSE(dialog.Accepted());
    QTest::mouseClick(Child<QPushButton>(dialog, "BnOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Accepted());
    EXPECT_FALSE(dialog.isVisible());
    TTableOptions expected;
    expected.Rows = 1000;
    expected.Cols = 2;
    expected.BorderWidth = 0;
    expected.HeaderInFirstRow = true;
    expected.TFoot = true;
    expected.ColGroup = false;
    expected.FrameItem = 9;
    EXPECT_EQ(dialog.Options(), expected);
}

TEST(TableDialog, CancelAndEscapeLeaveItUnaccepted)
{
    TFTabelle cancelled;
    cancelled.show();
    QTest::mouseClick(Child<QPushButton>(cancelled, "BnESC"), Qt::LeftButton);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_FALSE(cancelled.Accepted());

    TFTabelle escaped;
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_FALSE(escaped.Accepted());
}

TEST(TableDialog, TypedTextsAreReadBeforeTheFieldCorrectsThem)
{
    TFTabelle dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QSpinBox *rows = Child<QSpinBox>(dialog, "SpAnzRow");
    QSpinBox *border = Child<QSpinBox>(dialog, "SpBorderWidth");
    TypeInto(rows, "12");
    EXPECT_EQ(dialog.Options().Rows, 12);
    // An emptied field counts as its lower bound.
    TypeInto(rows, QString());
    EXPECT_EQ(dialog.Options().Rows, 1);
    TypeInto(border, QString());
    EXPECT_EQ(dialog.Options().BorderWidth, 0);
    // A number below the range is read as typed (the table gets no rows); one above it cannot
    // be typed at all.
    TypeInto(rows, "0");
    EXPECT_EQ(dialog.Options().Rows, 0);
    TypeInto(rows, "5000");
    EXPECT_EQ(dialog.Options().Rows, 500);
    // Leaving a field corrects it into its range.
    TypeInto(rows, "0");
    QTest::keyClick(rows, Qt::Key_Tab);
    EXPECT_EQ(rows->value(), 1);
    EXPECT_EQ(dialog.Options().Rows, 1);
    TypeInto(border, QString());
    QTest::keyClick(border, Qt::Key_Tab);
    EXPECT_EQ(dialog.Options().BorderWidth, 0);
}

TEST(QtToolDialogs, TableOptionsAfterOkNothingAfterCancel)
{
    TQtToolDialogs dialogs;
    WhenModalShows([](QWidget &dialog) {
        Child<QSpinBox>(dialog, "SpAnzCol")->setValue(3);
        QTest::mouseClick(Child<QPushButton>(dialog, "BnOk"), Qt::LeftButton);
    });
    const std::optional<TTableOptions> options = dialogs.AskTableOptions();
    ASSERT_TRUE(options.has_value());
    EXPECT_EQ(options->Cols, 3);
    EXPECT_EQ(options->Rows, 5);

    WhenModalShows([](QWidget &dialog) {
        QTest::mouseClick(Child<QPushButton>(dialog, "BnESC"), Qt::LeftButton);
    });
    EXPECT_FALSE(dialogs.AskTableOptions().has_value());
}

TEST(QtToolDialogs, BusyNoteShowsWhileItLives)
{
    QWidget owner;
    TQtToolDialogs dialogs;
    dialogs.SetParentWidget(&owner);
    {
        const std::unique_ptr<TBusyNote> busy = dialogs.ShowBusy("Es dauert ...");
        const auto *box = owner.findChild<QProgressDialog *>("BusyNote");
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->labelText(), "Es dauert ...");
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(owner.findChild<QProgressDialog *>("BusyNote"), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
