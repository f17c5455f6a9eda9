#pragma once

#include <QByteArray>
#include <QtGlobal>

// The size of the first picture of an icon file, the one Qt's reader
// decodes: from the directory entry, or from the embedded PNG's own header,
// which may be far larger than a directory entry can say.
class IcoHeader {
public:
    // 0 when bytes start with an icon directory whose first entry lies inside the file, -1 otherwise.
    int Read(const QByteArray& bytes);

    qint64 Width() const { return width_; }
    qint64 Height() const { return height_; }
    bool IsPng() const { return png_; }

private:
    qint64 width_ = 0;
    qint64 height_ = 0;
    bool png_ = false;
};
