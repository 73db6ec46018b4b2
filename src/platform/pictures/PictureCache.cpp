// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCache.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>

namespace {

qsizetype costOf(const QList<QImage> &images)
{
    qsizetype cost = 1;
    for (const QImage &image : images)
        cost += image.sizeInBytes();
    return cost;
}

bool servesBox(const QImage &image, QSize box)
{
    if (image.isNull())
        return true;
    const QSize shown = image.size().scaled(box, Qt::KeepAspectRatio);
    return std::abs(shown.width() - image.width()) <= 1 &&
           std::abs(shown.height() - image.height()) <= 1;
}

} // namespace

std::optional<PictureFile> PictureFile::at(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return PictureFile{path, info.lastModified().toMSecsSinceEpoch(), info.size()};
}

size_t qHash(const PictureFile &file, size_t seed)
{
    return qHashMulti(seed, file.path, file.modified, file.bytes);
}

PictureCache::PictureCache(qsizetype mostBytes) : decodes_(mostBytes) {}

std::optional<QImage> PictureCache::find(const PictureFile &file, QSize box)
{
    if (const QList<QImage> *images = decodes_.object(file)) {
        for (const QImage &image : *images) {
            if (servesBox(image, box))
                return image;
        }
    }
    return std::nullopt;
}

void PictureCache::insert(const PictureFile &file, const QImage &image)
{
    QList<QImage> images;
    if (const QList<QImage> *kept = decodes_.object(file))
        images = *kept;
    if (image.isNull())
        images.clear();
    images.prepend(image);
    images.resize(std::min(images.size(), kSizesPerFile));
    // More than the whole bound is not kept: QCache drops it.
    const qsizetype cost = costOf(images);
    decodes_.insert(file, new QList<QImage>(std::move(images)), cost);
}
