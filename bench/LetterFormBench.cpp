// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "memory/FormMemory.h"
#include "platform/design/DesignSurface.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QAction>
#include <benchmark/benchmark.h>

namespace {

// The class turns a game from one letter form to the next, on a 1280 x 1024 screen: the board or
// deal rewritten and the whole window painted. The cursive's font is read on its first use,
// before the timing.
template <typename Form> void changeLetterForm(benchmark::State &state)
{
    BundledProgram program;
    auto *form = new Form(program.services);
    form->resize(1280, 1024);
    form->show();
    const QList<QAction *> forms =
        form->template findChildren<QAction *>(QStringLiteral("mnuLettereScelta"));
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

// The grid's hundred cells.
void changeWordSearchLetterForm(benchmark::State &state)
{
    changeLetterForm<FormCruciPuzzle>(state);
}
BENCHMARK(changeWordSearchLetterForm)->Unit(benchmark::kMillisecond);

// The twelve word cards, each fitted to its card again.
void changeMemoryLetterForm(benchmark::State &state)
{
    changeLetterForm<FormMemory>(state);
}
BENCHMARK(changeMemoryLetterForm)->Unit(benchmark::kMillisecond);

} // namespace
