#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Marks drawn over a board design take their colours from what lies under
// them, so they read on dark felt and on pale wood alike.
namespace MarkTone {

// The mean luminance (0..255) of the opaque pixels of area within picture, and
// the share of area they cover (0..1). An empty or null area covers nothing.
struct Tone {
    double luminance = 0;
    double coverage = 0;
};
Tone Measure(const QImage& picture, const QRect& area);

// The luminance seen where a sprite with the given tone lies over a board of that luminance.
double Over(const Tone& sprite, double boardLuminance);

// The mark's colour on a surface of that luminance, and the outline that keeps it apart from it.
QColor Ink(double luminance, int alpha = 255);
QColor Halo(double luminance, int alpha = 255);

}  // namespace MarkTone
