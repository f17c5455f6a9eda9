#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <functional>

namespace art {

// Background colour of every picture drawn with transparency; used nowhere else.
inline constexpr QRgb kKey = 0xFFFF00FFu;

inline constexpr int kBoardSize = 400;
inline constexpr int kGridOrigin = 16;
inline constexpr int kCellSize = 37;
inline constexpr int kPieceSize = 32;
inline constexpr int kRows = 10;

int FirstColumn(int row);
bool IsPlayable(int row, int column);
QRect CellRect(int row, int column);
// Top-left corner of a 32 x 32 piece sprite over the board picture.
QPoint PieceOrigin(int row, int column);
// Outline of the 76 playable cells, grown by `grow` pixels on every side.
QPainterPath PlayablePath(double grow = 0.0);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Scale(const QColor& c, double factor);
QColor WithAlpha(const QColor& c, int alpha);

QImage NewArgb(int width, int height);
QImage NewRgb(int width, int height, const QColor& fill);
void Smooth(QPainter& painter);

// Fills an RGB picture pixel by pixel from a function of the pixel centre.
QImage Shader(int width, int height, const std::function<QColor(double x, double y)>& colourAt);

// Box blur of all four channels, repeated three times for a soft falloff.
QImage Blur(const QImage& argb, int radius);

// Flattens a transparent drawing for a sprite shown with a key colour: pixels the drawing hardly
// touches become the key, the rest is blended over `backdrop` (the colour it will sit on).
QImage KeyOut(const QImage& argb, const QColor& backdrop, int alphaCutoff = 10);
// The same over a picture of what lies under the sprite.
QImage KeyOutOver(const QImage& argb, const QImage& backdrop, int alphaCutoff = 10);

QFont JapaneseFont(int pixelSize, bool bold = false);
QFont LatinFont(int pixelSize, bool bold = false, bool serif = false);

// Text path with its baseline centred horizontally at (centreX, baseline).
QPainterPath CentredText(const QString& text, const QFont& font, double centreX, double baseline);

} // namespace art
