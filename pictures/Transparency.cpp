#include "pictures/Transparency.h"

namespace {

const QString& OwnAlphaKey()
{
    static const QString key = QStringLiteral("Tessella.OwnAlpha");
    return key;
}

}

void MarkOwnAlpha(QImage& picture, bool ownAlpha)
{
    picture.setText(OwnAlphaKey(), ownAlpha ? QStringLiteral("1") : QStringLiteral("0"));
}

bool HasOwnAlpha(const QImage& picture)
{
    return picture.text(OwnAlphaKey()) == QLatin1String("1");
}

QImage TransparentCopy(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (HasOwnAlpha(picture))
        return image;
    // The colour decides, whatever the key pixel's own alpha.
    const QRgb key = image.pixel(0, image.height() - 1) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return image;
}
