// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch/WordSearchSheet.h"
#include "core/LetterText.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/WordFiles.h"
#include "platform/design/LetterFonts.h"
#include "support/Pictures.h"
#include "support/Poppler.h"
#include "worksheets/SheetOutput.h"

#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

const QString kData = QStringLiteral(ZIBALDO_DATA_DIR);

// An easy board of the bundled list; its first word's picture is a 4000 x 3000 photo, its
// second's is missing.
class WordSearchSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POPPLER();
        ASSERT_TRUE(words.loadWordList(kData + QStringLiteral("/listaparole.txt")).loaded());
        board = CruciPuzzleBoard::build(words, random, Level::Easy);
        for (const LaidWord &laid : board.laidWords)
            laidWords << laid.word;
        pictures = bundledPicturesOf(laidWords);
        pictures[0] = folder.filePath(QStringLiteral("foto.jpg"));
        ASSERT_TRUE(writeJpeg(pictures[0], Qt::darkCyan, 4000, 3000));
        pictures[1] = folder.filePath(QStringLiteral("manca.jpg"));
    }

    QString write(LetterForm form, const QPageLayout &paper)
    {
        const QString path = folder.filePath(QStringLiteral("crucipuzzle.pdf"));
        QPdfWriter writer(path);
        writer.setPageLayout(paper);
        EXPECT_TRUE(paintSheet(WordSearchSheet(board, form, letterFont(form, QFont()),
                                               directionArrows(Level::Easy), pictures),
                               writer));
        return path;
    }

    // The grid's rows as the form writes them, and the page's lines as long as one, in order.
    QStringList rows(LetterForm form) const
    {
        QStringList rows(CruciPuzzleBoard::kRows);
        for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell) {
            const char32_t letter = letterIn(form, board.cells[std::size_t(cell)].letter);
            rows[cell / CruciPuzzleBoard::kColumns] += QString::fromUcs4(&letter, 1);
        }
        return rows;
    }
    static QStringList gridLines(QStringList lines)
    {
        lines.removeIf(
            [](const QString &line) { return line.size() != CruciPuzzleBoard::kColumns; });
        return lines;
    }

    QTemporaryDir folder;
    WordListStore words;
    ProgramRandom random{7};
    CruciPuzzleBoard board;
    QStringList laidWords;
    QStringList pictures;
};

TEST_F(WordSearchSheetTest, PupilsPageHasTheGridAndPicturesButNoWordsAndTheKeyFollows)
{
    const QString pdf = write(LetterForm::Lowercase, defaultPaper());
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).endsWith(QStringLiteral("(A4)")));
    const QStringList pupil = pageLines(pdf, 1);
    EXPECT_EQ(gridLines(pupil), rows(LetterForm::Lowercase));
    EXPECT_EQ(pupil.mid(0, 2), (QStringList{"Crucipuzzle", "Nome______________Data__________"}));
    EXPECT_TRUE(pupil.contains(QStringLiteral("Leparolevannocosì:→↓")));
    // Off the grid no word is written; the missing picture shows its first letter only.
    const QString offGrid =
        QStringList(pupil.mid(pupil.indexOf(rows(LetterForm::Lowercase)[9]) + 1))
            .join(QLatin1Char(' '));
    for (const QString &word : laidWords)
        EXPECT_FALSE(offGrid.contains(word.toLower())) << word.toStdString();
    EXPECT_TRUE(pupil.contains(laidWords[1].left(1).toLower()));

    const QStringList key = pageLines(pdf, 2);
    EXPECT_EQ(key.first(), QStringLiteral("Soluzioni"));
    EXPECT_EQ(gridLines(key), rows(LetterForm::Lowercase));
    for (const QString &word : laidWords)
        EXPECT_TRUE(key.join(QLatin1Char(' ')).contains(word.toLower())) << word.toStdString();

    // Every picture but the missing one on each page, none finer than 300 dpi: the photo was
    // decoded at its printed size.
    const auto images = placedImages(pdf);
    EXPECT_EQ(qsizetype(images.size()), 2 * (laidWords.size() - 1));
    EXPECT_EQ(
        std::count_if(images.begin(), images.end(), [](auto image) { return image.first == 2; }),
        laidWords.size() - 1);
    for (const auto &[page, dotsPerInch] : images)
        EXPECT_LE(dotsPerInch, 301);

    // A cursive grid reads as text too, on the paper chosen.
    const QString cursive =
        write(LetterForm::Cursive, QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                               QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter));
    EXPECT_TRUE(
        pdfInfo(cursive, QStringLiteral("Page size")).startsWith(QStringLiteral("792 x 612")));
    EXPECT_EQ(gridLines(pageLines(cursive, 1)), rows(LetterForm::Cursive));
}

} // namespace
