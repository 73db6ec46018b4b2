// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "wordsearch/CruciPuzzleBoard.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QTemporaryFile>
#include <QTest>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

void buildTypicalBoard(benchmark::State &state)
{
    BundledProgram program;
    for (auto _ : state)
        benchmark::DoNotOptimize(CruciPuzzleBoard::build(program.words, program.random));
}
BENCHMARK(buildTypicalBoard)->Unit(benchmark::kMicrosecond);

// Ten words of the list below drawn in order, ABCDEFGHIL first; then every draw 0: each attempt
// of a ten-letter word runs up the first column, where the first word agrees with every later one
// but in its last letter. So each later word is checked over ten cells 1001 times before it is
// given up.
class StuckRandom final : public RandomSource
{
public:
    static constexpr int kWords = 21;

    double draw() override
    {
        return next_ < CruciPuzzleBoard::kWordsPerBoard ? (next_++ + 0.5) / kWords : 0.0;
    }
    void rewind() { next_ = 0; }

private:
    int next_ = 0;
};

void buildBoardOfWordsThatNeverFit(benchmark::State &state)
{
    WordListStore store;
    QTemporaryFile list;
    list.open();
    list.write("ABCDEFGHIL\r\n");
    for (const char last : std::string_view("ABCDEFGHIJKMNOPQRSTU"))
        list.write(QByteArray("ABCDEFGHI") + last + "\r\n");
    list.close();
    store.loadWordList(list.fileName());
    StuckRandom random;
    std::size_t placed = 0;
    for (auto _ : state) {
        random.rewind();
        const CruciPuzzleBoard board = CruciPuzzleBoard::build(store, random);
        placed = board.laidWords.size();
    }
    state.counters["placed"] = double(placed);
}
BENCHMARK(buildBoardOfWordsThatNeverFit)->Unit(benchmark::kMicrosecond);

// From the click on a solved board's last letter to the new board painted with its pictures.
void solveAndPaintNewBoard(benchmark::State &state)
{
    BundledProgram program;
    auto *form = new FormCruciPuzzle(program.services);
    form->resize(1280, 800);
    form->show();
    form->grab();
    for (auto _ : state) {
        state.PauseTiming();
        const auto &cells = form->game().board().cells;
        int last = -1;
        for (int i = 0; i < CruciPuzzleBoard::kCells; ++i) {
            if (cells[std::size_t(i)].owner == 0 || cells[std::size_t(i)].found)
                continue;
            if (last >= 0)
                QTest::mouseClick(form->surface()->label("Label1", last), Qt::LeftButton);
            last = i;
        }
        form->grab();
        state.ResumeTiming();
        QTest::mouseClick(form->surface()->label("Label1", last), Qt::LeftButton);
        benchmark::DoNotOptimize(form->grab());
    }
    state.counters["words found"] = form->game().rightAnswers();
    delete form;
}
BENCHMARK(solveAndPaintNewBoard)->Unit(benchmark::kMillisecond);

} // namespace
