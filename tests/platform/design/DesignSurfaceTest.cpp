// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/design/DesignSurface.h"
#include "platform/design/DesignLabel.h"
#include "platform/pictures/PictureBox.h"

#include "platform/design/DesignButton.h"
#include <array>
#include <gtest/gtest.h>

namespace {

// Two overlapping cells of a grid and a button; the used area is 120 + 1230 + 120 by 240 + 615 +
// 240 twips, 98 x 73 pixels at scale 1.
// clang-format off
constexpr std::array<ControlDesign, 3> kLayout = {{
    {.name = "Label1", .index = 0, .left = 120, .top = 240, .width = 615, .height = 615,
     .text = "A", .font = {"Arial", 26.25, true}, .back = 0x00FFFFFF, .border = true},
    {.name = "Label1", .index = 1, .left = 720, .top = 240, .width = 615, .height = 615,
     .text = "B", .font = {"Arial", 26.25, true}, .back = 0x0000FFFF, .border = true},
    {.name = "Command1", .kind = ControlKind::Button,
     .left = 1200, .top = 600, .width = 150, .height = 150, .text = "ok"},
}};
// clang-format on

TEST(DesignSurface, AtScaleOneEveryControlLiesAtItsTwipsOverFifteen)
{
    DesignSurface surface(kLayout);
    surface.show();
    EXPECT_EQ(surface.designSize(), QSizeF(98, 73));
    surface.resize(98, 73);
    EXPECT_DOUBLE_EQ(surface.scale(), 1.0);
    EXPECT_EQ(surface.label("Label1", 0)->geometry(), QRect(8, 16, 41, 41));
    EXPECT_EQ(surface.label("Label1", 1)->geometry(), QRect(48, 16, 41, 41));
    EXPECT_EQ(surface.button("Command1")->geometry(), QRect(80, 40, 10, 10));
    EXPECT_EQ(surface.label("Label1", 0)->font().pixelSize(), 35);
    EXPECT_EQ(surface.label("Label1", 1)->property("index").toInt(), 1);
    EXPECT_EQ(surface.control("Label1"), nullptr); // a group member needs its index
}

TEST(DesignSurface, ScalesUniformlyToTheLargestFitAndCentres)
{
    DesignSurface surface(kLayout);
    surface.show();
    surface.resize(98 * 3, 73 * 2); // height limits: scale 2, centred across
    EXPECT_DOUBLE_EQ(surface.scale(), 2.0);
    EXPECT_EQ(surface.label("Label1", 0)->geometry(), QRect(49 + 16, 32, 82, 82));
    EXPECT_EQ(surface.label("Label1", 1)->geometry(), QRect(49 + 96, 32, 82, 82));
    EXPECT_EQ(surface.label("Label1", 0)->font().pixelSize(), 70);

    surface.resize(49, 200); // width limits: scale 0.5, centred down
    EXPECT_DOUBLE_EQ(surface.scale(), 0.5);
    EXPECT_EQ(surface.label("Label1", 0)->geometry().topLeft(), QPoint(4, 90));
}

TEST(DesignSurface, TheControlListedFirstIsInFrontAndMovesAreInTwips)
{
    DesignSurface surface(kLayout);
    surface.show();
    surface.resize(98, 73);
    EXPECT_EQ(surface.childAt(48, 20), surface.label("Label1", 0)); // the shared pixel column
    surface.moveControl(surface.label("Label1", 1), 0, 0);
    EXPECT_EQ(surface.label("Label1", 1)->geometry(), QRect(0, 0, 41, 41));
    surface.resize(196, 146);
    EXPECT_EQ(surface.label("Label1", 1)->geometry(), QRect(0, 0, 82, 82));
}

TEST(DesignSurface, AnOpaqueLabelPaintsItsBoxAndABorder)
{
    DesignSurface surface(kLayout);
    surface.show();
    surface.setBackground(Qt::green);
    surface.resize(98, 73);
    const QImage shot = surface.grab().toImage();
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(8, 16), QColor(Qt::black));    // border
    EXPECT_EQ(shot.pixelColor(10, 54), QColor(Qt::white));   // inside, below the letter
    EXPECT_EQ(shot.pixelColor(60, 54), QColor(255, 255, 0)); // the second cell, yellow
}

} // namespace
