#include "Canvas.h"
#include "Character.h"
#include "FacePaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {
namespace {

QPainterPath HeadShape(QPointF centre, double rx, double ry)
{
    return Ellipse(centre, rx, ry);
}

const QColor kSkinLight(255, 232, 206);
const QColor kSkinDark(240, 190, 150);

void Shoulders(QPainter& p, const QColor& light, const QColor& dark)
{
    QPainterPath body;
    body.moveTo(14, 104);
    body.cubicTo(16, 88, 30, 84, 50, 84);
    body.cubicTo(70, 84, 84, 88, 86, 104);
    body.closeSubpath();
    Fill(p, body, light, dark, kInk);
}

void Ears(QPainter& p, double y)
{
    Fill(p, Ellipse(QPointF(19, y), 5.5, 7.5), kSkinLight, kSkinDark, kInk);
    Fill(p, Ellipse(QPointF(81, y), 5.5, 7.5), kSkinLight, kSkinDark, kInk);
}

Character Chick()
{
    Character c;
    c.backInner = QColor(214, 238, 255);
    c.backOuter = QColor(120, 180, 236);
    c.behind = [](QPainter& p, int) {
        const QColor yellow(255, 214, 40);
        Fill(p, Ellipse(QPointF(16, 70), 8, 12), QColor(255, 236, 120), yellow, QColor(200, 140, 0));
        Fill(p, Ellipse(QPointF(84, 70), 8, 12), QColor(255, 236, 120), yellow, QColor(200, 140, 0));
        Fill(p, Ellipse(QPointF(50, 60), 35, 34), QColor(255, 248, 170), yellow, QColor(200, 140, 0));
        for (double dx : {-5.0, 0.0, 5.0}) {
            QPainterPath tuft;
            tuft.moveTo(50 + dx * 0.4, 28);
            tuft.quadTo(50 + dx * 1.4, 18, 50 + dx * 2.2 + 2, 16);
            tuft.quadTo(50 + dx * 1.2, 22, 50 + dx * 0.4 + 2, 28);
            Fill(p, tuft, QColor(255, 236, 120), yellow, QColor(200, 140, 0), 1.0);
        }
    };
    c.leftEye = QPointF(38, 52);
    c.rightEye = QPointF(62, 52);
    c.eyeSize = 6.5;
    c.eyes = EyeStyle::Dot;
    c.mouth = QPointF(50, 64);
    c.mouthWidth = 13;
    c.mouthStyle = MouthStyle::Beak;
    c.browsWhenUpset = true;
    c.brow = QColor(150, 100, 20);
    c.browGap = 7;
    c.sweat = QPointF(80, 26);
    return c;
}

Character Boy()
{
    Character c;
    c.backInner = QColor(220, 250, 214);
    c.backOuter = QColor(110, 196, 110);
    c.behind = [](QPainter& p, int) {
        Shoulders(p, QColor(250, 90, 70), QColor(200, 40, 30));
        Ears(p, 58);
        Fill(p, HeadShape(QPointF(50, 55), 31, 33), kSkinLight, kSkinDark, kInk);
        QPainterPath hair;
        hair.moveTo(19, 52);
        hair.cubicTo(14, 30, 26, 16, 44, 14);
        hair.lineTo(46, 6);
        hair.lineTo(54, 14);
        hair.lineTo(64, 8);
        hair.lineTo(66, 17);
        hair.cubicTo(78, 20, 86, 32, 81, 52);
        hair.lineTo(76, 40);
        hair.lineTo(70, 32);
        hair.lineTo(64, 38);
        hair.lineTo(56, 30);
        hair.lineTo(48, 38);
        hair.lineTo(40, 30);
        hair.lineTo(33, 38);
        hair.lineTo(26, 34);
        hair.closeSubpath();
        Fill(p, hair, QColor(160, 100, 50), QColor(90, 50, 20), kInk);
        // A plaster on the cheek.
        p.save();
        p.translate(70, 70);
        p.rotate(-25);
        p.setPen(QPen(QColor(190, 140, 90), 0.8));
        p.setBrush(QColor(250, 214, 170));
        p.drawRoundedRect(QRectF(-6, -2.5, 12, 5), 2, 2);
        p.setBrush(QColor(236, 190, 140));
        p.drawRect(QRectF(-2, -2.5, 4, 5));
        p.restore();
    };
    c.leftEye = QPointF(39, 54);
    c.rightEye = QPointF(61, 54);
    c.eyeSize = 6.5;
    c.iris = QColor(110, 70, 30);
    c.mouth = QPointF(50, 73);
    c.mouthWidth = 16;
    c.brow = QColor(90, 50, 20);
    c.browWidth = 2.8;
    c.sweat = QPointF(82, 34);
    return c;
}

Character Girl()
{
    Character c;
    c.backInner = QColor(255, 230, 244);
    c.backOuter = QColor(236, 150, 200);
    const QColor hairLight(150, 90, 56);
    const QColor hairDark(84, 44, 24);
    c.behind = [hairLight, hairDark](QPainter& p, int) {
        QPainterPath back;
        back.moveTo(50, 14);
        back.cubicTo(16, 14, 12, 50, 14, 98);
        back.lineTo(86, 98);
        back.cubicTo(88, 50, 84, 14, 50, 14);
        Fill(p, back, hairLight, hairDark, kInk);
        Shoulders(p, QColor(120, 190, 250), QColor(60, 120, 200));
        Fill(p, HeadShape(QPointF(50, 56), 29, 31), kSkinLight, kSkinDark, kInk);
    };
    c.front = [hairLight, hairDark](QPainter& p, int) {
        QPainterPath fringe;
        fringe.moveTo(20, 52);
        fringe.cubicTo(18, 26, 34, 18, 50, 18);
        fringe.cubicTo(66, 18, 82, 26, 80, 52);
        fringe.cubicTo(76, 40, 70, 36, 64, 34);
        fringe.quadTo(58, 40, 50, 42);
        fringe.quadTo(42, 40, 38, 33);
        fringe.cubicTo(30, 36, 24, 42, 20, 52);
        Fill(p, fringe, hairLight, hairDark, kInk);
        // Ribbon.
        const QPointF knot(72, 22);
        QPainterPath loops;
        loops.moveTo(knot);
        loops.cubicTo(knot + QPointF(-14, -14), knot + QPointF(-18, 6), knot);
        loops.cubicTo(knot + QPointF(14, -14), knot + QPointF(18, 6), knot);
        QPainterPath tails;
        tails.moveTo(knot);
        tails.lineTo(knot + QPointF(-6, 14));
        tails.lineTo(knot + QPointF(-2, 13));
        tails.lineTo(knot);
        tails.lineTo(knot + QPointF(5, 14));
        tails.lineTo(knot + QPointF(9, 12));
        tails.closeSubpath();
        Fill(p, tails, QColor(255, 110, 120), QColor(200, 20, 50), kInk, 1.2);
        Fill(p, loops, QColor(255, 120, 130), QColor(210, 24, 56), kInk, 1.2);
        Fill(p, Ellipse(knot, 3.2, 3.2), QColor(255, 150, 150), QColor(200, 20, 50), kInk, 1.0);
    };
    c.leftEye = QPointF(39, 57);
    c.rightEye = QPointF(61, 57);
    c.eyeSize = 7.0;
    c.iris = QColor(70, 130, 200);
    c.lashes = true;
    c.mouth = QPointF(50, 74);
    c.mouthWidth = 14;
    c.brow = QColor(110, 60, 30);
    c.browWidth = 1.8;
    c.browGap = 7.0;
    c.sweat = QPointF(83, 40);
    return c;
}

Character Sage()
{
    Character c;
    c.backInner = QColor(238, 232, 250);
    c.backOuter = QColor(160, 146, 200);
    c.behind = [](QPainter& p, int) {
        Shoulders(p, QColor(130, 100, 200), QColor(80, 50, 150));
        Ears(p, 52);
        Fill(p, HeadShape(QPointF(50, 50), 29, 33), kSkinLight, kSkinDark, kInk);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(42, 26), 7, 4);
        for (double side : {-1.0, 1.0}) {
            QPainterPath tuft;
            tuft.moveTo(50 + side * 24, 30);
            tuft.cubicTo(50 + side * 36, 30, 50 + side * 38, 48, 50 + side * 30, 56);
            tuft.cubicTo(50 + side * 30, 46, 50 + side * 26, 40, 50 + side * 24, 30);
            Fill(p, tuft, QColor(255, 255, 255), QColor(200, 200, 210), QColor(120, 120, 130), 1.2);
        }
        QPainterPath beard;
        beard.moveTo(24, 56);
        beard.cubicTo(24, 80, 36, 100, 50, 102);
        beard.cubicTo(64, 100, 76, 80, 76, 56);
        beard.cubicTo(70, 66, 62, 64, 50, 64);
        beard.cubicTo(38, 64, 30, 66, 24, 56);
        Fill(p, beard, QColor(255, 255, 255), QColor(206, 206, 216), QColor(120, 120, 130), 1.2);
        p.setPen(QPen(QColor(180, 180, 192), 0.9));
        for (double x : {38.0, 46.0, 54.0, 62.0}) {
            p.drawLine(QPointF(x, 80), QPointF(x + (x - 50) * 0.15, 92));
        }
        Fill(p, Ellipse(QPointF(50, 58), 4.5, 3.8), QColor(255, 200, 170), QColor(230, 150, 120), kInk, 1.0);
    };
    c.front = [](QPainter& p, int) {
        for (double side : {-1.0, 1.0}) {
            QPainterPath moustache;
            moustache.moveTo(50, 63);
            moustache.cubicTo(50 + side * 8, 59, 50 + side * 16, 62, 50 + side * 20, 70);
            moustache.cubicTo(50 + side * 14, 67, 50 + side * 8, 68, 50, 66);
            Fill(p, moustache, QColor(255, 255, 255), QColor(210, 210, 220), QColor(120, 120, 130), 1.0);
        }
        p.setPen(QPen(QColor(200, 160, 60), 1.6));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(QPointF(39, 49), 8, 7.5);
        p.drawEllipse(QPointF(61, 49), 8, 7.5);
        p.drawLine(QPointF(47, 48), QPointF(53, 48));
    };
    c.leftEye = QPointF(39, 49);
    c.rightEye = QPointF(61, 49);
    c.eyeSize = 4.5;
    c.eyes = EyeStyle::Dot;
    c.mouth = QPointF(50, 73);
    c.mouthWidth = 12;
    c.brow = QColor(250, 250, 255);
    c.browWidth = 4.2;
    c.browLength = 15;
    c.browGap = 8.0;
    c.sweat = QPointF(82, 28);
    return c;
}

Character Robot()
{
    Character c;
    c.backInner = QColor(220, 244, 240);
    c.backOuter = QColor(110, 180, 180);
    c.behind = [](QPainter& p, int expression) {
        Stroke(p, Curve(QPointF(50, 20), QPointF(50, 14), QPointF(50, 10)), QColor(90, 96, 110), 2.4);
        const QColor bulb = expression == kLost ? QColor(120, 140, 200) : expression == kWon ? QColor(255, 220, 60)
                                                                                             : QColor(250, 70, 60);
        Fill(p, Ellipse(QPointF(50, 9), 4.5, 4.5), Mix(bulb, QColor(255, 255, 255), 0.5), bulb, kInk, 1.0);
        for (double x : {16.0, 84.0}) {
            QPainterPath ear;
            ear.addRoundedRect(QRectF(x - 6, 44, 12, 22), 3, 3);
            Fill(p, ear, QColor(200, 206, 216), QColor(120, 128, 144), QColor(60, 64, 76), 1.2);
        }
        QPainterPath head;
        head.addRoundedRect(QRectF(20, 20, 60, 62), 12, 12);
        QLinearGradient metal(QPointF(20, 20), QPointF(80, 82));
        metal.setColorAt(0.0, QColor(236, 240, 246));
        metal.setColorAt(0.5, QColor(180, 188, 202));
        metal.setColorAt(1.0, QColor(128, 136, 152));
        p.setPen(QPen(QColor(60, 64, 76), 1.6));
        p.setBrush(metal);
        p.drawPath(head);
        QPainterPath screen;
        screen.addRoundedRect(QRectF(27, 34, 46, 40), 7, 7);
        QLinearGradient glass(QPointF(0, 34), QPointF(0, 74));
        glass.setColorAt(0.0, QColor(40, 56, 70));
        glass.setColorAt(1.0, QColor(14, 22, 30));
        p.setPen(QPen(QColor(50, 54, 64), 1.2));
        p.setBrush(glass);
        p.drawPath(screen);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 96, 110));
        for (const QPointF& bolt : {QPointF(26, 26), QPointF(74, 26), QPointF(26, 77), QPointF(74, 77)}) {
            p.drawEllipse(bolt, 1.8, 1.8);
        }
        if (expression == kAhead || expression == kWon) {
            p.setBrush(QColor(255, 120, 160, 200));
            p.drawRoundedRect(QRectF(29, 62, 8, 3), 1.5, 1.5);
            p.drawRoundedRect(QRectF(63, 62, 8, 3), 1.5, 1.5);
        }
    };
    c.leftEye = QPointF(39, 50);
    c.rightEye = QPointF(61, 50);
    c.eyeSize = 6.0;
    c.eyes = EyeStyle::Led;
    c.mouth = QPointF(50, 66);
    c.mouthWidth = 18;
    c.mouthStyle = MouthStyle::Led;
    c.browsWhenUpset = true;
    c.browGap = 9.0;
    c.browLength = 10.0;
    c.blush = QColor();
    c.sweat = QPointF(84, 22);
    return c;
}

Character Cat()
{
    Character c;
    c.backInner = QColor(255, 244, 220);
    c.backOuter = QColor(240, 190, 120);
    c.behind = [](QPainter& p, int) {
        const QColor fur(250, 170, 80);
        const QColor furDark(214, 120, 40);
        for (double side : {-1.0, 1.0}) {
            QPainterPath ear;
            ear.moveTo(50 + side * 10, 30);
            ear.lineTo(50 + side * 32, 10);
            ear.lineTo(50 + side * 33, 44);
            ear.closeSubpath();
            Fill(p, ear, fur, furDark, kInk);
            QPainterPath inner;
            inner.moveTo(50 + side * 16, 30);
            inner.lineTo(50 + side * 29, 17);
            inner.lineTo(50 + side * 29, 38);
            inner.closeSubpath();
            Fill(p, inner, QColor(255, 200, 210), QColor(240, 140, 160), QColor());
        }
        Fill(p, Ellipse(QPointF(50, 58), 35, 31), QColor(255, 200, 120), furDark, kInk);
        Fill(p, Ellipse(QPointF(50, 72), 16, 11), QColor(255, 255, 250), QColor(240, 230, 220), QColor());
        for (int i = -1; i <= 1; ++i) {
            Stroke(p, Curve(QPointF(50 + i * 6, 28), QPointF(50 + i * 6.5, 33), QPointF(50 + i * 5, 38)),
                   QColor(200, 100, 30), 2.4);
        }
        for (double side : {-1.0, 1.0}) {
            Stroke(p, Curve(QPointF(50 + side * 34, 56), QPointF(50 + side * 30, 58), QPointF(50 + side * 26, 58)),
                   QColor(200, 100, 30), 2.2);
        }
        QPainterPath nose;
        nose.moveTo(46, 64);
        nose.lineTo(54, 64);
        nose.lineTo(50, 68.5);
        nose.closeSubpath();
        Fill(p, nose, QColor(255, 160, 180), QColor(230, 100, 130), kInk, 1.0);
        for (double side : {-1.0, 1.0}) {
            for (int i = 0; i < 3; ++i) {
                Stroke(p, Curve(QPointF(50 + side * 18, 69 + i * 3), QPointF(50 + side * 28, 67 + i * 4),
                                QPointF(50 + side * 40, 66 + i * 6)),
                       QColor(90, 60, 40, 200), 0.9);
            }
        }
    };
    c.leftEye = QPointF(37, 53);
    c.rightEye = QPointF(63, 53);
    c.eyeSize = 7.0;
    c.iris = QColor(120, 200, 80);
    c.slitPupil = true;
    c.mouth = QPointF(50, 71);
    c.mouthWidth = 12;
    c.mouthStyle = MouthStyle::Cat;
    c.browsWhenUpset = true;
    c.brow = QColor(150, 70, 20);
    c.sweat = QPointF(84, 38);
    return c;
}

Character Fox()
{
    Character c;
    c.backInner = QColor(244, 250, 220);
    c.backOuter = QColor(170, 200, 110);
    c.behind = [](QPainter& p, int) {
        const QColor fur(244, 130, 40);
        const QColor furDark(190, 80, 10);
        for (double side : {-1.0, 1.0}) {
            QPainterPath ear;
            ear.moveTo(50 + side * 8, 32);
            ear.lineTo(50 + side * 34, 6);
            ear.lineTo(50 + side * 34, 46);
            ear.closeSubpath();
            Fill(p, ear, fur, furDark, kInk);
            QPainterPath tip;
            tip.moveTo(50 + side * 28.5, 12);
            tip.lineTo(50 + side * 34, 6);
            tip.lineTo(50 + side * 34, 18);
            tip.closeSubpath();
            Fill(p, tip, QColor(80, 50, 40), QColor(40, 24, 20), QColor());
            QPainterPath inner;
            inner.moveTo(50 + side * 16, 32);
            inner.lineTo(50 + side * 30, 16);
            inner.lineTo(50 + side * 30, 38);
            inner.closeSubpath();
            Fill(p, inner, QColor(255, 236, 220), QColor(240, 200, 170), QColor());
        }
        QPainterPath head;
        head.moveTo(50, 26);
        head.cubicTo(74, 26, 88, 42, 86, 60);
        head.cubicTo(80, 72, 64, 86, 50, 88);
        head.cubicTo(36, 86, 20, 72, 14, 60);
        head.cubicTo(12, 42, 26, 26, 50, 26);
        Fill(p, head, QColor(255, 170, 80), furDark, kInk);
        QPainterPath cheeks;
        cheeks.moveTo(15, 61);
        cheeks.cubicTo(26, 60, 40, 62, 50, 70);
        cheeks.cubicTo(60, 62, 74, 60, 85, 61);
        cheeks.cubicTo(80, 72, 64, 86, 50, 88);
        cheeks.cubicTo(36, 86, 20, 72, 15, 61);
        Fill(p, cheeks, QColor(255, 255, 255), QColor(236, 230, 224), QColor());
        Fill(p, Ellipse(QPointF(50, 71), 4.5, 3.4), QColor(90, 70, 70), QColor(20, 14, 14), QColor(), 1.0);
    };
    c.leftEye = QPointF(37, 52);
    c.rightEye = QPointF(63, 52);
    c.eyeSize = 6.0;
    c.iris = QColor(200, 130, 30);
    c.mouth = QPointF(50, 79);
    c.mouthWidth = 12;
    c.browsWhenUpset = true;
    c.brow = QColor(140, 60, 10);
    c.sweat = QPointF(85, 34);
    return c;
}

Character Owl()
{
    Character c;
    c.backInner = QColor(226, 240, 255);
    c.backOuter = QColor(70, 100, 160);
    c.behind = [](QPainter& p, int) {
        const QColor feather(170, 116, 70);
        const QColor featherDark(110, 70, 36);
        for (double side : {-1.0, 1.0}) {
            QPainterPath tuft;
            tuft.moveTo(50 + side * 14, 24);
            tuft.lineTo(50 + side * 30, 6);
            tuft.lineTo(50 + side * 32, 30);
            tuft.closeSubpath();
            Fill(p, tuft, feather, featherDark, kInk);
        }
        Fill(p, Ellipse(QPointF(50, 58), 36, 38), QColor(200, 150, 100), featherDark, kInk);
        Fill(p, Ellipse(QPointF(50, 84), 22, 16), QColor(250, 236, 210), QColor(220, 196, 160), QColor());
        p.setPen(QPen(QColor(150, 110, 70), 1.2));
        for (double x : {40.0, 50.0, 60.0}) {
            for (double y : {80.0, 88.0}) {
                const double dx = x + (y == 88.0 ? 5.0 : 0.0);
                if (dx > 64) {
                    continue;
                }
                p.drawLine(QPointF(dx - 2.5, y), QPointF(dx, y + 2.5));
                p.drawLine(QPointF(dx, y + 2.5), QPointF(dx + 2.5, y));
            }
        }
        Fill(p, Ellipse(QPointF(36, 52), 14, 14), QColor(255, 248, 232), QColor(226, 206, 176), QColor(150, 110, 70), 1.0);
        Fill(p, Ellipse(QPointF(64, 52), 14, 14), QColor(255, 248, 232), QColor(226, 206, 176), QColor(150, 110, 70), 1.0);
    };
    c.leftEye = QPointF(36, 52);
    c.rightEye = QPointF(64, 52);
    c.eyeSize = 8.5;
    c.iris = QColor(250, 190, 30);
    c.mouth = QPointF(50, 66);
    c.mouthWidth = 12;
    c.mouthStyle = MouthStyle::Beak;
    c.browsWhenUpset = true;
    c.brow = QColor(110, 70, 36);
    c.browWidth = 3.0;
    c.browGap = 5.0;
    c.blush = QColor(255, 120, 120, 90);
    c.sweat = QPointF(85, 30);
    return c;
}

Character Ninja()
{
    Character c;
    c.backInner = QColor(236, 240, 248);
    c.backOuter = QColor(140, 150, 176);
    const QColor cloth(52, 58, 96);
    const QColor clothDark(24, 28, 52);
    c.behind = [cloth, clothDark](QPainter& p, int) {
        QPainterPath tails;
        tails.moveTo(78, 36);
        tails.cubicTo(88, 34, 94, 40, 98, 52);
        tails.lineTo(92, 50);
        tails.cubicTo(90, 44, 86, 42, 80, 42);
        tails.cubicTo(90, 46, 92, 54, 92, 62);
        tails.lineTo(86, 58);
        tails.cubicTo(86, 50, 82, 46, 78, 44);
        tails.closeSubpath();
        Fill(p, tails, QColor(230, 70, 70), QColor(170, 20, 30), kInk, 1.2);
        Shoulders(p, cloth, clothDark);
        Fill(p, HeadShape(QPointF(50, 54), 32, 34), cloth, clothDark, QColor(14, 16, 30));
        QPainterPath band;
        band.addRoundedRect(QRectF(22, 40, 56, 22), 10, 10);
        Fill(p, band, kSkinLight, kSkinDark, QColor(14, 16, 30), 1.4);
        QPainterPath headband;
        headband.addRect(QRectF(19, 33, 62, 7));
        p.save();
        p.setClipPath(HeadShape(QPointF(50, 54), 32, 34));
        Fill(p, headband, QColor(240, 80, 80), QColor(180, 30, 40), QColor());
        p.restore();
        p.setPen(QPen(QColor(70, 78, 120), 1.0));
        p.drawLine(QPointF(30, 74), QPointF(44, 78));
        p.drawLine(QPointF(70, 74), QPointF(56, 78));
    };
    c.leftEye = QPointF(38, 52);
    c.rightEye = QPointF(62, 52);
    c.eyeSize = 5.5;
    c.iris = QColor(60, 50, 40);
    c.mouth = QPointF(50, 71);
    c.mouthWidth = 14;
    c.mouthStyle = MouthStyle::Mask;
    c.brow = QColor(30, 24, 24);
    c.browWidth = 3.0;
    c.browGap = 4.5;
    c.browLength = 13;
    c.blush = QColor();
    c.sweat = QPointF(84, 30);
    return c;
}

Character Princess()
{
    Character c;
    c.backInner = QColor(255, 246, 226);
    c.backOuter = QColor(240, 180, 170);
    const QColor hairLight(255, 232, 140);
    const QColor hairDark(214, 160, 50);
    c.behind = [hairLight, hairDark](QPainter& p, int) {
        QPainterPath back;
        back.moveTo(50, 16);
        back.cubicTo(12, 16, 10, 60, 12, 96);
        back.quadTo(20, 90, 26, 98);
        back.lineTo(74, 98);
        back.quadTo(80, 90, 88, 96);
        back.cubicTo(90, 60, 88, 16, 50, 16);
        Fill(p, back, hairLight, hairDark, QColor(150, 100, 30));
        Shoulders(p, QColor(255, 170, 210), QColor(220, 90, 150));
        Fill(p, HeadShape(QPointF(50, 57), 28, 30), kSkinLight, kSkinDark, kInk);
        for (double x : {22.5, 77.5}) {
            Fill(p, Ellipse(QPointF(x, 70), 2.0, 2.0), QColor(200, 240, 255), QColor(80, 160, 230), QColor(), 1.0);
        }
    };
    c.front = [hairLight, hairDark](QPainter& p, int) {
        QPainterPath fringe;
        fringe.moveTo(22, 56);
        fringe.cubicTo(18, 30, 34, 22, 50, 22);
        fringe.cubicTo(66, 22, 82, 30, 78, 56);
        fringe.cubicTo(74, 44, 66, 36, 56, 35);
        fringe.cubicTo(52, 40, 42, 42, 36, 38);
        fringe.cubicTo(30, 42, 25, 48, 22, 56);
        Fill(p, fringe, hairLight, hairDark, QColor(150, 100, 30));
        QPainterPath tiara;
        tiara.moveTo(30, 26);
        tiara.lineTo(34, 16);
        tiara.lineTo(40, 22);
        tiara.lineTo(50, 8);
        tiara.lineTo(60, 22);
        tiara.lineTo(66, 16);
        tiara.lineTo(70, 26);
        tiara.quadTo(50, 20, 30, 26);
        Fill(p, tiara, QColor(255, 244, 170), QColor(214, 160, 40), QColor(140, 96, 20), 1.2);
        Fill(p, Ellipse(QPointF(50, 19), 3.0, 3.4), QColor(255, 190, 220), QColor(220, 40, 120), QColor(140, 20, 70), 0.8);
        Fill(p, Ellipse(QPointF(34, 19), 1.5, 1.5), QColor(200, 240, 255), QColor(60, 140, 230), QColor(), 0.8);
        Fill(p, Ellipse(QPointF(66, 19), 1.5, 1.5), QColor(200, 240, 255), QColor(60, 140, 230), QColor(), 0.8);
    };
    c.leftEye = QPointF(39, 58);
    c.rightEye = QPointF(61, 58);
    c.eyeSize = 7.0;
    c.iris = QColor(60, 150, 230);
    c.lashes = true;
    c.mouth = QPointF(50, 75);
    c.mouthWidth = 13;
    c.brow = QColor(190, 140, 60);
    c.browWidth = 1.8;
    c.browGap = 7.0;
    c.sweat = QPointF(84, 42);
    return c;
}

Character Dragon()
{
    Character c;
    c.backInner = QColor(255, 240, 220);
    c.backOuter = QColor(250, 170, 110);
    const QColor scale(110, 196, 90);
    const QColor scaleDark(50, 130, 50);
    c.behind = [scale, scaleDark](QPainter& p, int expression) {
        for (double side : {-1.0, 1.0}) {
            QPainterPath horn;
            horn.moveTo(50 + side * 14, 26);
            horn.quadTo(50 + side * 22, 10, 50 + side * 30, 8);
            horn.quadTo(50 + side * 26, 18, 50 + side * 24, 30);
            horn.closeSubpath();
            Fill(p, horn, QColor(255, 250, 220), QColor(220, 200, 150), kInk, 1.2);
            QPainterPath frill;
            frill.moveTo(50 + side * 28, 40);
            frill.lineTo(50 + side * 44, 36);
            frill.lineTo(50 + side * 36, 48);
            frill.lineTo(50 + side * 46, 52);
            frill.lineTo(50 + side * 32, 58);
            frill.closeSubpath();
            Fill(p, frill, QColor(150, 220, 120), scaleDark, kInk, 1.2);
        }
        Fill(p, Ellipse(QPointF(50, 50), 30, 28), QColor(170, 230, 140), scaleDark, kInk);
        QPainterPath snout;
        snout.addEllipse(QPointF(50, 72), 22, 15);
        Fill(p, snout, QColor(180, 236, 150), scale, kInk);
        Fill(p, Ellipse(QPointF(50, 79), 14, 7), QColor(255, 246, 210), QColor(236, 220, 170), QColor());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 40));
        p.drawEllipse(QPointF(43, 67), 2.0, 1.4);
        p.drawEllipse(QPointF(57, 67), 2.0, 1.4);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(40, 36), 6, 3);
        if (expression == kLost) {
            for (double side : {-1.0, 1.0}) {
                p.setBrush(QColor(190, 196, 210, 180));
                p.drawEllipse(QPointF(50 + side * 10, 60), 3.5, 3.0);
                p.drawEllipse(QPointF(50 + side * 13, 55), 2.5, 2.2);
            }
        }
    };
    c.front = [](QPainter& p, int expression) {
        if (expression != kWon) {
            return;
        }
        // A proud little flame from the corner of the mouth.
        QPainterPath flame;
        flame.moveTo(70, 80);
        flame.cubicTo(76, 70, 84, 74, 84, 64);
        flame.cubicTo(88, 68, 88, 72, 87, 74);
        flame.cubicTo(90, 70, 93, 66, 92, 58);
        flame.cubicTo(98, 66, 99, 78, 92, 86);
        flame.cubicTo(86, 92, 76, 90, 70, 80);
        Fill(p, flame, QColor(255, 200, 60), QColor(240, 90, 20), QColor(190, 60, 10), 1.0);
        QPainterPath core;
        core.moveTo(76, 82);
        core.cubicTo(80, 76, 86, 78, 88, 70);
        core.cubicTo(93, 76, 92, 84, 87, 87);
        core.cubicTo(83, 89, 79, 87, 76, 82);
        Fill(p, core, QColor(255, 255, 220), QColor(255, 220, 80), QColor());
    };
    c.leftEye = QPointF(38, 48);
    c.rightEye = QPointF(62, 48);
    c.eyeSize = 7.0;
    c.iris = QColor(240, 160, 30);
    c.mouth = QPointF(50, 76);
    c.mouthWidth = 18;
    c.browsWhenUpset = true;
    c.brow = QColor(40, 110, 40);
    c.browWidth = 3.0;
    c.browGap = 6.0;
    c.sweat = QPointF(82, 26);
    return c;
}

Character Ghost()
{
    Character c;
    c.backInner = QColor(236, 226, 255);
    c.backOuter = QColor(130, 110, 200);
    c.behind = [](QPainter& p, int) {
        QPainterPath sheet;
        sheet.moveTo(18, 96);
        sheet.lineTo(18, 50);
        sheet.cubicTo(18, 24, 34, 12, 50, 12);
        sheet.cubicTo(66, 12, 82, 24, 82, 50);
        sheet.lineTo(82, 96);
        for (int i = 0; i < 4; ++i) {
            const double x0 = 82 - i * 16.0;
            sheet.quadTo(x0 - 4, 88, x0 - 8, 94);
            sheet.quadTo(x0 - 12, 100, x0 - 16, 94);
        }
        sheet.closeSubpath();
        QRadialGradient body(QPointF(42, 36), 70);
        body.setColorAt(0.0, QColor(255, 255, 255));
        body.setColorAt(0.6, QColor(236, 240, 255));
        body.setColorAt(1.0, QColor(176, 190, 236));
        p.setPen(QPen(QColor(110, 110, 170), 1.6));
        p.setBrush(body);
        p.drawPath(sheet);
        for (double side : {-1.0, 1.0}) {
            QPainterPath arm;
            arm.moveTo(50 + side * 31, 60);
            arm.quadTo(50 + side * 44, 62, 50 + side * 42, 74);
            arm.quadTo(50 + side * 38, 70, 50 + side * 31, 72);
            Fill(p, arm, QColor(250, 250, 255), QColor(190, 200, 240), QColor(110, 110, 170), 1.4);
        }
    };
    c.leftEye = QPointF(39, 46);
    c.rightEye = QPointF(61, 46);
    c.eyeSize = 7.5;
    c.eyes = EyeStyle::Dot;
    c.mouth = QPointF(50, 62);
    c.mouthWidth = 14;
    c.browsWhenUpset = true;
    c.brow = QColor(80, 80, 130);
    c.browGap = 7.0;
    c.sweat = QPointF(84, 24);
    return c;
}

// An apprentice with a ponytail and a notebook pencil behind the ear.
Character Apprentice()
{
    Character c;
    c.backInner = QColor(255, 244, 214);
    c.backOuter = QColor(240, 180, 90);
    c.behind = [](QPainter& p, int) {
        QPainterPath tail;
        tail.moveTo(70, 30);
        tail.cubicTo(92, 30, 96, 60, 86, 78);
        tail.cubicTo(84, 62, 80, 46, 68, 40);
        tail.closeSubpath();
        Fill(p, tail, QColor(80, 60, 150), QColor(40, 30, 100), kInk);
        Shoulders(p, QColor(90, 200, 220), QColor(30, 140, 170));
        Ears(p, 56);
        Fill(p, HeadShape(QPointF(50, 54), 30, 32), kSkinLight, kSkinDark, kInk);
        QPainterPath hair;
        hair.moveTo(20, 50);
        hair.cubicTo(16, 24, 34, 16, 52, 16);
        hair.cubicTo(70, 16, 84, 26, 80, 50);
        hair.cubicTo(72, 36, 60, 32, 52, 30);
        hair.cubicTo(44, 36, 30, 38, 20, 50);
        hair.closeSubpath();
        Fill(p, hair, QColor(100, 80, 180), QColor(50, 36, 120), kInk);
        Fill(p, Ellipse(QPointF(72, 30), 5, 4), QColor(255, 120, 140), QColor(220, 60, 90), kInk, 1.0);
    };
    c.front = [](QPainter& p, int) {
        p.save();
        p.translate(22, 40);
        p.rotate(-60);
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(255, 210, 60));
        p.drawRect(QRectF(-10, -2, 18, 4));
        p.setBrush(QColor(250, 200, 160));
        QPainterPath tip;
        tip.moveTo(8, -2);
        tip.lineTo(13, 0);
        tip.lineTo(8, 2);
        tip.closeSubpath();
        p.drawPath(tip);
        p.restore();
    };
    c.leftEye = QPointF(39, 54);
    c.rightEye = QPointF(61, 54);
    c.eyeSize = 7.0;
    c.iris = QColor(70, 90, 170);
    c.lashes = true;
    c.mouth = QPointF(50, 72);
    c.mouthWidth = 14;
    c.brow = QColor(60, 44, 120);
    c.sweat = QPointF(82, 32);
    return c;
}

// A strategist in a tall black cap with a feather fan.
Character Strategist()
{
    Character c;
    c.backInner = QColor(226, 240, 255);
    c.backOuter = QColor(90, 120, 190);
    c.behind = [](QPainter& p, int) {
        Shoulders(p, QColor(60, 150, 120), QColor(20, 90, 70));
        Ears(p, 58);
        Fill(p, HeadShape(QPointF(50, 58), 28, 31), kSkinLight, kSkinDark, kInk);
        QPainterPath cap;
        cap.moveTo(30, 36);
        cap.lineTo(34, 6);
        cap.lineTo(66, 6);
        cap.lineTo(70, 36);
        cap.cubicTo(60, 32, 40, 32, 30, 36);
        Fill(p, cap, QColor(70, 70, 80), QColor(20, 20, 26), kInk);
        p.setPen(QPen(QColor(200, 170, 60), 1.4));
        p.drawLine(QPointF(33, 28), QPointF(67, 28));
        QPainterPath beard;
        beard.moveTo(44, 80);
        beard.lineTo(50, 96);
        beard.lineTo(56, 80);
        beard.closeSubpath();
        Fill(p, beard, QColor(60, 50, 40), QColor(30, 24, 20), kInk, 1.0);
    };
    c.front = [](QPainter& p, int) {
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(80, 98);
            p.rotate(-40 + i * 12);
            Fill(p, Ellipse(QPointF(0, -16), 4.5, 14), QColor(255, 255, 255), QColor(200, 205, 215), QColor(120, 120, 130), 0.9);
            p.restore();
        }
    };
    c.leftEye = QPointF(40, 58);
    c.rightEye = QPointF(60, 58);
    c.eyeSize = 5.0;
    c.eyes = EyeStyle::Dot;
    c.mouth = QPointF(50, 75);
    c.mouthWidth = 12;
    c.brow = QColor(40, 34, 30);
    c.browLength = 13;
    c.browWidth = 3.0;
    c.sweat = QPointF(80, 40);
    return c;
}

// The master: a topknot, thick brows and a dark formal collar.
Character Master()
{
    Character c;
    c.backInner = QColor(250, 236, 236);
    c.backOuter = QColor(170, 60, 60);
    c.behind = [](QPainter& p, int) {
        QPainterPath collar;
        collar.moveTo(12, 104);
        collar.cubicTo(14, 86, 30, 82, 50, 82);
        collar.cubicTo(70, 82, 86, 86, 88, 104);
        collar.closeSubpath();
        Fill(p, collar, QColor(50, 50, 60), QColor(16, 16, 22), kInk);
        QPainterPath inner;
        inner.moveTo(40, 84);
        inner.lineTo(50, 102);
        inner.lineTo(60, 84);
        Fill(p, inner, QColor(245, 245, 245), QColor(210, 210, 210), kInk, 1.0);
        Ears(p, 56);
        Fill(p, HeadShape(QPointF(50, 54), 29, 32), kSkinLight, kSkinDark, kInk);
        QPainterPath hair;
        hair.moveTo(21, 48);
        hair.cubicTo(20, 30, 30, 22, 36, 24);
        hair.lineTo(36, 34);
        hair.cubicTo(28, 36, 24, 42, 21, 48);
        hair.moveTo(79, 48);
        hair.cubicTo(80, 30, 70, 22, 64, 24);
        hair.lineTo(64, 34);
        hair.cubicTo(72, 36, 76, 42, 79, 48);
        Fill(p, hair, QColor(120, 120, 126), QColor(70, 70, 76), kInk, 1.0);
        Fill(p, Ellipse(QPointF(50, 17), 7, 6), QColor(110, 110, 118), QColor(60, 60, 66), kInk);
        p.setPen(QPen(QColor(200, 60, 60), 2.0));
        p.drawLine(QPointF(45, 22), QPointF(55, 22));
    };
    c.leftEye = QPointF(39, 53);
    c.rightEye = QPointF(61, 53);
    c.eyeSize = 4.8;
    c.eyes = EyeStyle::Dot;
    c.mouth = QPointF(50, 71);
    c.mouthWidth = 13;
    c.brow = QColor(50, 50, 56);
    c.browWidth = 4.6;
    c.browLength = 14;
    c.browGap = 8.5;
    c.sweat = QPointF(82, 30);
    return c;
}

} // namespace

Character CharacterAt(int index)
{
    switch (index) {
    case 0:
        return Chick();
    case 1:
        return Boy();
    case 2:
        return Girl();
    case 3:
        return Sage();
    case 4:
        return Robot();
    case 5:
        return Cat();
    case 6:
        return Fox();
    case 7:
        return Owl();
    case 8:
        return Ninja();
    case 9:
        return Princess();
    case 10:
        return Dragon();
    case 12:
        return Apprentice();
    case 13:
        return Strategist();
    case 14:
        return Master();
    default:
        return Ghost();
    }
}

} // namespace art
