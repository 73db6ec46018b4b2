// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "platform/design/DesignSurface.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QAction>
#include <benchmark/benchmark.h>

namespace {

// The class turns the grid from one letter form to the next, on a 1280 x 1024 screen: the
// hundred cells rewritten and the whole window painted. The cursive's font is read on its first
// use, before the timing.
void changeWordSearchLetterForm(benchmark::State &state)
{
    BundledProgram program;
    auto *form = new FormCruciPuzzle(program.services);
    form->resize(1280, 1024);
    form->show();
    const QList<QAction *> forms =
        form->findChildren<QAction *>(QStringLiteral("mnuLettereScelta"));
    for (QAction *item : forms)
        item->trigger();
    int next = 0;
    for (auto _ : state) {
        next = (next + 1) % int(forms.size());
        forms[next]->trigger();
        benchmark::DoNotOptimize(form->grab());
    }
    delete form;
}
BENCHMARK(changeWordSearchLetterForm)->Unit(benchmark::kMillisecond);

} // namespace
