// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedPicture.h"

#include "platform/pictures/PictureDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {

constexpr int kLargestSide = 800;
constexpr int kJpegQuality = 90;
// The comment by which the editor knows the pictures it wrote itself.
const QString kSoftwareKey = QStringLiteral("Software");
const QString kSoftware = QStringLiteral("Zibaldo");

} // namespace

QImage pictureForSaving(const QImage &image)
{
    if (image.isNull())
        return {};
    const QSize fitted = image.size().boundedTo(QSize(kLargestSide, kLargestSide)) == image.size()
                             ? image.size()
                             : image.size().scaled(kLargestSide, kLargestSide, Qt::KeepAspectRatio);
    QImage flat(fitted.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    flat.fill(Qt::white);
    // In full colour first: an image from the clipboard may be in a palette, in grey or in 16
    // bits a channel.
    const QImage colour = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&flat);
    painter.drawImage(
        0, 0,
        colour.size() == flat.size()
            ? colour
            : colour.scaled(flat.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return flat;
}

QImage pictureFileForSaving(const QString &path)
{
    const QSize whole = QImageReader(path).size();
    // A square box as large as the picture's longer side leaves a small picture its own size.
    const int side = whole.isValid()
                         ? std::min(kLargestSide, std::max(whole.width(), whole.height()))
                         : kLargestSide;
    return pictureForSaving(decodePicture(path, QSize(side, side)));
}

QByteArray jpegOf(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setQuality(kJpegQuality);
    writer.setText(kSoftwareKey, kSoftware);
    writer.write(picture);
    return bytes;
}

bool isPictureWrittenHere(const QString &path)
{
    QImageReader reader(path);
    return reader.format() == "jpeg" && reader.text(kSoftwareKey) == kSoftware;
}
