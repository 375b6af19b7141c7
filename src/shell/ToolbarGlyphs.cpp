#include "ToolbarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int GlyphSize = 32;

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Folder(230, 180, 60);
const QColor Disk(50, 90, 170);
const QColor Arrow(30, 120, 200);

void DrawSheet(QPainter &p, QRectF r)
{
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void DrawDisk(QPainter &p, QRectF r)
{
    p.setBrush(Disk);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height() * 0.4));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(r.left() + r.width() * 0.25,
                      r.bottom() - r.height() * 0.35,
                      r.width() * 0.5,
                      r.height() * 0.35));
}

void DrawTurnArrow(QPainter &p, bool forward)
{
    QPen pen(Arrow, 3.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF arc(7, 9, 18, 16);
    p.drawArc(arc, forward ? 180 * 16 : 0, forward ? -200 * 16 : 200 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Arrow);
    const qreal x = forward ? 25 : 7;
    const qreal dir = forward ? 1 : -1;
    QPolygonF head({QPointF(x - 6 * dir, 14), QPointF(x + 5 * dir, 14), QPointF(x, 22)});
    p.drawPolygon(head);
}

void DrawScissors(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 2.5));
    p.drawLine(QPointF(10, 4), QPointF(20, 21));
    p.drawLine(QPointF(22, 4), QPointF(12, 21));
    p.drawEllipse(QPointF(10, 25), 4, 4);
    p.drawEllipse(QPointF(22, 25), 4, 4);
}

void DrawPrinter(QPainter &p)
{
    DrawSheet(p, QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(9, 20, 14, 9));
}

void DrawPaste(QPainter &p)
{
    p.setBrush(QColor(190, 140, 80));
    p.drawRoundedRect(QRectF(4, 5, 18, 24), 2, 2);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(9, 3, 8, 5));
    DrawSheet(p, QRectF(14, 12, 14, 18));
}

void DrawHelp(QPainter &p)
{
    p.setBrush(Arrow);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Paper);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, "?");
}

void Paint(QPainter &p, TGlyph glyph)
{
    switch (glyph) {
    case TGlyph::Open:
        p.setBrush(Folder);
        p.drawPolygon(QPolygonF({QPointF(3, 8),
                                 QPointF(12, 8),
                                 QPointF(14, 11),
                                 QPointF(29, 11),
                                 QPointF(29, 27),
                                 QPointF(3, 27)}));
        break;
    case TGlyph::New:
        DrawSheet(p, QRectF(7, 3, 18, 26));
        break;
    case TGlyph::Save:
        DrawDisk(p, QRectF(5, 5, 22, 22));
        break;
    case TGlyph::SaveAll:
        DrawDisk(p, QRectF(3, 3, 18, 18));
        DrawDisk(p, QRectF(11, 11, 18, 18));
        break;
    case TGlyph::Print:
        DrawPrinter(p);
        break;
    case TGlyph::Undo:
        DrawTurnArrow(p, false);
        break;
    case TGlyph::Redo:
        DrawTurnArrow(p, true);
        break;
    case TGlyph::Cut:
        DrawScissors(p);
        break;
    case TGlyph::Copy:
        DrawSheet(p, QRectF(4, 3, 15, 20));
        DrawSheet(p, QRectF(13, 9, 15, 20));
        break;
    case TGlyph::Paste:
        DrawPaste(p);
        break;
    case TGlyph::Run:
        p.setBrush(QColor(40, 160, 60));
        p.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(27, 16), QPointF(8, 28)}));
        break;
    case TGlyph::Help:
        DrawHelp(p);
        break;
    }
}

} // namespace

QIcon ToolbarGlyph(TGlyph glyph)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.2));
    Paint(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}
