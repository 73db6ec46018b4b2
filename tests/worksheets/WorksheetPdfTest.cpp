// SPDX-License-Identifier: GPL-3.0-or-later
#include "Poppler.h"
#include "core/LetterText.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/design/LetterFonts.h"
#include "platform/pictures/PictureFiles.h"
#include "support/Pictures.h"
#include "support/QtPrinting.h"
#include "worksheets/MemorySheet.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WordSearchSheet.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {

const QString kData = QStringLiteral(ZIBALDO_DATA_DIR);

QStringList bundledPictures(const QStringList &words)
{
    QStringList files;
    for (const QString &word : words)
        files << pictureFileFor({QString(), kData}, word);
    return files;
}

// A board of the bundled list, its words' pictures the program's own but for one 4000 x 3000
// photo and one word whose picture is missing.
class WordSearchSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POPPLER();
        ASSERT_TRUE(words.loadWordList(kData + QStringLiteral("/listaparole.txt")).loaded());
        board = CruciPuzzleBoard::build(words, random);
        ASSERT_GE(board.laidWords.size(), 6u);
        for (const LaidWord &laid : board.laidWords)
            laidWords << laid.word;
        pictures = bundledPictures(laidWords);
        pictures[0] = folder.filePath(QStringLiteral("foto.jpg"));
        ASSERT_TRUE(writeJpeg(pictures[0], Qt::darkCyan, 4000, 3000));
        pictures[1] = folder.filePath(QStringLiteral("manca.jpg"));
    }

    QString write(LetterForm form, const QPageLayout &paper)
    {
        const QString path = folder.filePath(QStringLiteral("crucipuzzle.pdf"));
        QPdfWriter writer(path);
        writer.setPageLayout(paper);
        const WordSearchSheet sheet(board, form, letterFont(form, QFont(QStringLiteral("Arial"))),
                                    pictures);
        EXPECT_TRUE(paintSheet(sheet, writer));
        return path;
    }

    // The grid's rows as the letter form writes them.
    QStringList rows(LetterForm form) const
    {
        QStringList rows;
        for (int row = 0; row < CruciPuzzleBoard::kRows; ++row) {
            QString text;
            for (int column = 0; column < CruciPuzzleBoard::kColumns; ++column) {
                const char32_t letter = letterIn(
                    form,
                    board.cells[std::size_t(row * CruciPuzzleBoard::kColumns + column)].letter);
                text += QString::fromUcs4(&letter, 1);
            }
            rows << text;
        }
        return rows;
    }

    // The page's lines as long as a row of the grid, top to bottom.
    static QStringList gridLines(const QString &pageText)
    {
        QStringList lines = squeezedLines(pageText);
        lines.removeIf(
            [](const QString &line) { return line.size() != CruciPuzzleBoard::kColumns; });
        return lines;
    }
    // Each picture once on each page, but the missing one.
    std::size_t placedPictures() const { return 2 * (board.laidWords.size() - 1); }

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
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));

    const QString pupil = pageText(pdf, 1);
    EXPECT_EQ(gridLines(pupil), rows(LetterForm::Lowercase));
    EXPECT_TRUE(pupil.contains(QStringLiteral("Crucipuzzle")));
    EXPECT_TRUE(squeezedLines(pupil).contains(QStringLiteral("Nome______________Data__________")));
    EXPECT_TRUE(pupil.contains(QStringLiteral("Le parole vanno così: ") +
                               directionArrows(board.laidWords)));
    EXPECT_FALSE(pupil.contains(QStringLiteral("Soluzioni")));
    // Outside the grid, no word is written: the missing picture shows its first letter only.
    QStringList outsideGrid = squeezedLines(pupil);
    for (const QString &row : rows(LetterForm::Lowercase))
        outsideGrid.removeAll(row);
    for (const QString &word : laidWords)
        EXPECT_FALSE(outsideGrid.join(QLatin1Char(' ')).contains(word.toLower()))
            << word.toStdString();
    EXPECT_TRUE(outsideGrid.contains(laidWords[1].left(1).toLower()));

    const QString key = pageText(pdf, 2);
    EXPECT_TRUE(key.contains(QStringLiteral("Soluzioni")));
    EXPECT_EQ(gridLines(key), rows(LetterForm::Lowercase));
    for (const QString &word : laidWords)
        EXPECT_TRUE(key.contains(word.toLower())) << word.toStdString();

    // None printed finer than 300 dpi, the photo not placed whole.
    const std::vector<PlacedImage> images = placedImages(pdf);
    ASSERT_EQ(images.size(), placedPictures());
    EXPECT_EQ(std::count_if(images.begin(), images.end(),
                            [](const PlacedImage &image) { return image.page == 2; }),
              placedPictures() / 2);
    for (const PlacedImage &image : images) {
        EXPECT_LE(image.dotsPerInch, 301);
        EXPECT_LT(image.width, 1000);
    }
}

TEST_F(WordSearchSheetTest, LaidOutOnTheChosenPaper)
{
    const QString pdf =
        write(LetterForm::Cursive, QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                               QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter));
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("792 x 612")));
    EXPECT_EQ(gridLines(pageText(pdf, 1)), rows(LetterForm::Cursive));
    EXPECT_EQ(placedImages(pdf).size(), placedPictures());
}

class MemorySheetTest : public ::testing::Test
{
protected:
    void SetUp() override { SKIP_WITHOUT_POPPLER(); }

    QString write(const QStringList &words, LetterForm form, bool backs)
    {
        const QString path = folder.filePath(QStringLiteral("memory.pdf"));
        const MemorySheet sheet(words, bundledPictures(words), form,
                                letterFont(form, QFont(QStringLiteral("Arial"))), backs);
        EXPECT_EQ(savePdf(sheet, path), QString());
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(MemorySheetTest, TwelvePairsOnPagesOfPicturesThenWordsEachFollowedByItsBacks)
{
    const QStringList words = {"cane",   "gatto",  "topo",    "coniglio", "cavallo", "mucca",
                               "pecora", "maiale", "gallina", "orso",     "pesce",   "volpe"};
    const QString pdf = write(words, LetterForm::Lowercase, true);
    ASSERT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("4"));
    const QString pictures = pageText(pdf, 1);
    const QString written = pageText(pdf, 3);
    for (const QString &word : words) {
        EXPECT_FALSE(pictures.contains(word)) << word.toStdString();
        EXPECT_TRUE(written.contains(word)) << word.toStdString();
    }
    for (int page = 1; page <= 4; ++page) {
        const QString text = pageText(pdf, page);
        // A cut along each of the grid's five rows of edges and four columns.
        EXPECT_EQ(text.count(QStringLiteral("✂")), 9) << page;
        EXPECT_EQ(text.contains(QStringLiteral("Retro")), page % 2 == 0) << page;
    }
    const std::vector<PlacedImage> images = placedImages(pdf);
    EXPECT_EQ(images.size(), 12u);
    EXPECT_TRUE(std::all_of(images.begin(), images.end(),
                            [](const PlacedImage &image) { return image.page == 1; }));
}

TEST_F(MemorySheetTest, SixPairsFitOnePageAndAMissingPictureShowsItsInitial)
{
    const QString pdf = write({"cane", "gatto", "topo", "zibaldone", "cavallo", "mucca"},
                              LetterForm::Capitals, false);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_EQ(placedImages(pdf).size(), 5u);
    const QStringList lines = squeezedLines(pageText(pdf, 1));
    EXPECT_TRUE(lines.join(QLatin1Char(' ')).contains(QStringLiteral("ZIBALDONE")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Z")));
}

// Root writes anywhere; the test then checks the folder as an ordinary user.
class OrdinaryUser
{
public:
    OrdinaryUser() : root_(geteuid() == 0)
    {
        if (root_)
            setfsuid(65534);
    }
    ~OrdinaryUser()
    {
        if (root_)
            setfsuid(0);
    }

private:
    bool root_;
};

TEST(SavingTest, AFolderThatCannotBeWrittenToLeavesNothingBehindAndSaysWhere)
{
    QTemporaryDir folder;
    const QString locked = folder.filePath(QStringLiteral("chiusa"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const MemorySheet sheet({"cane"}, {QString()}, LetterForm::Capitals, QFont(), false);
    QString message;
    {
        const OrdinaryUser user;
        message = savePdf(sheet, locked + QStringLiteral("/Memory.pdf"));
    }
    EXPECT_TRUE(message.startsWith(QStringLiteral("Non si può scrivere nella cartella ")));
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(locked)));
    EXPECT_TRUE(QDir(locked).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

} // namespace
