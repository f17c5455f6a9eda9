#pragma once

#include <QString>
#include <QtGlobal>

// Bounds every picture must keep so that a damaged or hostile file can never
// exhaust memory: checked on the file size and on the header dimensions,
// before any pixel is decoded.
class PictureLimits {
public:
    static constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
    static constexpr int kMaxSide = 16384;
    // 8192 x 8192: a 16384-pixel square would already need a gigabyte as RGB32.
    static constexpr qint64 kMaxPixels = 8192LL * 8192;

    // True when a picture of width x height may be decoded; otherwise false
    // and *reason (when given) says why. Zero or negative sizes are refused.
    static bool Accepts(qint64 width, qint64 height, QString* reason);
};
