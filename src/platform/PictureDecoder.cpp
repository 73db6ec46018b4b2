// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

constexpr qint64 kLargestFile = 64 * 1024 * 1024;
constexpr qint64 kMostPixels = 150'000'000; // larger than any camera's photo
constexpr int kAllocationLimitMegabytes = 64;

// A JPEG cut short still decodes, with its lower part grey; only its closing marker tells. In the
// coded data a 0xFF byte is always followed by 0x00 or a restart marker, so the picture is whole
// when an end-of-image marker follows every start-of-scan (a thumbnail inside the header has its
// own pair). Searching from the end keeps the test cheap for a whole file.
bool isWholeJpeg(const QByteArray &bytes)
{
    const qsizetype lastEnd = bytes.lastIndexOf(QByteArrayView("\xFF\xD9", 2));
    return lastEnd >= 0 && bytes.indexOf(QByteArrayView("\xFF\xDA", 2), lastEnd) < 0;
}

} // namespace

QImage decodePicture(const QString &path, QSize size)
{
    if (path.isEmpty() || size.isEmpty())
        return {};
    QFile file(path);
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    QImageReader reader(&buffer);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    // Some formats (icons) do not tell their size before reading; the allocation limit still holds.
    const QSize whole = reader.size();
    if (whole.isValid() && qint64(whole.width()) * whole.height() > kMostPixels)
        return {};
    if (reader.format() == "jpeg" && !isWholeJpeg(bytes))
        return {};
    reader.setQuality(100); // smooth scaling of what the decoder hands back
    // A phone photo is stored as the sensor saw it and says how to turn it upright; it must fit
    // the box once turned.
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    if (whole.isValid()) {
        const QSize upright = turned ? whole.transposed() : whole;
        const QSize fitted = upright.scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        reader.setScaledSize(turned ? fitted.transposed() : fitted);
    }
    QImage image = reader.read();
    if (image.isNull())
        return {};
    const QSize fitted = image.size().scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (image.size() != fitted)
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}
