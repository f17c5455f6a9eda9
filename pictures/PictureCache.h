#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <list>

// Decoded pictures by file, each remembered with the modification time and
// size it was decoded from, so a changed file is decoded anew. Bounded by the
// total bytes of the pictures held; the least recently used go first.
class PictureCache {
public:
    static constexpr qint64 kDefaultLimitBytes = 256LL * 1024 * 1024;

    struct Stamp {
        qint64 modified = 0;
        qint64 size = 0;
        bool operator==(const Stamp&) const = default;
    };

    using Time = std::chrono::steady_clock::time_point;

    // The picture stored for key with the same stamp, or a null QImage; marks it checked at now.
    QImage Find(const QString& key, const Stamp& stamp, Time now);
    // The picture stored for key when its stamp was last checked at or after since.
    QImage FindCheckedSince(const QString& key, Time since);
    // A picture larger than the whole limit is not kept.
    void Insert(const QString& key, const Stamp& stamp, const QImage& image, Time now);
    void Clear();

    void SetLimitBytes(qint64 limit);
    qint64 LimitBytes() const { return limitBytes_; }
    qint64 TotalBytes() const { return totalBytes_; }
    int Count() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        QString key;
        Stamp stamp;
        QImage image;
        Time checked;
    };
    using Order = std::list<Entry>;

    void Erase(Order::iterator it);
    void EvictTo(qint64 limit);

    Order entries_;  // most recently used first
    QHash<QString, Order::iterator> index_;
    qint64 totalBytes_ = 0;
    qint64 limitBytes_ = kDefaultLimitBytes;
};
