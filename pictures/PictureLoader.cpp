#include "pictures/PictureLoader.h"

#include "pictures/BmpHeader.h"
#include "pictures/IcoHeader.h"
#include "pictures/JpegDecoder.h"
#include "pictures/PictureCache.h"
#include "pictures/PictureLimits.h"
#include "pictures/PngHeader.h"
#include "pictures/Transparency.h"
#include "platform/HostPath.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <sys/stat.h>

#include <chrono>

namespace {

enum class Format { Bmp, Ico, Png, Jpeg, Metafile, Unknown };

struct LoaderState {
    PictureCache cache;
    QSet<QString> reported;
    PictureLoader::FailureReporter reporter;
    int decodes = 0;
    int cacheHits = 0;
    std::chrono::milliseconds recheckAfter{1000};
};

LoaderState& State()
{
    static LoaderState state;
    return state;
}

Format FormatOf(QString extension)
{
    if (extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    extension = extension.toLower();
    if (extension == QLatin1String("bmp"))
        return Format::Bmp;
    if (extension == QLatin1String("ico"))
        return Format::Ico;
    if (extension == QLatin1String("png"))
        return Format::Png;
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return Format::Jpeg;
    if (extension == QLatin1String("emf") || extension == QLatin1String("wmf"))
        return Format::Metafile;
    return Format::Unknown;
}

void SetReason(QString* reason, const QString& text)
{
    if (reason != nullptr)
        *reason = text;
}

// True when the format cannot be decoded at all, with the reason set.
bool Refused(Format format, QString* reason)
{
    if (format == Format::Metafile)
        SetReason(reason, QCoreApplication::translate("PictureLoader", "対応していない形式です (EMF/WMF)"));
    else if (format == Format::Unknown)
        SetReason(reason, QCoreApplication::translate("PictureLoader", "対応していない形式です"));
    else
        return false;
    return true;
}

QString FileTooLargeReason()
{
    return QCoreApplication::translate("PictureLoader", "ファイルが大きすぎます (%1 MB まで)").arg(PictureLimits::kMaxFileBytes / (1024 * 1024));
}

QByteArray QtFormatName(Format format)
{
    switch (format) {
    case Format::Ico:
        return QByteArrayLiteral("ico");
    case Format::Png:
        return QByteArrayLiteral("png");
    default:
        return QByteArrayLiteral("bmp");
    }
}

QString CorruptReason(Format format)
{
    switch (format) {
    case Format::Ico:
        return QCoreApplication::translate("PictureLoader", "アイコン データが壊れています");
    case Format::Png:
        return QCoreApplication::translate("PictureLoader", "PNG データが壊れています");
    default:
        return QCoreApplication::translate("PictureLoader", "BMP データが壊れています");
    }
}

// Reads the dimensions from the header, before Qt's reader takes any pixel memory.
bool HeaderAccepted(const QByteArray& bytes, Format format, QString* reason)
{
    qint64 width = 0;
    qint64 height = 0;
    if (format == Format::Bmp) {
        // Qt's reader gives no size for top-down files, so the header is read here.
        BmpHeader header;
        if (header.Read(bytes) != 0) {
            SetReason(reason, CorruptReason(format));
            return false;
        }
        if (!PictureLimits::Accepts(header.Width(), header.Height(), reason))
            return false;
        if (header.RequiredBytes() > bytes.size()) {
            SetReason(reason, QCoreApplication::translate("PictureLoader", "BMP データが途中で終わっています"));
            return false;
        }
        return true;
    }
    if (format == Format::Png) {
        PngHeader header;
        if (header.Read(bytes) != 0) {
            SetReason(reason, CorruptReason(format));
            return false;
        }
        width = header.Width();
        height = header.Height();
    } else {
        // Qt's reader gives the directory's size even when an embedded PNG is far larger.
        IcoHeader header;
        if (header.Read(bytes) != 0) {
            SetReason(reason, CorruptReason(format));
            return false;
        }
        width = header.Width();
        height = header.Height();
    }
    return PictureLimits::Accepts(width, height, reason);
}

// Refuses content that does not fit the extension, and checks the header
// dimensions (and for BMP the file length) before any pixel memory is taken.
QImage DecodeWithQt(const QByteArray& bytes, Format format, QString* reason)
{
    static const bool icoAvailable = QImageReader::supportedImageFormats().contains("ico");
    if (format == Format::Ico && !icoAvailable) {
        SetReason(reason, QCoreApplication::translate("PictureLoader", "アイコンを読む部品 (Qt の ico プラグイン) がありません"));
        return QImage();
    }
    if (!HeaderAccepted(bytes, format, reason))
        return QImage();

    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QtFormatName(format));
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        SetReason(reason, CorruptReason(format));
        return QImage();
    }
    if (!PictureLimits::Accepts(image.width(), image.height(), reason))
        return QImage();
    // Qt's icon reader hands out premultiplied pixels; the callers compare straight colours.
    if (image.format() == QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32);
    // Only a PNG's alpha replaces the bottom-left colour rule; the mark also overrides any text chunk.
    MarkOwnAlpha(image, format == Format::Png && image.hasAlphaChannel());
    return image;
}

QString NotFoundReason()
{
    return QCoreApplication::translate("PictureLoader", "ファイルが見つかりません");
}

QString CacheKey(const QString& hostPath)
{
    return QDir::isAbsolutePath(hostPath) ? hostPath : QDir::currentPath() + QLatin1Char('/') + hostPath;
}

QImage LoadFile(const QString& hostPath, QString* reason)
{
    if (hostPath.isEmpty()) {
        SetReason(reason, NotFoundReason());
        return QImage();
    }
    LoaderState& state = State();
    const QString key = CacheKey(hostPath);
    const auto now = std::chrono::steady_clock::now();
    // A picture checked a moment ago is trusted without asking the file system again.
    QImage recent = state.cache.FindCheckedSince(key, now - state.recheckAfter);
    if (!recent.isNull()) {
        ++state.cacheHits;
        return recent;
    }

    const QByteArray nativePath = QFile::encodeName(hostPath);
    struct stat info {};
    if (::stat(nativePath.constData(), &info) != 0) {
        SetReason(reason, NotFoundReason());
        return QImage();
    }
    const QString extension = QFileInfo(hostPath).suffix();
    if (Refused(FormatOf(extension), reason))
        return QImage();
    if (!S_ISREG(info.st_mode)) {
        SetReason(reason, QCoreApplication::translate("PictureLoader", "ファイルを読み込めません"));
        return QImage();
    }
    if (info.st_size == 0) {
        SetReason(reason, QCoreApplication::translate("PictureLoader", "ファイルが空です"));
        return QImage();
    }
    if (info.st_size > PictureLimits::kMaxFileBytes) {
        SetReason(reason, FileTooLargeReason());
        return QImage();
    }

    const PictureCache::Stamp stamp{
        static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec,
        static_cast<qint64>(info.st_size)};
    QImage cached = state.cache.Find(key, stamp, now);
    if (!cached.isNull()) {
        ++state.cacheHits;
        return cached;
    }

    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        SetReason(reason, QCoreApplication::translate("PictureLoader", "ファイルを読み込めません"));
        return QImage();
    }
    // One byte past the measured size tells a file that grew since it was measured.
    const QByteArray bytes = file.read(static_cast<qint64>(info.st_size) + 1);
    if (file.error() != QFileDevice::NoError) {
        SetReason(reason, QCoreApplication::translate("PictureLoader", "ファイルを読み込めません"));
        return QImage();
    }
    QImage image = PictureLoader::Decode(bytes, extension, reason);
    if (!image.isNull())
        state.cache.Insert(key, stamp, image, now);
    return image;
}

QImage Failed(const QString& hostPath, const QString& why, QString* reason)
{
    if (reason != nullptr)
        *reason = why;
    LoaderState& state = State();
    const QString key = hostPath.isEmpty() ? hostPath : CacheKey(hostPath);
    if (!state.reported.contains(key)) {
        state.reported.insert(key);
        if (state.reporter)
            state.reporter(hostPath, why);
    }
    return QImage();
}

}

QImage PictureLoader::Load(const QString& hostPath, QString* reason)
{
    QString why;
    QImage image = LoadFile(hostPath, &why);
    return image.isNull() ? Failed(hostPath, why, reason) : image;
}

QImage PictureLoader::LoadUnreported(const QString& hostPath, QString* reason)
{
    QString why;
    QImage image = LoadFile(hostPath, &why);
    if (image.isNull() && reason != nullptr)
        *reason = why;
    return image;
}

QImage PictureLoader::LoadStored(const std::string& storedName, QString* reason)
{
    return LoadStored(storedName, QDir::currentPath(), reason);
}

QImage PictureLoader::LoadStored(const std::string& storedName, const QString& folder, QString* reason)
{
    QString plain = QString::fromStdString(HostPath::Plain(storedName));
    if (!plain.isEmpty() && QDir::isRelativePath(plain))
        plain = folder + QLatin1Char('/') + plain;
    QString why;
    QImage image = LoadFile(plain, &why);
    if (!image.isNull())
        return image;
    if (why == NotFoundReason())
        return Load(HostPath::ToHostQ(storedName), reason);
    return Failed(plain, why, reason);
}

QImage PictureLoader::Decode(const QByteArray& bytes, const QString& extension, QString* reason)
{
    const Format format = FormatOf(extension);
    if (Refused(format, reason))
        return QImage();
    if (bytes.isEmpty()) {
        SetReason(reason, QCoreApplication::translate("PictureLoader", "ファイルが空です"));
        return QImage();
    }
    if (bytes.size() > PictureLimits::kMaxFileBytes) {
        SetReason(reason, FileTooLargeReason());
        return QImage();
    }
    ++State().decodes;
    if (format == Format::Jpeg)
        return JpegDecoder::Decode(bytes, reason);
    return DecodeWithQt(bytes, format, reason);
}

void PictureLoader::SetFailureReporter(FailureReporter reporter)
{
    State().reporter = std::move(reporter);
}

void PictureLoader::ClearCache()
{
    State().cache.Clear();
}

void PictureLoader::SetRecheckInterval(int milliseconds)
{
    State().recheckAfter = std::chrono::milliseconds(qMax(0, milliseconds));
}

void PictureLoader::SetCacheLimit(qint64 bytes)
{
    State().cache.SetLimitBytes(bytes);
}

int PictureLoader::DecodeCount()
{
    return State().decodes;
}

PictureLoader::Stats PictureLoader::GetStats()
{
    const LoaderState& state = State();
    Stats stats;
    stats.decodes = state.decodes;
    stats.cacheHits = state.cacheHits;
    stats.cachedPictures = state.cache.Count();
    stats.cachedBytes = state.cache.TotalBytes();
    return stats;
}
