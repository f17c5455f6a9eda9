#include "Canvas.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

int FirstColumn(int row)
{
    static constexpr int kFirst[kRows] = {3, 2, 1, 0, 0, 0, 0, 1, 2, 3};
    return row >= 0 && row < kRows ? kFirst[row] : kRows;
}

bool IsPlayable(int row, int column)
{
    const int first = FirstColumn(row);
    return column >= first && column <= kRows - 1 - first;
}

QRect CellRect(int row, int column)
{
    return QRect(kGridOrigin + kCellSize * column, kGridOrigin + kCellSize * row, kCellSize, kCellSize);
}

QPoint PieceOrigin(int row, int column)
{
    return QPoint(18 + kCellSize * column, 18 + kCellSize * row);
}

QPainterPath PlayablePath(double grow)
{
    // The union of the rows, each grown, is the stepped outline moved out by `grow`.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int row = 0; row < kRows; ++row) {
        const int first = FirstColumn(row);
        const double left = kGridOrigin + kCellSize * first - grow;
        const double top = kGridOrigin + kCellSize * row - grow;
        path.addRect(QRectF(left, top, kCellSize * (kRows - 2 * first) + 2 * grow, kCellSize + 2 * grow));
    }
    return path.simplified();
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Scale(const QColor& c, double factor)
{
    auto channel = [factor](int v) { return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()), c.alpha());
}

QColor WithAlpha(const QColor& c, int alpha)
{
    QColor result = c;
    result.setAlpha(std::clamp(alpha, 0, 255));
    return result;
}

QImage NewArgb(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage NewRgb(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void Smooth(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QImage Shader(int width, int height, const std::function<QColor(double x, double y)>& colourAt)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = colourAt(x + 0.5, y + 0.5).rgb();
        }
    }
    return image;
}

namespace {

void BoxPass(std::vector<int>& channel, int width, int height, int radius, bool horizontal)
{
    std::vector<int> out(channel.size());
    const int outer = horizontal ? height : width;
    const int inner = horizontal ? width : height;
    for (int o = 0; o < outer; ++o) {
        auto at = [&](int i) -> int& {
            const int c = std::clamp(i, 0, inner - 1);
            return horizontal ? channel[o * width + c] : channel[c * width + o];
        };
        long sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            sum += at(i);
        }
        for (int i = 0; i < inner; ++i) {
            const int index = horizontal ? o * width + i : i * width + o;
            out[index] = static_cast<int>(sum / (2 * radius + 1));
            sum += at(i + radius + 1) - at(i - radius);
        }
    }
    channel.swap(out);
}

} // namespace

QImage Blur(const QImage& argb, int radius)
{
    QImage source = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0) {
        return source;
    }
    const int width = source.width();
    const int height = source.height();
    std::vector<int> channels[4];
    for (auto& channel : channels) {
        channel.resize(static_cast<size_t>(width) * height);
    }
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            channels[0][i] = qAlpha(line[x]);
            channels[1][i] = qRed(line[x]);
            channels[2][i] = qGreen(line[x]);
            channels[3][i] = qBlue(line[x]);
        }
    }
    for (auto& channel : channels) {
        for (int pass = 0; pass < 3; ++pass) {
            BoxPass(channel, width, height, radius, true);
            BoxPass(channel, width, height, radius, false);
        }
    }
    QImage result(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            const int a = channels[0][i];
            line[x] = qRgba(std::min(channels[1][i], a), std::min(channels[2][i], a), std::min(channels[3][i], a), a);
        }
    }
    return result;
}

namespace {

QRgb Over(QRgb premultiplied, QRgb below)
{
    const int a = qAlpha(premultiplied);
    auto channel = [a](int top, int bottom) { return std::min(255, top + (bottom * (255 - a) + 127) / 255); };
    return qRgb(channel(qRed(premultiplied), qRed(below)), channel(qGreen(premultiplied), qGreen(below)),
                channel(qBlue(premultiplied), qBlue(below)));
}

QImage KeyOutWith(const QImage& argb, const std::function<QRgb(int x, int y)>& below, int alphaCutoff)
{
    const QImage source = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage result(source.width(), source.height(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(in[x]) < alphaCutoff) {
                out[x] = kKey;
                continue;
            }
            QRgb flat = Over(in[x], below(x, y));
            if ((flat & 0xFFFFFFu) == (kKey & 0xFFFFFFu)) {
                flat = qRgb(254, 0, 255);
            }
            out[x] = flat;
        }
    }
    return result;
}

} // namespace

QImage KeyOut(const QImage& argb, const QColor& backdrop, int alphaCutoff)
{
    const QRgb colour = backdrop.rgb();
    return KeyOutWith(argb, [colour](int, int) { return colour; }, alphaCutoff);
}

QImage KeyOutOver(const QImage& argb, const QImage& backdrop, int alphaCutoff)
{
    const QImage flat = backdrop.convertToFormat(QImage::Format_RGB32);
    return KeyOutWith(argb, [&flat](int x, int y) { return flat.pixel(x, y); }, alphaCutoff);
}

QFont JapaneseFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont LatinFont(int pixelSize, bool bold, bool serif)
{
    QFont font;
    if (serif) {
        font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("IPAGothic")});
    } else {
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic")});
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath CentredText(const QString& text, const QFont& font, double centreX, double baseline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centreX - box.center().x(), baseline);
    return path;
}

} // namespace art
