#include "pictures/PictureCache.h"

QImage PictureCache::Find(const QString& key, const Stamp& stamp, Time now)
{
    auto found = index_.find(key);
    if (found == index_.end())
        return QImage();
    Order::iterator it = found.value();
    if (!(it->stamp == stamp)) {
        Erase(it);
        return QImage();
    }
    it->checked = now;
    entries_.splice(entries_.begin(), entries_, it);
    return it->image;
}

QImage PictureCache::FindCheckedSince(const QString& key, Time since)
{
    auto found = index_.find(key);
    if (found == index_.end() || found.value()->checked < since)
        return QImage();
    Order::iterator it = found.value();
    entries_.splice(entries_.begin(), entries_, it);
    return it->image;
}

void PictureCache::Insert(const QString& key, const Stamp& stamp, const QImage& image, Time now)
{
    auto found = index_.find(key);
    if (found != index_.end())
        Erase(found.value());
    const qint64 bytes = image.sizeInBytes();
    if (image.isNull() || bytes > limitBytes_)
        return;
    EvictTo(limitBytes_ - bytes);
    entries_.push_front(Entry{key, stamp, image, now});
    index_.insert(key, entries_.begin());
    totalBytes_ += bytes;
}

void PictureCache::Clear()
{
    entries_.clear();
    index_.clear();
    totalBytes_ = 0;
}

void PictureCache::SetLimitBytes(qint64 limit)
{
    limitBytes_ = qMax<qint64>(0, limit);
    EvictTo(limitBytes_);
}

void PictureCache::Erase(Order::iterator it)
{
    totalBytes_ -= it->image.sizeInBytes();
    index_.remove(it->key);
    entries_.erase(it);
}

void PictureCache::EvictTo(qint64 limit)
{
    while (totalBytes_ > limit && !entries_.empty())
        Erase(std::prev(entries_.end()));
}
