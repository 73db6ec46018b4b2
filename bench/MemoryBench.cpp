#include "app/RandomSource.h"
#include "app/WordListStore.h"
#include "memory/FormMemory.h"
#include "memory/MemoryGame.h"
#include "memory/MemoryView.h"
#include "platform/DesignSurface.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "platform/QtDialogs.h"
#include "platform/Services.h"

#include <QDir>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

const QString kDataFolder = QStringLiteral(ZIBALDO_DATA_DIR);

class UnseenBoard final : public MemoryView
{
public:
    void showWord(int, const QString &) override {}
    void showPicture(int, const QString &) override {}
    void setCoverShown(int, bool) override {}
    void moveCard(int, GridPlace) override {}
    void setPauseRunning(bool) override {}
    void setMoveCaption(const QString &) override {}
};

WordListStore bundledWords()
{
    WordListStore words;
    words.LoadWordList(QDir(kDataFolder).filePath(QStringLiteral("listaparole.txt")));
    return words;
}

void dealMemoryCards(benchmark::State &state)
{
    const WordListStore words = bundledWords();
    ProgramRandom random(1);
    UnseenBoard board;
    MemoryGame game(board, random, words);
    for (auto _ : state) {
        game.restart();
        benchmark::DoNotOptimize(game.positionOf(0));
    }
}
BENCHMARK(dealMemoryCards)->Unit(benchmark::kMicrosecond);

// A deal as the pupil sees it on a 1280 x 1024 screen: twelve pictures decoded into their boxes
// and the whole window painted.
void dealMemoryWindowWithPictures(benchmark::State &state)
{
    installFontSubstitutions();
    WordListStore words = bundledWords();
    ProgramRandom random(1);
    QtDialogs dialogs;
    Services services{words, random, dialogs, kDataFolder};
    auto *form = new FormMemory(services);
    form->resize(1280, 1024);
    form->show();
    QPushButton *restart = form->surface()->button("Command1");
    for (auto _ : state) {
        restart->click();
        for (int slot = 0; slot < kSlots; ++slot) {
            if (form->surface()->picture("Image1", slot)->content() != PictureBox::Content::Picture)
                state.SkipWithError("a bundled picture did not load");
        }
        benchmark::DoNotOptimize(form->grab());
    }
    delete form;
}
BENCHMARK(dealMemoryWindowWithPictures)->Unit(benchmark::kMillisecond);

} // namespace
