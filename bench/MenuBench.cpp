// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "menu/FormMenu.h"
#include "platform/DesignButton.h"
#include "platform/DesignSurface.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

FormCruciPuzzle *openWordSearch()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<FormCruciPuzzle *>(window); form && form->isVisible())
            return form;
    }
    return nullptr;
}

// From the click on "Crucipuzzle" to the word search painted over the whole screen: the window
// made, its board built with the bundled list, ten pictures decoded, the menu closed.
void menuToWordSearchPainted(benchmark::State &state)
{
    BundledProgram program;
    for (auto _ : state) {
        state.PauseTiming();
        auto *menu = new FormMenu(program.services);
        showFillingScreen(menu);
        menu->grab();
        state.ResumeTiming();
        QTest::mouseClick(menu->surface()->button("Command13"), Qt::LeftButton);
        FormCruciPuzzle *game = openWordSearch();
        benchmark::DoNotOptimize(game->grab());
        state.PauseTiming();
        state.counters["width"] = game->width();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(menuToWordSearchPainted)->Unit(benchmark::kMillisecond);

} // namespace
