// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/design/DesignLabel.h"

#include "platform/design/Fonts.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// A memory word card at scale 1: 81 pixels wide, 11.25 pt bold (15 px).
TEST(DesignLabel, AWordThatDoesNotFitShrinksToOneLineDownToHalfItsSize)
{
    ControlDesign card{.name = "Label1",
                       .width = 1215,
                       .height = 1095,
                       .font = {"Arial", 11.25, true},
                       .shrinkToFit = true};
    DesignLabel label(card);
    label.setFont(designFont(card.font, 1.0));
    const int width = 79;

    label.setText(QStringLiteral("gatto"));
    EXPECT_EQ(label.fittedFont(width).pixelSize(), 15);

    label.setText(QStringLiteral("pallacanestro"));
    const QFont shrunk = label.fittedFont(width);
    EXPECT_LT(shrunk.pixelSize(), 15);
    EXPECT_GE(shrunk.pixelSize(), 8);
    EXPECT_LE(QFontMetrics(shrunk).horizontalAdvance(label.text()), width);

    // Past half the size the text wraps instead.
    label.setText(QStringLiteral("precipitevolissimevolmente"));
    EXPECT_EQ(label.fittedFont(width).pixelSize(), 7);

    card.shrinkToFit = false;
    DesignLabel plain(card);
    plain.setFont(designFont(card.font, 1.0));
    plain.setText(QStringLiteral("pallacanestro"));
    EXPECT_EQ(plain.fittedFont(width).pixelSize(), 15);
}

} // namespace
