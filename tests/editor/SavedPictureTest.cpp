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

struct FormatCase
{
    const char *name;
    // Writes the picture into `folder` and names the file.
    QString (*write)(const QDir &folder, QSize size);
    bool grey = false;
};

QString savedAs(const QDir &folder, const QImage &image, const char *name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    image.save(path);
    return path;
}

// Two colours, orange and see-through, the hole's.
QString inPalette(const QDir &folder, QSize size, QImage::Format format, const char *name)
{
    QImage image(size, format);
    image.setColorTable({kOrange.rgb(), qRgba(255, 255, 255, 0)});
    const QRect hole(QPoint(size.width() / 4, size.height() / 4), size / 2);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, hole.contains(x, y) ? 1 : 0);
    return savedAs(folder, image, name);
}

const FormatCase kFormats[] = {
    {"OneBitPalette",
     [](const QDir &f, QSize s) { return inPalette(f, s, QImage::Format_Mono, "a.png"); }},
    {"EightBitPalette",
     [](const QDir &f, QSize s) { return inPalette(f, s, QImage::Format_Indexed8, "b.png"); }},
    {"Grey",
     [](const QDir &f, QSize s) {
         return savedAs(f, orangeWithHole(s).convertToFormat(QImage::Format_Grayscale8), "c.png");
     },
     true},
    {"SixteenBitGrey",
     [](const QDir &f, QSize s) {
         return savedAs(f, orangeWithHole(s).convertToFormat(QImage::Format_Grayscale16), "d.png");
     },
     true},
    {"SixteenBitsAChannelWithAlpha",
     [](const QDir &f, QSize s) {
         return savedAs(f, orangeWithHole(s).convertToFormat(QImage::Format_RGBA64), "e.png");
     }},
    {"Alpha", [](const QDir &f, QSize s) { return savedAs(f, orangeWithHole(s), "f.png"); }},
    {"Cmyk",
     [](const QDir &f, QSize) {
         // Written by another program: Qt writes no CMYK. 64 x 48, white in the middle.
         const QString path = f.filePath(QStringLiteral("g.jpg"));
         QFile::copy(QStringLiteral(ZIBALDO_TEST_DATA_DIR "/orange-cmyk.jpg"), path);
         return path;
     }},
};

class PictureFormat : public ::testing::TestWithParam<FormatCase>
{
};

// Large enough to be decoded scaled, and small enough to be read whole.
TEST_P(PictureFormat, KeepsItsColoursInThumbnailsAndSavedPictures)
{
    QTemporaryDir folder;
    for (const QSize size : {QSize(1600, 1200), QSize(120, 90)}) {
        const QString path = GetParam().write(QDir(folder.path()), size);
        const QColor ground = GetParam().grey ? QColor(172, 172, 172) : kOrange;
        const QImage thumbnail = decodePicture(path, QSize(160, 144));
        ASSERT_FALSE(thumbnail.isNull());
        QImage shown(thumbnail.size(), QImage::Format_RGB32);
        shown.fill(Qt::white);
        QPainter(&shown).drawImage(0, 0, thumbnail);
        EXPECT_TRUE(near(shown.pixelColor(2, 2), ground))
            << shown.pixelColor(2, 2).name().toStdString();

        const QImage saved = QImage::fromData(jpegOf(pictureFileForSaving(path)));
        ASSERT_FALSE(saved.isNull());
        EXPECT_TRUE(near(saved.pixelColor(3, 3), ground))
            << saved.pixelColor(3, 3).name().toStdString();
        const QPoint middle(saved.width() / 2, saved.height() / 2);
        if (!GetParam().grey) { // the hole: white, or see-through and flattened on white
            EXPECT_TRUE(near(saved.pixelColor(middle), Qt::white))
                << saved.pixelColor(middle).name().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, PictureFormat, ::testing::ValuesIn(kFormats),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
