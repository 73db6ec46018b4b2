// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSaving.h"

#include "SavedPicture.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/pictures/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <chrono>
#include <future>

namespace {

// Two pictures are made ready at a time: the machine may have no more cores.
constexpr int kPicturesAtOnce = 2;
constexpr std::chrono::milliseconds kProgressStep(40);

QString whyNotWritten(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
    case QFileDevice::OpenError:
        return QStringLiteral("non ho il permesso di scrivere in quella cartella");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("il disco è pieno o non c'è più");
    default:
        return QStringLiteral("il file non si può scrivere");
    }
}

// Written whole in place of the old file, or not at all.
QString writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Non riesco a salvare «%1»: %2.")
            .arg(QDir::toNativeSeparators(path), whyNotWritten(file));
    return {};
}

struct PictureJob
{
    QString target;
    TilePicture picture;
    QString word;
    QString standing; // the picture file the games would take for the word now, if any
};

bool sameBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

} // namespace

QByteArray listFileBytes(const QStringList &words)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &word : words)
        bytes += word.toUtf8() + "\r\n";
    return bytes;
}

SaveOutcome saveList(const QString &listPath, const QList<WordTile> &tiles, Dialogs &dialogs,
                     QWidget *parent, const std::function<void(int done, int total)> &progress)
{
    const QString folder = QFileInfo(listPath).absolutePath();
    const QString pictureFolder = QDir(folder).filePath(QStringLiteral("jpg"));
    if (!QDir().mkpath(pictureFolder))
        return {false, QStringLiteral("Non riesco a creare la cartella «%1».")
                           .arg(QDir::toNativeSeparators(pictureFolder))};

    QList<PictureJob> jobs;
    for (const WordTile &tile : tiles) {
        if (!tile.picture.isSet())
            continue;
        const QString there = pictureFileFor({folder, folder}, tile.word);
        // The list's own picture, where the games find it already.
        if (!there.isEmpty() && QFileInfo(there) == QFileInfo(tile.picture.path))
            continue;
        jobs.append({QDir(pictureFolder).filePath(tile.word + QStringLiteral(".jpg")), tile.picture,
                     tile.word, there});
    }

    const int total = int(jobs.size());
    for (int first = 0; first < total; first += kPicturesAtOnce) {
        std::vector<std::future<QImage>> ready;
        for (int i = first; i < std::min(total, first + kPicturesAtOnce); ++i)
            ready.push_back(
                std::async(std::launch::async, pictureFileForSaving, jobs[i].picture.path));
        for (std::size_t k = 0; k < ready.size(); ++k) {
            while (ready[k].wait_for(kProgressStep) != std::future_status::ready)
                progress(first, total);
            const PictureJob &job = jobs[first + int(k)];
            const QImage picture = ready[k].get();
            if (picture.isNull())
                return {false, QStringLiteral("L'immagine di «%1» non si può più leggere: la lista "
                                              "non è stata salvata.")
                                   .arg(job.word)};
            const QByteArray jpeg = jpegOf(picture);
            if (!job.standing.isEmpty()) {
                // Written by an earlier save of this very picture, one that failed further on.
                if (job.standing == job.target && sameBytes(job.standing, jpeg))
                    continue;
                if (!dialogs.question(parent,
                                      QStringLiteral("Nella cartella della lista c'è già "
                                                     "un'immagine per «%1» (%2). "
                                                     "Sostituirla?")
                                          .arg(job.word, QFileInfo(job.standing).fileName())))
                    continue;
            }
            if (QString failure = writeWhole(job.target, jpeg); !failure.isEmpty())
                return {false, failure};
        }
        progress(std::min(total, first + kPicturesAtOnce), total);
    }

    QStringList words;
    for (const WordTile &tile : tiles)
        words << tile.word;
    if (QString failure = writeWhole(listPath, listFileBytes(words)); !failure.isEmpty())
        return {false, failure};
    return {true, {}};
}
