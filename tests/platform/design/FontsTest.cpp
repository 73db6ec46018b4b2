// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/design/Fonts.h"
#include "platform/design/LetterFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

bool installed(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace

TEST(FontsTest, ADesignFontIsNamedAfterTheFamilyItIsDrawnIn)
{
    // Arial where the desktop has it, else its look-alike; the font drawn is the one named.
    const QFont title = designFont({"Arial", 72, true}, 1.0);
    EXPECT_EQ(title.family(), installed(QStringLiteral("Arial"))
                                  ? QStringLiteral("Arial")
                                  : QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(title).family(), title.family());
    EXPECT_EQ(title.pixelSize(), 96);
    EXPECT_TRUE(title.bold());

    ASSERT_TRUE(installed(QStringLiteral("DejaVu Sans")));
    EXPECT_EQ(designFont({"DejaVu Sans", 8, false}, 2.0).family(), QStringLiteral("DejaVu Sans"));
    // A family found nowhere is left to the font matching, as designed.
    EXPECT_EQ(designFont({"Nessun Carattere", 8, false}, 1.0).family(),
              QStringLiteral("Nessun Carattere"));
}

// The school fonts are drawn in their own families, and their tall letters still fit a line of
// the design's font: the grid's cells have room for nothing more.
TEST(FontsTest, ALetterFormsFontIsItsOwnFamilyAndFitsTheDesignsLine)
{
    const QFont cell = designFont({"Arial", 26.25, true}, 1.0);
    const int room = QFontMetrics(cell).height();
    for (const auto &[form, family] :
         {std::pair{LetterForm::Capitals, cell.family()},
          std::pair{LetterForm::Lowercase, QStringLiteral("Andika")},
          std::pair{LetterForm::Cursive, QStringLiteral("Playwrite IT Moderna")}}) {
        const QFont font = letterFontWithinLine(form, cell);
        EXPECT_EQ(QFontInfo(font).family(), family);
        EXPECT_LE(letterBand(font).height(), room) << family.toStdString();
    }
}
