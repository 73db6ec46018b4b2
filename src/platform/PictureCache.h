// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QHashFunctions>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// One decode: a file as it was when it was read, for a box of a given size in device pixels. A
// file changed since then has another key.
struct PictureKey
{
    QString path;
    qint64 modified = 0; // milliseconds since the epoch
    qint64 bytes = 0;
    QSize box;

    // Nothing when there is no such file.
    static std::optional<PictureKey> forFile(const QString &path, QSize box);

    friend bool operator==(const PictureKey &, const PictureKey &) = default;
};

size_t qHash(const PictureKey &key, size_t seed = 0);

// The pictures decoded in this session, up to a bound on the memory they take: when a new one
// would pass it, those used least recently go. A null image records a file that cannot be shown.
class PictureCache
{
public:
    static constexpr qsizetype kDefaultBytes = 64 * 1024 * 1024;

    explicit PictureCache(qsizetype mostBytes = kDefaultBytes);

    // Nothing when that decode is not kept; finding one counts as a use.
    std::optional<QImage> find(const PictureKey &key);
    void insert(const PictureKey &key, const QImage &image);

    qsizetype usedBytes() const { return images_.totalCost(); }
    qsizetype mostBytes() const { return images_.maxCost(); }

private:
    QCache<PictureKey, QImage> images_;
};
