// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WordFiles.h"
#include "platform/pictures/PictureBox.h"
#include "platform/pictures/PictureCache.h"
#include "platform/pictures/PictureDecoder.h"
#include "platform/pictures/PictureLoader.h"
#include "support/Files.h"
#include "support/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

const QColor kGround(0xE8, 0xE8, 0xE8);

bool isRed(QColor c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

bool isBlue(QColor c)
{
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}

class PictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(program.path()).mkdir(QStringLiteral("jpg")));
        jpg = QDir(program.filePath(QStringLiteral("jpg")));
    }

    QString find(const QString &word) { return pictureFileFor({QString(), program.path()}, word); }

    QTemporaryDir program;
    QDir jpg;
};

TEST_F(PictureTest, TheExactNameFirstThenAnyLetterCase)
{
    writeJpeg(jpg.filePath(QStringLiteral("cane.jpg")), Qt::red);
    writeJpeg(jpg.filePath(QStringLiteral("Cane.JPG")), Qt::blue);
    writeJpeg(jpg.filePath(QStringLiteral("GATTO.Jpeg")), Qt::blue);
    writeJpeg(jpg.filePath(QStringLiteral("CAFFÈ.JPG")), Qt::blue);

    EXPECT_EQ(find(QStringLiteral("cane")), jpg.filePath("cane.jpg"));
    EXPECT_EQ(find(QStringLiteral("Cane")), jpg.filePath("Cane.JPG"));
    EXPECT_EQ(find(QStringLiteral("gatto")), jpg.filePath("GATTO.Jpeg"));
    EXPECT_EQ(find(QStringLiteral("caffè")), jpg.filePath("CAFFÈ.JPG"));
    EXPECT_EQ(find(QStringLiteral("topo")), QString());
}

TEST_F(PictureTest, NamesMatchWhateverTheAccentsApostrophesAndEndings)
{
    const struct
    {
        QString file;
        QString word;
    } matches[] = {
        // A Mac spells an accented letter as the letter and a combining accent.
        {QStringLiteral("caffe\u0300.jpg"), QStringLiteral("caffè")},
        {QStringLiteral("perché.jpg"), QStringLiteral("perche\u0301")},
        {QStringLiteral("l'ape.jpg"), QStringLiteral("l’ape")},
        {QStringLiteral("L’ORSO.JPG"), QStringLiteral("l'orso")},
        {QStringLiteral("mela.PNG"), QStringLiteral("mela")},
    };
    for (const auto &match : matches) {
        writeJpeg(jpg.filePath(match.file), Qt::red);
        EXPECT_EQ(find(match.word), jpg.filePath(match.file)) << match.word.toStdString();
    }

    // ".jpg" before ".jpeg" before ".png", whatever the letter case.
    for (const char *name : {"pera.png", "Pera.JPEG", "PERA.jpg", "uva.PNG", "uva.jpeg"})
        writeJpeg(jpg.filePath(QString::fromLatin1(name)), Qt::red);
    EXPECT_EQ(find(QStringLiteral("pera")), jpg.filePath("PERA.jpg"));
    EXPECT_EQ(find(QStringLiteral("uva")), jpg.filePath("uva.jpeg"));
    // Only pictures' endings.
    writeJpeg(jpg.filePath(QStringLiteral("noce.gif")), Qt::red);
    QDir(jpg).mkdir(QStringLiteral("fico.jpg"));
    EXPECT_EQ(find(QStringLiteral("noce")), QString());
    EXPECT_EQ(find(QStringLiteral("fico")), QString());
}

TEST_F(PictureTest, TheListsOwnPicturesComeBeforeTheProgramsOnes)
{
    QTemporaryDir list;
    ASSERT_TRUE(QDir(list.path()).mkdir(QStringLiteral("jpg")));
    const QDir listJpg(list.filePath(QStringLiteral("jpg")));
    writeJpeg(jpg.filePath(QStringLiteral("cane.jpg")), Qt::red);
    writeJpeg(listJpg.filePath(QStringLiteral("Cane.png")), Qt::red);
    writeJpeg(jpg.filePath(QStringLiteral("gatto.jpg")), Qt::red);
    writeJpeg(list.filePath(QStringLiteral("segreto.jpg")), Qt::red);

    const WordFolders folders{list.path(), program.path()};
    EXPECT_EQ(pictureFileFor(folders, QStringLiteral("cane")), listJpg.filePath("Cane.png"));
    EXPECT_EQ(pictureFileFor(folders, QStringLiteral("gatto")), jpg.filePath("gatto.jpg"));
    EXPECT_EQ(pictureFileFor(folders, QStringLiteral("../segreto")), QString());
    // A list with no pictures beside it, or none loaded, has the program's.
    EXPECT_EQ(pictureFileFor({program.filePath("jpg"), program.path()}, QStringLiteral("cane")),
              jpg.filePath("cane.jpg"));
    EXPECT_EQ(pictureFileFor({QString(), program.path()}, QStringLiteral("cane")),
              jpg.filePath("cane.jpg"));
}

TEST_F(PictureTest, AWordNeverLeadsOutOfThePictureFolder)
{
    writeJpeg(program.filePath(QStringLiteral("segreto.jpg")), Qt::red);
    QDir(jpg).mkdir(QStringLiteral("sub"));
    writeJpeg(jpg.filePath(QStringLiteral("sub/x.jpg")), Qt::red);
    for (const QString &word :
         {QStringLiteral("../segreto"), QStringLiteral("..\\segreto"), QStringLiteral("sub/x"),
          QStringLiteral("sub\\x"), QString::fromUtf8("x\x01"), QStringLiteral("C:segreto"),
          QString(), QStringLiteral("..")})
        EXPECT_EQ(find(word), QString()) << word.toStdString();
}

TEST_F(PictureTest, DecodesInProportionWithinTheAskedSizeWhateverTheFileIsCalled)
{
    const QString path = jpg.filePath(QStringLiteral("rosso.jpg"));
    writeJpeg(path, Qt::red, 400, 300);
    const QImage image = decodePicture(path, QSize(73, 65));
    ASSERT_EQ(image.size(), QSize(73, 54));
    EXPECT_TRUE(isRed(image.pixelColor(36, 27)));

    // The content decides: a PNG called ".jpg", a small picture grown to the box.
    QImage small(30, 40, QImage::Format_RGB32);
    small.fill(Qt::blue);
    const QString png = jpg.filePath(QStringLiteral("blu.jpg"));
    ASSERT_TRUE(small.save(png, "PNG"));
    const QImage grown = decodePicture(png, QSize(200, 100));
    ASSERT_EQ(grown.size(), QSize(75, 100));
    EXPECT_TRUE(isBlue(grown.pixelColor(37, 50)));
}

TEST_F(PictureTest, PhoneShotsComeOutUprightWhicheverWayTheCameraWasHeld)
{
    // A landscape scene with a red top-left corner on blue, and stripes a pixel wide along its
    // bottom: they stay apart only in a picture decoded at full size, not grown to it.
    QImage scene(160, 128, QImage::Format_RGB32);
    scene.fill(Qt::blue);
    QPainter painter(&scene);
    painter.fillRect(0, 0, 80, 64, Qt::red);
    for (int x = 0; x < 160; x += 2) {
        painter.fillRect(x, 96, 1, 32, Qt::black);
        painter.fillRect(x + 1, 96, 1, 32, Qt::white);
    }
    painter.end();

    for (const quint16 orientation : {1, 3, 6, 8}) {
        SCOPED_TRACE(orientation);
        const QString path = jpg.filePath(QStringLiteral("foto%1.jpg").arg(orientation));
        writeFile(path, photoTaken(scene, orientation));
        // Fitted by its upright shape, so decoded at its full size.
        const QImage image = decodePicture(path, QSize(160, 128));
        ASSERT_EQ(image.size(), QSize(160, 128));
        EXPECT_TRUE(isRed(image.pixelColor(20, 15)));
        EXPECT_TRUE(isBlue(image.pixelColor(140, 15)));
        EXPECT_TRUE(isBlue(image.pixelColor(20, 80)));
        EXPECT_TRUE(isBlue(image.pixelColor(140, 80)));
        for (const int x : {40, 120})
            EXPECT_GT(image.pixelColor(x + 1, 110).lightness() -
                          image.pixelColor(x, 110).lightness(),
                      120);
    }
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
    box.resize(80, 60);
    box.show();
    EXPECT_EQ(box.content(), PictureBox::Content::Nothing);

    box.loadPicture(path);
    PictureBox::waitForPictures();
    EXPECT_EQ(box.content(), PictureBox::Content::Picture);
    EXPECT_TRUE(isRed(box.grab().toImage().pixelColor(40, 30)));
    box.resize(160, 120); // a larger box decodes again, at its new size
    PictureBox::waitForPictures();
    EXPECT_EQ(box.grab().toImage().size(), QSize(160, 120));
    EXPECT_TRUE(isRed(box.grab().toImage().pixelColor(155, 115)));

    box.loadPicture(jpg.filePath(QStringLiteral("rotta.jpg")));
    PictureBox::waitForPictures();
    EXPECT_EQ(box.content(), PictureBox::Content::Placeholder);
    box.loadPicture(QString());
    EXPECT_EQ(box.content(), PictureBox::Content::Placeholder);
    box.loadPicture(jpg.filePath(QStringLiteral("assente.jpg")));
    PictureBox::waitForPictures();
    EXPECT_EQ(box.content(), PictureBox::Content::Placeholder);
    box.clearPicture();
    EXPECT_EQ(box.content(), PictureBox::Content::Nothing);
}

// Words without a picture differ by their first letter, as the class writes it; the apostrophe of
// an elided article is no letter.
TEST_F(PictureTest, AMissingPictureShowsTheWordsInitialInTheClasssLetterForm)
{
    const auto drawn = [](const QString &word, LetterForm form) {
        PictureBox box;
        box.resize(90, 80);
        box.setPlaceholderInitial(word, form);
        box.loadPicture(QString());
        return box.grab().toImage();
    };
    PictureBox plain;
    plain.resize(90, 80);
    plain.loadPicture(QString());
    const QImage mountain = plain.grab().toImage();

    const QImage zaino = drawn(QStringLiteral("zaino"), LetterForm::Capitals);
    EXPECT_NE(zaino, mountain);
    EXPECT_EQ(zaino, drawn(QStringLiteral("Zucca"), LetterForm::Capitals));
    EXPECT_NE(zaino, drawn(QStringLiteral("mela"), LetterForm::Capitals));
    EXPECT_EQ(drawn(QStringLiteral("l'ape"), LetterForm::Capitals),
              drawn(QStringLiteral("lupo"), LetterForm::Capitals));
    EXPECT_NE(drawn(QStringLiteral("Mela"), LetterForm::Capitals),
              drawn(QStringLiteral("Mela"), LetterForm::Lowercase));
    EXPECT_EQ(drawn(QStringLiteral("Mela"), LetterForm::Lowercase),
              drawn(QStringLiteral("mela"), LetterForm::Lowercase));
}

TEST_F(PictureTest, APictureOfAnotherShapeStandsWholeInTheMiddleOfItsBox)
{
    const QString path = jpg.filePath(QStringLiteral("ritratto.jpg"));
    writeJpeg(path, Qt::red, 300, 400);
    PictureBox box;
    box.resize(200, 100);
    box.show();
    box.loadPicture(path);
    // At first the box is empty on its ground; the picture follows once decoded.
    EXPECT_EQ(box.content(), PictureBox::Content::Waiting);
    EXPECT_EQ(box.grab().toImage().pixelColor(100, 50), kGround);
    PictureBox::waitForPictures();

    // 75 x 100 in the middle: columns 62 to 136.
    const QImage shot = box.grab().toImage();
    for (const int x : {0, 60, 139, 199})
        EXPECT_EQ(shot.pixelColor(x, 50), kGround) << x;
    for (const QPoint p : {QPoint(63, 50), QPoint(135, 50), QPoint(100, 0), QPoint(100, 99)})
        EXPECT_TRUE(isRed(shot.pixelColor(p))) << p.x() << "," << p.y();
}

TEST_F(PictureTest, APictureDecodedOnceShowsAtOnceAfterwardsUntilItsFileChanges)
{
    const QString path = jpg.filePath(QStringLiteral("mela.jpg"));
    writeJpeg(path, Qt::red, 640, 480);
    PictureBox first;
    first.resize(80, 60);
    first.show();
    first.loadPicture(path);
    PictureBox::waitForPictures();

    PictureBox next;
    next.resize(80, 60);
    next.show();
    next.loadPicture(path);
    // Drawn in the box's first painting, with no wait for a decoding thread.
    EXPECT_TRUE(isRed(next.grab().toImage().pixelColor(40, 30)));
    EXPECT_EQ(next.content(), PictureBox::Content::Picture);

    // The same name with other content is decoded anew.
    writeFile(path, "non più una figura");
    next.loadPicture(path);
    EXPECT_EQ(next.content(), PictureBox::Content::Waiting);
    PictureBox::waitForPictures();
    EXPECT_EQ(next.content(), PictureBox::Content::Placeholder);
}

TEST_F(PictureTest, AWindowsPicturesDecodeOnlyAfterItsFirstDrawing)
{
    const QString path = jpg.filePath(QStringLiteral("titolo.jpg"));
    writeJpeg(path, Qt::red, 400, 300);
    // As the title window does: pictures chosen as the window is built, before it is shown.
    QWidget window;
    window.resize(100, 100);
    auto *box = new PictureBox(&window);
    box->setGeometry(0, 0, 80, 60);
    box->loadPicture(path);
    window.show();
    // Shown, but not yet exposed by the window system: nothing may compete with its drawing.
    QCoreApplication::sendPostedEvents();
    PictureLoader::shared().waitForAll();
    ASSERT_FALSE(window.windowHandle()->isExposed());
    EXPECT_FALSE(PictureLoader::shared().kept(path, QSize(80, 60)));

    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PictureBox::waitForPictures();
    EXPECT_EQ(box->content(), PictureBox::Content::Picture);
}

TEST_F(PictureTest, AWindowClosedWhileItsPicturesDecodeLetsThemGo)
{
    QImage photo(2400, 1800, QImage::Format_RGB32);
    photo.fill(Qt::red);
    const QString path = jpg.filePath(QStringLiteral("grande.jpg"));
    ASSERT_TRUE(photo.save(path, "JPEG", 90));
    PictureBox survivor;
    survivor.resize(90, 90);
    for (int round = 0; round < 5; ++round) {
        auto *window = new QWidget;
        for (int i = 0; i < 10; ++i) {
            auto *box = new PictureBox(window);
            box->setGeometry(0, 0, 100 + round * 10 + i, 100);
        }
        window->show();
        for (PictureBox *box : window->findChildren<PictureBox *>())
            box->loadPicture(path);
        QCoreApplication::sendPostedEvents(); // the decodes start
        delete window;
    }
    // A box still open wants one of the same pictures in the meantime.
    survivor.show();
    survivor.loadPicture(path);
    PictureBox::waitForPictures();
    EXPECT_EQ(survivor.content(), PictureBox::Content::Picture);
}

TEST_F(PictureTest, TheIconIsReadAsideAndShowsItsImageWithTheMostColours)
{
    const QString iconFile = QStringLiteral(":/zibaldo.ico");
    const QList<QImage> images = decodeIconImages(iconFile);
    ASSERT_EQ(images.size(), 1); // 16 and 256 colours, both 32 x 32
    const QImage shown =
        QIcon(iconFile).pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(images.front().convertToFormat(QImage::Format_ARGB32), shown);
    writeFile(jpg.filePath(QStringLiteral("icona.ico")), "non un'icona");
    EXPECT_TRUE(decodeIconImages(jpg.filePath(QStringLiteral("icona.ico"))).isEmpty());

    QIcon delivered;
    auto *gone = new QObject;
    int toTheGone = 0;
    PictureLoader::shared().loadIcon(iconFile, gone, [&](const QIcon &) { ++toTheGone; });
    delete gone;
    QObject window;
    PictureLoader::shared().loadIcon(iconFile, &window,
                                     [&](const QIcon &icon) { delivered = icon; });
    EXPECT_TRUE(delivered.isNull()); // never before the caller returns to its events
    PictureLoader::shared().waitForAll();
    EXPECT_EQ(toTheGone, 0);
    EXPECT_EQ(delivered.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32), shown);
}

TEST(PictureCacheTest, KeepsWithinItsBoundLettingTheLeastRecentlyUsedGo)
{
    const QImage image(100, 75, QImage::Format_RGB32); // 30000 bytes
    PictureCache cache(100'000);
    const auto file = [](int n) { return PictureFile{QString::number(n), 0, 0}; };
    const QSize box(100, 80);
    cache.insert(file(1), image);
    cache.insert(file(2), image);
    cache.insert(file(3), image);
    EXPECT_TRUE(cache.find(file(1), box)); // now used more recently than 2
    cache.insert(file(4), image);
    EXPECT_LE(cache.usedBytes(), cache.mostBytes());
    EXPECT_TRUE(cache.find(file(1), box));
    EXPECT_FALSE(cache.find(file(2), box));
    EXPECT_TRUE(cache.find(file(3), box));
    EXPECT_TRUE(cache.find(file(4), box));

    for (int n = 5; n < 40; ++n) {
        cache.insert(file(n), image);
        EXPECT_LE(cache.usedBytes(), cache.mostBytes());
    }
    EXPECT_TRUE(cache.find(file(39), box));
    EXPECT_FALSE(cache.find(file(1), box));
    // Larger than the whole bound: not kept, and nothing else lost for it.
    cache.insert(file(99), QImage(200, 200, QImage::Format_RGB32));
    EXPECT_FALSE(cache.find(file(99), QSize(200, 200)));
    EXPECT_TRUE(cache.find(file(39), box));
    // Also a decode for each size the file is shown at.
    cache.insert(file(39), QImage(40, 30, QImage::Format_RGB32));
    EXPECT_LE(cache.usedBytes(), cache.mostBytes());
    EXPECT_EQ(cache.find(file(39), QSize(40, 35))->size(), QSize(40, 30));
    EXPECT_EQ(cache.find(file(39), box)->size(), QSize(100, 75));
}

TEST(PictureCacheTest, ADecodeServesBoxesThatShowItAtItsSize)
{
    PictureCache cache;
    const PictureFile file{QStringLiteral("foto.jpg"), 5, 1000};
    cache.insert(file, QImage(152, 114, QImage::Format_RGB32));
    // The boxes of one window differ by a pixel where their edges are rounded.
    for (const QSize box : {QSize(152, 135), QSize(152, 136), QSize(151, 114), QSize(200, 114)})
        EXPECT_TRUE(cache.find(file, box)) << box.width() << "x" << box.height();
    for (const QSize box : {QSize(76, 68), QSize(304, 270), QSize(200, 150)})
        EXPECT_FALSE(cache.find(file, box)) << box.width() << "x" << box.height();
    // The same name with other content, or another time, is another picture.
    EXPECT_FALSE(cache.find(PictureFile{file.path, 5, 999}, QSize(152, 135)));
    EXPECT_FALSE(cache.find(PictureFile{file.path, 6, 1000}, QSize(152, 135)));
    // A file that cannot be shown cannot be at any size.
    cache.insert(file, QImage());
    EXPECT_TRUE(cache.find(file, QSize(500, 500))->isNull());
}

} // namespace
