#pragma once

#include <QByteArray>
#include <QtGlobal>

// The few fields of a BMP file header needed to check a file before Qt's
// reader decodes it: its dimensions, and whether an uncompressed file holds
// all of its rows.
class BmpHeader {
public:
    static constexpr quint32 kRgb = 0;
    static constexpr quint32 kBitFields = 3;
    static constexpr quint32 kAlphaBitFields = 6;

    // 0 when bytes start with a BMP header it understands, -1 otherwise.
    int Read(const QByteArray& bytes);

    qint64 Width() const { return width_; }
    // Rows, whether stored bottom-up or top-down.
    qint64 Height() const { return height_; }
    int BitCount() const { return bitCount_; }
    quint32 Compression() const { return compression_; }

    // Bytes the file needs to hold every row, or -1 when the rows are
    // compressed and only decoding tells; the last row's padding may be absent.
    qint64 RequiredBytes() const;

private:
    qint64 width_ = 0;
    qint64 height_ = 0;
    int bitCount_ = 0;
    quint32 compression_ = 0;
    qint64 dataOffset_ = 0;
};
