// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <map>

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

qsizetype colourCount(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        colours.unite(QSet<QRgb>(line, line + pixels.width()));
    }
    return colours.size();
}

// Qt's PNG reader, asked for a smaller size, scales a palette picture in colour and then puts
// it back into a palette of its own making: a 1-bit picture comes out as black and white dots,
// another loses its see-through colour. Such pictures are read whole and scaled here.
bool scalesInItsOwnPalette(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
           format == QImage::Format_Indexed8;
}

// Every picture handed on is in one of the two formats that painters, pixmaps and the JPEG writer
// all take in full colour, whatever the file's own (palette, grey, 16 bits a channel).
QImage inFullColour(const QImage &image)
{
    const QImage::Format full =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == full ? image : image.convertToFormat(full);
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
    if (whole.isValid() && !scalesInItsOwnPalette(reader.imageFormat())) {
        const QSize upright = turned ? whole.transposed() : whole;
        const QSize fitted = upright.scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        reader.setScaledSize(turned ? fitted.transposed() : fitted);
    }
    QImage image = reader.read();
    if (image.isNull())
        return {};
    image = inFullColour(image);
    const QSize fitted = image.size().scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (image.size() != fitted)
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QList<QImage> decodeIconImages(const QString &path)
{
    // An icon file may hold a size twice, for screens of 16 and of 256 colours.
    std::map<std::pair<int, int>, QImage> bySize;
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    do {
        QImage image;
        if (!reader.read(&image))
            continue;
        QImage &kept = bySize[{image.width(), image.height()}];
        if (kept.isNull() || colourCount(image) > colourCount(kept))
            kept = image;
    } while (reader.jumpToNextImage());
    QList<QImage> images;
    for (const auto &[size, image] : bySize)
        images.append(image);
    return images;
}
