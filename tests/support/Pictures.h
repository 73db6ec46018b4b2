// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WordFiles.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTransform>

// Writes a JPEG of one colour, `width` x `height`.
inline bool writeJpeg(const QString &path, QColor color, int width = 64, int height = 48)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "JPEG", 90);
}

// A JPEG file's bytes with an Exif block after its start marker, telling how the camera was held:
// 1 upright, 3 upside down, 6 turned a quarter left (shown turned a quarter right), 8 the other
// way. The block is a big-endian TIFF header and one directory of the one entry.
inline QByteArray withOrientation(const QByteArray &jpeg, quint16 orientation)
{
    QByteArray exif("Exif\0\0MM\0\x2A\0\0\0\x08", 14);
    exif += QByteArray("\0\x01\x01\x12\0\x03\0\0\0\x01", 10); // one entry: orientation, 1 short
    exif += char(orientation >> 8);
    exif += char(orientation & 0xFF);
    exif += QByteArray(6, '\0'); // the value's padding, and no next directory
    const qsizetype length = exif.size() + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

// The JPEG a camera held as `orientation` says writes for the scene `upright`.
inline QByteArray photoTaken(const QImage &upright, quint16 orientation)
{
    const int turn = orientation == 3 ? 180 : orientation == 6 ? 270 : orientation == 8 ? 90 : 0;
    const QImage stored = upright.transformed(QTransform().rotate(turn));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);
    return withOrientation(jpeg, orientation);
}

// The program's own pictures of `words`, in order; an empty path where it has none.
inline QStringList bundledPicturesOf(const QStringList &words)
{
    QStringList files;
    for (const QString &word : words)
        files << pictureFileFor({QString(), QStringLiteral(ZIBALDO_DATA_DIR)}, word);
    return files;
}
