// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Palette.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

TEST(Palette, TheEndsOfTheDrawPickTheFirstAndLastEntries)
{
    ScriptedRandom random{0.0, kJustBelowOne};
    EXPECT_EQ(drawPaletteColor(random), 12632319); // #FFC0C0
    EXPECT_EQ(drawPaletteColor(random), 16711935); // #FF00FF
    EXPECT_EQ(random.used(), 2u);
}

TEST(Palette, EveryEntryComesUpForItsEighteenthOfTheDraws)
{
    const qint32 expected[18] = {12632319, 8421631,  33023,    8438015,  33023,    12648447,
                                 8421631,  16576,    8454016,  16576,    16777152, 16776960,
                                 16761024, 16761087, 16761087, 14737632, 16761087, 16711935};
    for (int entry = 0; entry < 18; ++entry) {
        ScriptedRandom low{entry / 18.0};
        ScriptedRandom high{(entry + 1) / 18.0 - 1e-9};
        EXPECT_EQ(drawPaletteColor(low), expected[entry]) << "entry " << entry + 1;
        EXPECT_EQ(drawPaletteColor(high), expected[entry]) << "entry " << entry + 1;
    }
}

} // namespace
