#include "BundledProgram.h"
#include "app/RandomSource.h"
#include "app/WordListStore.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "wordsearch/CruciPuzzleBoard.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QTemporaryFile>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

class NoPictures final : public WordPictures
{
public:
    void showPicture(int) override {}
    void clearPicture(int) override {}
};

void buildBoard(CruciPuzzleBoard &board)
{
    board.ClearBoard();
    board.LeggiDirezioni();
    board.LeggiParole();
    board.WordsPlaced = 0;
    board.WordsTried = 0;
    board.InserisciParole();
}

void buildTypicalBoard(benchmark::State &state)
{
    BundledProgram program;
    NoPictures pictures;
    CruciPuzzleBoard board(program.words, program.random, pictures);
    for (auto _ : state) {
        buildBoard(board);
        benchmark::DoNotOptimize(board.cells);
    }
}
BENCHMARK(buildTypicalBoard)->Unit(benchmark::kMicrosecond);

// Real draws while the words are picked, then every draw 0: each attempt of a ten-letter word
// runs up the first column, where the first word agrees with every later one but in one letter.
// So each later word is checked over ten cells 1001 times before it is given up.
class StuckRandom final : public RandomSource
{
public:
    double draw() override { return stuck ? 0.0 : real.draw(); }
    ProgramRandom real{1};
    bool stuck = false;
};

void buildBoardOfWordsThatNeverFit(benchmark::State &state)
{
    WordListStore store;
    QTemporaryFile list;
    list.open();
    list.write("ABCDEFGHIL\r\n");
    for (int i = 0; i < 20; ++i)
        list.write("ABCDEFGHIZ\r\n");
    list.close();
    store.LoadWordList(list.fileName());
    StuckRandom random;
    NoPictures pictures;
    CruciPuzzleBoard board(store, random, pictures);
    for (auto _ : state) {
        state.PauseTiming();
        do {
            random.stuck = false;
            board.ClearBoard();
            board.LeggiDirezioni();
            board.LeggiParole();
        } while (board.BoardWords[1] != QStringLiteral("ABCDEFGHIL"));
        board.WordsPlaced = 0;
        board.WordsTried = 0;
        random.stuck = true;
        state.ResumeTiming();
        board.InserisciParole();
    }
    state.counters["placed"] = board.WordsPlaced;
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
            if (cells[std::size_t(i)].Owner == 0)
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
    state.counters["words found"] = form->game().RightAnswers();
    delete form;
}
BENCHMARK(solveAndPaintNewBoard)->Unit(benchmark::kMillisecond);

} // namespace
