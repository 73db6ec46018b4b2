// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemorySheet.h"
#include "platform/design/LetterFonts.h"
#include "support/Pictures.h"
#include "support/Poppler.h"
#include "worksheets/SheetOutput.h"

#include <QTemporaryDir>

namespace {

TEST(MemorySheetTest, PicturesThenWordsTwelveToAPageEachFollowedByItsBacks)
{
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("memory.pdf"));
    const QStringList words = {"cane",   "gatto",  "topo",    "coniglio", "cavallo", "mucca",
                               "pecora", "maiale", "gallina", "orso",     "pesce",   "volpe"};
    ASSERT_EQ(savePdf(MemorySheet(words, bundledPicturesOf(words), LetterForm::Lowercase,
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

} // namespace
