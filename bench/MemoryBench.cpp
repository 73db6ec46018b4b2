// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "memory/FormMemory.h"
#include "memory/MemoryGame.h"
#include "memory/MemoryView.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"

#include <benchmark/benchmark.h>

namespace {

class UnseenBoard final : public MemoryView
{
public:
    void layDeck(DeckShape) override {}
    void showWord(int, const QString &) override {}
    void showPicture(int, const QString &) override {}
    void setCoverShown(int, bool) override {}
    void moveCard(int, int) override {}
    void setPauseRunning(bool) override {}
    void setMoveCaption(const QString &) override {}
    void showPraise(const QString &) override {}
};

// The levels' order in the menu: "Facile", "Medio", "Difficile".
void everyLevel(benchmark::internal::Benchmark *benchmark)
{
    for (std::size_t level = 0; level < levelsOf().size(); ++level)
        benchmark->Arg(std::int64_t(level));
}

Level levelOf(const benchmark::State &state)
{
    return levelsOf()[std::size_t(state.range(0))];
}

void dealMemoryCards(benchmark::State &state)
{
    BundledProgram program;
    UnseenBoard board;
    MemoryGame game(board, program.random, program.words, program.voice, levelOf(state));
    for (auto _ : state) {
        game.restart();
        benchmark::DoNotOptimize(game.positionOf(0));
    }
}
BENCHMARK(dealMemoryCards)->Apply(everyLevel)->Unit(benchmark::kMicrosecond);

// A deal as the pupil sees it on a 1280 x 1024 screen: its pictures decoded into their boxes and
// the whole window painted.
void dealMemoryWindowWithPictures(benchmark::State &state)
{
    BundledProgram program;
    program.choices.setLevel(Game::Memory, levelOf(state));
    auto *form = new FormMemory(program.services);
    form->resize(1280, 1024);
    form->show();
    QPushButton *restart = form->surface()->button("Command1");
    for (auto _ : state) {
        restart->click();
        // Decoded the first time a word is dealt, from the session's cache afterwards.
        PictureBox::waitForPictures();
        for (int slot = 0; slot < form->game().shape().pairs(); ++slot) {
            if (form->surface()->picture("Image1", slot)->content() != PictureBox::Content::Picture)
                state.SkipWithError("a bundled picture did not load");
        }
        benchmark::DoNotOptimize(form->grab());
    }
    delete form;
}
BENCHMARK(dealMemoryWindowWithPictures)->Apply(everyLevel)->Unit(benchmark::kMillisecond);

} // namespace
