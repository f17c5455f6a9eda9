#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <string>

// Reads the pictures of boards, pieces, faces and icons. The decoder is chosen
// by the file extension, case-insensitively: .bmp, .png and .ico through Qt's
// readers, .jpg and .jpeg through libjpeg; metafiles and anything else are
// refused. A failure gives a null QImage and a short reason for the user, and
// is reported once per file per run; callers go on with the empty picture.
// Decoded pictures are cached by file, modification time and size.
class PictureLoader {
public:
    using FailureReporter = std::function<void(const QString& path, const QString& reason)>;

    struct Stats {
        int decodes = 0;    // decoder runs, from Load and Decode alike
        int cacheHits = 0;  // Load answered from the cache
        int cachedPictures = 0;
        qint64 cachedBytes = 0;
    };

    // *reason is written only when the picture cannot be had.
    static QImage Load(const QString& hostPath, QString* reason = nullptr);
    // Load with every check of Load but no failure report, for callers that tell the user themselves.
    static QImage LoadUnreported(const QString& hostPath, QString* reason = nullptr);
    // Loads a file named as set files store it (CP932, `\` between folders); the exact
    // name is tried first, then one matched without regard to case.
    static QImage LoadStored(const std::string& storedName, QString* reason = nullptr);
    // The same with relative names taken from folder, for callers that load many at once.
    static QImage LoadStored(const std::string& storedName, const QString& folder, QString* reason = nullptr);
    // Decodes bytes as the format their extension ("png" or ".PNG" alike) names; no cache.
    static QImage Decode(const QByteArray& bytes, const QString& extension, QString* reason = nullptr);

    // Called by Load on the first failure of each file in the run; an empty function reports nothing.
    static void SetFailureReporter(FailureReporter reporter);

    static void ClearCache();
    // A cached picture is served without checking its file again for this long (1000 ms unless set).
    static void SetRecheckInterval(int milliseconds);
    // Total bytes of decoded pictures kept (256 MiB unless set); the least recently used go first.
    static void SetCacheLimit(qint64 bytes);
    static int DecodeCount();
    static Stats GetStats();
};
