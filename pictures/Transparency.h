#pragma once

#include <QImage>

// A picture drawn "transparent" treats its bottom-left pixel's colour as the
// background: those pixels become fully transparent (ARGB32), the rest stay.
// A picture marked as carrying its own alpha (a PNG with an alpha channel)
// keeps that alpha instead.
QImage TransparentCopy(const QImage& picture);

// Marks whether the picture's alpha channel is its transparency; the mark
// travels with copies and conversions of the picture.
void MarkOwnAlpha(QImage& picture, bool ownAlpha);
bool HasOwnAlpha(const QImage& picture);
