// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureIntake.h"

#include "SavedPicture.h"
#include "WordTilesModel.h"
#include "platform/pictures/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>

namespace {

// What Qt itself puts on the clipboard from an image of this program's.
const QString kQtImage = QStringLiteral("application/x-qt-image");

QString imageFormatIn(const QMimeData *mime)
{
    const QStringList formats = mime->formats();
    for (const QString &format : formats) {
        if (format.startsWith(QLatin1String("image/")))
            return format;
    }
    return {};
}

QString localFileIn(const QMimeData *mime)
{
    if (!mime->hasUrls())
        return {};
    const QList<QUrl> urls = mime->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

PictureIntake::PictureIntake(QObject *parent) : QObject(parent) {}

bool PictureIntake::bringsPicture(const QMimeData *mime)
{
    return mime && (mime->formats().contains(kQtImage) || !imageFormatIn(mime).isEmpty() ||
                    !localFileIn(mime).isEmpty());
}

bool PictureIntake::take(const QMimeData *mime, const QString &word)
{
    if (!mime)
        return false;
    // The image as data comes first: a browser's drop names its page's address as well.
    if (mime->formats().contains(kQtImage)) {
        takeImage(qvariant_cast<QImage>(mime->imageData()), word);
        return true;
    }
    // Kept as it came, so that it is decoded scaled like any picture file, however large.
    if (const QString format = imageFormatIn(mime); !format.isEmpty()) {
        const QString file = broughtFile(format.mid(int(qstrlen("image/"))));
        QFile brought(file);
        if (brought.open(QIODevice::WriteOnly) && brought.write(mime->data(format)) >= 0 &&
            brought.flush())
            takeFile(file, word);
        else
            emit refused(QStringLiteral("Non riesco a tenere questa immagine: il disco è pieno?"));
        return true;
    }
    if (const QString file = localFileIn(mime); !file.isEmpty()) {
        takeFile(file, word);
        return true;
    }
    return false;
}

void PictureIntake::takeFile(const QString &path, const QString &word)
{
    // Decoding the thumbnail tells whether the file is a picture at all.
    PictureLoader::shared().load(
        path, WordTilesModel::kThumbnail, this, [this, path, word](const QImage &thumbnail) {
            if (thumbnail.isNull())
                emit refused(QStringLiteral("«%1» non è un'immagine che Zibaldo sa leggere.")
                                 .arg(QFileInfo(path).fileName()));
            else
                emit pictureReady(word, {TileFile::Source::File, path});
        });
}

QString PictureIntake::broughtFile(const QString &ending)
{
    return QDir(brought_.path()).filePath(QStringLiteral("%1.%2").arg(++broughtCount_).arg(ending));
}

void PictureIntake::takeImage(const QImage &image, const QString &word)
{
    // Uncompressed: written and read again in a moment, and never lossy.
    const QString file = broughtFile(QStringLiteral("bmp"));
    // Scaling a photo's worth of pixels takes longer than the window may stop answering.
    QThreadPool::globalInstance()->start([self = QPointer<PictureIntake>(this), image, word, file] {
        const QImage ready = pictureForSaving(image);
        const bool kept = !ready.isNull() && ready.save(file, "BMP");
        QMetaObject::invokeMethod(
            self,
            [self, kept, file, word] {
                if (!kept)
                    emit self->refused(
                        QStringLiteral("Questa immagine non si può leggere: prova a copiarla "
                                       "di nuovo o a salvarla in un file."));
                else
                    self->takeFile(file, word);
            },
            Qt::QueuedConnection);
    });
}
