#include "FacePaint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

QPainterPath Drop(QPointF tip, double size)
{
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(size * 0.2, size * 0.5), tip + QPointF(size * 0.75, size * 1.0),
                 tip + QPointF(0, size * 1.45));
    drop.cubicTo(tip + QPointF(-size * 0.75, size * 1.0), tip + QPointF(-size * 0.2, size * 0.5), tip);
    return drop;
}

} // namespace

void Fill(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark, const QColor& outline,
          double outlineWidth)
{
    const QRectF box = path.boundingRect();
    QRadialGradient gradient(box.center(), std::max(box.width(), box.height()) * 0.62,
                             box.center() + QPointF(-box.width() * 0.22, -box.height() * 0.25));
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    p.setPen(outline.isValid() ? QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(gradient);
    p.drawPath(path);
}

QPainterPath Ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath Curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.quadTo(control, to);
    return path;
}

void Star(QPainter& p, QPointF at, double size, const QColor& colour)
{
    QPainterPath star;
    star.moveTo(at.x(), at.y() - size);
    star.quadTo(at, QPointF(at.x() + size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() + size));
    star.quadTo(at, QPointF(at.x() - size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() - size));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

QPainterPath FivePointStar(QPointF at, double outer, double inner)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = (-90.0 + i * 36.0) * kPi / 180.0;
        const QPointF point = at + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    return star;
}

void WaterDrop(QPainter& p, QPointF tip, double size)
{
    const QPainterPath drop = Drop(tip, size);
    QLinearGradient gradient(tip, tip + QPointF(0, size * 1.45));
    gradient.setColorAt(0.0, QColor(210, 240, 255));
    gradient.setColorAt(1.0, QColor(90, 170, 240));
    p.setPen(QPen(QColor(50, 120, 200), 1.0));
    p.setBrush(gradient);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(tip + QPointF(-size * 0.18, size * 0.95), size * 0.14, size * 0.2);
}

} // namespace art
