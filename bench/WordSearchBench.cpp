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

// The program's generator, counting its draws: a board whose letters spell no word by accident
// takes about one per word, three per attempt and one per fill cell; the others take more.
class CountedRandom final : public RandomSource
{
public:
    double draw() override
    {
        ++draws;
        return random_.draw();
    }
    double draws = 0;

private:
    ProgramRandom random_{1};
};

// Boards of the bundled list, at each level.
void buildTypicalBoard(benchmark::State &state, Level level)
{
    BundledProgram program;
    for (auto _ : state)
        benchmark::DoNotOptimize(CruciPuzzleBoard::build(program.words, program.random, level));
}
BENCHMARK_CAPTURE(buildTypicalBoard, Facile, Level::Easy)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(buildTypicalBoard, Medio, Level::Medium)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(buildTypicalBoard, Difficile, Level::Hard)->Unit(benchmark::kMicrosecond);

// Lists built to provoke accidents, boards of the program's generator.
void buildBoardOfAccidents(benchmark::State &state, QStringList list)
{
    WordListStore store;
    QTemporaryFile file;
    file.open();
    for (const QString &word : list)
        file.write(word.toUtf8() + "\r\n");
    file.close();
    store.loadWordList(file.fileName());
    CountedRandom random;
    for (auto _ : state)
        benchmark::DoNotOptimize(CruciPuzzleBoard::build(store, random, Level::Hard));
    state.counters["draws"] = benchmark::Counter(random.draws, benchmark::Counter::kAvgIterations);
}
// Ten fill letters as words: about half the fill is drawn again, and again.
BENCHMARK_CAPTURE(buildBoardOfAccidents, oneLetterWords,
                  QStringList{"Q", "E", "R", "T", "U", "I", "O", "P", "L", "H"})
    ->Unit(benchmark::kMicrosecond);
// Runs of one letter: every reading starts everywhere and runs long before it fails.
BENCHMARK_CAPTURE(buildBoardOfAccidents, runsOfOneLetter,
                  QStringList{"E", "EE", "EEE", "EEEE", "EEEEE", "EEEEEE", "EEEEEEE", "EEEEEEEE",
                              "EEEEEEEEE", "EEEEEEEEEE"})
    ->Unit(benchmark::kMicrosecond);
// Words of three letters crossing one another: their letters spell one another across the words,
// and the words are laid again.
BENCHMARK_CAPTURE(buildBoardOfAccidents, wordsOfFewLetters,
                  QStringList{"ANNA", "NANNA", "NONNA", "NONNO", "ANNO", "NANO", "NONA", "ONDA",
                              "DONNA", "DANNO"})
    ->Unit(benchmark::kMicrosecond);

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
