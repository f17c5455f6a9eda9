#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG held in memory with libjpeg (the caller bounds the byte
// count). Colour, grey and CMYK pictures come out as QImage::Format_RGB888.
// Every libjpeg error is caught, so nothing here can exit the process; a
// truncated file is refused rather than shown padded with grey.
class JpegDecoder {
public:
    // More scans than this is no real picture, only a way to burn time.
    static constexpr int kMaxScans = 256;
    // Working memory libjpeg may take beyond the output picture (progressive
    // pictures keep all their coefficients).
    static constexpr long kMaxWorkBytes = 512L * 1024 * 1024;

    // The decoded picture, or a null QImage with *reason set.
    static QImage Decode(const QByteArray& bytes, QString* reason);
};
