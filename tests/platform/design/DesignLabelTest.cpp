// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/design/DesignLabel.h"

#include "core/LetterText.h"
#include "platform/design/FittedText.h"
#include "platform/design/Fonts.h"
#include "platform/design/LetterFonts.h"

#include <gtest/gtest.h>

namespace {

// A memory word card at scale 1: 81 x 73 pixels, 11.25 pt bold (15 px).
constexpr ControlDesign kWordCard{.name = "Label1",
                                  .width = 1215,
                                  .height = 1095,
                                  .font = {"Arial", 11.25, true},
                                  .shrinkToFit = true};

void layOutAsTheSurfaceDoes(DesignLabel &label, LetterForm form = LetterForm::AsListed)
{
    label.resize(81, 73);
    label.setFont(letterFont(form, designFont(kWordCard.font, 1.0)));
}

TEST(DesignLabel, AWordThatDoesNotFitShrinksToOneLineDownToHalfItsSize)
{
    DesignLabel label(kWordCard);
    layOutAsTheSurfaceDoes(label);

    label.setText(QStringLiteral("gatto"));
    EXPECT_EQ(label.font().pixelSize(), 15);

    label.setText(QStringLiteral("pallacanestro"));
    EXPECT_LT(label.font().pixelSize(), 15);
    EXPECT_EQ(label.fittedText()->lines().size(), 1);

    // Past half the size the word breaks instead.
    label.setText(QStringLiteral("precipitevolissimevolmente"));
    EXPECT_EQ(label.font().pixelSize(), 7);
    EXPECT_EQ(label.fittedText()->lines().size(), 2);

    // A smaller design font, though equal to the one the word is drawn in, is shrunk from anew.
    label.setFont(designFont(kWordCard.font, 7.0 / 15));
    EXPECT_LT(label.font().pixelSize(), 7);
    EXPECT_EQ(label.fittedText()->lines().size(), 1);

    DesignLabel plain({.name = "Label1", .font = kWordCard.font, .align = TextAlign::Centre});
    layOutAsTheSurfaceDoes(plain);
    plain.setText(QStringLiteral("pallacanestro"));
    EXPECT_EQ(plain.font().pixelSize(), 15);
    EXPECT_EQ(plain.fittedText(), nullptr);
}

class FittedWordTest : public ::testing::TestWithParam<LetterForm>
{
};

TEST_P(FittedWordTest, AWordOfAnyLengthStaysWholeWithinTheMarginsInTheFontItIsDrawnIn)
{
    const QString letters =
        QStringLiteral("supercalifragilistichespiralidosoprecipitevolissimevolmente");
    DesignLabel card(kWordCard);
    layOutAsTheSurfaceDoes(card, GetParam());
    const int half = card.font().pixelSize() / 2;
    const double margin = 0.08 * card.width();
    const QRectF within = QRectF(card.rect()).adjusted(margin, margin, -margin, -margin);
    for (int length = 1; length <= letters.size(); ++length) {
        const QString word = writtenIn(GetParam(), letters.left(length));
        card.setText(word);
        const FittedText &fitted = *card.fittedText();
        EXPECT_EQ(fitted.lines().join(QString()), word);
        EXPECT_TRUE(within.contains(fitted.bounds())) << length << " letters";
        // Centred both ways, not drawn from the top.
        EXPECT_NEAR(fitted.bounds().center().x(), within.center().x(), 0.5) << length;
        EXPECT_NEAR(fitted.bounds().center().y(), within.center().y(), 0.5) << length;
        EXPECT_GE(card.font().pixelSize(), half) << length << " letters";
        EXPECT_EQ(card.font().pixelSize(), fitted.font().pixelSize()) << "the font drawn in";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLetterForm, FittedWordTest,
                         ::testing::Values(LetterForm::AsListed, LetterForm::Capitals,
                                           LetterForm::Lowercase, LetterForm::Cursive));

} // namespace
