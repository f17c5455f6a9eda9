#include "Artwork.h"
#include "Canvas.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The emblem in a 64 x 64 design space; the raster and the SVG pictures both read these.
constexpr double kCentre = 32.0;
constexpr double kRimRadius = 29.0;
constexpr double kFieldRadius = 25.5;
constexpr double kGridStep = 8.5;
const QPointF kShadowOffset(1.5, 2.0);
const QColor kShadow(0, 0, 0, 90);
const QPointF kRimFrom(4, 4);
const QPointF kRimTo(60, 60);
const QPointF kFeltCentre(26, 24);
constexpr double kFeltRadius = 34.0;
const QColor kFeltLight(44, 160, 90);
const QColor kFeltDark(14, 86, 46);
const QColor kGridLine(8, 40, 20, 200);
constexpr double kStoneRadius = 11.5;
const QPointF kBlackStone(25.5, 27);
const QPointF kWhiteStone(38.5, 38);

struct Stop {
    double at;
    QColor colour;
};

const Stop kBlackStops[] = {{0.0, QColor(100, 102, 108)}, {0.6, QColor(36, 37, 40)}, {1.0, QColor(8, 8, 10)}};
const Stop kWhiteStops[] = {{0.0, QColor(255, 255, 255)}, {0.6, QColor(236, 236, 232)}, {1.0, QColor(184, 184, 178)}};
const QColor kStoneEdge(0, 0, 0, 110);

QPointF StoneFocus(QPointF centre, double r)
{
    return centre + QPointF(-r * 0.38, -r * 0.42);
}

double StoneEdgeWidth(double r)
{
    return std::max(0.6, r * 0.08);
}

QPolygonF Octagon(double r)
{
    QPolygonF shape;
    for (int k = 0; k < 8; ++k) {
        const double a = (22.5 + 45.0 * k) * 3.14159265358979 / 180.0;
        shape << QPointF(kCentre, kCentre) + QPointF(std::cos(a), std::sin(a)) * r;
    }
    return shape;
}

QString Number(double value)
{
    return QString::number(value, 'g', 6);
}

QString Points(const QPolygonF& shape)
{
    QStringList points;
    for (const QPointF& point : shape)
        points << Number(point.x()) + QLatin1Char(',') + Number(point.y());
    return points.join(QLatin1Char(' '));
}

QString SvgColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

QString SvgStops(const Stop* stops, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                    .arg(Number(stops[i].at), SvgColour(stops[i].colour));
    return text;
}

QString SvgStone(const QString& id, QPointF centre, const Stop* stops, int count)
{
    const QPointF focus = StoneFocus(centre, kStoneRadius);
    return QStringLiteral("    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" r=\"%4\" "
                          "fx=\"%5\" fy=\"%6\">\n%7    </radialGradient>\n")
        .arg(id, Number(centre.x()), Number(centre.y()), Number(kStoneRadius), Number(focus.x()), Number(focus.y()),
             SvgStops(stops, count));
}

QString SvgStoneShape(const QString& id, QPointF centre)
{
    return QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#%4)\" stroke=\"#000000\" "
                          "stroke-opacity=\"%5\" stroke-width=\"%6\"/>\n")
        .arg(Number(centre.x()), Number(centre.y()), Number(kStoneRadius), id, Number(kStoneEdge.alphaF()),
             Number(StoneEdgeWidth(kStoneRadius)));
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

void Stone(QPainter& p, QPointF centre, double r, bool black)
{
    QRadialGradient gradient(centre, r, StoneFocus(centre, r));
    for (const Stop& stop : black ? kBlackStops : kWhiteStops)
        gradient.setColorAt(stop.at, stop.colour);
    p.setPen(QPen(kStoneEdge, StoneEdgeWidth(r)));
    p.setBrush(gradient);
    p.drawEllipse(centre, r, r);
}

void PaintEmblem(QPainter& p, bool grid)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawPolygon(Octagon(kRimRadius).translated(kShadowOffset));
    QLinearGradient rim(kRimFrom, kRimTo);
    rim.setColorAt(0.0, kGoldLight);
    rim.setColorAt(0.5, kGold);
    rim.setColorAt(1.0, kGoldDark);
    p.setBrush(rim);
    p.drawPolygon(Octagon(kRimRadius));
    QRadialGradient felt(kFeltCentre, kFeltRadius);
    felt.setColorAt(0.0, kFeltLight);
    felt.setColorAt(1.0, kFeltDark);
    p.setBrush(felt);
    const QPolygonF field = Octagon(kFieldRadius);
    p.drawPolygon(field);
    if (grid) {
        QPainterPath clip;
        clip.addPolygon(field);
        p.save();
        p.setClipPath(clip);
        p.setPen(QPen(kGridLine, 1.0));
        for (int i = -3; i <= 3; ++i) {
            p.drawLine(QPointF(kCentre + i * kGridStep, 0), QPointF(kCentre + i * kGridStep, 64));
            p.drawLine(QPointF(0, kCentre + i * kGridStep), QPointF(64, kCentre + i * kGridStep));
        }
        p.restore();
    }
    Stone(p, kBlackStone, kStoneRadius, true);
    Stone(p, kWhiteStone, kStoneRadius, false);
}

QImage IconPicture(int size)
{
    QImage icon = NewArgb(size, size);
    QPainter p(&icon);
    Smooth(p);
    p.scale(size / 64.0, size / 64.0);
    // Below 32 pixels the grid lines would only smudge the felt.
    PaintEmblem(p, size >= 32);
    p.end();
    return icon;
}

QByteArray IconSvg()
{
    QString grid;
    for (int i = -3; i <= 3; ++i) {
        const QString at = Number(kCentre + i * kGridStep);
        grid += QStringLiteral("    <line x1=\"%1\" y1=\"0\" x2=\"%1\" y2=\"64\"/>\n"
                               "    <line x1=\"0\" y1=\"%1\" x2=\"64\" y2=\"%1\"/>\n")
                    .arg(at);
    }
    const QPolygonF shadow = Octagon(kRimRadius).translated(kShadowOffset);
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
                          "  <defs>\n");
    svg += QStringLiteral("    <linearGradient id=\"rim\" gradientUnits=\"userSpaceOnUse\" x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\">\n"
                          "      <stop offset=\"0\" stop-color=\"%5\"/>\n"
                          "      <stop offset=\"0.5\" stop-color=\"%6\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%7\"/>\n"
                          "    </linearGradient>\n")
               .arg(Number(kRimFrom.x()), Number(kRimFrom.y()), Number(kRimTo.x()), Number(kRimTo.y()),
                    SvgColour(kGoldLight), SvgColour(kGold), SvgColour(kGoldDark));
    svg += QStringLiteral("    <radialGradient id=\"felt\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" cy=\"%2\" r=\"%3\">\n"
                          "      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                          "    </radialGradient>\n")
               .arg(Number(kFeltCentre.x()), Number(kFeltCentre.y()), Number(kFeltRadius), SvgColour(kFeltLight),
                    SvgColour(kFeltDark));
    svg += SvgStone(QStringLiteral("black"), kBlackStone, kBlackStops, std::size(kBlackStops));
    svg += SvgStone(QStringLiteral("white"), kWhiteStone, kWhiteStops, std::size(kWhiteStops));
    svg += QStringLiteral("    <clipPath id=\"field\">\n      <polygon points=\"%1\"/>\n    </clipPath>\n  </defs>\n")
               .arg(Points(Octagon(kFieldRadius)));
    svg += QStringLiteral("  <polygon points=\"%1\" fill=\"#000000\" fill-opacity=\"%2\"/>\n")
               .arg(Points(shadow), Number(kShadow.alphaF()));
    svg += QStringLiteral("  <polygon points=\"%1\" fill=\"url(#rim)\"/>\n").arg(Points(Octagon(kRimRadius)));
    svg += QStringLiteral("  <polygon points=\"%1\" fill=\"url(#felt)\"/>\n").arg(Points(Octagon(kFieldRadius)));
    svg += QStringLiteral("  <g clip-path=\"url(#field)\" stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"1\">\n%3  </g>\n")
               .arg(SvgColour(kGridLine), Number(kGridLine.alphaF()), grid);
    svg += SvgStoneShape(QStringLiteral("black"), kBlackStone);
    svg += SvgStoneShape(QStringLiteral("white"), kWhiteStone);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

int WriteIcons(const QString& folder)
{
    int failures = 0;
    for (const int size : kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!IconPicture(size).save(&buffer, "PNG")
            || !WriteFile(QStringLiteral("%1/%2x%2/apps/tessella.png").arg(folder).arg(size), png))
            ++failures;
    }
    if (!WriteFile(folder + QStringLiteral("/scalable/apps/tessella.svg"), IconSvg()))
        ++failures;
    return failures;
}

} // namespace art
