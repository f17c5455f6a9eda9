#include "app/MarkTone.h"

namespace MarkTone {

namespace {

// Surfaces lighter than this get dark marks.
constexpr double kLightSurface = 140;

}  // namespace

Tone Measure(const QImage& picture, const QRect& area)
{
    const QRect inside = area & picture.rect();
    if (picture.isNull() || inside.isEmpty() || area.isEmpty())
        return {};
    const bool alpha = picture.hasAlphaChannel();
    double weight = 0;
    double sum = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            const double opacity = alpha ? colour.alphaF() : 1.0;
            if (opacity <= 0)
                continue;
            sum += opacity * (0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue());
            weight += opacity;
        }
    }
    const double pixels = static_cast<double>(area.width()) * area.height();
    if (weight <= 0)
        return {};
    return {sum / weight, weight / pixels};
}

double Over(const Tone& sprite, double boardLuminance)
{
    return sprite.coverage * sprite.luminance + (1 - sprite.coverage) * boardLuminance;
}

QColor Ink(double luminance, int alpha)
{
    return luminance >= kLightSurface ? QColor(24, 24, 24, alpha) : QColor(250, 250, 250, alpha);
}

QColor Halo(double luminance, int alpha)
{
    return luminance >= kLightSurface ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha);
}

}  // namespace MarkTone
