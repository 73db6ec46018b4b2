// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "Photos.h"
#include "editor/FormPreparaLista.h"
#include "editor/ListDocument.h"
#include "editor/ListSaving.h"
#include "platform/pictures/PictureLoader.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {

// Ten 4000 x 3000 phone photos, made once.
const QDir &photoFolder()
{
    static QTemporaryDir folder;
    static const QDir photos = [] {
        for (int i = 0; i < 10; ++i)
            writeLargePhoto(folder.filePath(QStringLiteral("foto%1.jpg").arg(i)), i);
        return QDir(folder.path());
    }();
    return photos;
}

void discardWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The event loop runs until `done`; the longest single turn is how long the window stopped
// answering.
template <typename Done> qint64 runUntil(Done done)
{
    qint64 longest = 0;
    QElapsedTimer turn;
    while (!done()) {
        turn.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = std::max(longest, turn.elapsed());
    }
    return longest;
}

enum class Brought
{
    ImageData,   // "Copia immagine" in a browser, a screenshot
    FileAddress, // a photo's file dropped or copied from the file manager
};

// From Ctrl+V on a word to its tile showing the photo's thumbnail.
void photoToThumbnail(benchmark::State &state, Brought brought)
{
    BundledProgram program;
    const QString photo = photoFolder().filePath(QStringLiteral("foto0.jpg"));
    const QImage pixels(photo);
    qint64 longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PictureLoader::shared().cache().clear();
        auto *mime = new QMimeData;
        if (brought == Brought::ImageData)
            mime->setImageData(pixels);
        else
            mime->setUrls({QUrl::fromLocalFile(photo)});
        QGuiApplication::clipboard()->setMimeData(mime);
        auto *editor = new FormPreparaLista(program.services, {});
        editor->show();
        editor->grab();
        editor->document().addWord(QStringLiteral("zaino"));
        WordTilesModel &tiles = editor->document().tiles();
        editor->findChild<QAbstractItemView *>()->setCurrentIndex(tiles.index(0));
        state.ResumeTiming();
        QElapsedTimer paste;
        paste.start();
        editor->findChild<QAction *>(QStringLiteral("IncollaImmagine"))->trigger();
        longest = std::max(longest, paste.elapsed());
        longest = std::max(longest, runUntil([&] { return tiles.tile(0).picture.isSet(); }));
        // The thumbnail, decoded off the window's thread as the tile is drawn.
        benchmark::DoNotOptimize(editor->grab());
        longest = std::max(longest, runUntil([&] {
                               return PictureLoader::shared()
                                   .kept(tiles.tile(0).picture.path, WordTilesModel::kThumbnail)
                                   .has_value();
                           }));
        benchmark::DoNotOptimize(editor->grab());
        state.PauseTiming();
        discardWindows();
        state.ResumeTiming();
    }
    state.counters["longest_turn_ms"] = double(longest);
}
BENCHMARK_CAPTURE(photoToThumbnail, pastedImage, Brought::ImageData)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(photoToThumbnail, droppedFile, Brought::FileAddress)
    ->Unit(benchmark::kMillisecond);

// A list of 500 words, each with an 800 x 600 picture beside it, made once.
const QString &fiveHundredList()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        QDir(folder.path()).mkdir(QStringLiteral("jpg"));
        QImage picture(800, 600, QImage::Format_RGB32);
        QFile list(folder.filePath(QStringLiteral("grande.txt")));
        list.open(QIODevice::WriteOnly);
        for (int i = 0; i < 500; ++i) {
            const QString word = QStringLiteral("parola%1").arg(i);
            picture.fill(QColor::fromHsv(i % 360, 200, 220));
            picture.save(folder.filePath(QStringLiteral("jpg/%1.jpg").arg(word)), "JPEG", 90);
            list.write(word.toUtf8() + "\r\n");
        }
        return list.fileName();
    }();
    return path;
}

// From opening the list to the editor's first screen drawn with its tiles; the thumbnails follow,
// and the time until the first screen's are all in is counted apart.
void openFiveHundred(benchmark::State &state)
{
    BundledProgram program;
    const QString list = fiveHundredList();
    qint64 thumbnails = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PictureLoader::shared().cache().clear();
        state.ResumeTiming();
        QElapsedTimer opening;
        opening.start();
        auto *editor = new FormPreparaLista(program.services, list);
        editor->showMaximized();
        benchmark::DoNotOptimize(editor->grab());
        state.PauseTiming();
        const auto *view = editor->findChild<QAbstractItemView *>();
        const WordTilesModel &tiles = editor->document().tiles();
        runUntil([&] {
            for (int row = 0; row < tiles.rowCount(); ++row) {
                if (view->visualRect(tiles.index(row)).intersects(view->viewport()->rect()) &&
                    !PictureLoader::shared()
                         .kept(tiles.tile(row).picture.path, WordTilesModel::kThumbnail)
                         .has_value())
                    return false;
            }
            return true;
        });
        thumbnails = std::max(thumbnails, opening.elapsed());
        state.counters["words"] = tiles.rowCount();
        PictureLoader::shared().waitForAll();
        discardWindows();
        state.ResumeTiming();
    }
    state.counters["first_screen_thumbnails_ms"] = double(thumbnails);
}
BENCHMARK(openFiveHundred)->Unit(benchmark::kMillisecond)->Iterations(10);

// Thirty words, each with a phone photo, saved as a list with its pictures.
void saveThirtyPhotos(benchmark::State &state)
{
    BundledProgram program;
    QList<WordTile> tiles;
    for (int i = 0; i < 30; ++i)
        tiles.append({QStringLiteral("parola%1").arg(i),
                      {TileFile::Source::File,
                       photoFolder().filePath(QStringLiteral("foto%1.jpg").arg(i % 10))},
                      {}});
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir target;
        const QString list = QDir(target.path()).filePath(QStringLiteral("foto.txt"));
        state.ResumeTiming();
        const SaveOutcome outcome =
            saveList({list, tiles, {}, {}, {}}, program.dialogs, nullptr, [](int, int) {});
        if (!outcome.saved)
            state.SkipWithError(outcome.failure.toUtf8().constData());
    }
}
BENCHMARK(saveThirtyPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
