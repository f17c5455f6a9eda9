#pragma once

#include <QImage>

// A picture drawn "transparent" treats its bottom-left pixel's colour as the
// background: those pixels become fully transparent (ARGB32), the rest stay.
QImage TransparentCopy(const QImage& picture);
