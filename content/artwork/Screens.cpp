#include "Artwork.h"
#include "Canvas.h"
#include "Noise.h"
#include "Output.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

const QRect kBannerArea(10, 140, 280, 30);
const QRect kReleaseArea(5, 180, 100, 20);
// A small copy of the playable octagon, `cell` pixels per square, with a few stones on it.
void MiniBoard(QPainter& p, QPointF origin, double cell)
{
    auto rowRect = [&](int row, double grow) {
        const int first = FirstColumn(row);
        return QRectF(origin.x() + first * cell - grow, origin.y() + row * cell - grow,
                      (kRows - 2 * first) * cell + 2 * grow, cell + 2 * grow);
    };
    QPainterPath outline;
    QPainterPath frame;
    outline.setFillRule(Qt::WindingFill);
    frame.setFillRule(Qt::WindingFill);
    for (int row = 0; row < kRows; ++row) {
        outline.addRect(rowRect(row, 0));
        frame.addRect(rowRect(row, cell * 0.35));
    }
    outline = outline.simplified();
    frame = frame.simplified();
    p.save();
    p.translate(3, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(frame);
    p.restore();
    QLinearGradient rim(origin, origin + QPointF(cell * 10, cell * 10));
    rim.setColorAt(0.0, kGoldLight);
    rim.setColorAt(0.5, kGold);
    rim.setColorAt(1.0, kGoldDark);
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawPath(frame);
    QRadialGradient felt(origin + QPointF(cell * 4, cell * 4), cell * 8);
    felt.setColorAt(0.0, QColor(40, 150, 84));
    felt.setColorAt(1.0, QColor(16, 92, 50));
    p.setBrush(felt);
    p.drawPath(outline);
    p.setPen(QPen(QColor(8, 40, 20), std::max(0.8, cell * 0.08)));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kRows; ++column) {
            if (IsPlayable(row, column)) {
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(origin.x() + column * cell, origin.y() + row * cell, cell, cell));
            }
        }
    }
    static const char* const kStones[kRows] = {
        "          ", "          ", "    O     ", "   XXO    ", "   OXXX   ",
        "   XOOX   ", "    XO    ", "     X    ", "          ", "          ",
    };
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kRows; ++column) {
            const char c = kStones[row][column];
            if (c == 'X' || c == 'O') {
                Stone(p, origin + QPointF((column + 0.5) * cell, (row + 0.5) * cell), cell * 0.42, c == 'X');
            }
        }
    }
}

// The English title leaves out the name in katakana under the logo.
QImage TitlePicture(bool withKana)
{
    const Noise noise(91);
    QImage title = Shader(300, 200, [&noise](double x, double y) {
        const QColor top = Mix(QColor(18, 86, 78), QColor(22, 40, 84), x / 300.0);
        const QColor colour = Mix(top, QColor(10, 18, 40), y / 200.0);
        const double grain = noise.Fractal(x / 30.0, y / 30.0, 3) - 0.5;
        return Scale(colour, 1.0 + 0.18 * grain);
    });
    QPainter p(&title);
    Smooth(p);
    QRadialGradient light(QPointF(70, 60), 150);
    light.setColorAt(0.0, QColor(255, 255, 230, 70));
    light.setColorAt(1.0, QColor(255, 255, 230, 0));
    p.fillRect(title.rect(), light);
    // Faint octagon tiling behind everything.
    p.setPen(QPen(QColor(255, 255, 255, 18), 1.0));
    p.setBrush(Qt::NoBrush);
    for (int gy = 0; gy < 5; ++gy) {
        for (int gx = 0; gx < 8; ++gx) {
            const QPointF c(gx * 44.0 + (gy % 2) * 22.0, gy * 44.0);
            QPolygonF octagon;
            for (int k = 0; k < 8; ++k) {
                const double a = (22.5 + 45.0 * k) * 3.14159265358979 / 180.0;
                octagon << c + QPointF(std::cos(a), std::sin(a)) * 20.0;
            }
            p.drawPolygon(octagon);
        }
    }
    MiniBoard(p, QPointF(14, 16), 10.0);

    QFont font = LatinFont(44, true, true);
    font.setItalic(true);
    QPainterPath name = CentredText(QStringLiteral("Tessella"), font, 0, 0);
    const double width = name.boundingRect().width();
    const double scale = std::min(1.0, 158.0 / width);
    QTransform fit;
    fit.translate(214, 76);
    fit.scale(scale, scale);
    name = fit.map(name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(name.translated(2, 3));
    const QRectF box = name.boundingRect();
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 252, 220));
    gold.setColorAt(0.45, kGoldLight);
    gold.setColorAt(0.55, kGold);
    gold.setColorAt(1.0, QColor(190, 130, 40));
    p.setPen(QPen(QColor(90, 56, 14), 1.4));
    p.setBrush(gold);
    p.drawPath(name);
    if (withKana) {
        const QPainterPath kana = CentredText(QStringLiteral("テセラ"), JapaneseFont(17), 214, 104);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 100));
        p.drawPath(kana.translated(1, 1));
        p.setBrush(QColor(236, 244, 240));
        p.drawPath(kana);
    }
    p.setPen(QPen(WithAlpha(kGold, 200), 1.0));
    p.drawLine(QPointF(154, 113), QPointF(274, 113));
    // A calm band for the banner and the release label.
    QLinearGradient band(QPointF(0, 132), QPointF(0, 200));
    band.setColorAt(0.0, QColor(0, 0, 0, 0));
    band.setColorAt(0.3, QColor(0, 0, 0, 70));
    band.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(QRectF(0, 132, 300, 68), band);
    p.setPen(QPen(WithAlpha(kGold, 150), 1.0));
    p.drawLine(QPointF(0, 133.5), QPointF(300, 133.5));
    p.end();
    return title;
}

// Text drawn over the part of the title it will be shown on, so its soft edges blend exactly.
QImage Banner(const QImage& title, const QString& text)
{
    QImage banner = NewArgb(kBannerArea.width(), kBannerArea.height());
    QPainter p(&banner);
    Smooth(p);
    QPainterPath path = CentredText(text, JapaneseFont(20, true), kBannerArea.width() / 2.0, 22.5);
    const double width = path.boundingRect().width();
    if (width > kBannerArea.width() - 12) {
        const double scale = (kBannerArea.width() - 12) / width;
        QTransform fit;
        fit.translate(kBannerArea.width() / 2.0, 0);
        fit.scale(scale, 1.0);
        fit.translate(-kBannerArea.width() / 2.0, 0);
        path = fit.map(path);
    }
    p.setPen(QPen(QColor(40, 20, 0, 200), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 255, 240));
    fill.setColorAt(1.0, kGoldLight);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.end();
    return KeyOutOver(banner, title.copy(kBannerArea), 8);
}

QImage ReleaseLabel(const QImage& title)
{
    QImage label = title.copy(kReleaseArea);
    QPainter p(&label);
    Smooth(p);
    QPainterPath text;
    text.addText(6, 15, LatinFont(12, true), QStringLiteral("Ver 1.10"));
    p.setPen(QPen(QColor(0, 0, 0, 150), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    p.drawPath(text);
    p.end();
    return label;
}

QImage PlayTypeIcon(bool user)
{
    QImage icon(100, 20, QImage::Format_RGB32);
    QPainter p(&icon);
    Smooth(p);
    QLinearGradient back(QPointF(0, 0), QPointF(0, 20));
    if (user) {
        back.setColorAt(0.0, QColor(255, 242, 214));
        back.setColorAt(1.0, QColor(246, 196, 120));
    } else {
        back.setColorAt(0.0, QColor(226, 238, 255));
        back.setColorAt(1.0, QColor(140, 176, 232));
    }
    p.fillRect(icon.rect(), back);
    const QColor edge = user ? QColor(190, 130, 50) : QColor(60, 100, 170);
    p.setPen(QPen(edge, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 99, 19));
    if (user) {
        // A mouse with its cable.
        QPainterPath cable;
        cable.moveTo(10, 4);
        cable.cubicTo(10, 1, 15, 1, 16, 2);
        p.setPen(QPen(QColor(80, 60, 40), 1.0));
        p.drawPath(cable);
        QPainterPath body;
        body.addRoundedRect(QRectF(5.5, 4, 9, 13.5), 4.5, 4.5);
        QLinearGradient shell(QPointF(5, 4), QPointF(15, 17));
        shell.setColorAt(0.0, QColor(255, 255, 255));
        shell.setColorAt(1.0, QColor(190, 190, 196));
        p.setPen(QPen(QColor(70, 60, 56), 1.0));
        p.setBrush(shell);
        p.drawPath(body);
        p.drawLine(QPointF(10, 4.5), QPointF(10, 9));
        p.drawLine(QPointF(6, 9), QPointF(14, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 90, 60));
        p.drawRoundedRect(QRectF(6.3, 4.8, 3.2, 3.8), 1.2, 1.2);
    } else {
        // A chip with pins on every side.
        p.setPen(QPen(QColor(150, 150, 160), 1.0));
        for (int i = 0; i < 4; ++i) {
            const double t = 6.0 + i * 2.6;
            p.drawLine(QPointF(t, 2), QPointF(t, 5));
            p.drawLine(QPointF(t, 15), QPointF(t, 18));
            p.drawLine(QPointF(2, t - 1), QPointF(5, t - 1));
            p.drawLine(QPointF(15, t - 1), QPointF(18, t - 1));
        }
        QLinearGradient chip(QPointF(4, 4), QPointF(16, 16));
        chip.setColorAt(0.0, QColor(80, 86, 100));
        chip.setColorAt(1.0, QColor(24, 26, 34));
        p.setPen(QPen(QColor(10, 10, 14), 1.0));
        p.setBrush(chip);
        p.drawRoundedRect(QRectF(4.5, 4.5, 11, 11), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 230, 255));
        p.drawEllipse(QPointF(10, 10), 2.0, 2.0);
    }
    QPainterPath text;
    text.addText(0, 0, LatinFont(13, true), user ? QStringLiteral("USER") : QStringLiteral("COM"));
    const QRectF box = text.boundingRect();
    text.translate(22 + (74 - box.width()) / 2.0 - box.left(), 10 - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawPath(text.translated(0.8, 0.8));
    p.setBrush(user ? QColor(110, 60, 10) : QColor(20, 50, 110));
    p.drawPath(text);
    p.end();
    return icon;
}

QImage Logo()
{
    QImage logo(64, 64, QImage::Format_RGB32);
    QPainter p(&logo);
    Smooth(p);
    QLinearGradient back(QPointF(0, 0), QPointF(64, 64));
    back.setColorAt(0.0, QColor(24, 100, 88));
    back.setColorAt(1.0, QColor(18, 32, 72));
    p.fillRect(logo.rect(), back);
    PaintEmblem(p, true);
    p.end();
    return logo;
}

} // namespace

void DrawScreens(Output& output)
{
    const QImage title = TitlePicture(true);
    output.SaveJpeg("Picture/Title.jpg", title);
    output.SaveJpeg("Picture/Title_en.jpg", TitlePicture(false));
    output.SaveBmp("Picture/Welcome.bmp", Banner(title, QStringLiteral("ようこそ Tessella へ")));
    output.SaveBmp("Picture/Thanks.bmp", Banner(title, QStringLiteral("ありがとうございました")));
    output.SaveBmp("Picture/Welcome_en.bmp", Banner(title, QStringLiteral("Welcome to Tessella")));
    output.SaveBmp("Picture/Thanks_en.bmp", Banner(title, QStringLiteral("Thank you for playing")));
    output.SaveBmp("Picture/Release.bmp", ReleaseLabel(title));
    output.SaveBmp("Picture/User.bmp", PlayTypeIcon(true));
    output.SaveBmp("Picture/Computer.bmp", PlayTypeIcon(false));
    output.SaveBmp("Picture/Logo.bmp", Logo());
}

} // namespace art
