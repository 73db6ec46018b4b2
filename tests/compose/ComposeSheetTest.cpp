// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/ComposeSheet.h"

#include "compose/ComposeTiles.h"
#include "compose/ComposeWord.h"
#include "core/RandomSource.h"
#include "platform/design/LetterFonts.h"
#include "support/Pictures.h"
#include "support/Poppler.h"
#include "worksheets/SheetOutput.h"

#include <QTemporaryDir>

namespace {

// The pupil's page: each picture with its letters scrambled and boxes to write in, no word on it;
// the key names them all. A word with no picture has its initial in a grey box.
TEST(ComposeSheetTest, PicturesScrambledLettersAndBoxesThenTheKey)
{
    SKIP_WITHOUT_POPPLER();
    const QStringList words = {"cane", "gatto", "pesce spada", "caffè", "l'ape"};
    const QStringList pictures = bundledPicturesOf(words);
    const auto pictured = pictures.size() - pictures.count(QString());
    ASSERT_TRUE(pictured > 0 && pictures[4].isEmpty());
    ProgramRandom random(5);
    std::vector<ComposeSheet::Word> sheetWords;
    QStringList scrambles;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringList letters = lettersOf(words[i]);
        sheetWords.push_back({words[i], shuffledTiles(letters, letters, random), pictures[i]});
        scrambles << sheetWords.back().scrambled.join(QString()).toUpper();
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("componi.pdf"));
    ASSERT_EQ(savePdf(ComposeSheet(sheetWords, LetterForm::Capitals,
                                   letterFont(LetterForm::Capitals, QFont())),
                      pdf),
              QString());
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));

    const QStringList pupil = pageLines(pdf, 1);
    EXPECT_EQ(pupil.mid(0, 2),
              (QStringList{"Componilaparola", "Nome______________Data__________"}));
    const QString page = pupil.join(QString());
    for (qsizetype i = 0; i < words.size(); ++i) {
        EXPECT_TRUE(page.contains(scrambles[i])) << scrambles[i].toStdString();
        EXPECT_FALSE(page.contains(QString(words[i]).remove(u' ').toUpper()))
            << words[i].toStdString();
    }
    EXPECT_EQ(page.count(u'\''), 1) << "the apostrophe in place among the boxes";

    const QString key = pageLines(pdf, 2).join(QLatin1Char(' '));
    EXPECT_TRUE(key.startsWith(QStringLiteral("Soluzioni")));
    for (const QString &word : words)
        EXPECT_TRUE(key.contains(QString(word).remove(u' ').toUpper())) << word.toStdString();

    const auto images = placedImages(pdf);
    EXPECT_EQ(qsizetype(images.size()), 2 * pictured);
    for (const auto &[onPage, dotsPerInch] : images)
        EXPECT_LE(dotsPerInch, 301);
}

} // namespace
