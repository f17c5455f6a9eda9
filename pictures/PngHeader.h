#pragma once

#include <QByteArray>
#include <QtGlobal>

// The dimensions a PNG file declares in its first chunk, read before Qt's
// reader decodes anything so a hostile header cannot claim the memory.
class PngHeader {
public:
    // 0 when bytes start with the PNG signature and a whole IHDR chunk, -1 otherwise.
    int Read(const QByteArray& bytes);

    qint64 Width() const { return width_; }
    qint64 Height() const { return height_; }

private:
    qint64 width_ = 0;
    qint64 height_ = 0;
};
