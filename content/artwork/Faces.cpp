#include "Artwork.h"
#include "Canvas.h"
#include "Character.h"
#include "FacePaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// Background: a soft disc of the character's colours, lit up when winning and greyed when losing.
void Background(QPainter& p, const Character& c, int expression)
{
    QColor inner = c.backInner;
    QColor outer = c.backOuter;
    if (expression == kAhead) {
        inner = Mix(inner, QColor(255, 255, 255), 0.25);
    } else if (expression == kBehind) {
        inner = Mix(inner, QColor(170, 178, 196), 0.35);
        outer = Mix(outer, QColor(130, 138, 160), 0.35);
    } else if (expression == kLost) {
        inner = Mix(inner, QColor(120, 134, 170), 0.6);
        outer = Mix(outer, QColor(70, 80, 118), 0.65);
    }
    QRadialGradient gradient(QPointF(50, 50), 72);
    gradient.setColorAt(0.0, inner);
    gradient.setColorAt(1.0, outer);
    p.fillRect(QRectF(0, 0, 100, 100), gradient);
    if (expression == kWon) {
        QPainterPath rays;
        for (int i = 0; i < 16; i += 1) {
            const double a0 = (i * 22.5 - 5.0) * kPi / 180.0;
            const double a1 = (i * 22.5 + 5.0) * kPi / 180.0;
            rays.moveTo(50, 54);
            rays.lineTo(50 + 90 * std::cos(a0), 54 + 90 * std::sin(a0));
            rays.lineTo(50 + 90 * std::cos(a1), 54 + 90 * std::sin(a1));
            rays.closeSubpath();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 210, 120));
        p.drawPath(rays);
    }
    if (expression == kLost) {
        p.setPen(QPen(QColor(40, 50, 90, 90), 1.2));
        for (int i = 0; i < 7; ++i) {
            const double x = 22 + i * 9.0;
            p.drawLine(QPointF(x, 2), QPointF(x, 10 + (i % 3) * 4));
        }
    }
}

void Blush(QPainter& p, const Character& c)
{
    if (!c.blush.isValid()) {
        return;
    }
    for (const QPointF& eye : {c.leftEye, c.rightEye}) {
        const double outward = eye.x() < 50 ? -3.0 : 3.0;
        const QPointF at = eye + QPointF(outward, c.eyeSize + 7.0);
        QRadialGradient gradient(at, 7);
        gradient.setColorAt(0.0, c.blush);
        gradient.setColorAt(1.0, WithAlpha(c.blush, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawEllipse(at, 7.0, 4.5);
    }
}

// Closed, laughing eyes: an upward arc.
void HappyArc(QPainter& p, QPointF eye, double s, const QColor& colour, double width)
{
    Stroke(p, Curve(eye + QPointF(-s * 0.75, s * 0.3), eye + QPointF(0, -s * 0.95), eye + QPointF(s * 0.75, s * 0.3)),
           colour, width);
}

// Squeezed-shut eyes of crying: ">" on the left, "<" on the right.
void SqueezedEye(QPainter& p, QPointF eye, double s, bool left, const QColor& colour, double width)
{
    const double d = left ? 1.0 : -1.0;
    QPainterPath path;
    path.moveTo(eye + QPointF(-d * s * 0.65, -s * 0.55));
    path.lineTo(eye + QPointF(d * s * 0.55, 0));
    path.lineTo(eye + QPointF(-d * s * 0.65, s * 0.55));
    Stroke(p, path, colour, width);
}

void DotEye(QPainter& p, QPointF eye, double s, int expression)
{
    const QPointF look = expression == kBehind ? QPointF(eye.x() < 50 ? -1.0 : 1.0, 1.0) : QPointF(0, 0);
    const double height = expression == kBehind ? s * 0.62 : s * 0.78;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 26));
    p.drawEllipse(eye + look, s * 0.55, height);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(eye + look + QPointF(-s * 0.16, -s * 0.3), s * 0.2, s * 0.22);
    if (expression == kAhead) {
        p.drawEllipse(eye + look + QPointF(s * 0.2, s * 0.3), s * 0.1, s * 0.1);
    }
}

void BigEye(QPainter& p, const Character& c, QPointF eye, bool left, int expression)
{
    const double s = c.eyeSize;
    const QPainterPath sclera = Ellipse(eye, s * 0.78, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(sclera);
    p.save();
    p.setClipPath(sclera);
    QPointF look(0, s * 0.1);
    double irisRadius = s * 0.64;
    if (expression == kBehind) {
        look = QPointF(left ? -s * 0.2 : s * 0.2, s * 0.3);
        irisRadius = s * 0.52;
    }
    const QPointF centre = eye + look;
    QRadialGradient iris(centre, irisRadius, centre + QPointF(0, irisRadius * 0.5));
    iris.setColorAt(0.0, Mix(c.iris, QColor(255, 255, 255), 0.35));
    iris.setColorAt(1.0, Scale(c.iris, 0.7));
    p.setBrush(iris);
    p.setPen(QPen(Scale(c.iris, 0.5), 0.8));
    p.drawEllipse(centre, irisRadius, irisRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 14, 14));
    if (c.slitPupil && expression != kBehind) {
        p.drawEllipse(centre, irisRadius * 0.22, irisRadius * 0.8);
    } else {
        p.drawEllipse(centre, irisRadius * 0.48, irisRadius * 0.48);
    }
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(centre + QPointF(-irisRadius * 0.35, -irisRadius * 0.4), irisRadius * 0.3, irisRadius * 0.3);
    p.drawEllipse(centre + QPointF(irisRadius * 0.38, irisRadius * 0.36), irisRadius * 0.13, irisRadius * 0.13);
    if (expression == kAhead) {
        Star(p, centre + QPointF(irisRadius * 0.35, -irisRadius * 0.45), irisRadius * 0.35, QColor(255, 255, 255));
    }
    p.restore();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sclera);
    // Upper lid, heavier, and lashes at the outer corner.
    Stroke(p, Curve(eye + QPointF(-s * 0.8, -s * 0.15), eye + QPointF(0, -s * 1.35), eye + QPointF(s * 0.8, -s * 0.15)),
           QColor(40, 26, 22), 2.0);
    if (c.lashes) {
        const double d = left ? -1.0 : 1.0;
        Stroke(p, Curve(eye + QPointF(d * s * 0.7, -s * 0.5), eye + QPointF(d * s * 1.0, -s * 0.7),
                        eye + QPointF(d * s * 1.25, -s * 0.6)),
               QColor(40, 26, 22), 1.4);
        Stroke(p, Curve(eye + QPointF(d * s * 0.45, -s * 0.85), eye + QPointF(d * s * 0.7, -s * 1.1),
                        eye + QPointF(d * s * 0.95, -s * 1.1)),
               QColor(40, 26, 22), 1.2);
    }
}

void LedGlow(QPainter& p, const QPainterPath& path, bool filled)
{
    const QColor glow(90, 240, 255);
    if (filled) {
        p.setPen(QPen(WithAlpha(glow, 70), 3.0));
        p.setBrush(glow);
        p.drawPath(path);
        return;
    }
    Stroke(p, path, WithAlpha(glow, 70), 5.0);
    Stroke(p, path, glow, 2.2);
    Stroke(p, path, QColor(230, 255, 255), 0.8);
}

void LedEye(QPainter& p, QPointF eye, double s, bool left, int expression)
{
    switch (expression) {
    case kEqual:
        LedGlow(p, Ellipse(eye, s * 0.55, s * 0.55), true);
        break;
    case kAhead: {
        LedGlow(p, Curve(eye + QPointF(-s * 0.7, s * 0.3), eye + QPointF(0, -s * 0.9), eye + QPointF(s * 0.7, s * 0.3)),
                false);
        break;
    }
    case kWon:
        LedGlow(p, FivePointStar(eye, s * 0.95, s * 0.42), true);
        break;
    case kBehind:
        LedGlow(p, Ellipse(eye + QPointF(left ? -1.0 : 1.0, 1.0), s * 0.3, s * 0.3), true);
        break;
    default: {
        QPainterPath cross;
        cross.moveTo(eye + QPointF(-s * 0.55, -s * 0.55));
        cross.lineTo(eye + QPointF(s * 0.55, s * 0.55));
        cross.moveTo(eye + QPointF(s * 0.55, -s * 0.55));
        cross.lineTo(eye + QPointF(-s * 0.55, s * 0.55));
        LedGlow(p, cross, false);
        break;
    }
    }
}

void Eyes(QPainter& p, const Character& c, int expression)
{
    for (int i = 0; i < 2; ++i) {
        const bool left = i == 0;
        const QPointF eye = left ? c.leftEye : c.rightEye;
        if (c.eyes == EyeStyle::Led) {
            LedEye(p, eye, c.eyeSize, left, expression);
            continue;
        }
        if (expression == kWon) {
            HappyArc(p, eye, c.eyeSize, QColor(40, 26, 22), 2.6);
            continue;
        }
        if (expression == kLost) {
            SqueezedEye(p, eye, c.eyeSize, left, QColor(40, 26, 22), 2.6);
            continue;
        }
        if (c.eyes == EyeStyle::Dot) {
            DotEye(p, eye, c.eyeSize, expression);
        } else {
            BigEye(p, c, eye, left, expression);
        }
    }
}

void Brows(QPainter& p, const Character& c, int expression)
{
    if (c.browsWhenUpset && expression != kBehind && expression != kLost) {
        return;
    }
    // Vertical offsets of the inner and outer ends and the arch, per expression.
    static constexpr double kInner[] = {0.0, -2.0, -4.0, -4.5, -5.5};
    static constexpr double kOuter[] = {0.0, -2.0, -4.0, 2.0, 3.0};
    static constexpr double kArch[] = {1.2, 2.6, 3.6, 0.2, -0.8};
    for (int i = 0; i < 2; ++i) {
        const bool left = i == 0;
        const QPointF eye = left ? c.leftEye : c.rightEye;
        const double half = c.browLength / 2.0;
        const double towardCentre = left ? 1.0 : -1.0;
        const double y = eye.y() - c.eyeSize - c.browGap + 6.0;
        const QPointF inner(eye.x() + towardCentre * half, y + kInner[expression]);
        const QPointF outer(eye.x() - towardCentre * half, y + kOuter[expression]);
        const QPointF control = (inner + outer) / 2.0 + QPointF(0, -kArch[expression] * 1.6);
        if (c.eyes == EyeStyle::Led) {
            LedGlow(p, Curve(outer, control, inner), false);
        } else {
            Stroke(p, Curve(outer, control, inner), c.brow, c.browWidth);
        }
    }
}

struct MouthColours {
    QColor line;
    QColor inside;
    bool teeth;
};

void HumanMouth(QPainter& p, QPointF m, double w, int expression, const MouthColours& colours)
{
    switch (expression) {
    case kEqual:
        Stroke(p, Curve(m + QPointF(-w * 0.28, 0), m + QPointF(0, 1.2), m + QPointF(w * 0.28, 0)), colours.line, 2.0);
        break;
    case kAhead:
        Stroke(p, Curve(m + QPointF(-w * 0.5, -2), m + QPointF(0, w * 0.5), m + QPointF(w * 0.5, -2)), colours.line, 2.2);
        break;
    case kWon: {
        QPainterPath mouth;
        mouth.moveTo(m + QPointF(-w * 0.55, -3));
        mouth.lineTo(m + QPointF(w * 0.55, -3));
        mouth.cubicTo(m + QPointF(w * 0.5, w * 0.55), m + QPointF(-w * 0.5, w * 0.55), m + QPointF(-w * 0.55, -3));
        p.setPen(QPen(colours.line, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(colours.inside);
        p.drawPath(mouth);
        if (colours.teeth) {
            p.save();
            p.setClipPath(mouth);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255));
            p.drawRect(QRectF(m.x() - w * 0.6, m.y() - 3.5, w * 1.2, 3.4));
            p.setBrush(QColor(240, 110, 120));
            p.drawEllipse(m + QPointF(0, w * 0.42), w * 0.3, w * 0.2);
            p.restore();
        }
        break;
    }
    case kBehind: {
        QPainterPath wave;
        wave.moveTo(m + QPointF(-w * 0.38, 1));
        wave.quadTo(m + QPointF(-w * 0.19, -2.5), m + QPointF(0, 1));
        wave.quadTo(m + QPointF(w * 0.19, 4.5), m + QPointF(w * 0.38, 0.5));
        Stroke(p, wave, colours.line, 2.0);
        break;
    }
    default: {
        QPainterPath mouth;
        mouth.moveTo(m + QPointF(-w * 0.42, 5));
        mouth.quadTo(m + QPointF(0, -w * 0.55), m + QPointF(w * 0.42, 5));
        mouth.quadTo(m + QPointF(0, 2.5), m + QPointF(-w * 0.42, 5));
        p.setPen(QPen(colours.line, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(colours.inside);
        p.drawPath(mouth);
        break;
    }
    }
}

void Beak(QPainter& p, QPointF m, double w, int expression, const QColor& colour)
{
    static constexpr double kOpen[] = {0.0, 3.0, 8.0, 0.0, 5.5};
    static constexpr double kTilt[] = {0.0, 0.0, -2.5, 0.0, 1.0};
    const double open = kOpen[expression];
    const double half = expression == kBehind ? w * 0.4 : w * 0.5;
    const QColor dark = Scale(colour, 0.72);
    if (open > 0.0) {
        QPainterPath inside;
        inside.moveTo(m + QPointF(-half * 0.9, kTilt[expression]));
        inside.lineTo(m + QPointF(half * 0.9, kTilt[expression]));
        inside.lineTo(m + QPointF(0, open + w * 0.3));
        inside.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 50, 60));
        p.drawPath(inside);
        if (expression == kWon) {
            p.setBrush(QColor(255, 130, 140));
            p.drawEllipse(m + QPointF(0, open * 0.8), half * 0.35, open * 0.25);
        }
    }
    QPainterPath upper;
    upper.moveTo(m + QPointF(-half, kTilt[expression]));
    upper.quadTo(m + QPointF(0, -w * 0.55), m + QPointF(half, kTilt[expression]));
    upper.quadTo(m + QPointF(0, w * 0.18 + kTilt[expression]), m + QPointF(-half, kTilt[expression]));
    QPainterPath lower;
    lower.moveTo(m + QPointF(-half * 0.8, open));
    lower.quadTo(m + QPointF(0, open - 1.0), m + QPointF(half * 0.8, open));
    lower.quadTo(m + QPointF(0, open + w * 0.42), m + QPointF(-half * 0.8, open));
    Fill(p, lower, colour, dark, Scale(colour, 0.5), 1.0);
    Fill(p, upper, Mix(colour, QColor(255, 255, 255), 0.3), colour, Scale(colour, 0.5), 1.0);
}

void CatMouth(QPainter& p, QPointF m, double w, int expression)
{
    if (expression == kEqual || expression == kAhead) {
        if (expression == kAhead) {
            QPainterPath open;
            open.moveTo(m + QPointF(-w * 0.25, 1));
            open.quadTo(m + QPointF(0, w * 0.6), m + QPointF(w * 0.25, 1));
            open.closeSubpath();
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(QColor(230, 90, 110));
            p.drawPath(open);
        }
        QPainterPath omega;
        omega.moveTo(m + QPointF(-w * 0.45, -1));
        omega.quadTo(m + QPointF(-w * 0.22, 4), m + QPointF(0, -1));
        omega.quadTo(m + QPointF(w * 0.22, 4), m + QPointF(w * 0.45, -1));
        Stroke(p, omega, kInk, 1.8);
        return;
    }
    HumanMouth(p, m + QPointF(0, 2), w * 0.9, expression, {kInk, QColor(150, 40, 60), true});
}

void LedMouth(QPainter& p, QPointF m, double w, int expression)
{
    switch (expression) {
    case kEqual:
        LedGlow(p, Curve(m + QPointF(-w * 0.35, 0), m, m + QPointF(w * 0.35, 0)), false);
        break;
    case kAhead:
        LedGlow(p, Curve(m + QPointF(-w * 0.45, -2), m + QPointF(0, w * 0.35), m + QPointF(w * 0.45, -2)), false);
        break;
    case kWon: {
        QPainterPath mouth;
        mouth.moveTo(m + QPointF(-w * 0.45, -3));
        mouth.lineTo(m + QPointF(w * 0.45, -3));
        mouth.cubicTo(m + QPointF(w * 0.4, w * 0.4), m + QPointF(-w * 0.4, w * 0.4), m + QPointF(-w * 0.45, -3));
        LedGlow(p, mouth, true);
        break;
    }
    case kBehind: {
        QPainterPath zig;
        zig.moveTo(m + QPointF(-w * 0.4, 0));
        for (int i = 1; i <= 6; ++i) {
            zig.lineTo(m + QPointF(-w * 0.4 + i * w * 0.8 / 6.0, i % 2 == 1 ? -2.0 : 2.0));
        }
        LedGlow(p, zig, false);
        break;
    }
    default:
        LedGlow(p, Curve(m + QPointF(-w * 0.4, 3), m + QPointF(0, -w * 0.4), m + QPointF(w * 0.4, 3)), false);
        break;
    }
}

void Mouth(QPainter& p, const Character& c, int expression)
{
    switch (c.mouthStyle) {
    case MouthStyle::Human:
        HumanMouth(p, c.mouth, c.mouthWidth, expression, {kInk, QColor(150, 40, 60), true});
        break;
    case MouthStyle::Beak:
        Beak(p, c.mouth, c.mouthWidth, expression, QColor(250, 150, 30));
        break;
    case MouthStyle::Cat:
        CatMouth(p, c.mouth, c.mouthWidth, expression);
        break;
    case MouthStyle::Led:
        LedMouth(p, c.mouth, c.mouthWidth, expression);
        break;
    case MouthStyle::Mask:
        HumanMouth(p, c.mouth, c.mouthWidth, expression, {QColor(14, 16, 32), QColor(18, 20, 38), false});
        break;
    }
}

void Tears(QPainter& p, const Character& c)
{
    for (const QPointF& eye : {c.leftEye, c.rightEye}) {
        const double d = eye.x() < 50 ? -1.0 : 1.0;
        const QPointF start = eye + QPointF(d * c.eyeSize * 0.4, c.eyeSize * 0.5);
        QPainterPath stream;
        stream.moveTo(start);
        stream.cubicTo(start + QPointF(d * 2, 8), start + QPointF(d * 5, 14), start + QPointF(d * 5, 24));
        p.setPen(QPen(QColor(120, 200, 255, 200), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stream);
        p.setPen(QPen(QColor(230, 248, 255, 220), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stream);
        WaterDrop(p, start + QPointF(d * 6, 22), 5.0);
    }
}

void Extras(QPainter& p, const Character& c, int expression)
{
    if (expression == kWon) {
        Star(p, QPointF(14, 18), 6.0, QColor(255, 236, 90));
        Star(p, QPointF(86, 20), 5.0, QColor(255, 250, 200));
        Star(p, QPointF(90, 44), 3.5, QColor(255, 236, 90));
        Star(p, QPointF(10, 42), 3.0, QColor(255, 250, 200));
    }
    if (expression == kBehind) {
        WaterDrop(p, c.sweat, 7.0);
    }
    if (expression == kLost) {
        Tears(p, c);
    }
}

} // namespace

QImage FacePicture(int character, int expression)
{
    expression = std::clamp(expression, 0, kFaceExpressions - 1);
    const Character c = CharacterAt(character);
    QImage image = NewRgb(100, 100, c.backOuter);
    QPainter p(&image);
    Smooth(p);
    Background(p, c, expression);
    if (c.behind) {
        c.behind(p, expression);
    }
    if (expression == kAhead || expression == kWon) {
        Blush(p, c);
    }
    Mouth(p, c, expression);
    Eyes(p, c, expression);
    if (c.front) {
        c.front(p, expression);
    }
    Brows(p, c, expression);
    Extras(p, c, expression);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 99, 99));
    p.end();
    return image;
}

} // namespace art
