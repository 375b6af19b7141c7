#include "WindowLayout.h"

QList<QRect> ColumnLayout(const TArrangeInput &input)
{
    QList<QRect> rects(input.Minimized.size());
    const auto n = static_cast<int>(input.Minimized.count(false));
    if (n == 0)
        return rects;
    const int t = input.ToolbarHeight;
    const int s = input.StatusHeight;
    const int margin = t == 0 && s == 0 ? 6 : 10;
    const int width = (input.ClientWidth - 2 * n) / n;
    const int remainder = (input.ClientWidth - 2 * n) % n;
    const int height = input.ClientHeight - t - s - margin;
    int x = 0;
    for (int i = 0; i < rects.size(); ++i) {
        if (input.Minimized[i])
            continue;
        const int w = i == 1 ? width + remainder : width;
        rects[i] = QRect(x, 0, w, height);
        x += w;
    }
    return rects;
}

QList<QRect> StackedLayout(int areaWidth, int areaHeight, const QList<bool> &minimized)
{
    QList<QRect> rects(minimized.size());
    const auto n = static_cast<int>(minimized.count(false));
    if (n == 0)
        return rects;
    const int height = areaHeight / n;
    int y = 0;
    int placed = 0;
    for (int i = 0; i < rects.size(); ++i) {
        if (minimized[i])
            continue;
        ++placed;
        const int h = placed == n ? areaHeight - y : height;
        rects[i] = QRect(0, y, areaWidth, h);
        y += h;
    }
    return rects;
}

QRect CascadePlace(int position, int areaWidth, int areaHeight)
{
    const int offset = 24 * (position % 8);
    return QRect(offset, offset, areaWidth * 3 / 4, areaHeight * 3 / 4);
}
