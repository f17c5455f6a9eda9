#include "Artwork.h"
#include "Canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Pieces sit half a pixel right of and below the sprite's middle, the middle of the cell.
constexpr double kCentre = 16.5;

// The top face of a piece, drawn around (0, 0) with light from the upper left.
struct Look {
    std::function<void(QPainter&)> paint;
    double radius = 13.5;
    QColor rim;
};

QColor Shade(const QColor& base, double brightness)
{
    if (brightness > 1.0) {
        return Mix(base, QColor(255, 255, 255), (brightness - 1.0) * 0.9);
    }
    return Scale(base, brightness);
}

void Disc(QPainter& p, double r, const QColor& light, const QColor& mid, const QColor& dark, const QColor& edge)
{
    QRadialGradient gradient(QPointF(0, 0), r, QPointF(-r * 0.38, -r * 0.42));
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(0.6, mid);
    gradient.setColorAt(1.0, dark);
    p.setPen(QPen(edge, 0.9));
    p.setBrush(gradient);
    p.drawEllipse(QPointF(0, 0), r, r);
}

void Gloss(QPainter& p, QPointF at, double r, int alpha)
{
    QRadialGradient gradient(at, r);
    gradient.setColorAt(0.0, QColor(255, 255, 255, alpha));
    gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(at, r, r);
}

void Sparkle(QPainter& p, QPointF at, double size, int alpha)
{
    QPainterPath star;
    star.moveTo(at.x(), at.y() - size);
    star.quadTo(at, QPointF(at.x() + size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() + size));
    star.quadTo(at, QPointF(at.x() - size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() - size));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawPath(star);
}

QPointF Polar(double radius, double degrees)
{
    const double a = degrees * kPi / 180.0;
    return QPointF(radius * std::cos(a), radius * std::sin(a));
}

// Brightness of a facet facing `degrees` (0 = right, 90 = down) under light from the upper left.
double FacetLight(double degrees)
{
    return 0.8 + 0.45 * std::cos((degrees - 225.0) * kPi / 180.0);
}

void Facet(QPainter& p, const QPolygonF& polygon, const QColor& base, double brightness)
{
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.5));
    p.setBrush(Shade(base, brightness));
    p.drawPolygon(polygon);
}

// Green: classic stones.
Look BlackStone()
{
    return {[](QPainter& p) {
                Disc(p, 13.5, QColor(96, 98, 104), QColor(36, 37, 40), QColor(8, 8, 10), QColor(0, 0, 0, 170));
                Gloss(p, QPointF(-4.8, -5.4), 5.5, 120);
            },
            13.5, QColor(32, 32, 34)};
}

Look WhiteStone()
{
    return {[](QPainter& p) {
                Disc(p, 13.5, QColor(255, 255, 255), QColor(238, 238, 234), QColor(186, 186, 180),
                     QColor(110, 110, 104, 170));
                Gloss(p, QPointF(-4.8, -5.4), 5.0, 200);
            },
            13.5, QColor(212, 212, 206)};
}

// Wood: ivory with growth rings, ebony with grain.
Look IvoryPiece()
{
    return {[](QPainter& p) {
                Disc(p, 13.5, QColor(255, 252, 238), QColor(242, 230, 202), QColor(204, 182, 140),
                     QColor(140, 108, 66, 180));
                p.setBrush(Qt::NoBrush);
                for (double r : {3.5, 6.5, 9.0, 11.6}) {
                    p.setPen(QPen(QColor(170, 136, 86, 38), 0.8));
                    p.drawEllipse(QPointF(0.4, 0.3), r, r * 0.97);
                }
                p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
                p.drawArc(QRectF(-12.2, -12.2, 24.4, 24.4), 60 * 16, 110 * 16);
                Gloss(p, QPointF(-4.5, -5.0), 4.5, 150);
            },
            13.5, QColor(222, 202, 160)};
}

Look EbonyPiece()
{
    return {[](QPainter& p) {
                Disc(p, 13.5, QColor(96, 76, 64), QColor(42, 31, 26), QColor(14, 10, 8), QColor(0, 0, 0, 190));
                QPainterPath clip;
                clip.addEllipse(QPointF(0, 0), 12.8, 12.8);
                p.save();
                p.setClipPath(clip);
                p.setBrush(Qt::NoBrush);
                for (int i = -4; i <= 4; ++i) {
                    QPainterPath grain;
                    const double y = i * 3.1;
                    grain.moveTo(-14, y);
                    grain.cubicTo(-5, y - 2.2 + (i % 2), 4, y + 2.0, 14, y - 0.8);
                    p.setPen(QPen(QColor(150, 110, 80, i % 2 == 0 ? 34 : 22), 0.8));
                    p.drawPath(grain);
                }
                p.restore();
                p.setPen(QPen(QColor(255, 230, 200, 60), 1.0));
                p.drawArc(QRectF(-12.2, -12.2, 24.4, 24.4), 60 * 16, 110 * 16);
                Gloss(p, QPointF(-4.8, -5.4), 5.0, 80);
            },
            13.5, QColor(34, 25, 20)};
}

// Night: the sun and the moon.
Look SunPiece()
{
    return {[](QPainter& p) {
                QRadialGradient glow(QPointF(0, 0), 14.5);
                glow.setColorAt(0.55, QColor(255, 220, 120, 120));
                glow.setColorAt(1.0, QColor(255, 200, 80, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(glow);
                p.drawEllipse(QPointF(0, 0), 14.5, 14.5);
                QPainterPath rays;
                for (int i = 0; i < 16; ++i) {
                    const double a = i * 22.5;
                    const double reach = i % 2 == 0 ? 14.0 : 12.2;
                    QPolygonF ray;
                    ray << Polar(9.0, a - 9.0) << Polar(reach, a) << Polar(9.0, a + 9.0);
                    rays.addPolygon(ray);
                    rays.closeSubpath();
                }
                QRadialGradient rayGradient(QPointF(0, 0), 14.0);
                rayGradient.setColorAt(0.6, QColor(255, 206, 70));
                rayGradient.setColorAt(1.0, QColor(240, 130, 30));
                p.setPen(QPen(QColor(210, 110, 20, 150), 0.6));
                p.setBrush(rayGradient);
                p.drawPath(rays);
                Disc(p, 10.0, QColor(255, 255, 225), QColor(255, 212, 76), QColor(242, 146, 32),
                     QColor(200, 104, 20, 170));
                Gloss(p, QPointF(-3.2, -3.6), 3.8, 170);
            },
            12.5, QColor(232, 142, 40)};
}

Look MoonPiece()
{
    return {[](QPainter& p) {
                QRadialGradient glow(QPointF(0, 0), 14.8);
                glow.setColorAt(0.8, QColor(190, 210, 255, 110));
                glow.setColorAt(1.0, QColor(190, 210, 255, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(glow);
                p.drawEllipse(QPointF(0, 0), 14.8, 14.8);
                Disc(p, 12.8, QColor(252, 253, 255), QColor(214, 222, 240), QColor(146, 156, 194),
                     QColor(90, 100, 140, 170));
                struct Crater {
                    double x, y, r;
                };
                for (const Crater& c : {Crater{3.5, -3.0, 2.6}, Crater{-4.0, 3.5, 2.0}, Crater{4.0, 5.0, 1.6},
                                        Crater{-1.0, -6.5, 1.3}, Crater{-6.5, -1.5, 1.2}}) {
                    QRadialGradient crater(QPointF(c.x + c.r * 0.25, c.y + c.r * 0.25), c.r);
                    crater.setColorAt(0.0, QColor(150, 160, 195, 150));
                    crater.setColorAt(0.8, QColor(165, 175, 205, 120));
                    crater.setColorAt(1.0, QColor(165, 175, 205, 0));
                    p.setPen(Qt::NoPen);
                    p.setBrush(crater);
                    p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
                    p.setPen(QPen(QColor(255, 255, 255, 90), 0.6));
                    p.setBrush(Qt::NoBrush);
                    p.drawArc(QRectF(c.x - c.r, c.y - c.r, 2 * c.r, 2 * c.r), 200 * 16, 140 * 16);
                }
                Gloss(p, QPointF(-4.2, -4.8), 4.2, 150);
            },
            12.8, QColor(160, 170, 208)};
}

// Gems: a cut stone in a metal setting; warm stones in gold for side 1, cool ones in silver for side 2.
struct Metal {
    QColor light, mid, dark;
};

constexpr int kGemKinds = 4;

QColor GemColour(int side, int kind)
{
    static const QColor warm[kGemKinds] = {QColor(222, 26, 52), QColor(246, 140, 26), QColor(250, 206, 40),
                                           QColor(240, 84, 150)};
    static const QColor cool[kGemKinds] = {QColor(36, 76, 222), QColor(24, 168, 86), QColor(52, 196, 218),
                                           QColor(146, 78, 212)};
    return side == 1 ? warm[kind % kGemKinds] : cool[kind % kGemKinds];
}

void RoundBrilliant(QPainter& p, const QColor& c)
{
    const double r = 11.0;
    QPointF girdle[16];
    QPointF table[8];
    for (int j = 0; j < 16; ++j) {
        girdle[j] = Polar(r, j * 22.5);
    }
    for (int i = 0; i < 8; ++i) {
        table[i] = Polar(r * 0.5, i * 45.0);
    }
    for (int i = 0; i < 8; ++i) {
        const QPointF before = girdle[(2 * i + 15) % 16];
        QPolygonF kite;
        kite << table[i] << before << girdle[2 * i] << girdle[2 * i + 1];
        Facet(p, kite, c, FacetLight(i * 45.0) - 0.1 * (i % 2));
        QPolygonF star;
        star << table[i] << girdle[2 * i + 1] << table[(i + 1) % 8];
        Facet(p, star, c, FacetLight(i * 45.0 + 22.5) + 0.15);
    }
    QPolygonF top(table, table + 8);
    QLinearGradient gradient(QPointF(-5, -5), QPointF(5, 5));
    gradient.setColorAt(0.0, Shade(c, 1.35));
    gradient.setColorAt(1.0, Shade(c, 0.9));
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.5));
    p.setBrush(gradient);
    p.drawPolygon(top);
}

QPolygonF Octagon(double halfWidth, double halfHeight, double corner)
{
    QPolygonF o;
    o << QPointF(-halfWidth + corner, -halfHeight) << QPointF(halfWidth - corner, -halfHeight)
      << QPointF(halfWidth, -halfHeight + corner) << QPointF(halfWidth, halfHeight - corner)
      << QPointF(halfWidth - corner, halfHeight) << QPointF(-halfWidth + corner, halfHeight)
      << QPointF(-halfWidth, halfHeight - corner) << QPointF(-halfWidth, -halfHeight + corner);
    return o;
}

void StepCut(QPainter& p, const QColor& c)
{
    static constexpr double kEdgeAngles[8] = {270, 315, 0, 45, 90, 135, 180, 225};
    const double steps[] = {1.0, 0.74, 0.5};
    for (int s = 0; s + 1 < 3; ++s) {
        const QPolygonF outer = Octagon(8.0 * steps[s], 10.5 * steps[s], 3.6 * steps[s]);
        const QPolygonF inner = Octagon(8.0 * steps[s + 1], 10.5 * steps[s + 1], 3.6 * steps[s + 1]);
        for (int i = 0; i < 8; ++i) {
            QPolygonF band;
            band << outer[i] << outer[(i + 1) % 8] << inner[(i + 1) % 8] << inner[i];
            Facet(p, band, c, FacetLight(kEdgeAngles[i]) + (s == 1 ? 0.12 : -0.05));
        }
    }
    QLinearGradient gradient(QPointF(-4, -5), QPointF(4, 5));
    gradient.setColorAt(0.0, Shade(c, 1.3));
    gradient.setColorAt(0.5, Shade(c, 0.95));
    gradient.setColorAt(1.0, Shade(c, 1.1));
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.5));
    p.setBrush(gradient);
    p.drawPolygon(Octagon(4.0, 5.25, 1.8));
}

void Trillion(QPainter& p, const QColor& c)
{
    QPointF outer[3];
    QPointF inner[3];
    for (int i = 0; i < 3; ++i) {
        outer[i] = Polar(12.0, -90.0 + i * 120.0) + QPointF(0, 1.2);
        inner[i] = Polar(5.4, -90.0 + i * 120.0) + QPointF(0, 1.2);
    }
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        const QPointF outerMid = (outer[i] + outer[j]) / 2.0;
        const QPointF innerMid = (inner[i] + inner[j]) / 2.0;
        const double facing = -90.0 + i * 120.0 + 60.0;
        QPolygonF first;
        first << outer[i] << outerMid << innerMid << inner[i];
        Facet(p, first, c, FacetLight(facing - 25.0) + 0.05);
        QPolygonF second;
        second << outerMid << outer[j] << inner[j] << innerMid;
        Facet(p, second, c, FacetLight(facing + 25.0) - 0.05);
    }
    QLinearGradient gradient(QPointF(-3, -3), QPointF(3, 4));
    gradient.setColorAt(0.0, Shade(c, 1.35));
    gradient.setColorAt(1.0, Shade(c, 0.95));
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.5));
    p.setBrush(gradient);
    p.drawPolygon(QPolygonF() << inner[0] << inner[1] << inner[2]);
}

QPainterPath HeartPath(double size)
{
    QPainterPath heart;
    const double s = size / 22.0;
    heart.moveTo(0, 10.5 * s);
    heart.cubicTo(-6 * s, 5 * s, -11.5 * s, 1 * s, -11.5 * s, -4.5 * s);
    heart.cubicTo(-11.5 * s, -9.5 * s, -6 * s, -11 * s, -3.2 * s, -10.2 * s);
    heart.cubicTo(-1.4 * s, -9.6 * s, -0.4 * s, -8.2 * s, 0, -6.4 * s);
    heart.cubicTo(0.4 * s, -8.2 * s, 1.4 * s, -9.6 * s, 3.2 * s, -10.2 * s);
    heart.cubicTo(6 * s, -11 * s, 11.5 * s, -9.5 * s, 11.5 * s, -4.5 * s);
    heart.cubicTo(11.5 * s, 1 * s, 6 * s, 5 * s, 0, 10.5 * s);
    heart.closeSubpath();
    return heart;
}

void HeartCut(QPainter& p, const QColor& c)
{
    const QPainterPath heart = HeartPath(22.0);
    const QPointF centre(0, -1.5);
    const int segments = 14;
    for (int i = 0; i < segments; ++i) {
        const QPointF a = heart.pointAtPercent(static_cast<double>(i) / segments);
        const QPointF b = heart.pointAtPercent(static_cast<double>(i + 1) / segments);
        const QPointF mid = (a + b) / 2.0 - centre;
        const double facing = std::atan2(mid.y(), mid.x()) * 180.0 / kPi;
        Facet(p, QPolygonF() << centre << a << b, c, FacetLight(facing) + (i % 2 == 0 ? 0.08 : -0.08));
    }
    QPainterPath table = HeartPath(10.0);
    table.translate(0, -1.0);
    QLinearGradient gradient(QPointF(-3, -4), QPointF(3, 4));
    gradient.setColorAt(0.0, Shade(c, 1.35));
    gradient.setColorAt(1.0, Shade(c, 0.95));
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.5));
    p.setBrush(gradient);
    p.drawPath(table);
}

Look GemPiece(int side, int kind)
{
    const Metal metal = side == 1 ? Metal{QColor(255, 242, 172), QColor(214, 168, 66), QColor(128, 86, 24)}
                                  : Metal{QColor(255, 255, 255), QColor(198, 204, 216), QColor(108, 114, 132)};
    const QColor colour = GemColour(side, kind);
    return {[metal, colour, kind](QPainter& p) {
                Disc(p, 14.0, metal.light, metal.mid, metal.dark, Scale(metal.dark, 0.7));
                p.setPen(QPen(Scale(metal.dark, 0.8), 0.8));
                p.setBrush(QColor(30, 24, 34));
                p.drawEllipse(QPointF(0, 0), 12.3, 12.3);
                switch (kind % kGemKinds) {
                case 0:
                    RoundBrilliant(p, colour);
                    break;
                case 1:
                    StepCut(p, colour);
                    break;
                case 2:
                    Trillion(p, colour);
                    break;
                default:
                    HeartCut(p, colour);
                    break;
                }
                Sparkle(p, QPointF(-4.5, -5.0), 3.6, 230);
                Sparkle(p, QPointF(4.5, 4.0), 1.8, 150);
            },
            14.0, metal.dark};
}

// Garden: fruit on cream dishes for side 1, flowers on sky-blue dishes for side 2.
void Dish(QPainter& p, int side)
{
    if (side == 1) {
        Disc(p, 13.5, QColor(255, 250, 228), QColor(244, 226, 180), QColor(206, 174, 118), QColor(140, 100, 52, 190));
    } else {
        Disc(p, 13.5, QColor(242, 249, 255), QColor(204, 226, 248), QColor(144, 176, 220), QColor(74, 106, 160, 190));
    }
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 11.6, 11.6);
}

void Ball(QPainter& p, QPointF at, double r, const QColor& light, const QColor& mid, const QColor& dark)
{
    QRadialGradient gradient(at, r, at + QPointF(-r * 0.4, -r * 0.45));
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(0.6, mid);
    gradient.setColorAt(1.0, dark);
    p.setPen(QPen(Scale(dark, 0.7), 0.6));
    p.setBrush(gradient);
    p.drawEllipse(at, r, r);
}

void Leaf(QPainter& p, QPointF base, double degrees, double length, const QColor& colour)
{
    p.save();
    p.translate(base);
    p.rotate(degrees);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.42, length, 0);
    leaf.quadTo(length * 0.5, length * 0.42, 0, 0);
    QLinearGradient gradient(QPointF(0, -length * 0.3), QPointF(0, length * 0.3));
    gradient.setColorAt(0.0, Shade(colour, 1.25));
    gradient.setColorAt(1.0, Shade(colour, 0.8));
    p.setPen(QPen(Scale(colour, 0.6), 0.5));
    p.setBrush(gradient);
    p.drawPath(leaf);
    p.setPen(QPen(Scale(colour, 0.55), 0.4));
    p.drawLine(QPointF(0.5, 0), QPointF(length * 0.85, 0));
    p.restore();
}

void Stem(QPainter& p, QPointF from, QPointF control, QPointF to, const QColor& colour, double width)
{
    QPainterPath stem;
    stem.moveTo(from);
    stem.quadTo(control, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
}

const QColor kLeafGreen(70, 160, 50);
const QColor kStemBrown(110, 70, 30);

void Apple(QPainter& p)
{
    QPainterPath apple;
    apple.moveTo(0, -5.2);
    apple.cubicTo(3.5, -8.8, 9.2, -6.2, 8.6, 0.2);
    apple.cubicTo(8.2, 6.0, 4.0, 9.4, 0, 8.0);
    apple.cubicTo(-4.0, 9.4, -8.2, 6.0, -8.6, 0.2);
    apple.cubicTo(-9.2, -6.2, -3.5, -8.8, 0, -5.2);
    QRadialGradient gradient(QPointF(0, 1), 10.0, QPointF(-3.5, -2.5));
    gradient.setColorAt(0.0, QColor(255, 130, 116));
    gradient.setColorAt(0.55, QColor(218, 34, 34));
    gradient.setColorAt(1.0, QColor(136, 12, 20));
    p.setPen(QPen(QColor(110, 10, 16), 0.6));
    p.setBrush(gradient);
    p.drawPath(apple);
    Stem(p, QPointF(0, -5.0), QPointF(0.2, -8.0), QPointF(1.6, -10.0), kStemBrown, 1.3);
    Leaf(p, QPointF(1.2, -7.6), -28, 6.2, kLeafGreen);
    Gloss(p, QPointF(-3.8, -2.6), 2.6, 200);
}

void Orange(QPainter& p)
{
    Ball(p, QPointF(0, 1.0), 8.6, QColor(255, 214, 110), QColor(250, 144, 20), QColor(196, 86, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 90, 0, 60));
    for (int i = 0; i < 14; ++i) {
        const QPointF dot = Polar(2.5 + (i * 37 % 5), i * 61.0) + QPointF(0, 1.0);
        p.drawEllipse(dot, 0.45, 0.45);
    }
    Leaf(p, QPointF(0.5, -7.2), -20, 6.5, kLeafGreen);
    p.setBrush(QColor(100, 80, 20));
    p.drawEllipse(QPointF(0.2, -7.2), 1.0, 0.8);
    Gloss(p, QPointF(-3.4, -2.4), 2.4, 170);
}

void Grapes(QPainter& p)
{
    Stem(p, QPointF(0, -5.0), QPointF(0.5, -8.5), QPointF(2.0, -10.0), kStemBrown, 1.2);
    Leaf(p, QPointF(0.5, -7.5), -150, 6.0, kLeafGreen);
    const QPointF berries[] = {{-4.6, -3.2}, {0.0, -3.6}, {4.6, -3.2}, {-2.4, 0.8}, {2.4, 0.8},
                               {-4.4, 4.4},  {0.0, 4.6},  {4.4, 4.4},  {-1.8, 8.0}, {1.8, 8.0}};
    for (const QPointF& at : berries) {
        if (at.y() > 4.0 && std::abs(at.x()) > 4.0) {
            continue;
        }
        Ball(p, at, 3.0, QColor(206, 150, 236), QColor(118, 46, 160), QColor(62, 16, 92));
    }
}

void Cherries(QPainter& p)
{
    Stem(p, QPointF(-4.0, 2.0), QPointF(-2.0, -6.0), QPointF(1.5, -9.5), QColor(96, 120, 40), 1.0);
    Stem(p, QPointF(4.2, 3.2), QPointF(3.6, -4.0), QPointF(1.5, -9.5), QColor(96, 120, 40), 1.0);
    Leaf(p, QPointF(1.5, -9.5), 10, 7.0, kLeafGreen);
    Ball(p, QPointF(-4.0, 4.6), 4.6, QColor(255, 120, 120), QColor(206, 14, 44), QColor(118, 0, 22));
    Ball(p, QPointF(4.2, 5.6), 4.4, QColor(255, 120, 120), QColor(206, 14, 44), QColor(118, 0, 22));
    Gloss(p, QPointF(-5.4, 3.0), 1.6, 210);
    Gloss(p, QPointF(2.9, 4.0), 1.5, 210);
}

void Petals(QPainter& p, int count, double length, double width, double start, double turn, const QColor& tip,
            const QColor& base, double offsetDegrees = 0.0)
{
    for (int i = 0; i < count; ++i) {
        p.save();
        p.rotate(offsetDegrees + i * 360.0 / count);
        QPainterPath petal;
        petal.moveTo(start, 0);
        petal.cubicTo(start + length * 0.3, -width, start + length * turn, -width, start + length, 0);
        petal.cubicTo(start + length * turn, width, start + length * 0.3, width, start, 0);
        QLinearGradient gradient(QPointF(start, 0), QPointF(start + length, 0));
        gradient.setColorAt(0.0, base);
        gradient.setColorAt(1.0, tip);
        p.setPen(QPen(Scale(base, 0.75), 0.4));
        p.setBrush(gradient);
        p.drawPath(petal);
        p.restore();
    }
}

void Daisy(QPainter& p)
{
    Petals(p, 14, 8.8, 1.9, 1.5, 0.85, QColor(255, 255, 255), QColor(222, 222, 236));
    Ball(p, QPointF(0, 0), 3.4, QColor(255, 240, 120), QColor(248, 196, 20), QColor(200, 130, 0));
}

void Tulip(QPainter& p)
{
    Stem(p, QPointF(0, 1.0), QPointF(0.5, 6.0), QPointF(0, 10.5), QColor(60, 140, 44), 1.4);
    Leaf(p, QPointF(0, 10.0), -120, 7.5, kLeafGreen);
    Leaf(p, QPointF(0, 10.0), -60, 6.5, kLeafGreen);
    QPainterPath cup;
    cup.moveTo(-6.2, -6.5);
    cup.lineTo(-3.2, -3.6);
    cup.lineTo(0, -8.2);
    cup.lineTo(3.2, -3.6);
    cup.lineTo(6.2, -6.5);
    cup.cubicTo(7.0, -1.0, 5.0, 3.2, 0, 3.4);
    cup.cubicTo(-5.0, 3.2, -7.0, -1.0, -6.2, -6.5);
    QRadialGradient gradient(QPointF(0, -1.5), 8.0, QPointF(-2.5, -3.5));
    gradient.setColorAt(0.0, QColor(255, 160, 176));
    gradient.setColorAt(0.6, QColor(236, 50, 92));
    gradient.setColorAt(1.0, QColor(160, 16, 56));
    p.setPen(QPen(QColor(130, 10, 44), 0.6));
    p.setBrush(gradient);
    p.drawPath(cup);
    p.setPen(QPen(QColor(150, 16, 56, 150), 0.6));
    p.drawLine(QPointF(-3.2, -3.6), QPointF(-1.8, 2.6));
    p.drawLine(QPointF(3.2, -3.6), QPointF(1.8, 2.6));
}

void Violet(QPainter& p)
{
    for (int i = 0; i < 5; ++i) {
        const QPointF at = Polar(4.6, -90.0 + i * 72.0);
        Ball(p, at, 4.4, QColor(216, 176, 255), QColor(140, 82, 220), QColor(84, 40, 158));
    }
    Ball(p, QPointF(0, 0), 2.4, QColor(255, 255, 230), QColor(255, 220, 60), QColor(220, 160, 0));
}

void Sunflower(QPainter& p)
{
    Petals(p, 16, 7.4, 1.9, 3.6, 0.7, QColor(255, 214, 20), QColor(240, 150, 0));
    QRadialGradient gradient(QPointF(0, 0), 4.6, QPointF(-1.2, -1.2));
    gradient.setColorAt(0.0, QColor(150, 96, 40));
    gradient.setColorAt(1.0, QColor(70, 40, 12));
    p.setPen(QPen(QColor(60, 32, 8), 0.5));
    p.setBrush(gradient);
    p.drawEllipse(QPointF(0, 0), 4.6, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 22, 6, 170));
    for (int i = 0; i < 12; ++i) {
        p.drawEllipse(Polar(1.2 + 0.22 * i, i * 137.5), 0.45, 0.45);
    }
}

Look GardenPiece(int side, int kind)
{
    static const std::function<void(QPainter&)> fruit[] = {Apple, Orange, Grapes, Cherries};
    static const std::function<void(QPainter&)> flowers[] = {Daisy, Tulip, Violet, Sunflower};
    const auto& motif = side == 1 ? fruit[kind % 4] : flowers[kind % 4];
    return {[side, motif](QPainter& p) {
                Dish(p, side);
                motif(p);
            },
            13.5, side == 1 ? QColor(200, 166, 110) : QColor(130, 164, 214)};
}

Look LookFor(Design design, int side, int kind)
{
    switch (design) {
    case Design::Green:
        return side == 1 ? BlackStone() : WhiteStone();
    case Design::Wood:
        return side == 1 ? EbonyPiece() : IvoryPiece();
    case Design::Night:
        return side == 1 ? SunPiece() : MoonPiece();
    case Design::Gems:
        return GemPiece(side, kind);
    case Design::Garden:
        return GardenPiece(side, kind);
    case Design::Landscape:
        break;
    }
    return BlackStone();
}

// A slab of the piece's edge between two horizontal offsets, as seen while the piece turns.
QPainterPath Slab(double from, double to, double rx, double ry)
{
    // A flat ellipse would collapse the union, so the edge-on view keeps a sliver of roundness.
    rx = std::max(rx, 0.6);
    QPainterPath slab;
    slab.setFillRule(Qt::WindingFill);
    slab.addEllipse(QPointF(from, 0), rx, ry);
    slab.addEllipse(QPointF(to, 0), rx, ry);
    slab.addRect(QRectF(std::min(from, to), -ry, std::abs(to - from), 2 * ry));
    return slab.simplified();
}

void FillSlab(QPainter& p, const QPainterPath& slab, const QColor& rim, double ry)
{
    QLinearGradient gradient(QPointF(0, -ry), QPointF(0, ry));
    gradient.setColorAt(0.0, Shade(rim, 1.25));
    gradient.setColorAt(0.5, rim);
    gradient.setColorAt(1.0, Scale(rim, 0.6));
    p.setPen(QPen(Scale(rim, 0.5), 0.5));
    p.setBrush(gradient);
    p.drawPath(slab);
}

// The piece turned about its vertical axis by `angle`: 0 shows `front`, pi shows `back`.
QImage TurnedPiece(const Look& front, const Look& back, double angle, double thickness)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const bool frontShows = c >= 0.0;
    const Look& shown = frontShows ? front : back;
    const Look& hidden = frontShows ? back : front;
    const double lift = 1.0 + 0.07 * s;
    const double squash = std::abs(c);
    const double depth = thickness * s;
    const double towardRim = frontShows ? 1.0 : -1.0;
    const double faceX = -towardRim * depth / 2.0;
    const double ry = shown.radius * lift;
    const double rx = shown.radius * squash * lift;

    const QPainterPath nearSlab = Slab(faceX, faceX + towardRim * depth / 2.0, rx, ry);
    const QPainterPath farSlab = Slab(faceX + towardRim * depth / 2.0, faceX + towardRim * depth, rx, ry);

    QImage shadow = NewArgb(kPieceSize, kPieceSize);
    {
        QPainter p(&shadow);
        Smooth(p);
        p.translate(kCentre + 0.9 + 1.6 * s, kCentre + 1.2 + 1.6 * s);
        QPainterPath outline = nearSlab.united(farSlab);
        outline.addEllipse(QPointF(faceX, 0), std::max(rx, 0.5), ry);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawPath(outline.simplified());
    }
    QImage image = Blur(shadow, 1);
    QPainter p(&image);
    Smooth(p);
    p.translate(kCentre, kCentre);
    if (depth > 0.05) {
        FillSlab(p, farSlab, hidden.rim, ry);
        FillSlab(p, nearSlab, shown.rim, ry);
    }
    if (squash > 0.02) {
        p.save();
        p.translate(faceX, 0);
        p.scale(squash * lift, lift);
        shown.paint(p);
        p.restore();
    }
    p.end();
    return image;
}

} // namespace

std::vector<QImage> PieceFrames(Design design, int side, int kind)
{
    const Look own = LookFor(design, side, kind);
    const Look other = LookFor(design, 3 - side, kind);
    const double thickness = design == Design::Gems ? 5.0 : 4.6;
    std::vector<QImage> frames;
    for (int frame = 0; frame < kFrameCount; ++frame) {
        const double angle = kPi * frame / kFrameCount;
        frames.push_back(KeyOut(TurnedPiece(own, other, angle, thickness), FieldColour(design)));
    }
    return frames;
}

} // namespace art
