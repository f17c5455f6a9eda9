#include "Output.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <cstdio>

namespace art {

Output::Output(const QString& root) : root_(root) {}

bool Output::Prepare(const QString& name, QString& path)
{
    path = QDir(root_).filePath(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "tessella_artwork: cannot create the folder for %s\n", qPrintable(path));
        ++failures_;
        return false;
    }
    return true;
}

void Output::SaveBmp(const QString& name, const QImage& image)
{
    QString path;
    if (!Prepare(name, path)) {
        return;
    }
    // 24 bits per pixel, so the key colour is stored exactly and no alpha channel is written.
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) {
        std::fprintf(stderr, "tessella_artwork: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        ++failures_;
        return;
    }
    written_ << name;
}

void Output::SaveJpeg(const QString& name, const QImage& image)
{
    QString path;
    if (!Prepare(name, path)) {
        return;
    }
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        std::fprintf(stderr, "tessella_artwork: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        ++failures_;
        return;
    }
    written_ << name;
}

} // namespace art
