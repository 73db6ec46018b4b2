// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCache.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

std::optional<PictureKey> PictureKey::forFile(const QString &path, QSize box)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return PictureKey{path, info.lastModified().toMSecsSinceEpoch(), info.size(), box};
}

size_t qHash(const PictureKey &key, size_t seed)
{
    return qHashMulti(seed, key.path, key.modified, key.bytes, key.box.width(), key.box.height());
}

PictureCache::PictureCache(qsizetype mostBytes) : images_(mostBytes) {}

std::optional<QImage> PictureCache::find(const PictureKey &key)
{
    if (const QImage *image = images_.object(key))
        return *image;
    return std::nullopt;
}

void PictureCache::insert(const PictureKey &key, const QImage &image)
{
    // A picture larger than the whole bound is not kept; QCache drops it.
    images_.insert(key, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes()));
}
