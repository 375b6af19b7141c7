#include "AreaCoords.h"

#include "HalfEven.h"

#include <cmath>

namespace {

QString Pair(QPoint p)
{
    return QString::number(p.x()) + ", " + QString::number(p.y());
}

const char *ShapeName(TCoordsType type)
{
    switch (type) {
    case TCoordsType::Points:
        return "point";
    case TCoordsType::Rectangle:
        return "rect";
    case TCoordsType::Circle:
        return "circle";
    case TCoordsType::Polygon:
        return "poly";
    case TCoordsType::None:
        break;
    }
    return nullptr;
}

} // namespace

void TAreaCoords::SetCoordsType(TCoordsType type)
{
    Type = type;
    Reset();
}

void TAreaCoords::SetZoomFactor(int factor)
{
    Q_ASSERT(factor >= 1 && factor <= MaxZoomFactor);
    Zoom = factor;
}

QPoint TAreaCoords::PicturePoint(QPoint zoomedPosition) const
{
    return {zoomedPosition.x() / Zoom, zoomedPosition.y() / Zoom};
}

void TAreaCoords::MousePressed(QPoint zoomedPosition, bool leftButton)
{
    if (!leftButton)
        return;
    const QPoint p = PicturePoint(zoomedPosition);
    switch (Type) {
    case TCoordsType::None:
        return;
    case TCoordsType::Points:
        Text = Pair(p);
        return;
    case TCoordsType::Rectangle:
        AddRectanglePoint(p);
        return;
    case TCoordsType::Circle:
        AddCirclePoint(p);
        return;
    case TCoordsType::Polygon:
        AddPolygonPoint(p);
        return;
    }
}

void TAreaCoords::Reset()
{
    Text.clear();
    Clicks = 0;
}

QString TAreaCoords::GetAreaTag() const
{
    const char *shape = ShapeName(Type);
    if (!shape)
        return "Error in Case getCoords";
    return QString("<area shape=\"") + shape + "\" alt=\"alt-text\" coords=\"" + Text
           + "\" href=\"ref.html\" />";
}

void TAreaCoords::AddRectanglePoint(QPoint p)
{
    if (Clicks >= 2)
        Reset();
    Text += (Clicks == 0 ? QString() : QString(", ")) + Pair(p);
    ++Clicks;
}

void TAreaCoords::AddCirclePoint(QPoint p)
{
    if (Clicks >= 2)
        Reset();
    if (Clicks == 0) {
        Text = Pair(p);
        Centre = p;
        Clicks = 1;
        return;
    }
    const double dx = p.x() - Centre.x();
    const double dy = p.y() - Centre.y();
    const double radius = RoundHalfEven(std::sqrt(dx * dx + dy * dy));
    Text += ", " + QString::number(static_cast<qint64>(radius));
    Clicks = 2;
}

void TAreaCoords::AddPolygonPoint(QPoint p)
{
    ++Clicks;
    if (Clicks > 1)
        Text += ", ";
    Text += Pair(p);
}
