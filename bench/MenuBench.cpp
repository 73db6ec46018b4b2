// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "Photos.h"
#include "app/Navigator.h"
#include "compose/FormComponi.h"
#include "menu/FormMenu.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/pictures/PictureLoader.h"
#include "title/FormAvvio.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// A teacher's list of ten words, each with a 4000 x 3000 phone photo in the `jpg` folder beside
// the list, made once.
const QString &photoList()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QStringList words = {"cane", "gatto", "mela", "pera", "lupo",
                                   "rana", "topo",  "orso", "ape",  "uva"};
        QDir(folder.path()).mkdir(QStringLiteral("jpg"));
        QFile list(folder.filePath(QStringLiteral("animali.txt")));
        list.open(QIODevice::WriteOnly);
        for (int i = 0; i < words.size(); ++i) {
            list.write(words[i].toUtf8() + "\r\n");
            writeLargePhoto(folder.filePath(QStringLiteral("jpg/%1.jpg").arg(words[i])), i);
        }
        return list.fileName();
    }();
    return path;
}

template <typename Form> Form *openWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(window); form && form->isVisible())
            return form;
    }
    return nullptr;
}

// The program as the pupil finds it after a click on the title: the menu, filling the screen.
FormMenu *openMenu(Navigator &navigator)
{
    navigator.start();
    QTest::mouseClick(openWindow<FormAvvio>()->surface(), Qt::LeftButton, {}, QPoint(5, 5));
    auto *menu = openWindow<FormMenu>();
    menu->grab();
    return menu;
}

// Runs the event loop until every picture of the board is in its box; tells whether it had to.
bool waitForBoardPictures(FormCruciPuzzle *game)
{
    const auto waiting = [game] {
        for (int slot = 0; slot < CruciPuzzleBoard::kWordsPerBoard; ++slot) {
            if (game->surface()->picture("Image1", slot)->content() == PictureBox::Content::Waiting)
                return true;
        }
        return false;
    };
    if (!waiting())
        return false;
    while (waiting())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return true;
}

enum class Pictures
{
    Bundled,
    Photos,
};

enum class Until
{
    WindowDrawn,
    PicturesDrawn,
};

// From the click on "Crucipuzzle" to the word search painted over the whole screen: the window
// made, its board built, the menu closed; then, where asked, until it is painted with its ten
// pictures.
// Every opening decodes its pictures afresh, unless `decodedBefore`: then the window has been
// opened once with the same words.
void menuToWordSearch(benchmark::State &state, Pictures pictures, Until until, bool decodedBefore)
{
    BundledProgram program(pictures == Pictures::Photos ? photoList() : QString());
    PictureLoader &loader = PictureLoader::shared();
    const auto close = [] {
        PictureBox::waitForPictures();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    for (auto _ : state) {
        state.PauseTiming();
        loader.cache().clear();
        Navigator navigator(program.services);
        FormMenu *menu = openMenu(navigator);
        if (decodedBefore) {
            QTest::mouseClick(menu->surface()->button("Command13"), Qt::LeftButton);
            close();
            menu = openMenu(navigator);
        }
        state.ResumeTiming();
        QTest::mouseClick(menu->surface()->button("Command13"), Qt::LeftButton);
        auto *game = openWindow<FormCruciPuzzle>();
        benchmark::DoNotOptimize(game->grab());
        if (until == Until::PicturesDrawn && waitForBoardPictures(game))
            benchmark::DoNotOptimize(game->grab());
        state.PauseTiming();
        state.counters["width"] = game->width();
        close();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(menuToWordSearch, bundledWindowDrawn, Pictures::Bundled, Until::WindowDrawn,
                  false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(menuToWordSearch, photosWindowDrawn, Pictures::Photos, Until::WindowDrawn, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(menuToWordSearch, photosAllDrawn, Pictures::Photos, Until::PicturesDrawn, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(menuToWordSearch, photosAllDrawnSecondTime, Pictures::Photos,
                  Until::PicturesDrawn, true)
    ->Unit(benchmark::kMillisecond);

// From the click on "Componi la parola" to its window painted over the whole screen, its first
// word laid out with the tiles or the screen's keyboard of the level; its picture is decoded
// afresh each time, and drawn as soon as it is ready, after this first frame.
void menuToCompose(benchmark::State &state)
{
    BundledProgram program;
    program.choices.setLevel(Game::Compose, levelsOf()[std::size_t(state.range(0))]);
    PictureLoader &loader = PictureLoader::shared();
    for (auto _ : state) {
        state.PauseTiming();
        loader.cache().clear();
        Navigator navigator(program.services);
        FormMenu *menu = openMenu(navigator);
        state.ResumeTiming();
        QTest::mouseClick(menu->surface()->button("Command17"), Qt::LeftButton);
        auto *game = openWindow<FormComponi>();
        benchmark::DoNotOptimize(game->grab());
        state.PauseTiming();
        state.counters["width"] = game->width();
        PictureBox::waitForPictures();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(menuToCompose)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
