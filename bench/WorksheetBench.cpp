// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "Photos.h"
#include "memory/MemorySheet.h"
#include "platform/design/LetterFonts.h"
#include "wordsearch/FormCruciPuzzle.h"
#include "wordsearch/WordSearchSheet.h"
#include "worksheets/SheetOutput.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// A board of the bundled list with all ten words laid.
CruciPuzzleBoard fullBoard(BundledProgram &program)
{
    CruciPuzzleBoard board;
    do
        board = CruciPuzzleBoard::build(program.words, program.random);
    while (board.laidWords.size() < CruciPuzzleBoard::kWordsPerBoard);
    return board;
}

// The word search sheet with a teacher's 4000 x 3000 photo for each of its ten words, decoded
// afresh for each sheet.
void saveWordSearchSheetWithTenPhotos(benchmark::State &state)
{
    BundledProgram program;
    QTemporaryDir folder;
    QStringList photos;
    for (int i = 0; i < CruciPuzzleBoard::kWordsPerBoard; ++i) {
        photos << folder.filePath(QStringLiteral("foto%1.jpg").arg(i));
        writeLargePhoto(photos.last(), i);
    }
    const CruciPuzzleBoard board = fullBoard(program);
    const QString pdf = folder.filePath(QStringLiteral("crucipuzzle.pdf"));
    for (auto _ : state) {
        const WordSearchSheet sheet(board, LetterForm::Lowercase,
                                    letterFont(LetterForm::Lowercase, QFont()),
                                    directionArrows(Level::Hard), photos);
        if (!savePdf(sheet, pdf).isEmpty())
            state.SkipWithError("the sheet was not saved");
    }
}
BENCHMARK(saveWordSearchSheetWithTenPhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

// Twelve pairs of the bundled pictures, with the backs: four pages.
void saveMemorySheetWithTwelvePairs(benchmark::State &state)
{
    BundledProgram program;
    QTemporaryDir folder;
    QStringList words;
    QStringList pictures;
    for (int i = 1; i <= MemorySheet::kCardsPerPage; ++i) {
        words << program.words.wordList(i);
        pictures << program.services.pictureFor(words.last());
    }
    const QString pdf = folder.filePath(QStringLiteral("memory.pdf"));
    for (auto _ : state) {
        const MemorySheet sheet(words, pictures, LetterForm::Cursive,
                                letterFont(LetterForm::Cursive, QFont()), true);
        if (!savePdf(sheet, pdf).isEmpty())
            state.SkipWithError("the sheet was not saved");
    }
}
BENCHMARK(saveMemorySheetWithTwelvePairs)->Unit(benchmark::kMillisecond)->UseRealTime();

// Answers the save dialog with one path, as the teacher would.
class SavingDialogs final : public Dialogs
{
public:
    explicit SavingDialogs(const QString &path) : path_(path) {}
    void information(QWidget *, const QString &) override {}
    void critical(QWidget *, const QString &) override {}
    bool question(QWidget *, const QString &) override { return true; }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return path_; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    Answer questionWithCancel(QWidget *, const QString &) override { return Answer::Cancel; }
    bool informationOffering(QWidget *, const QString &, const QString &) override { return false; }

private:
    QString path_;
};

// How long "Salva PDF…" holds the window's thread, the sheet being painted on another one; and,
// while it is painted, the longest the window's events wait.
void savePdfCommandHoldsTheWindow(benchmark::State &state)
{
    BundledProgram program;
    QTemporaryDir folder;
    SavingDialogs dialogs(folder.filePath(QStringLiteral("crucipuzzle.pdf")));
    Services services{program.words, program.random,  dialogs, program.folder,
                      program.voice, program.choices, {}};
    auto *form = new FormCruciPuzzle(services);
    form->show();
    auto *save = form->findChild<QAction *>(QStringLiteral("mnuSalvaPdf"));
    qint64 longestWait = 0;
    for (auto _ : state) {
        save->trigger();
        state.PauseTiming();
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        const bool saved = QTest::qWaitFor(
            [&] {
                longestWait = std::max(longestWait, sinceEvents.restart());
                return save->isEnabled();
            },
            10000);
        if (!saved)
            state.SkipWithError("the sheet was not saved");
        state.ResumeTiming();
    }
    state.counters["longest_event_wait_ms"] = double(longestWait);
    delete form;
}
BENCHMARK(savePdfCommandHoldsTheWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
