// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

// A picture file as it is now: the same name with other content is another picture.
struct PictureFile
{
    QString path;
    qint64 modified = 0; // milliseconds since the epoch
    qint64 bytes = 0;

    // Nothing when there is no such file.
    static std::optional<PictureFile> at(const QString &path);

    friend bool operator==(const PictureFile &, const PictureFile &) = default;
};

size_t qHash(const PictureFile &file, size_t seed = 0);

// The pictures decoded in this session, up to a bound on the memory they take: when a new one
// would pass it, the files used least recently go. A null image records a file that cannot be
// shown.
class PictureCache
{
public:
    static constexpr qsizetype kDefaultBytes = 64 * 1024 * 1024;

    explicit PictureCache(qsizetype mostBytes = kDefaultBytes);

    // A decode of `file` that shows in a box of `box` pixels as a new decode would, give or take
    // the pixel by which boxes of one design differ; nothing when none is kept. Counts as a use.
    std::optional<QImage> find(const PictureFile &file, QSize box);
    void insert(const PictureFile &file, const QImage &image);
    void clear() { decodes_.clear(); }

    qsizetype usedBytes() const { return decodes_.totalCost(); }
    qsizetype mostBytes() const { return decodes_.maxCost(); }

private:
    // The sizes one file is shown at: a box of each window, and the sizes a window had.
    static constexpr qsizetype kSizesPerFile = 4;

    QCache<PictureFile, QList<QImage>> decodes_;
};
