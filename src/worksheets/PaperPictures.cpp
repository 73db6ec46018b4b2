// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperPictures.h"

#include "PaperPage.h"
#include "PaperText.h"
#include "platform/pictures/PictureDecoder.h"

#include <QPainter>
#include <cmath>

namespace {

const QColor kMissingGrey(0xE0, 0xE0, 0xE0);
const QColor kInitialGrey(0x80, 0x80, 0x80);

// Paper is white: a see-through picture would otherwise be laid on black by some printers.
QImage onWhite(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QPainter painter(&white);
    painter.drawImage(0, 0, image);
    return white;
}

} // namespace

PaperPictures::PaperPictures(const QStringList &files)
    : files_(files), images_(std::size_t(files.size())), tried_(std::size_t(files.size()))
{}

const QImage &PaperPictures::decoded(int index, const QSizeF &millimetres)
{
    const auto i = std::size_t(index);
    if (!tried_[i]) {
        tried_[i] = true;
        const auto dots = [](double mm) { return int(std::ceil(mm / 25.4 * kMostDotsPerInch)); };
        images_[i] = onWhite(decodePicture(
            files_.value(index), QSize(dots(millimetres.width()), dots(millimetres.height()))));
    }
    return images_[i];
}

void PaperPictures::draw(QPainter &painter, const PaperPage &paper, int index, const QRectF &box,
                         const QString &initial, const QFont &font)
{
    const QImage &image =
        decoded(index, {paper.inMillimetres(box.width()), paper.inMillimetres(box.height())});
    if (image.isNull()) {
        painter.fillRect(box, kMissingGrey);
        painter.setPen(kInitialGrey);
        painter.setFont(fontOfHeight(font, box.height() * 0.5, painter));
        painter.drawText(box, Qt::AlignCenter, initial);
        return;
    }
    QSizeF fitted = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), fitted);
    target.moveCenter(box.center());
    painter.drawImage(target, image);
}

QString initialOf(const QString &writtenWord)
{
    return writtenWord.trimmed().left(1);
}
