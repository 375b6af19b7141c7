#include "Coords.h"

#include "JpegCodec.h"
#include "ScriptedPrompter.h"
#include "TestPictures.h"
#include "Zoom.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class CoordsTest : public ::testing::Test
{
protected:
    QString WriteJpeg(const QString &name, QSize size)
    {
        const QString path = Dir.filePath(name);
        EXPECT_TRUE(
            WriteBytes(path, TJpegCodec::Encode(BlockPicture(size.width(), size.height())).Data));
        return path;
    }

    template<class T>
    T *Child(const char *name)
    {
        T *child = Tool.findChild<T *>(name);
        EXPECT_TRUE(child) << name;
        return child;
    }

    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Child<QWidget>("Image1"), button, Qt::NoModifier, at);
    }

    // Answers the factor dialog that the resize button opens.
    void AnswerFactor(int percent, bool accept)
    {
        QTimer::singleShot(0, [percent, accept] {
            auto *zoom = qobject_cast<TFZoom *>(QApplication::activeModalWidget());
            ASSERT_TRUE(zoom);
            zoom->SetFactor(percent);
            accept ? zoom->accept() : zoom->reject();
        });
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TFCoords Tool;
};

} // namespace

TEST_F(CoordsTest, StartsWithoutTypeAtFullSizeOnNinetyPercentOfTheScreen)
{
    EXPECT_EQ(Tool.windowTitle(), "Koordinaten mit Bildern");
    auto *types = Child<QComboBox>("cbCoordsTyp");
    EXPECT_EQ(types->count(), 4);
    EXPECT_EQ(types->itemText(3), "Polyline (X1/Y1->X2/Y2->X3/Y3)");
    EXPECT_EQ(types->currentIndex(), -1);
    auto *zoom = Child<QComboBox>("cbZoom");
    EXPECT_EQ(zoom->count(), 8);
    EXPECT_EQ(zoom->itemText(7), "800 %");
    EXPECT_EQ(zoom->currentIndex(), 0);
    EXPECT_EQ(Child<QToolButton>("BnDateiOeffnen")->toolTip(),
              QString::fromUtf8("Datei Öffnen (^O)"));
    EXPECT_EQ(Child<QToolButton>("BnCompressFile")->toolTip(), "Bild verkleiner");
    EXPECT_EQ(Child<QPushButton>("BnOkay")->text(), "Ende und speichern");
    const QSize screen = QApplication::primaryScreen()->geometry().size();
    EXPECT_NEAR(Tool.width(), screen.width() * 0.9, 1);
    EXPECT_NEAR(Tool.height(), screen.height() * 0.9, 1);
    EXPECT_EQ(Tool.GetAreaTag(), "Error in Case getCoords");
}

TEST_F(CoordsTest, ZoomedPolygonClicksGiveTheAreaInPicturePixels)
{
    ASSERT_TRUE(Tool.OpenPicture(WriteJpeg("plan.jpg", {60, 40})));
    Child<QComboBox>("cbZoom")->setCurrentIndex(2);
    EXPECT_EQ(Child<QWidget>("PanelZoom")->size(), QSize(180, 120));
    EXPECT_EQ(Child<QWidget>("Image1")->size(), QSize(180, 120));
    Child<QComboBox>("cbCoordsTyp")->setCurrentIndex(3);

    Click({30, 15});
    Click({60, 30}, Qt::RightButton);
    Click({61, 32});
    Click({179, 119});
    EXPECT_EQ(Child<QLabel>("StatusCoords")->text(), "10, 5, 20, 10, 59, 39");
    QMouseEvent move(QEvent::MouseMove,
                     QPointF(92, 47),
                     QPointF(92, 47),
                     Qt::NoButton,
                     Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Child<QWidget>("Image1"), &move);
    EXPECT_EQ(Child<QLabel>("StatusX")->text(), "30");
    EXPECT_EQ(Child<QLabel>("StatusY")->text(), "15");

    QTest::mouseClick(Child<QPushButton>("BnOkay"), Qt::LeftButton);
    EXPECT_TRUE(Tool.Accepted());
    EXPECT_EQ(
        Tool.GetAreaTag(),
        R"(<area shape="poly" alt="alt-text" coords="10, 5, 20, 10, 59, 39" href="ref.html" />)");
}

TEST_F(CoordsTest, TypeChangeAndNewPictureResetTheCoordinates)
{
    ASSERT_TRUE(Tool.OpenPicture(WriteJpeg("a.jpg", {20, 20})));
    Child<QComboBox>("cbCoordsTyp")->setCurrentIndex(1);
    Click({3, 4});
    Child<QComboBox>("cbZoom")->setCurrentIndex(1);
    EXPECT_EQ(Tool.AreaCoords().CoordText(), "3, 4") << "zoom keeps the coordinates";
    Child<QComboBox>("cbCoordsTyp")->setCurrentIndex(2);
    EXPECT_EQ(Tool.AreaCoords().CoordText(), "");
    Click({10, 10});
    ASSERT_TRUE(Tool.OpenPicture(WriteJpeg("b.jpg", {30, 30})));
    EXPECT_EQ(Tool.AreaCoords().CoordText(), "");
    EXPECT_EQ(Child<QWidget>("PanelZoom")->size(), QSize(60, 60)) << "zoom applied to the new one";
}

TEST_F(CoordsTest, DamagedPictureIsReportedAndTheShownOneStays)
{
    const QString good = WriteJpeg("good.jpg", {20, 10});
    ASSERT_TRUE(Tool.OpenPicture(good));
    const QString damaged = Dir.filePath("damaged.jpg");
    ASSERT_TRUE(WriteBytes(damaged, ReadBytes(good).left(200)));

    EXPECT_FALSE(Tool.OpenPicture(damaged));
    ASSERT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(Prompter.Texts("Error")[0].endsWith("Premature end of JPEG file"));
    EXPECT_EQ(Tool.PictureFileName(), good);
    EXPECT_EQ(Tool.Picture().Image.size(), QSize(20, 10));
}

TEST_F(CoordsTest, OpenDialogStartsInTheInitialDirectory)
{
    QTimer::singleShot(0, [this] {
        Prompter.AnswerOpen({WriteJpeg("x.jpg", {8, 8})});
        Child<QToolButton>("BnDateiOeffnen")->click();
        Tool.reject();
    });
    EXPECT_FALSE(Tool.ExecuteCoords(Dir.path()));
    ASSERT_EQ(Prompter.FileDialogs.size(), 1u);
    EXPECT_EQ(Prompter.FileDialogs[0].InitialDir, Dir.path());
    EXPECT_TRUE(Prompter.FileDialogs[0].Filter.contains("*.jpg"));
    EXPECT_EQ(Tool.Picture().Image.size(), QSize(8, 8));
}

TEST_F(CoordsTest, ResizeAsksFactorAndNameThenShowsTheFileReadBack)
{
    ASSERT_TRUE(Tool.OpenPicture(WriteJpeg("big.jpg", {40, 30})));
    const QString target = Dir.filePath("half.bmp");
    AnswerFactor(50, true);
    Prompter.AnswerSave(target);
    Child<QToolButton>("BnCompressFile")->click();

    ASSERT_EQ(Prompter.FileDialogs.size(), 1u);
    EXPECT_EQ(Prompter.FileDialogs[0].Title, "Neue Datei speichern unter");
    EXPECT_EQ(Prompter.FileDialogs[0].FileName, Dir.filePath("big.jpg"));
    EXPECT_EQ(Prompter.FileDialogs[0].Filter,
              "Bild-Dateien (*.bmp)|*.bmp|Bild-Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*");
    EXPECT_TRUE(ReadBytes(target).startsWith("\xFF\xD8\xFF")) << "JPEG data under .bmp";
    EXPECT_EQ(Tool.PictureFileName(), target);
    EXPECT_EQ(Tool.Picture().Image.size(), QSize(20, 15));
    EXPECT_EQ(Child<QWidget>("PanelZoom")->size(), QSize(20, 15));
}

TEST_F(CoordsTest, ResizeRefusesAnEmptyPictureBeforeAskingForAName)
{
    ASSERT_TRUE(Tool.OpenPicture(WriteJpeg("small.jpg", {4, 4})));
    AnswerFactor(10, true); // 0.4 pixels
    Child<QToolButton>("BnCompressFile")->click();
    EXPECT_EQ(Prompter.Texts("Note"),
              QStringList(
                  QString::fromUtf8("Der Faktor 10 % ergibt ein Bild von 0 × 0 Pixeln. Bitte "
                                    "einen Faktor wählen, der mindestens ein Pixel übrig "
                                    "lässt.")));
    EXPECT_TRUE(Prompter.FileDialogs.empty());

    AnswerFactor(50, false);
    Child<QToolButton>("BnCompressFile")->click();
    EXPECT_TRUE(Prompter.FileDialogs.empty()) << "cancelled factor ends the command";
    EXPECT_EQ(Tool.Picture().Image.size(), QSize(4, 4));
}

TEST_F(CoordsTest, ResizeAsksBeforeReplacingAFile)
{
    const QString source = WriteJpeg("source.jpg", {40, 30});
    ASSERT_TRUE(Tool.OpenPicture(source));
    const QString target = WriteJpeg("taken.jpg", {6, 6});
    const QByteArray before = ReadBytes(target);
    for (const bool replace : {false, true}) {
        AnswerFactor(50, true);
        Prompter.AnswerSave(target);
        Prompter.YesNoAnswers = {replace};
        Child<QToolButton>("BnCompressFile")->click();
        EXPECT_EQ(Prompter.Texts("YesNo").size(), replace ? 2 : 1);
        EXPECT_EQ(ReadBytes(target) == before, !replace);
        EXPECT_EQ(Tool.PictureFileName(), replace ? target : source);
    }
    EXPECT_EQ(Prompter.Texts("YesNo").front(),
              QString::fromUtf8(
                  "Die Datei taken.jpgexistiert bereits.\r\nMöchten Sie sie ersetzen?"));
}

TEST_F(CoordsTest, ResizeWriteFailureKeepsPictureAndName)
{
    const QString source = WriteJpeg("keep.jpg", {10, 10});
    ASSERT_TRUE(Tool.OpenPicture(source));
    EXPECT_FALSE(Tool.ResizePicture(200, Dir.filePath("missing-folder/x.jpg")));
    EXPECT_EQ(Prompter.Count("Error"), 1);
    EXPECT_EQ(Tool.PictureFileName(), source);
    EXPECT_EQ(Tool.Picture().Image.size(), QSize(10, 10));
}

TEST(Zoom, FactorStartsAtHundredInStepsOfTen)
{
    TFZoom zoom;
    EXPECT_EQ(zoom.windowTitle(), QString::fromUtf8("Bild verkleinern oder vergrößern"));
    auto *factor = zoom.findChild<QSpinBox *>("spZoomFaktor");
    ASSERT_TRUE(factor);
    EXPECT_EQ(zoom.Factor(), 100);
    EXPECT_EQ(factor->singleStep(), 10);
    factor->setValue(-30);
    EXPECT_EQ(zoom.Factor(), -30) << "no bounds of its own; the tool refuses bad factors";
}
