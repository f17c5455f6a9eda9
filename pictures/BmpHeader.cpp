#include "pictures/BmpHeader.h"

#include <limits>

namespace {

quint32 Le(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uchar>(bytes[offset + i]);
    return value;
}

}

int BmpHeader::Read(const QByteArray& bytes)
{
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M')
        return -1;
    dataOffset_ = Le(bytes, 10, 4);
    const quint32 infoSize = Le(bytes, 14, 4);
    if (infoSize == 12) {
        width_ = Le(bytes, 18, 2);
        height_ = Le(bytes, 20, 2);
        bitCount_ = static_cast<int>(Le(bytes, 24, 2));
        compression_ = kRgb;
        return 0;
    }
    if (infoSize < 16 || bytes.size() < 30)
        return -1;
    width_ = static_cast<qint32>(Le(bytes, 18, 4));
    height_ = qAbs(static_cast<qint64>(static_cast<qint32>(Le(bytes, 22, 4))));
    bitCount_ = static_cast<int>(Le(bytes, 28, 2));
    compression_ = bytes.size() >= 34 && infoSize >= 20 ? Le(bytes, 30, 4) : kRgb;
    return 0;
}

qint64 BmpHeader::RequiredBytes() const
{
    if (compression_ != kRgb && compression_ != kBitFields && compression_ != kAlphaBitFields)
        return -1;
    if (width_ <= 0 || height_ <= 0 || bitCount_ <= 0)
        return -1;
    const qint64 rowBytes = (width_ * bitCount_ + 31) / 32 * 4;
    if (height_ - 1 > std::numeric_limits<qint64>::max() / 2 / rowBytes)
        return std::numeric_limits<qint64>::max();
    return dataOffset_ + rowBytes * (height_ - 1) + (width_ * bitCount_ + 7) / 8;
}
