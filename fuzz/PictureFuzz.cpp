// Decodes arbitrary bytes as a BMP, JPEG, icon or PNG; the first byte picks the format.
#include "pictures/PictureLimits.h"
#include "pictures/PictureLoader.h"
#include "pictures/Transparency.h"

#include <cstddef>
#include <cstdint>

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kExtensions[] = {"bmp", "jpg", "ico", "png"};
    const QString extension = QString::fromLatin1(kExtensions[data[0] % 4]);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    QString reason;
    const QImage image = PictureLoader::Decode(bytes, extension, &reason);
    if (image.isNull()) {
        Require(!reason.isEmpty());
        return 0;
    }
    Require(PictureLimits::Accepts(image.width(), image.height(), nullptr));
    Require(image.format() != QImage::Format_ARGB32_Premultiplied);
    Require(!HasOwnAlpha(image) || extension == QLatin1String("png"));
    // What drawing does: the transparent copy, and a conversion for painting.
    const QImage transparent = TransparentCopy(image);
    Require(transparent.size() == image.size());
    const QImage painted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Require(painted.size() == image.size());
    return 0;
}
