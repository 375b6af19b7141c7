#pragma once

#include <QList>
#include <QRect>

// What the window arrangements need to know of the frame and its children.
struct TArrangeInput
{
    int ClientWidth = 0; // the frame's client area below the menu bar
    int ClientHeight = 0;
    int ToolbarHeight = 0; // toolbar height + 1 when shown, else 0
    int StatusHeight = 0;  // status bar height when shown, else 0
    QList<bool> Minimized; // one entry per child, in child order
};

// Side-by-side columns: every child that is not minimised gets an equal share of the width
// (the child at position 1 also gets the remainder) and the full height. Minimised children
// get an empty rectangle and keep their place.
QList<QRect> ColumnLayout(const TArrangeInput &input);
// Where the window at the given position of a cascade goes: three quarters of the area, each
// a little lower and further right than the one before, starting again after eight. New
// windows and "Fenster kaskadieren" both place windows so.
QRect CascadePlace(int position, int areaWidth, int areaHeight);
// Children that are not minimised stacked one above another, each as wide as the area.
QList<QRect> StackedLayout(int areaWidth, int areaHeight, const QList<bool> &minimized);
