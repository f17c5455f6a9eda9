#include "pictures/IcoHeader.h"

namespace {

constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;

quint32 Le(const QByteArray& bytes, qint64 offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uchar>(bytes[offset + i]);
    return value;
}

quint32 Be32(const QByteArray& bytes, qint64 offset)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<uchar>(bytes[offset + i]);
    return value;
}

}

int IcoHeader::Read(const QByteArray& bytes)
{
    if (bytes.size() < kDirectoryBytes + kEntryBytes || Le(bytes, 0, 2) != 0 || Le(bytes, 4, 2) == 0)
        return -1;
    const quint32 type = Le(bytes, 2, 2);
    if (type != 1 && type != 2)
        return -1;
    const int entry = kDirectoryBytes;
    const quint32 width = static_cast<uchar>(bytes[entry]);
    const quint32 height = static_cast<uchar>(bytes[entry + 1]);
    width_ = width == 0 ? 256 : width;
    height_ = height == 0 ? 256 : height;
    const qint64 offset = Le(bytes, entry + 12, 4);
    png_ = false;
    static const char kPngSignature[] = "\x89PNG\r\n\x1a\n";
    if (offset + 24 <= bytes.size() && bytes.mid(offset, 8) == QByteArray(kPngSignature, 8)) {
        png_ = true;
        width_ = Be32(bytes, offset + 16);
        height_ = Be32(bytes, offset + 20);
    }
    return offset < bytes.size() ? 0 : -1;
}
