// SPDX-License-Identifier: GPL-3.0-or-later
#include "Poppler.h"
#include "core/LetterText.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/WordFiles.h"
#include "platform/design/LetterFonts.h"
#include "support/Pictures.h"
#include "worksheets/MemorySheet.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WordSearchSheet.h"

#include <QDir>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {

const QString kData = QStringLiteral(ZIBALDO_DATA_DIR);

QStringList picturesOf(const QStringList &words)
{
    QStringList files;
    for (const QString &word : words)
        files << pictureFileFor({QString(), kData}, word);
    return files;
}

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
        pictures = picturesOf(laidWords);
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

TEST(MemorySheetTest, PicturesThenWordsTwelveToAPageEachFollowedByItsBacks)
{
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("memory.pdf"));
    const QStringList words = {"cane",   "gatto",  "topo",    "coniglio", "cavallo", "mucca",
                               "pecora", "maiale", "gallina", "orso",     "pesce",   "volpe"};
    ASSERT_EQ(savePdf(MemorySheet(words, picturesOf(words), LetterForm::Lowercase,
                                  letterFont(LetterForm::Lowercase, QFont()), true),
                      pdf),
              QString());
    ASSERT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("4"));
    for (int page = 1; page <= 4; ++page) {
        const QString text = pageLines(pdf, page).join(QLatin1Char(' '));
        EXPECT_EQ(text.startsWith(QStringLiteral("Retro")), page % 2 == 0) << page;
        // A cut along each of the grid's five rows of edges and four columns, scissors first.
        EXPECT_EQ(text.count(QStringLiteral("✂")), 9) << page;
        for (const QString &word : words)
            EXPECT_EQ(text.contains(word), page == 3) << page << word.toStdString();
    }
    const auto images = placedImages(pdf);
    EXPECT_EQ(
        std::count_if(images.begin(), images.end(), [](auto image) { return image.first == 1; }),
        12);
    EXPECT_EQ(images.size(), 12u);
}

TEST(SavingTest, AFolderThatCannotBeWrittenToLeavesNothingBehindAndSaysWhere)
{
    QTemporaryDir folder;
    const QString locked = folder.filePath(QStringLiteral("chiusa"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // Root writes anywhere: the save is tried as an ordinary user's.
    const bool root = geteuid() == 0;
    if (root)
        setfsuid(65534);
    const QString message =
        savePdf(MemorySheet({"cane"}, {QString()}, LetterForm::Capitals, QFont(), false),
                locked + QStringLiteral("/Memory.pdf"));
    if (root)
        setfsuid(0);
    EXPECT_EQ(message, QStringLiteral("Non si può scrivere nella cartella %1. Il PDF non è stato "
                                      "salvato: sceglierne un'altra.")
                           .arg(QDir::toNativeSeparators(locked)));
    EXPECT_TRUE(QDir(locked).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

} // namespace
