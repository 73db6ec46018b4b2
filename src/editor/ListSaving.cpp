// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSaving.h"

#include "SavedPicture.h"
#include "core/WordChecks.h"
#include "core/WordListStore.h"
#include "platform/WordFiles.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/voice/RecordingShape.h"
#include "platform/voice/WavFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
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

// The file of `word` of that kind as this editor names it, beside the list in `folder`.
QString ownFile(const QString &folder, const WordFileKind &kind, const QString &word)
{
    return QDir(folder).filePath(QStringLiteral("%1/%2%3").arg(
        QLatin1String(kind.folder), word, QLatin1String(kind.endings.front())));
}

struct PictureJob
{
    QString target;
    TileFile picture;
    QString word;
    QString standing; // the picture file the games would take for the word now, if any
};

bool sameBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

bool writtenHere(const QString &path, WordTile::FileKind kind)
{
    return kind == WordTile::FileKind::Picture ? isPictureWrittenHere(path)
                                               : readWavFile(path).ours;
}

// Whether the file the games would take for the word now may be replaced by `bytes`: when it is
// one of this editor's own under the name it writes, without a question; a file of the teacher's
// only when she says so.
enum class Standing
{
    Replace,
    Skip,
};

Standing settleStanding(const QString &standing, const QString &target, const QByteArray &bytes,
                        WordTile::FileKind kind, const QString &word, Dialogs &dialogs,
                        QWidget *parent)
{
    if (standing.isEmpty())
        return Standing::Replace;
    if (standing == target) {
        // Written by an earlier save of this very file, one that failed further on.
        if (sameBytes(standing, bytes))
            return Standing::Skip;
        if (writtenHere(standing, kind))
            return Standing::Replace;
    }
    const QString question =
        kind == WordTile::FileKind::Picture
            ? QStringLiteral("Nella cartella della lista c'è già un'immagine per «%1» (%2). "
                             "Sostituirla?")
            : QStringLiteral("Nella cartella della lista c'è già una voce per «%1» (%2). "
                             "Sostituirla?");
    return dialogs.question(parent, question.arg(word, QFileInfo(standing).fileName()))
               ? Standing::Replace
               : Standing::Skip;
}

// The words of the other lists in the folder: their files stay, whatever this list does.
QSet<QString> wordsOfOtherLists(const QString &folder, const QString &listPath)
{
    QSet<QString> words;
    const QFileInfoList lists =
        QDir(folder).entryInfoList({QStringLiteral("*.txt"), QStringLiteral("*.csv")}, QDir::Files);
    for (const QFileInfo &list : lists) {
        if (list == QFileInfo(listPath))
            continue;
        WordListStore store;
        if (!store.loadWordList(list.absoluteFilePath()).loaded())
            continue;
        for (const QString &word : store.distinctWords())
            words.insert(wordKey(word));
    }
    return words;
}

// Takes away the files this editor wrote for words the list no longer has, under exactly the
// names it writes, keeping a copy of each in `keptFolder` for the session's undo. A file that
// cannot be taken away stays: the list is saved all the same.
QHash<QString, QString> removeFilesOfGoneWords(const QString &listPath,
                                               const QList<WordTile> &tiles,
                                               const QStringList &savedWords,
                                               const QString &keptFolder)
{
    QSet<QString> kept;
    for (const WordTile &tile : tiles)
        kept.insert(wordKey(tile.word));
    QStringList gone;
    for (const QString &word : savedWords) {
        if (!kept.contains(wordKey(word)))
            gone << word;
    }
    QHash<QString, QString> moved;
    if (gone.isEmpty())
        return moved;
    const QString folder = QFileInfo(listPath).absolutePath();
    kept.unite(wordsOfOtherLists(folder, listPath));
    for (const QString &word : gone) {
        if (kept.contains(wordKey(word)))
            continue;
        for (const WordTile::FileKind kind :
             {WordTile::FileKind::Picture, WordTile::FileKind::Recording}) {
            const WordFileKind &files =
                kind == WordTile::FileKind::Picture ? kPictureFiles : kRecordingFiles;
            const QString file = ownFile(folder, files, word);
            if (!QFileInfo(file).isFile() || !writtenHere(file, kind))
                continue;
            const QString copy =
                QDir(keptFolder)
                    .filePath(
                        QStringLiteral("%1-%2").arg(moved.size()).arg(QFileInfo(file).fileName()));
            if (QFile::copy(file, copy) && QFile::remove(file))
                moved.insert(file, copy);
        }
    }
    return moved;
}

// The recording of a tile as the list keeps it: PCM 16-bit mono at a kept rate.
std::optional<QByteArray> recordingBytes(const TileFile &recording)
{
    const std::optional<Speech> sound = readRecording(recording.path);
    if (!sound)
        return std::nullopt;
    return wavBytes(atKeptRate(*sound));
}

// The recordings, in `voce/` of `folder`; the failure in Italian, or empty.
QString saveRecordings(const QString &folder, const QList<WordTile> &tiles, Dialogs &dialogs,
                       QWidget *parent)
{
    const bool any = std::any_of(tiles.begin(), tiles.end(),
                                 [](const WordTile &tile) { return tile.recording.isSet(); });
    const QString recordingFolder = QDir(folder).filePath(QStringLiteral("voce"));
    if (any && !QDir().mkpath(recordingFolder))
        return QStringLiteral("Non riesco a creare la cartella «%1».")
            .arg(QDir::toNativeSeparators(recordingFolder));
    for (const WordTile &tile : tiles) {
        if (!tile.recording.isSet())
            continue;
        const QString there = recordingFileFor({folder, folder}, tile.word);
        if (!there.isEmpty() && QFileInfo(there) == QFileInfo(tile.recording.path))
            continue;
        const std::optional<QByteArray> wav = recordingBytes(tile.recording);
        if (!wav)
            return QStringLiteral("La voce di «%1» non si può più leggere (%2): la lista non è "
                                  "stata salvata.")
                .arg(tile.word, QFileInfo(tile.recording.path).fileName());
        const QString target = ownFile(folder, kRecordingFiles, tile.word);
        if (settleStanding(there, target, *wav, WordTile::FileKind::Recording, tile.word, dialogs,
                           parent) == Standing::Skip)
            continue;
        if (QString failure = writeWhole(target, *wav); !failure.isEmpty())
            return failure;
    }
    return {};
}

SaveOutcome failedWith(const QString &failure)
{
    return {false, failure, {}};
}

} // namespace

QByteArray listFileBytes(const QStringList &words)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &word : words)
        bytes += word.toUtf8() + "\r\n";
    return bytes;
}

SaveOutcome saveList(const ListToSave &list, Dialogs &dialogs, QWidget *parent,
                     const std::function<void(int done, int total)> &progress)
{
    const QString &listPath = list.path;
    const QList<WordTile> &tiles = list.tiles;
    const QString folder = QFileInfo(listPath).absolutePath();
    const QString pictureFolder = QDir(folder).filePath(QStringLiteral("jpg"));
    if (!QDir().mkpath(pictureFolder))
        return failedWith(QStringLiteral("Non riesco a creare la cartella «%1».")
                              .arg(QDir::toNativeSeparators(pictureFolder)));
    if (QString failure = saveRecordings(folder, tiles, dialogs, parent); !failure.isEmpty())
        return failedWith(failure);

    QList<PictureJob> jobs;
    for (const WordTile &tile : tiles) {
        if (!tile.picture.isSet())
            continue;
        const QString there = pictureFileFor({folder, folder}, tile.word);
        // The list's own picture, where the games find it already.
        if (!there.isEmpty() && QFileInfo(there) == QFileInfo(tile.picture.path))
            continue;
        jobs.append({ownFile(folder, kPictureFiles, tile.word), tile.picture, tile.word, there});
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
                return failedWith(
                    QStringLiteral("L'immagine di «%1» non si può più leggere: la lista "
                                   "non è stata salvata.")
                        .arg(job.word));
            const QByteArray jpeg = jpegOf(picture);
            if (settleStanding(job.standing, job.target, jpeg, WordTile::FileKind::Picture,
                               job.word, dialogs, parent) == Standing::Skip)
                continue;
            if (QString failure = writeWhole(job.target, jpeg); !failure.isEmpty())
                return failedWith(failure);
        }
        progress(std::min(total, first + kPicturesAtOnce), total);
    }

    QStringList words;
    for (const WordTile &tile : tiles)
        words << tile.word;
    if (QString failure = writeWhole(listPath, listFileBytes(words)); !failure.isEmpty())
        return failedWith(failure);
    SaveOutcome saved{true, {}, {}};
    if (QFileInfo(list.savedFolder) == QFileInfo(folder))
        saved.moved = removeFilesOfGoneWords(listPath, tiles, list.savedWords, list.keptFolder);
    return saved;
}
