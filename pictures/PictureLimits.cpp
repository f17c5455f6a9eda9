#include "pictures/PictureLimits.h"

#include <QCoreApplication>

bool PictureLimits::Accepts(qint64 width, qint64 height, QString* reason)
{
    QString why;
    if (width <= 0 || height <= 0)
        why = QCoreApplication::translate("PictureLimits", "画像の大きさが正しくありません");
    else if (width > kMaxSide || height > kMaxSide)
        why = QCoreApplication::translate("PictureLimits", "画像が大きすぎます (%1 ピクセルまで)").arg(kMaxSide);
    else if (width * height > kMaxPixels)
        why = QCoreApplication::translate("PictureLimits", "画像が大きすぎます (合計 8192 × 8192 ピクセルまで)");
    else
        return true;
    if (reason != nullptr)
        *reason = why;
    return false;
}
