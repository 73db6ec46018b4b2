#include "BundledProgram.h"
#include "Photos.h"
#include "menu/FormMenu.h"
#include "platform/DesignButton.h"
#include "platform/DesignSurface.h"
#include "platform/PictureBox.h"
#include "platform/PictureLoader.h"
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

FormCruciPuzzle *openWordSearch()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<FormCruciPuzzle *>(window); form && form->isVisible())
            return form;
    }
    return nullptr;
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
        auto *menu = new FormMenu(program.services);
        showFillingScreen(menu);
        menu->grab();
        if (decodedBefore) {
            QTest::mouseClick(menu->surface()->button("Command13"), Qt::LeftButton);
            close();
            menu = new FormMenu(program.services);
            showFillingScreen(menu);
            menu->grab();
        }
        state.ResumeTiming();
        QTest::mouseClick(menu->surface()->button("Command13"), Qt::LeftButton);
        FormCruciPuzzle *game = openWordSearch();
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

} // namespace
