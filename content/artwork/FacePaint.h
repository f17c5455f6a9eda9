#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

inline constexpr double kPi = 3.14159265358979323846;

// Fills with a radial gradient lit from the upper left and an optional outline.
void Fill(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark, const QColor& outline,
          double outlineWidth = 1.6);
QPainterPath Ellipse(QPointF centre, double rx, double ry);
void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width);
QPainterPath Curve(QPointF from, QPointF control, QPointF to);
// A four-pointed twinkle.
void Star(QPainter& p, QPointF at, double size, const QColor& colour);
QPainterPath FivePointStar(QPointF at, double outer, double inner);
// A drop of water hanging from `tip`, `size` wide.
void WaterDrop(QPainter& p, QPointF tip, double size);

} // namespace art
