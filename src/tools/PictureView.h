#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// Shows a picture stretched over the whole widget with a cross-hair cursor, and reports mouse
// movements and presses in widget coordinates (the zoomed picture's own).
class TPictureView : public QWidget
{
public:
    explicit TPictureView(QWidget *parent = nullptr);

    void SetImage(const QImage &image);

    std::function<void(QPoint)> OnMouseMove;
    std::function<void(QPoint, Qt::MouseButton)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage Image;
};
