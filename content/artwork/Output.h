#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace art {

// Writes pictures under the output folder and remembers what it wrote.
class Output {
public:
    explicit Output(const QString& root);

    // `name` is relative to the root with '/' separators, e.g. "Picture/Logo.bmp".
    void SaveBmp(const QString& name, const QImage& image);
    void SaveJpeg(const QString& name, const QImage& image);

    const QString& Root() const { return root_; }
    const QStringList& Written() const { return written_; }
    int Failures() const { return failures_; }

private:
    bool Prepare(const QString& name, QString& path);

    QString root_;
    QStringList written_;
    int failures_ = 0;
};

} // namespace art
