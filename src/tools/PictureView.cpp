#include "PictureView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

TPictureView::TPictureView(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureView::SetImage(const QImage &image)
{
    Image = image;
    update();
}

// Only the exposed part of the picture is scaled, so a big picture at 800 % paints as fast as a
// small one.
void TPictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (Image.isNull() || width() <= 0 || height() <= 0) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    const double sx = double(width()) / Image.width();
    const double sy = double(height()) / Image.height();
    const QRect exposed = event->rect();
    const int left = int(std::floor(exposed.left() / sx));
    const int top = int(std::floor(exposed.top() / sy));
    const int right = std::min(Image.width(), int(std::ceil((exposed.right() + 1) / sx)));
    const int bottom = std::min(Image.height(), int(std::ceil((exposed.bottom() + 1) / sy)));
    const QRect source(left, top, right - left, bottom - top);
    const QRectF target(left * sx, top * sy, source.width() * sx, source.height() * sy);
    painter.drawImage(target, Image, source);
}

void TPictureView::mouseMoveEvent(QMouseEvent *event)
{
    if (OnMouseMove)
        OnMouseMove(event->position().toPoint());
}

void TPictureView::mousePressEvent(QMouseEvent *event)
{
    if (OnMouseDown)
        OnMouseDown(event->position().toPoint(), event->button());
}
