#include "Artwork.h"
#include "Canvas.h"
#include "Noise.h"
#include "Rng.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace art {
namespace {

using ShaderFunction = std::function<QColor(double x, double y)>;

struct BoardLook {
    ShaderFunction frame;
    ShaderFunction field;
    QColor trim;
    double trimWidth = 3.0;
    QColor trimGlint;
    std::function<void(QPainter&)> decorate;
};

// Darker towards the corners of the picture, as under a lamp.
double Vignette(double x, double y, double strength)
{
    const double dx = (x - 200.0) / 283.0;
    const double dy = (y - 200.0) / 283.0;
    return 1.0 - strength * (dx * dx + dy * dy);
}

// A mitred frame: the grain runs along each side and meets its neighbour on the diagonals.
ShaderFunction WoodFrame(QColor dark, QColor light, std::uint32_t seed)
{
    return [dark, light, noise = Noise(seed)](double x, double y) {
        const bool side = std::abs(x - 200.0) > std::abs(y - 200.0);
        const double along = side ? y : x;
        const double across = side ? x : y;
        const double warp = noise.Fractal(along / 140.0, across / 40.0, 3);
        const double ring = 0.5 + 0.5 * std::sin(across * 0.22 + warp * 16.0);
        const double fibre = noise.Fractal(along / 30.0 + 40.0, across * 0.8, 2);
        const double t = 0.4 * std::pow(ring, 4.0) + 0.6 * fibre;
        const double seam = std::abs(std::abs(x - 200.0) - std::abs(y - 200.0));
        QColor c = Mix(dark, light, t);
        if (seam < 0.8) {
            c = Scale(c, 0.72);
        }
        return Scale(c, Vignette(x, y, 0.25));
    };
}

ShaderFunction Felt(QColor base, std::uint32_t seed)
{
    return [base, noise = Noise(seed)](double x, double y) {
        const double fine = noise.At(x / 1.3, y / 1.3) - 0.5;
        const double fluff = noise.Fractal(x / 6.0 + 100.0, y / 6.0, 2) - 0.5;
        const double cloud = noise.Fractal(x / 90.0 + 300.0, y / 90.0, 3) - 0.5;
        const double factor = 1.0 + 0.07 * fine + 0.08 * fluff + 0.10 * cloud;
        return Scale(base, factor * Vignette(x, y, 0.22));
    };
}

ShaderFunction Planks(QColor dark, QColor light, std::uint32_t seed)
{
    return [dark, light, noise = Noise(seed)](double x, double y) {
        const double warp = noise.Fractal(x / 120.0, y / 18.0, 3);
        const double ring = 0.5 + 0.5 * std::sin(y * 0.42 + warp * 14.0);
        const double fibre = noise.Fractal(x / 40.0 + 70.0, y * 0.7, 2);
        const double t = 0.5 * std::pow(ring, 3.0) + 0.5 * fibre;
        return Scale(Mix(dark, light, t), Vignette(x, y, 0.28));
    };
}

ShaderFunction NightSky(std::uint32_t seed)
{
    return [noise = Noise(seed)](double x, double y) {
        QColor sky = Mix(QColor(12, 18, 52), QColor(40, 32, 92), y / 400.0);
        const double across = (x + y - 400.0) / 1.4142;
        const double band = std::exp(-(across / 60.0) * (across / 60.0));
        const double cloud = noise.Fractal(x / 38.0, y / 38.0, 4);
        sky = Mix(sky, QColor(110, 104, 170), band * std::pow(cloud, 1.6) * 0.55);
        const double fine = noise.At(x / 1.5 + 50.0, y / 1.5) - 0.5;
        return Scale(sky, (1.0 + 0.05 * fine) * Vignette(x, y, 0.25));
    };
}

ShaderFunction DarkNoise(QColor base, double amount, double scale, std::uint32_t seed)
{
    return [base, amount, scale, noise = Noise(seed)](double x, double y) {
        const double n = noise.Fractal(x / scale, y / scale, 3) - 0.5;
        const double fine = noise.At(x / 1.2 + 31.0, y / 1.2) - 0.5;
        return Scale(base, (1.0 + amount * n + amount * 0.5 * fine) * Vignette(x, y, 0.3));
    };
}

ShaderFunction Velvet(QColor base, std::uint32_t seed)
{
    return [base, noise = Noise(seed)](double x, double y) {
        const double pile = noise.At(x / 1.1, y / 1.1) - 0.5;
        const double crush = noise.Fractal(x / 30.0 + 9.0, y / 30.0, 3) - 0.5;
        const double dx = (x - 140.0) / 300.0;
        const double dy = (y - 130.0) / 300.0;
        const double sheen = 1.25 - 0.9 * (dx * dx + dy * dy);
        return Scale(base, sheen * (1.0 + 0.10 * pile + 0.22 * crush));
    };
}

ShaderFunction Lawn(std::uint32_t seed)
{
    return [noise = Noise(seed)](double x, double y) {
        const int row = static_cast<int>(std::floor((y - kGridOrigin) / kCellSize));
        const double stripe = row % 2 == 0 ? 1.06 : 0.94;
        const double blades = noise.At(x / 1.2, y / 4.5) - 0.5;
        const double tufts = noise.Fractal(x / 9.0 + 12.0, y / 9.0, 2) - 0.5;
        const double patches = noise.Fractal(x / 70.0 + 40.0, y / 70.0, 3) - 0.5;
        QColor grass = Mix(QColor(84, 150, 52), QColor(118, 176, 64), 0.5 + patches);
        return Scale(grass, stripe * (1.0 + 0.16 * blades + 0.12 * tufts) * Vignette(x, y, 0.2));
    };
}

ShaderFunction Hedge(std::uint32_t seed)
{
    return [noise = Noise(seed)](double x, double y) {
        const double clump = noise.Fractal(x / 14.0, y / 14.0, 2);
        const double leaves = noise.At(x / 2.4 + 7.0, y / 2.4);
        const double t = std::clamp(0.55 * clump + 0.45 * leaves, 0.0, 1.0);
        return Scale(Mix(QColor(20, 58, 22), QColor(86, 140, 48), t * t * 1.2), Vignette(x, y, 0.2));
    };
}

ShaderFunction Linen(QColor base, std::uint32_t seed)
{
    return [base, noise = Noise(seed)](double x, double y) {
        const double warp = noise.At(x / 0.9, y / 6.0) - 0.5;
        const double weft = noise.At(x / 6.0 + 50.0, y / 0.9) - 0.5;
        const double blotch = noise.Fractal(x / 60.0, y / 60.0, 2) - 0.5;
        return Scale(base, 1.0 + 0.05 * warp + 0.05 * weft + 0.06 * blotch);
    };
}

// A band of `outer` round the edge of the picture, `inner` within it, with a shadow where they meet.
ShaderFunction PictureFrame(ShaderFunction outer, ShaderFunction inner, double width)
{
    return [outer, inner, width](double x, double y) {
        const double edge = std::min(std::min(x, y), std::min(kBoardSize - x, kBoardSize - y));
        if (edge < width) {
            return outer(x, y);
        }
        const double shade = std::clamp((edge - width) / 5.0, 0.0, 1.0);
        return Scale(inner(x, y), 0.78 + 0.22 * shade);
    };
}

void InnerShadow(QPainter& p, const QPainterPath& region, int strength, double offset)
{
    QImage shade = NewArgb(kBoardSize, kBoardSize);
    {
        QPainter s(&shade);
        s.fillRect(shade.rect(), QColor(0, 0, 0, strength));
        s.setCompositionMode(QPainter::CompositionMode_Clear);
        s.translate(offset, offset);
        s.fillPath(region, Qt::transparent);
    }
    p.save();
    p.setClipPath(region);
    p.drawImage(0, 0, Blur(shade, 2));
    p.restore();
}

QImage PaintBoard(const BoardLook& look)
{
    QImage board = Shader(kBoardSize, kBoardSize, look.frame);
    QPainter p(&board);
    // Bevel round the edge of the picture.
    for (int i = 0; i < 3; ++i) {
        p.setPen(QColor(255, 255, 255, 70 - 20 * i));
        p.drawLine(i, i, kBoardSize - 1 - i, i);
        p.drawLine(i, i, i, kBoardSize - 1 - i);
        p.setPen(QColor(0, 0, 0, 110 - 30 * i));
        p.drawLine(i, kBoardSize - 1 - i, kBoardSize - 1 - i, kBoardSize - 1 - i);
        p.drawLine(kBoardSize - 1 - i, i, kBoardSize - 1 - i, kBoardSize - 1 - i);
    }
    const QPainterPath field = PlayablePath();
    const QImage fieldImage = Shader(kBoardSize, kBoardSize, look.field);
    p.save();
    p.setClipPath(field);
    p.drawImage(0, 0, fieldImage);
    p.restore();
    InnerShadow(p, field, 150, 1.5);
    Smooth(p);
    if (look.decorate) {
        look.decorate(p);
    }
    QPen trim(look.trim, look.trimWidth);
    trim.setJoinStyle(Qt::MiterJoin);
    p.setPen(trim);
    p.setBrush(Qt::NoBrush);
    p.drawPath(PlayablePath(look.trimWidth / 2.0 + 0.5));
    if (look.trimGlint.isValid()) {
        QPen glint(look.trimGlint, 1.0);
        glint.setJoinStyle(Qt::MiterJoin);
        p.setPen(glint);
        p.drawPath(PlayablePath(look.trimWidth + 1.5));
    }
    p.end();
    return board;
}

// Dots of light scattered inside the playable area.
void Stars(QPainter& p, std::uint64_t seed)
{
    Rng rng(seed);
    p.save();
    p.setClipPath(PlayablePath(-2.0));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(rng.Range(0, 400), rng.Range(0, 400));
        const double r = 0.35 + std::pow(rng.Unit(), 3.0) * 0.9;
        const int tint = rng.Below(3);
        const QColor colour = tint == 0 ? QColor(255, 255, 255) : tint == 1 ? QColor(200, 215, 255) : QColor(255, 236, 200);
        p.setBrush(WithAlpha(colour, 90 + rng.Below(150)));
        p.drawEllipse(at, r, r);
    }
    for (int i = 0; i < 14; ++i) {
        const QPointF at(rng.Range(30, 370), rng.Range(30, 370));
        QRadialGradient glow(at, 5.0);
        glow.setColorAt(0.0, QColor(255, 255, 255, 200));
        glow.setColorAt(0.3, QColor(200, 215, 255, 70));
        glow.setColorAt(1.0, QColor(200, 215, 255, 0));
        p.setBrush(glow);
        p.drawEllipse(at, 5.0, 5.0);
        p.setPen(QPen(QColor(230, 236, 255, 120), 0.6));
        p.drawLine(at - QPointF(4.5, 0), at + QPointF(4.5, 0));
        p.drawLine(at - QPointF(0, 4.5), at + QPointF(0, 4.5));
        p.setPen(Qt::NoPen);
    }
    p.restore();
}

// Small flowers dotted over the hedge.
void HedgeFlowers(QPainter& p, std::uint64_t seed)
{
    Rng rng(seed);
    const QPainterPath keepOut = PlayablePath(9.0);
    const QColor petals[] = {QColor(255, 255, 255), QColor(255, 170, 200), QColor(255, 220, 80), QColor(200, 160, 255)};
    p.setPen(Qt::NoPen);
    int placed = 0;
    for (int tries = 0; tries < 4000 && placed < 120; ++tries) {
        const QPointF at(rng.Range(5, 395), rng.Range(5, 395));
        if (keepOut.contains(at)) {
            continue;
        }
        const QColor colour = petals[rng.Below(4)];
        const double r = rng.Range(1.0, 1.6);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 72.0 * 3.14159265 / 180.0 + placed;
            p.setBrush(WithAlpha(colour, 230));
            p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * r, r * 0.8, r * 0.8);
        }
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(at, r * 0.55, r * 0.55);
        ++placed;
    }
}

BoardLook LookFor(Design design)
{
    switch (design) {
    case Design::Green:
        return {WoodFrame(QColor(62, 22, 12), QColor(142, 62, 34), 11), Felt(QColor(26, 118, 66), 12),
                QColor(24, 16, 10), 3.0, QColor(200, 160, 90, 160), {}};
    case Design::Wood:
        return {WoodFrame(QColor(30, 16, 8), QColor(88, 50, 26), 21), Planks(QColor(92, 54, 28), QColor(146, 96, 54), 22),
                QColor(196, 156, 74), 2.0, QColor(40, 22, 10), {}};
    case Design::Night:
        return {DarkNoise(QColor(14, 16, 38), 0.35, 20.0, 31), NightSky(32), QColor(198, 172, 104), 2.0,
                QColor(90, 80, 140, 160), [](QPainter& p) { Stars(p, 33); }};
    case Design::Gems:
        return {DarkNoise(QColor(96, 22, 40), 0.45, 5.0, 41), Velvet(QColor(44, 38, 56), 42), QColor(214, 176, 84),
                3.0, QColor(255, 230, 150, 150), {}};
    case Design::Garden:
        return {Hedge(51), Lawn(52), QColor(206, 194, 160), 5.0, QColor(120, 104, 80),
                [](QPainter& p) { HedgeFlowers(p, 53); }};
    case Design::Landscape:
        return {PictureFrame(WoodFrame(QColor(52, 32, 18), QColor(120, 80, 46), 63), Linen(QColor(222, 216, 200), 61), 9.0),
                Linen(QColor(196, 192, 182), 62), QColor(96, 84, 70), 2.0,
                QColor(255, 255, 255, 120), {}};
    }
    return {};
}

// Grid line colours: `dark` on the upper/left pixel of each line, `light` on the lower/right one.
struct BorderLook {
    QColor dark;
    QColor light;
    bool starPoints = false;
};

BorderLook BorderFor(Design design)
{
    switch (design) {
    case Design::Green:
        return {QColor(10, 34, 18), QColor(10, 34, 18), true};
    case Design::Wood:
        return {QColor(38, 20, 8), QColor(170, 122, 70), false};
    case Design::Night:
        return {QColor(96, 112, 176), QColor(60, 70, 124), false};
    case Design::Gems:
        return {QColor(18, 14, 22), QColor(196, 160, 78), false};
    case Design::Garden:
        return {QColor(52, 96, 32), QColor(160, 206, 112), false};
    case Design::Landscape:
        return {QColor(70, 64, 58), QColor(226, 222, 210), false};
    }
    return {};
}

void Pixels(QImage& image, int x, int y, int width, int height, const QColor& colour)
{
    const QRgb rgb = colour.rgb();
    for (int yy = y; yy < y + height; ++yy) {
        for (int xx = x; xx < x + width; ++xx) {
            if (xx >= 0 && yy >= 0 && xx < image.width() && yy < image.height()) {
                image.setPixel(xx, yy, rgb);
            }
        }
    }
}

struct EmptyLook {
    QColor shadow;
    QColor glint;
    QColor socket;
    double radius = 12.0;
    bool dotted = false;
};

EmptyLook EmptyFor(Design design)
{
    switch (design) {
    case Design::Green:
        return {QColor(0, 40, 10, 40), QColor(200, 255, 210, 34), QColor(), 12.5};
    case Design::Wood:
        return {QColor(40, 16, 0, 38), QColor(255, 220, 170, 40), QColor(), 12.5};
    case Design::Night:
        return {QColor(150, 170, 235, 150), QColor(), QColor(), 11.0, true};
    case Design::Gems:
        return {QColor(0, 0, 0, 120), QColor(255, 230, 255, 45), QColor(16, 12, 22, 110), 11.5};
    case Design::Garden:
        return {QColor(20, 60, 0, 45), QColor(230, 255, 190, 38), QColor(), 12.0};
    case Design::Landscape:
        break;
    }
    return {};
}

QImage LandscapeTile()
{
    QImage tile(kCellSize, kCellSize, QImage::Format_RGB32);
    QPainter p(&tile);
    QLinearGradient gradient(QPointF(0, 0), QPointF(kCellSize, kCellSize));
    gradient.setColorAt(0.0, QColor(236, 232, 222));
    gradient.setColorAt(1.0, QColor(204, 198, 184));
    p.fillRect(tile.rect(), gradient);
    p.setPen(QColor(255, 255, 255, 170));
    p.drawLine(1, 1, kCellSize - 3, 1);
    p.drawLine(1, 1, 1, kCellSize - 3);
    p.setPen(QColor(120, 110, 96, 150));
    p.drawLine(2, kCellSize - 2, kCellSize - 2, kCellSize - 2);
    p.drawLine(kCellSize - 2, 2, kCellSize - 2, kCellSize - 2);
    Smooth(p);
    const QPointF centre(kCellSize / 2.0, kCellSize / 2.0);
    QPainterPath diamond;
    diamond.moveTo(centre + QPointF(0, -6));
    diamond.quadTo(centre, centre + QPointF(6, 0));
    diamond.quadTo(centre, centre + QPointF(0, 6));
    diamond.quadTo(centre, centre + QPointF(-6, 0));
    diamond.quadTo(centre, centre + QPointF(0, -6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 160, 140, 110));
    p.drawPath(diamond);
    p.end();
    return tile;
}

} // namespace

QImage BoardPicture(Design design)
{
    return PaintBoard(LookFor(design));
}

QColor FieldColour(Design design)
{
    static std::map<Design, QColor> cache;
    const auto found = cache.find(design);
    if (found != cache.end()) {
        return found->second;
    }
    const QImage board = BoardPicture(design);
    long sums[3] = {0, 0, 0};
    long count = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kRows; ++column) {
            if (!IsPlayable(row, column)) {
                continue;
            }
            const QRect cell = CellRect(row, column).adjusted(3, 3, -3, -3);
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    const QRgb rgb = board.pixel(x, y);
                    sums[0] += qRed(rgb);
                    sums[1] += qGreen(rgb);
                    sums[2] += qBlue(rgb);
                    ++count;
                }
            }
        }
    }
    const QColor average(static_cast<int>(sums[0] / count), static_cast<int>(sums[1] / count),
                         static_cast<int>(sums[2] / count));
    cache[design] = average;
    return average;
}

QImage BorderOverlay(Design design)
{
    const BorderLook look = BorderFor(design);
    QImage overlay(kBoardSize, kBoardSize, QImage::Format_RGB32);
    overlay.fill(kKey);
    auto line = [](int k) { return kGridOrigin + kCellSize * k; };
    // Each line is two pixels wide, on either side of its grid coordinate, so pieces sit centred.
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kRows; ++column) {
            if (!IsPlayable(row, column)) {
                continue;
            }
            for (int k : {column, column + 1}) {
                Pixels(overlay, line(k) - 1, line(row) - 1, 1, kCellSize + 2, look.dark);
                Pixels(overlay, line(k), line(row) - 1, 1, kCellSize + 2, look.light);
            }
        }
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kRows; ++column) {
            if (!IsPlayable(row, column)) {
                continue;
            }
            for (int k : {row, row + 1}) {
                Pixels(overlay, line(column) - 1, line(k) - 1, kCellSize + 2, 1, look.dark);
                Pixels(overlay, line(column) - 1, line(k), kCellSize + 2, 1, look.light);
            }
        }
    }
    if (look.starPoints) {
        for (int a : {3, 7}) {
            for (int b : {3, 7}) {
                // A round dot centred between the two pixels of the crossing lines.
                for (int dy = -3; dy <= 2; ++dy) {
                    for (int dx = -3; dx <= 2; ++dx) {
                        const double fx = dx + 0.5;
                        const double fy = dy + 0.5;
                        if (fx * fx + fy * fy <= 7.5) {
                            Pixels(overlay, line(a) + dx, line(b) + dy, 1, 1, look.dark);
                        }
                    }
                }
            }
        }
    }
    return overlay;
}

QImage EmptyCell(Design design)
{
    if (design == Design::Landscape) {
        return LandscapeTile();
    }
    const EmptyLook look = EmptyFor(design);
    QImage cell = NewArgb(kPieceSize, kPieceSize);
    QPainter p(&cell);
    Smooth(p);
    const QPointF centre(16.5, 16.5);
    const double r = look.radius;
    if (look.socket.isValid()) {
        QRadialGradient socket(centre, r, centre + QPointF(-r * 0.3, -r * 0.3));
        socket.setColorAt(0.0, WithAlpha(look.socket, look.socket.alpha() / 2));
        socket.setColorAt(1.0, look.socket);
        p.setPen(Qt::NoPen);
        p.setBrush(socket);
        p.drawEllipse(centre, r, r);
    }
    if (look.dotted) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.shadow);
        for (int i = 0; i < 16; ++i) {
            const double a = i * 3.14159265358979 / 8.0;
            p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * r, 0.75, 0.75);
        }
    } else {
        // An engraved ring: shaded on the upper left, catching the light on the lower right.
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.shadow, 1.3, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(box, 45 * 16, 180 * 16);
        p.setPen(QPen(look.glint, 1.3, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(box, 225 * 16, 180 * 16);
    }
    p.end();
    return KeyOut(cell, FieldColour(design), 6);
}

} // namespace art
