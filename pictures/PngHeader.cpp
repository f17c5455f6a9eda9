#include "pictures/PngHeader.h"

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kSignatureBytes = 8;
constexpr int kIhdrDataBytes = 13;
// Signature, chunk length and type, the IHDR data and its checksum.
constexpr int kHeaderBytes = kSignatureBytes + 8 + kIhdrDataBytes + 4;

quint32 Be32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<uchar>(bytes[offset + i]);
    return value;
}

}

int PngHeader::Read(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderBytes || bytes.left(kSignatureBytes) != QByteArray(kSignature, kSignatureBytes))
        return -1;
    if (Be32(bytes, 8) != kIhdrDataBytes || bytes.mid(12, 4) != QByteArrayLiteral("IHDR"))
        return -1;
    width_ = Be32(bytes, 16);
    height_ = Be32(bytes, 20);
    return 0;
}
