#include "Coords.h"

#include "PictureView.h"
#include "ProgramPaths.h"
#include "Prompter.h"
#include "Zoom.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const CoordsTypes[] = {"Punkte",
                                   "Rechteck (X1/Y1->X2/Y2)",
                                   "Kreis (X/Y/R)",
                                   "Polyline (X1/Y1->X2/Y2->X3/Y3)"};

QToolButton *FlatButton(QWidget *parent, const char *name, const QString &hint, QIcon icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setIcon(icon);
    return button;
}

QLabel *StatusPanel(QStatusBar *bar, const char *name, int width)
{
    auto *panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setMinimumWidth(width);
    bar->addWidget(panel, width > 50 ? 1 : 0);
    return panel;
}

} // namespace

TFCoords::TFCoords(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FCoords");
    setWindowTitle("Koordinaten mit Bildern");
    PanelZoom = new QWidget;
    PanelZoom->setObjectName("PanelZoom");
    PanelZoom->setAutoFillBackground(true);
    PanelZoom->setPalette(QPalette(Qt::white));
    Image1 = new TPictureView(PanelZoom);
    Image1->setObjectName("Image1");
    Image1->OnMouseMove = [this](QPoint p) { Image1MouseMove(p); };
    Image1->OnMouseDown = [this](QPoint p, Qt::MouseButton b) { Image1MouseDown(p, b); };
    Image1->hide();
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName("ScrollBox");
    ScrollBox->setWidgetResizable(true); // the white panel fills the window until a picture
    ScrollBox->setWidget(PanelZoom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateTopPanel());
    layout->addWidget(ScrollBox, 1);
    layout->addWidget(CreateStatusBar());
    PlaceOnScreen();
}

TFCoords::~TFCoords() = default;

QWidget *TFCoords::CreateTopPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName("PanelOben");
    BnDateiOeffnen = FlatButton(panel,
                                "BnDateiOeffnen",
                                QString::fromUtf8("Datei Öffnen (^O)"),
                                style()->standardIcon(QStyle::SP_DialogOpenButton));
    BnDateiOeffnen->setShortcut(QKeySequence("Ctrl+O"));
    BnCompressFile = FlatButton(panel,
                                "BnCompressFile",
                                "Bild verkleiner",
                                style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    cbCoordsTyp = new QComboBox(panel);
    cbCoordsTyp->setObjectName("cbCoordsTyp");
    for (const char *type : CoordsTypes)
        cbCoordsTyp->addItem(type);
    cbCoordsTyp->setCurrentIndex(-1);
    cbZoom = new QComboBox(panel);
    cbZoom->setObjectName("cbZoom");
    for (int factor = 1; factor <= TAreaCoords::MaxZoomFactor; ++factor)
        cbZoom->addItem(QString::number(factor * 100) + " %");
    cbZoom->setCurrentIndex(0);
    auto *zoomLabel = new QLabel("Zoom", panel);
    zoomLabel->setStyleSheet("color: red;");
    auto *okay = new QPushButton("Ende und speichern", panel);
    okay->setObjectName("BnOkay");
    okay->setAutoDefault(false);

    // Connected after filling: building the lists must not count as a change.
    connect(BnDateiOeffnen, &QToolButton::clicked, this, &TFCoords::BnDateiOeffnenClick);
    connect(BnCompressFile, &QToolButton::clicked, this, &TFCoords::BnCompressFileClick);
    connect(cbCoordsTyp, &QComboBox::currentIndexChanged, this, &TFCoords::cbCoordsTypChange);
    connect(cbZoom, &QComboBox::currentIndexChanged, this, &TFCoords::cbZoomChange);
    connect(okay, &QPushButton::clicked, this, &TFCoords::BnOkayClick);

    auto *row = new QHBoxLayout(panel);
    row->addWidget(BnDateiOeffnen);
    row->addWidget(BnCompressFile);
    row->addSpacing(12);
    row->addWidget(new QLabel("Typ der Koordinaten", panel));
    row->addWidget(cbCoordsTyp);
    row->addSpacing(12);
    row->addWidget(zoomLabel);
    row->addWidget(cbZoom);
    row->addStretch();
    row->addWidget(okay);
    return panel;
}

QStatusBar *TFCoords::CreateStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusX = StatusPanel(StatusBar1, "StatusX", 50);
    StatusY = StatusPanel(StatusBar1, "StatusY", 50);
    StatusCoords = StatusPanel(StatusBar1, "StatusCoords", 90);
    StatusX->setText(" ");
    StatusY->setText(" ");
    return StatusBar1;
}

// 90 % of the screen in each direction, centred on the owner (or the screen).
void TFCoords::PlaceOnScreen()
{
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    if (!shownOn)
        return;
    const QRect area = shownOn->geometry();
    resize(int(std::lround(area.width() * 0.9)), int(std::lround(area.height() * 0.9)));
    const QRect around = parentWidget() ? parentWidget()->window()->frameGeometry() : area;
    move(around.center() - rect().center());
}

bool TFCoords::ExecuteCoords(const QString &initialDir)
{
    InitialDir = initialDir.isEmpty() ? ProgramDirectory : initialDir;
    AcceptedFlag = false;
    exec();
    return AcceptedFlag;
}

bool TFCoords::OpenPicture(const QString &fileName)
{
    TPictureResult loaded = LoadPicture(fileName);
    if (!loaded.Ok()) {
        ShowError("Fehler", loaded.Error);
        return false;
    }
    ShowPicture(std::move(loaded.Picture), fileName);
    Coords.Reset();
    StatusCoords->clear();
    return true;
}

void TFCoords::ShowPicture(TPicture picture, const QString &fileName)
{
    CurrentPicture = std::move(picture);
    PictureFile = fileName;
    Image1->SetImage(CurrentPicture.Image);
    Image1->show();
    ApplyZoom();
}

bool TFCoords::ResizePicture(int percent, const QString &targetFileName)
{
    const TPictureResult resized = ::ResizePicture(CurrentPicture, percent);
    QString error = resized.Ok() ? SavePicture(resized.Picture, targetFileName) : resized.Error;
    TPictureResult readBack;
    if (error.isEmpty()) {
        readBack = LoadPicture(targetFileName);
        error = readBack.Error;
    }
    if (!error.isEmpty()) {
        ShowError("Fehler", error);
        return false;
    }
    ShowPicture(std::move(readBack.Picture), targetFileName);
    return true;
}

void TFCoords::BnDateiOeffnenClick()
{
    TFileDialogOptions options;
    options.Title = QString::fromUtf8("Bild öffnen");
    options.InitialDir = InitialDir;
    options.Filter = PictureOpenFilter();
    const TFileDialogResult chosen = Prompter().AskOpenFileNames(options);
    if (chosen.Accepted())
        OpenPicture(chosen.Files.first());
}

// "Bild verkleiner": the factor first (refused at once when it gives no picture), then the name.
void TFCoords::BnCompressFileClick()
{
    if (CurrentPicture.IsEmpty())
        return;
    TFZoom zoom(this);
    if (zoom.exec() != QDialog::Accepted)
        return;
    const TPictureSizeResult size = ResizedPictureSize(CurrentPicture.Image.size(), zoom.Factor());
    if (!size.Ok()) {
        ShowNote("Hinweis", size.Error);
        return;
    }
    TFileDialogOptions options;
    options.Title = "Neue Datei speichern unter";
    options.FileName = PictureFile;
    options.Filter = "Bild-Dateien (*.bmp)|*.bmp|Bild-Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*";
    const TFileDialogResult chosen = Prompter().AskSaveFileName(options);
    if (chosen.Accepted() && MayReplaceFile(chosen.Files.first()))
        ResizePicture(zoom.Factor(), chosen.Files.first());
}

void TFCoords::BnOkayClick()
{
    AcceptedFlag = true;
    accept();
}

void TFCoords::cbCoordsTypChange(int index)
{
    Coords.SetCoordsType(static_cast<TCoordsType>(index));
    StatusCoords->clear();
}

void TFCoords::cbZoomChange(int index)
{
    Coords.SetZoomFactor(index + 1);
    ApplyZoom();
}

void TFCoords::ApplyZoom()
{
    if (CurrentPicture.IsEmpty())
        return;
    const int factor = Coords.ZoomFactor();
    const QSize zoomed(std::min<qint64>(qint64(CurrentPicture.Image.width()) * factor,
                                        QWIDGETSIZE_MAX),
                       std::min<qint64>(qint64(CurrentPicture.Image.height()) * factor,
                                        QWIDGETSIZE_MAX));
    ScrollBox->setWidgetResizable(false);
    PanelZoom->setFixedSize(zoomed);
    Image1->setGeometry(0, 0, zoomed.width(), zoomed.height());
    Image1->update();
}

void TFCoords::Image1MouseMove(QPoint position)
{
    const QPoint p = Coords.PicturePoint(position);
    StatusX->setText(QString::number(p.x()));
    StatusY->setText(QString::number(p.y()));
}

void TFCoords::Image1MouseDown(QPoint position, Qt::MouseButton button)
{
    Coords.MousePressed(position, button == Qt::LeftButton);
    StatusCoords->setText(Coords.CoordText());
}
