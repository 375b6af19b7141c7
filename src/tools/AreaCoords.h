#pragma once

#include <QPoint>
#include <QString>

// Coordinate types of an image-map area, in the order the tool lists them.
enum class TCoordsType { None = -1, Points = 0, Rectangle = 1, Circle = 2, Polygon = 3 };

// The click logic of the image-map tool, without any widget: collects the coordinates of one
// area from clicks on the zoomed picture, in the picture's own pixels.
class TAreaCoords
{
public:
    // Highest zoom factor the tool offers (800 %).
    static constexpr int MaxZoomFactor = 8;

    TCoordsType CoordsType() const { return Type; }
    // Choosing a type (also the same one again) empties the coordinate text.
    void SetCoordsType(TCoordsType type);
    int ZoomFactor() const { return Zoom; }
    // Factor 1 to MaxZoomFactor; the coordinate text stays.
    void SetZoomFactor(int factor);

    // A position on the zoomed picture in picture pixels (integer division by the zoom).
    QPoint PicturePoint(QPoint zoomedPosition) const;
    // A mouse button pressed at a position of the zoomed picture; only the left button collects.
    void MousePressed(QPoint zoomedPosition, bool leftButton);
    // Empties the coordinate text and the click count (a new picture, a new type).
    void Reset();

    // The comma-separated numbers collected so far.
    const QString &CoordText() const { return Text; }
    int ClickCount() const { return Clicks; }
    // The complete area element for the chosen type, or "Error in Case getCoords" without one.
    QString GetAreaTag() const;

private:
    void AddRectanglePoint(QPoint p);
    void AddCirclePoint(QPoint p);
    void AddPolygonPoint(QPoint p);

    TCoordsType Type = TCoordsType::None;
    int Zoom = 1;
    QString Text;
    int Clicks = 0;
    QPoint Centre;
};
