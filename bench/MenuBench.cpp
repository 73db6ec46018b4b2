// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "app/Navigator.h"
#include "menu/FormMenu.h"
#include "title/FormAvvio.h"
#include "platform/DesignButton.h"
#include "platform/DesignSurface.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

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

// From the click on "Crucipuzzle" to the word search painted over the whole screen: the window
// made, its board built with the bundled list, ten pictures decoded, the menu closed.
void menuToWordSearchPainted(benchmark::State &state)
{
    BundledProgram program;
    for (auto _ : state) {
        state.PauseTiming();
        Navigator navigator(program.services);
        FormMenu *menu = openMenu(navigator);
        state.ResumeTiming();
        QTest::mouseClick(menu->surface()->button("Command13"), Qt::LeftButton);
        auto *game = openWindow<FormCruciPuzzle>();
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
