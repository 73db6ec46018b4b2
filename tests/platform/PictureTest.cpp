// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureBox.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureFiles.h"
#include "support/Files.h"
#include "support/Pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(program.path()).mkdir(QStringLiteral("jpg")));
        jpg = QDir(program.filePath(QStringLiteral("jpg")));
    }

    QTemporaryDir program;
    QDir jpg;
};

TEST_F(PictureTest, TheExactNameFirstThenAnyLetterCase)
{
    writeJpeg(jpg.filePath(QStringLiteral("cane.jpg")), Qt::red);
    writeJpeg(jpg.filePath(QStringLiteral("Cane.JPG")), Qt::blue);
    writeJpeg(jpg.filePath(QStringLiteral("GATTO.Jpeg")), Qt::blue);
    writeJpeg(jpg.filePath(QStringLiteral("CAFFÈ.JPG")), Qt::blue);
    const QString folder = program.path();

    EXPECT_EQ(pictureFileFor(folder, QStringLiteral("cane")), jpg.filePath("cane.jpg"));
    EXPECT_EQ(pictureFileFor(folder, QStringLiteral("Cane")), jpg.filePath("Cane.JPG"));
    EXPECT_EQ(pictureFileFor(folder, QStringLiteral("gatto")), jpg.filePath("GATTO.Jpeg"));
    EXPECT_EQ(pictureFileFor(folder, QStringLiteral("caffè")), jpg.filePath("CAFFÈ.JPG"));
    EXPECT_EQ(pictureFileFor(folder, QStringLiteral("topo")), QString());
}

TEST_F(PictureTest, AWordNeverLeadsOutOfThePictureFolder)
{
    writeJpeg(program.filePath(QStringLiteral("segreto.jpg")), Qt::red);
    QDir(jpg).mkdir(QStringLiteral("sub"));
    writeJpeg(jpg.filePath(QStringLiteral("sub/x.jpg")), Qt::red);
    const QString folder = program.path();
    for (const QString &word :
         {QStringLiteral("../segreto"), QStringLiteral("..\\segreto"), QStringLiteral("sub/x"),
          QStringLiteral("sub\\x"), QString::fromUtf8("x\x01"), QStringLiteral("C:segreto"),
          QString(), QStringLiteral("..")})
        EXPECT_EQ(pictureFileFor(folder, word), QString()) << word.toStdString();
}

TEST_F(PictureTest, DecodesStretchedToTheAskedSize)
{
    const QString path = jpg.filePath(QStringLiteral("rosso.jpg"));
    writeJpeg(path, Qt::red, 400, 300);
    const QImage image = decodePicture(path, QSize(73, 65));
    ASSERT_EQ(image.size(), QSize(73, 65));
    const QColor centre = image.pixelColor(36, 32);
    EXPECT_GT(centre.red(), 240);
    EXPECT_LT(centre.green(), 20);
}

TEST_F(PictureTest, BrokenPicturesDecodeToNothing)
{
    const QString good = jpg.filePath(QStringLiteral("buona.jpg"));
    writeJpeg(good, Qt::red, 400, 300);
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    QByteArray corrupt = bytes;
    for (qsizetype i = corrupt.size() / 3; i < corrupt.size() / 2; ++i)
        corrupt[i] = char(0xFF);
    // A header claiming 65000 x 65000 pixels: the frame's height and width follow its marker.
    QByteArray huge = bytes;
    const qsizetype frame = huge.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    huge.replace(frame + 5, 4, QByteArray("\xFD\xE8\xFD\xE8", 4));

    const struct
    {
        const char *name;
        QByteArray bytes;
    } broken[] = {
        {"troncata.jpg", bytes.left(bytes.size() / 2)},
        {"corta.jpg", bytes.left(300)},
        {"rovinata.jpg", corrupt},
        {"enorme.jpg", huge},
        {"testo.jpg", "non sono una figura"},
        {"vuota.jpg", QByteArray()},
    };
    for (const auto &picture : broken) {
        const QString path = jpg.filePath(QString::fromLatin1(picture.name));
        writeFile(path, picture.bytes);
        EXPECT_TRUE(decodePicture(path, QSize(73, 65)).isNull()) << picture.name;
    }
    EXPECT_TRUE(decodePicture(jpg.filePath(QStringLiteral("assente.jpg")), QSize(73, 65)).isNull());
}

TEST_F(PictureTest, ABoxShowsThePictureAPlaceholderOrNothing)
{
    const QString path = jpg.filePath(QStringLiteral("rosso.jpg"));
    writeJpeg(path, Qt::red, 400, 300);
    writeFile(jpg.filePath(QStringLiteral("rotta.jpg")), "rotta");
    PictureBox box;
    box.resize(73, 65);
    EXPECT_EQ(box.content(), PictureBox::Content::Nothing);

    box.loadPicture(path);
    EXPECT_EQ(box.content(), PictureBox::Content::Picture);
    EXPECT_GT(box.grab().toImage().pixelColor(36, 32).red(), 240);
    box.resize(146, 130); // a larger box decodes again, at its new size
    EXPECT_EQ(box.grab().toImage().size(), QSize(146, 130));
    EXPECT_GT(box.grab().toImage().pixelColor(140, 120).red(), 240);

    box.loadPicture(jpg.filePath(QStringLiteral("rotta.jpg")));
    EXPECT_EQ(box.content(), PictureBox::Content::Placeholder);
    box.loadPicture(QString());
    EXPECT_EQ(box.content(), PictureBox::Content::Placeholder);
    box.clearPicture();
    EXPECT_EQ(box.content(), PictureBox::Content::Nothing);
}

} // namespace
