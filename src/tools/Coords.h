#pragma once

#include "AreaCoords.h"
#include "Picture.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QScrollArea;
class QStatusBar;
class QToolButton;
class TPictureView;

// "Koordinaten mit Bildern": the image-map coordinate tool. The user opens a picture, zooms it
// and clicks the points of one area; "Ende und speichern" ends the tool with the area element.
// The click logic lives in TAreaCoords; this window shows the picture and passes the clicks on.
class TFCoords : public QDialog
{
    Q_OBJECT

public:
    explicit TFCoords(QWidget *parent = nullptr);
    ~TFCoords() override;

    // Shows the tool modally; the open dialog starts in the directory (the program directory
    // when it is empty). True when the user ended it with "Ende und speichern".
    bool ExecuteCoords(const QString &initialDir);
    bool Accepted() const { return AcceptedFlag; }
    // The area element of the collected coordinates (see TAreaCoords::GetAreaTag).
    QString GetAreaTag() const { return Coords.GetAreaTag(); }

    // Shows the picture file and resets the coordinates; a picture that cannot be read is
    // reported and the shown picture and its name stay. False in that case.
    bool OpenPicture(const QString &fileName);
    // Resizes the shown picture by the percentage, writes it under the name in its own format
    // and shows the file read back. Refusals and failures are reported; false then.
    bool ResizePicture(int percent, const QString &targetFileName);

    const TAreaCoords &AreaCoords() const { return Coords; }
    const TPicture &Picture() const { return CurrentPicture; }
    const QString &PictureFileName() const { return PictureFile; }
    const QString &InitialDirectory() const { return InitialDir; }

private:
    QWidget *CreateTopPanel();
    QStatusBar *CreateStatusBar();
    void BnDateiOeffnenClick();
    void BnCompressFileClick();
    void BnOkayClick();
    void cbCoordsTypChange(int index);
    void cbZoomChange(int index);
    void Image1MouseMove(QPoint position);
    void Image1MouseDown(QPoint position, Qt::MouseButton button);
    void ShowPicture(TPicture picture, const QString &fileName);
    void ApplyZoom();
    void PlaceOnScreen();

    QToolButton *BnDateiOeffnen = nullptr;
    QToolButton *BnCompressFile = nullptr;
    QComboBox *cbCoordsTyp = nullptr;
    QComboBox *cbZoom = nullptr;
    QScrollArea *ScrollBox = nullptr;
    QWidget *PanelZoom = nullptr;
    TPictureView *Image1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusX = nullptr;
    QLabel *StatusY = nullptr;
    QLabel *StatusCoords = nullptr;

    TAreaCoords Coords;
    TPicture CurrentPicture;
    QString PictureFile;
    QString InitialDir;
    bool AcceptedFlag = false;
};
