#include "Artwork.h"
#include "Canvas.h"
#include "Noise.h"
#include "Rng.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

// One scene, two lightings: every shape is shared, only these colours change.
struct Scenery {
    bool night;
    QColor skyTop, skyHorizon;
    QColor farRidge, farShade, snow;
    QColor hillBack, hillFront, meadowNear;
    QColor lake, lakeDeep;
    QColor pine, pineShade, trunk;
    QColor wall, wallShade, roof, window, door;
    QColor path;
    QColor celestial, glow;
    QColor cloud;
    QColor bloom;
};

Scenery Day()
{
    return {false,
            QColor(64, 136, 222), QColor(196, 226, 250),
            QColor(120, 140, 176), QColor(92, 108, 146), QColor(250, 252, 255),
            QColor(104, 168, 76), QColor(82, 150, 58), QColor(96, 170, 60),
            QColor(100, 164, 222), QColor(46, 108, 170),
            QColor(38, 104, 52), QColor(24, 72, 36), QColor(96, 62, 34),
            QColor(246, 232, 206), QColor(206, 186, 156), QColor(190, 70, 50), QColor(120, 170, 210), QColor(120, 72, 40),
            QColor(228, 208, 160),
            QColor(255, 246, 190), QColor(255, 236, 150, 150),
            QColor(255, 255, 255, 230),
            QColor(255, 255, 255)};
}

Scenery Night()
{
    return {true,
            QColor(6, 10, 34), QColor(34, 46, 96),
            QColor(36, 44, 80), QColor(24, 30, 58), QColor(170, 184, 220),
            QColor(22, 44, 46), QColor(16, 36, 36), QColor(18, 42, 36),
            QColor(34, 50, 96), QColor(12, 20, 48),
            QColor(10, 30, 28), QColor(6, 18, 20), QColor(30, 22, 20),
            QColor(96, 98, 124), QColor(66, 68, 96), QColor(80, 36, 44), QColor(255, 214, 110), QColor(50, 34, 30),
            QColor(80, 84, 104),
            QColor(244, 246, 255), QColor(190, 205, 255, 120),
            QColor(120, 130, 170, 120),
            QColor(255, 230, 120)};
}

const QPointF kCelestial(300, 78);
constexpr double kHorizon = 236.0;

double Ridge(const Noise& noise, double x, const double (*peaks)[3], int count)
{
    double y = 400.0;
    for (int i = 0; i < count; ++i) {
        const double px = peaks[i][0];
        const double py = peaks[i][1];
        const double slope = peaks[i][2];
        y = std::min(y, py + std::abs(x - px) * slope);
    }
    return y + (noise.Fractal(x / 18.0, 3.0, 3) - 0.5) * 14.0;
}

void Sky(QPainter& p, const Scenery& s)
{
    QLinearGradient sky(QPointF(0, 0), QPointF(0, kHorizon));
    sky.setColorAt(0.0, s.skyTop);
    sky.setColorAt(1.0, s.skyHorizon);
    p.fillRect(QRectF(0, 0, 400, kHorizon + 20), sky);
    QRadialGradient glow(kCelestial, 110);
    glow.setColorAt(0.0, s.glow);
    glow.setColorAt(1.0, WithAlpha(s.glow, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kCelestial, 110, 110);
    if (s.night) {
        Rng rng(71);
        for (int i = 0; i < 220; ++i) {
            const QPointF at(rng.Range(0, 400), rng.Range(0, kHorizon - 40) * rng.Range(0.3, 1.0));
            const double r = 0.35 + std::pow(rng.Unit(), 3.0) * 1.0;
            p.setBrush(QColor(255, 255, 255, 100 + rng.Below(155)));
            p.drawEllipse(at, r, r);
        }
        // Crescent: the disc with a sky-coloured disc taken out of it.
        QPainterPath moon;
        moon.addEllipse(kCelestial, 24, 24);
        QPainterPath bite;
        bite.addEllipse(kCelestial + QPointF(-11, -7), 21, 21);
        QRadialGradient face(kCelestial, 24, kCelestial + QPointF(8, 6));
        face.setColorAt(0.0, QColor(255, 255, 245));
        face.setColorAt(1.0, QColor(214, 222, 244));
        p.setBrush(face);
        p.drawPath(moon.subtracted(bite));
    } else {
        QRadialGradient sun(kCelestial, 26, kCelestial + QPointF(-6, -6));
        sun.setColorAt(0.0, QColor(255, 255, 240));
        sun.setColorAt(0.7, s.celestial);
        sun.setColorAt(1.0, QColor(255, 220, 110));
        p.setBrush(sun);
        p.drawEllipse(kCelestial, 26, 26);
    }
}

void Clouds(QPainter& p, const Scenery& s)
{
    Rng rng(72);
    QImage layer = NewArgb(400, 400);
    {
        QPainter c(&layer);
        c.setRenderHint(QPainter::Antialiasing);
        c.setPen(Qt::NoPen);
        for (int cloud = 0; cloud < 5; ++cloud) {
            QPointF centre(rng.Range(20, 380), rng.Range(30, 150));
            const double width = rng.Range(50, 90);
            // Keep the sun and the moon clear.
            if (std::abs(centre.x() - kCelestial.x()) < width / 2 + 40 && std::abs(centre.y() - kCelestial.y()) < 45) {
                centre.setX(centre.x() > 200 ? centre.x() - 200 : centre.x() + 200);
            }
            for (int puff = 0; puff < 7; ++puff) {
                const QPointF at = centre + QPointF(rng.Range(-width / 2, width / 2), rng.Range(-6, 6));
                const double r = rng.Range(9, 18);
                c.setBrush(s.cloud);
                c.drawEllipse(at, r * 1.3, r * 0.8);
            }
        }
    }
    p.drawImage(0, 0, Blur(layer, 2));
}

void Mountains(QPainter& p, const Scenery& s)
{
    const Noise noise(73);
    static const double far[][3] = {{48, 112, 0.95}, {168, 86, 0.9}, {268, 124, 1.0}, {362, 100, 0.85}};
    QPainterPath ridge;
    ridge.moveTo(0, kHorizon + 10);
    for (int x = 0; x <= 400; x += 2) {
        ridge.lineTo(x, Ridge(noise, x, far, 4));
    }
    ridge.lineTo(400, kHorizon + 10);
    ridge.closeSubpath();
    QLinearGradient body(QPointF(0, 80), QPointF(0, kHorizon));
    body.setColorAt(0.0, s.farRidge);
    body.setColorAt(1.0, Mix(s.farRidge, s.skyHorizon, 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(ridge);
    // The east faces of the peaks lie in shade.
    for (const auto& peak : far) {
        QPainterPath shade;
        shade.moveTo(peak[0], peak[1] - 6);
        for (double x = peak[0]; x <= peak[0] + 90; x += 2) {
            shade.lineTo(x, Ridge(noise, x, far, 4));
        }
        shade.lineTo(peak[0] + 30, kHorizon + 10);
        shade.lineTo(peak[0] + 4, kHorizon);
        shade.closeSubpath();
        p.setBrush(WithAlpha(s.farShade, 150));
        p.drawPath(shade.intersected(ridge));
        QPainterPath cap;
        cap.moveTo(peak[0] - 26, peak[1] + 26);
        for (double x = peak[0] - 26; x <= peak[0] + 26; x += 4) {
            cap.lineTo(x, peak[1] + 20 + std::sin(x * 0.7) * 4.0);
        }
        cap.lineTo(peak[0] + 26, peak[1] - 30);
        cap.lineTo(peak[0] - 26, peak[1] - 30);
        cap.closeSubpath();
        p.setBrush(WithAlpha(s.snow, 235));
        p.drawPath(cap.intersected(ridge));
    }
}

QPainterPath Hill(double left, double peakX, double peakY, double right, double base)
{
    QPainterPath hill;
    hill.moveTo(left, base);
    hill.cubicTo(left + (peakX - left) * 0.4, peakY + 6, peakX - 40, peakY, peakX, peakY);
    hill.cubicTo(peakX + 40, peakY, right - (right - peakX) * 0.4, peakY + 6, right, base);
    hill.lineTo(right, 400);
    hill.lineTo(left, 400);
    hill.closeSubpath();
    return hill;
}

void Pine(QPainter& p, const Scenery& s, QPointF foot, double height)
{
    const double width = height * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(s.trunk);
    p.drawRect(QRectF(foot.x() - width * 0.08, foot.y() - height * 0.18, width * 0.16, height * 0.2));
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = foot.y() - height * (0.12 + tier * 0.25);
        const double top = bottom - height * 0.48;
        const double half = width * (0.5 - tier * 0.11);
        QPolygonF left;
        left << QPointF(foot.x(), top) << QPointF(foot.x() - half, bottom) << QPointF(foot.x(), bottom);
        QPolygonF right;
        right << QPointF(foot.x(), top) << QPointF(foot.x(), bottom) << QPointF(foot.x() + half, bottom);
        p.setBrush(s.pine);
        p.drawPolygon(left);
        p.setBrush(s.pineShade);
        p.drawPolygon(right);
    }
}

void Trees(QPainter& p, const Scenery& s, const QPainterPath& hill, double fromX, double toX, int count,
           std::uint64_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(fromX, toX);
        double y = 0;
        for (double probe = 120; probe < 400; probe += 1.0) {
            if (hill.contains(QPointF(x, probe))) {
                y = probe;
                break;
            }
        }
        const double height = rng.Range(22, 40);
        Pine(p, s, QPointF(x, y + rng.Range(4, 14)), height);
    }
}

void Lake(QPainter& p, const Scenery& s)
{
    QPainterPath lake;
    lake.moveTo(150, kHorizon + 14);
    lake.cubicTo(230, kHorizon + 4, 350, kHorizon + 8, 392, kHorizon + 24);
    lake.cubicTo(404, kHorizon + 44, 330, kHorizon + 66, 250, kHorizon + 62);
    lake.cubicTo(190, kHorizon + 60, 130, kHorizon + 46, 150, kHorizon + 14);
    QLinearGradient water(QPointF(0, kHorizon), QPointF(0, kHorizon + 66));
    water.setColorAt(0.0, s.lake);
    water.setColorAt(1.0, s.lakeDeep);
    p.setPen(QPen(Mix(s.lakeDeep, QColor(0, 0, 0), 0.3), 1.0));
    p.setBrush(water);
    p.drawPath(lake);
    p.save();
    p.setClipPath(lake);
    Rng rng(74);
    for (int i = 0; i < 26; ++i) {
        const double y = kHorizon + 12 + i * 2.0;
        const double spread = 6 + i * 0.9;
        const double x = kCelestial.x() + rng.Range(-spread, spread);
        p.setPen(QPen(WithAlpha(s.celestial, 200 - i * 6), 1.2));
        p.drawLine(QPointF(x - rng.Range(3, 9), y), QPointF(x + rng.Range(3, 9), y));
    }
    for (int i = 0; i < 30; ++i) {
        const double y = rng.Range(kHorizon + 10, kHorizon + 64);
        const double x = rng.Range(140, 395);
        p.setPen(QPen(WithAlpha(QColor(255, 255, 255), s.night ? 40 : 90), 0.8));
        p.drawLine(QPointF(x, y), QPointF(x + rng.Range(4, 12), y));
    }
    p.restore();
}

void Cottage(QPainter& p, const Scenery& s)
{
    const QRectF wall(72, 236, 56, 36);
    p.setPen(QPen(Mix(s.wallShade, QColor(0, 0, 0), 0.4), 0.8));
    p.setBrush(s.wall);
    p.drawRect(wall);
    p.setBrush(s.wallShade);
    p.drawRect(QRectF(128, 240, 20, 32));
    QPolygonF roof;
    roof << QPointF(64, 238) << QPointF(100, 206) << QPointF(136, 238);
    QPolygonF roofSide;
    roofSide << QPointF(100, 206) << QPointF(136, 238) << QPointF(154, 242) << QPointF(120, 210);
    p.setBrush(s.roof);
    p.drawPolygon(roof);
    p.setBrush(Scale(s.roof, 0.75));
    p.drawPolygon(roofSide);
    p.setBrush(Scale(s.roof, 0.85));
    p.drawRect(QRectF(114, 206, 8, 16));
    p.setBrush(s.door);
    p.drawRect(QRectF(94, 252, 12, 20));
    for (const QRectF& pane : {QRectF(78, 246, 11, 10), QRectF(112, 246, 11, 10), QRectF(134, 248, 8, 9)}) {
        if (s.night) {
            QRadialGradient halo(pane.center(), 14);
            halo.setColorAt(0.0, QColor(255, 210, 110, 110));
            halo.setColorAt(1.0, QColor(255, 210, 110, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(pane.center(), 14, 14);
        }
        p.setPen(QPen(Scale(s.wallShade, 0.6), 0.8));
        p.setBrush(s.window);
        p.drawRect(pane);
        p.drawLine(QPointF(pane.center().x(), pane.top()), QPointF(pane.center().x(), pane.bottom()));
    }
    if (s.night) {
        QPainterPath smoke;
        smoke.moveTo(118, 204);
        smoke.cubicTo(112, 190, 128, 182, 120, 166);
        p.setPen(QPen(QColor(150, 160, 190, 70), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smoke);
    }
}

void Meadow(QPainter& p, const Scenery& s)
{
    QPainterPath path;
    path.moveTo(100, 272);
    path.cubicTo(110, 300, 60, 320, 120, 350);
    path.cubicTo(170, 372, 150, 390, 170, 402);
    path.lineTo(214, 402);
    path.cubicTo(190, 380, 220, 360, 160, 340);
    path.cubicTo(110, 322, 130, 300, 108, 272);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(s.path);
    p.drawPath(path);
    Rng rng(75);
    for (int i = 0; i < 180; ++i) {
        const QPointF at(rng.Range(0, 400), rng.Range(300, 400));
        if (path.contains(at)) {
            continue;
        }
        const double r = rng.Range(0.9, 1.8);
        if (s.night) {
            if (i % 4 != 0) {
                continue;
            }
            QRadialGradient glow(at, r * 4);
            glow.setColorAt(0.0, WithAlpha(s.bloom, 220));
            glow.setColorAt(1.0, WithAlpha(s.bloom, 0));
            p.setBrush(glow);
            p.drawEllipse(at, r * 4, r * 4);
        } else {
            static const QColor flowers[] = {QColor(255, 255, 255), QColor(255, 220, 60), QColor(240, 110, 150),
                                             QColor(170, 130, 240)};
            p.setBrush(flowers[rng.Below(4)]);
            p.drawEllipse(at, r, r);
        }
    }
}

void BroadTree(QPainter& p, const Scenery& s, QPointF foot, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(s.trunk);
    QPolygonF trunk;
    trunk << foot + QPointF(-size * 0.09, 0) << foot + QPointF(-size * 0.05, -size * 0.7)
          << foot + QPointF(size * 0.05, -size * 0.7) << foot + QPointF(size * 0.1, 0);
    p.drawPolygon(trunk);
    Rng rng(76 + static_cast<std::uint64_t>(foot.x()));
    for (int i = 0; i < 12; ++i) {
        const QPointF at = foot + QPointF(rng.Range(-size * 0.4, size * 0.4), -size * rng.Range(0.7, 1.2));
        const double r = size * rng.Range(0.22, 0.32);
        QRadialGradient leaves(at, r, at + QPointF(-r * 0.4, -r * 0.4));
        leaves.setColorAt(0.0, Mix(s.pine, QColor(200, 230, 120), s.night ? 0.05 : 0.35));
        leaves.setColorAt(1.0, s.pineShade);
        p.setBrush(leaves);
        p.drawEllipse(at, r, r);
    }
}

} // namespace

QImage LandscapePicture(bool night)
{
    const Scenery s = night ? Night() : Day();
    QImage picture = NewRgb(kBoardSize, kBoardSize, s.skyTop);
    QPainter p(&picture);
    Smooth(p);
    Sky(p, s);
    Clouds(p, s);
    Mountains(p, s);
    const QPainterPath backHill = Hill(-40, 90, 206, 250, kHorizon + 30);
    const QPainterPath rightHill = Hill(240, 350, 214, 460, kHorizon + 30);
    QLinearGradient hills(QPointF(0, 200), QPointF(0, 300));
    hills.setColorAt(0.0, s.hillBack);
    hills.setColorAt(1.0, s.hillFront);
    p.setPen(Qt::NoPen);
    p.setBrush(hills);
    p.drawPath(backHill);
    p.drawPath(rightHill);
    Trees(p, s, backHill, 0, 60, 6, 81);
    Trees(p, s, rightHill, 300, 395, 6, 82);
    QLinearGradient meadow(QPointF(0, kHorizon), QPointF(0, 400));
    meadow.setColorAt(0.0, s.hillFront);
    meadow.setColorAt(1.0, s.meadowNear);
    p.setBrush(meadow);
    p.drawRect(QRectF(0, kHorizon + 24, 400, 400));
    Lake(p, s);
    Cottage(p, s);
    Meadow(p, s);
    BroadTree(p, s, QPointF(360, 396), 90);
    BroadTree(p, s, QPointF(30, 380), 70);
    p.end();
    return picture;
}

} // namespace art
