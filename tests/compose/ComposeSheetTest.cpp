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

// The pupil's page: each picture with its letters scrambled and boxes to write in, the apostrophe
// in place among them, no word on it; the key names them all, with the pictures again.
TEST(ComposeSheetTest, PicturesScrambledLettersAndBoxesThenTheKey)
{
    SKIP_WITHOUT_POPPLER();
    const QStringList words = {"cane", "gatto", "pesce spada", "caffè", "l'ape"};
    const QStringList pictures = bundledPicturesOf(words);
    const auto pictured = pictures.size() - pictures.count(QString());
    ASSERT_GT(pictured, 0);
    ProgramRandom random(5);
    std::vector<ComposeSheet::Word> sheetWords;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringList letters = lettersOf(words[i]);
        sheetWords.push_back({words[i], shuffledTiles(letters, letters, random), pictures[i]});
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("componi.pdf"));
    ASSERT_EQ(savePdf(ComposeSheet(sheetWords, LetterForm::Capitals,
                                   letterFont(LetterForm::Capitals, QFont())),
                      pdf),
              QString());

    const QString pupil = pageLines(pdf, 1).join(QString());
    const QString key = pageLines(pdf, 2).join(QString());
    for (const ComposeSheet::Word &word : sheetWords) {
        SCOPED_TRACE(word.word.toStdString());
        const QString written = QString(word.word).remove(u' ').toUpper();
        EXPECT_TRUE(pupil.contains(word.scrambled.join(QString()).toUpper()));
        EXPECT_FALSE(pupil.contains(written));
        EXPECT_TRUE(key.contains(written));
    }
    EXPECT_EQ(pupil.count(u'\''), 1);
    EXPECT_EQ(qsizetype(placedImages(pdf).size()), 2 * pictured);
}

} // namespace
