// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SavedPicture.h"
#include "platform/pictures/PictureDecoder.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QColor kOrange(255, 140, 0);

// An orange picture with a hole in its middle: white, or see-through where the format has alpha.
QImage orangeWithHole(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(kOrange);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(size.width() / 4, size.height() / 4), size / 2),
                     QColor(255, 255, 255, 0));
    return image;
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

// Format_Invalid: a CMYK JPEG, written by another program (Qt writes none).
struct FormatCase
{
    const char *name;
    QImage::Format format;
};

// The picture in `format`, as a file of `folder`; a palette holds orange and see-through.
QString written(const QDir &folder, QImage::Format format, QSize size)
{
    if (format == QImage::Format_Invalid)
        return QStringLiteral(ZIBALDO_TEST_DATA_DIR "/orange-cmyk.jpg");
    const QString path = folder.filePath(QStringLiteral("%1.png").arg(int(format)));
    QImage image = orangeWithHole(size);
    if (format == QImage::Format_Mono || format == QImage::Format_Indexed8) {
        QImage palette(size, format);
        palette.setColorTable({kOrange.rgb(), qRgba(255, 255, 255, 0)});
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                palette.setPixel(x, y, qAlpha(image.pixel(x, y)) == 0 ? 1 : 0);
        image = palette;
    }
    image.convertTo(format);
    image.save(path, "PNG");
    return path;
}

const FormatCase kFormats[] = {
    {"OneBitPalette", QImage::Format_Mono},
    {"EightBitPalette", QImage::Format_Indexed8},
    {"SixteenBitsAChannelWithAlpha", QImage::Format_RGBA64},
    {"Alpha", QImage::Format_ARGB32},
    {"Cmyk", QImage::Format_Invalid}, // 64 x 48, white in the middle
};

class PictureFormat : public ::testing::TestWithParam<FormatCase>
{
};

// Large enough to be decoded scaled, and small enough to be read whole.
TEST_P(PictureFormat, KeepsItsColoursInThumbnailsAndSavedPictures)
{
    QTemporaryDir folder;
    for (const QSize size : {QSize(1600, 1200), QSize(120, 90)}) {
        const QString path = written(QDir(folder.path()), GetParam().format, size);
        const QImage thumbnail = decodePicture(path, QSize(160, 144));
        EXPECT_TRUE(near(thumbnail.pixelColor(2, 2), kOrange))
            << thumbnail.pixelColor(2, 2).name().toStdString();

        // Saved from its file, and as an image pasted whole in the file's own format.
        for (const QImage &saved : {QImage::fromData(jpegOf(pictureFileForSaving(path))),
                                    QImage::fromData(jpegOf(pictureForSaving(QImage(path))))}) {
            ASSERT_FALSE(saved.isNull());
            EXPECT_TRUE(near(saved.pixelColor(3, 3), kOrange))
                << saved.pixelColor(3, 3).name().toStdString();
            const QPoint middle(saved.width() / 2, saved.height() / 2);
            // The hole: white, or see-through and flattened on white.
            EXPECT_TRUE(near(saved.pixelColor(middle), Qt::white))
                << saved.pixelColor(middle).name().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, PictureFormat, ::testing::ValuesIn(kFormats),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
